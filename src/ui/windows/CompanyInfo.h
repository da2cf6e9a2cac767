#pragma once
#include "ui/framework/ADlgFrm.h"

class QLineEdit;
class QPlainTextEdit;

// The company record; read-only when opened from the about box.
class TCompanyInfoFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TCompanyInfoFrm(bool readOnly, QWidget *parent = nullptr);
    void LoadFromCompany();
    void StoreIntoCompany() const;

    // Shows the dialog until the company is saved or the operator cancels.
    static void Edit(bool readOnly, QWidget *parent);

private:
    QLineEdit *EdtCompany1, *EdtLawMan1, *EdtTel1, *EdtFax1, *EdtAddress1, *edtZip1;
    QPlainTextEdit *MemIntrol1;
};
