#pragma once
#include "ui/framework/AFrm.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class TDataSet;

// The quick filter: pick a text field, then type a keyword.
class TFltrDlgFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TFltrDlgFrm(const TDataSet *dataSet, QWidget *parent = nullptr);
    QString FieldName() const;
    QString Keyword() const;

    QListWidget *lstFields;
    QLineEdit *edtKeyword;
    QPushButton *btnNext, *btnOk;

private:
    void showKeywordPage();
    QStackedWidget *m_pages;
};
