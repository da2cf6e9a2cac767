#pragma once
#include "ui/framework/ADlgFrm.h"

class QComboBox;
class QLineEdit;

// The login dialog: stays open, with the password selected, until a known
// operator gives the right password.
class TLoginFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TLoginFrm(QWidget *parent = nullptr);

protected:
    bool CheckInput() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *edtLoginId1;
    QLineEdit *edtPassword1;
};
