#pragma once
#include "app/Configer.h"
#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// The connection dialog shown whenever the database cannot be reached.
class TDBConfigFrm : public QDialog {
    Q_OBJECT
public:
    explicit TDBConfigFrm(QWidget *parent = nullptr);
    ~TDBConfigFrm() override;

    TConfiger &Configer() { return *m_configer; }
    // Copies the controls into the settings and saves them; false (with a
    // message) when an input is wrong or cfg.ini cannot be written.
    bool ApplyAndSave();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ComboBox1Select(int index);
    void jetDefaultCheckBox1Click();
    void jetFileButton1Click();
    void Button1Click();

    std::unique_ptr<TConfiger> m_configer;
    QComboBox *ComboBox1;
    QStackedWidget *Notebook1;
    QLineEdit *mssqlServerEdit1, *mssqlPortEdit1, *mssqlDbEdit1, *mssqlUserEdit1, *mssqlPwEdit1;
    QCheckBox *CheckBox1;
    QCheckBox *jetDefaultCheckBox1;
    QLineEdit *jetfileEdit1, *jetUserEdit1, *jetPwEdit1;
    QPushButton *jetFileButton1;
    QLineEdit *edtDipUrl1, *edtDipUser1;
    QPushButton *Button1, *Button2;
};
