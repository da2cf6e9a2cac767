#pragma once
#include "ui/framework/AFrm.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QStackedWidget;
class QTabBar;

// The options window: the twelve custom-field labels and the seven pick lists.
class TOptionEditorFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TOptionEditorFrm(QWidget *parent = nullptr);
    // Writes everything, updates the labels in memory and tells open windows.
    void Save();

private:
    struct PickList {
        QString caption;
        int keyId;
        QString text;
    };
    void selectList(int row);

    QTabBar *TabControl1;
    QStackedWidget *m_pages;
    QList<QLineEdit *> m_labelEdits;
    QListWidget *ListBox1;
    QLabel *Label4;
    QPlainTextEdit *Memo1;
    QList<PickList> m_lists;
    int m_current = -1;
};
