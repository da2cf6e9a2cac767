#pragma once
#include "ui/framework/ADlgFrm.h"

class QLineEdit;

// Changes the password of the logged-in operator.
class TPasswordChangerFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TPasswordChangerFrm(QWidget *parent = nullptr);
    QString CurrentPassword() const;
    QString NewPassword() const;

    // The whole change: shows the dialog until the password is saved or the operator cancels.
    static void ChangePassword(QWidget *parent);

protected:
    bool CheckInput() override;

private:
    QLineEdit *edtUserId1, *edtPassword1, *edtNewPassword1, *edtNewPassword2;
};
