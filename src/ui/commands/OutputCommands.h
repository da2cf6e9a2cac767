#pragma once

class TmainFrm;

// The Output menu: export of the asset list, the report manager and the
// report items of the list's group, also offered by the tool bar's 打印.
namespace OutputCommands {
constexpr int ListReportGroup = 1;
// Binds 导出 (menu and tool bar) and 报表设计....
void Bind(TmainFrm &frm);
// Rebuilds the report items of the Output menu and of the print drop-down.
void BuildReportMenus(TmainFrm &frm);
} // namespace OutputCommands
