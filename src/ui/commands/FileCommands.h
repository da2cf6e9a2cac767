#pragma once

class TmainFrm;

// The commands of the File menu that concern operators and settings.
namespace FileCommands {
// Binds 公司信息, 操作员及权限, 选项..., 重新登陆 and 更改我的密码.
void Bind(TmainFrm &frm);
// The login dialog; on OK the status bar shows the login name. False when cancelled.
bool Login(TmainFrm &frm);
// At start-up: offers the company dialog when the name is still short and the operator may edit it.
void OfferCompanyDialog(TmainFrm &frm);
} // namespace FileCommands
