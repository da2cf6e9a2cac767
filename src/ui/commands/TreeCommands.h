#pragma once

class TmainFrm;

// The File-menu commands that maintain the class and department trees.
namespace TreeCommands {
// Binds 资产分类编制 and 资产使用部门设置.
void Bind(TmainFrm &frm);
} // namespace TreeCommands
