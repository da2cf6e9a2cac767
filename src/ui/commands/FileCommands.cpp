#include "ui/commands/FileCommands.h"
#include "app/Company.h"
#include "app/Operator.h"
#include "app/Rights.h"
#include "ui/windows/CompanyInfo.h"
#include "ui/windows/Login.h"
#include "ui/windows/OperatorEditor.h"
#include "ui/windows/Operators.h"
#include "ui/windows/OptionEditor.h"
#include "ui/windows/PasswordChanger.h"
#include "ui/windows/main.h"
#include <QAction>

namespace FileCommands {

bool Login(TmainFrm &frm)
{
    TLoginFrm dlg(&frm);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    frm.SetStatusText(1, CurrentOperator().LoginId);
    return true;
}

void OfferCompanyDialog(TmainFrm &frm)
{
    if (Rights::Has(10000) && !CurrentCompany().IsFilled())
        frm.Action(QStringLiteral("N_Company"))->trigger();
}

void Bind(TmainFrm &frm)
{
    frm.Bind(QStringLiteral("N_Company"), [&frm] {
        Rights::Require(10000);
        TCompanyInfoFrm::Edit(false, &frm);
    });
    frm.Bind(QStringLiteral("N_Operators"), [&frm] {
        Rights::Require(100001);
        TOperatorsFrm dlg(&frm);
        for (const TRightItem &r : OperatorRights::AssetRights())
            dlg.Editor()->AddRight(r.Caption, r.Code);
        dlg.exec();
    });
    frm.Bind(QStringLiteral("N_Options"), [&frm] {
        Rights::Require(1);
        TOptionEditorFrm dlg(&frm);
        dlg.exec();
    });
    frm.Bind(QStringLiteral("N_Relogin"), [&frm] { Login(frm); });
    frm.Bind(QStringLiteral("N_ChangePassword"), [&frm] { TPasswordChangerFrm::ChangePassword(&frm); });
}

} // namespace FileCommands
