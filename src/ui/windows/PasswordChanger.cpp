#include "ui/windows/PasswordChanger.h"
#include "app/Operator.h"
#include "app/Prompter.h"
#include "ui/framework/FormRows.h"
#include "data/Exceptions.h"
#include <QFormLayout>
#include <QLineEdit>

TPasswordChangerFrm::TPasswordChangerFrm(QWidget *parent) : TADlgFrm(parent)
{
    setObjectName(QStringLiteral("PasswordChangerFrm"));
    setWindowTitle(QStringLiteral("更改密码"));
    auto *form = new QFormLayout(Body());
    auto edit = [form](const char *name, const QString &caption, bool masked) { return AddFormEdit(form, name, caption, masked); };
    edtUserId1 = edit("edtUserId1", QStringLiteral("当前用户"), false);
    edtUserId1->setEnabled(false);
    edtUserId1->setText(CurrentOperator().LoginId);
    edtPassword1 = edit("edtPassword1", QStringLiteral("当前密码"), true);
    edtNewPassword1 = edit("edtNewPassword1", QStringLiteral("新密码"), true);
    edtNewPassword2 = edit("edtNewPassword2", QStringLiteral("新密码验证"), true);
    resize(360, 220);
}

QString TPasswordChangerFrm::CurrentPassword() const { return edtPassword1->text(); }
QString TPasswordChangerFrm::NewPassword() const { return edtNewPassword1->text(); }

bool TPasswordChangerFrm::CheckInput()
{
    if (edtNewPassword1->text() == edtNewPassword2->text())
        return true;
    Prompter().Message(TPrompter::Icon::Warning, QStringLiteral("两次输入的新密码不一样,请确认并重新输入."));
    edtNewPassword1->clear();
    edtNewPassword2->clear();
    edtNewPassword1->setFocus();
    return false;
}

void TPasswordChangerFrm::ChangePassword(QWidget *parent)
{
    TPasswordChangerFrm dlg(parent);
    while (dlg.exec() == QDialog::Accepted) {
        TOperator &me = CurrentOperator();
        if (!me.CheckPassword(dlg.CurrentPassword())) {
            ShowInfo(QStringLiteral("当前密码验证失败,请确认并重新输入."));
            continue;
        }
        try {
            me.SavePassword(dlg.NewPassword());
        } catch (const EZoError &e) {
            ShowInfo(e.Message());
            continue;
        }
        ShowInfo(QStringLiteral("密码更改成功! 下次登陆时请使用新密码."));
        return;
    }
}
