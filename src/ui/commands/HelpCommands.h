#pragma once

class TmainFrm;

// The Help menu (help pages, notes shipped with the program) and the desktop
// helpers of the Tools menu.
namespace HelpCommands {
void Bind(TmainFrm &frm);
} // namespace HelpCommands
