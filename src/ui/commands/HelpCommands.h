#pragma once

class TmainFrm;

// The Help menu: the help pages and the notes shipped with the program.
namespace HelpCommands {
void Bind(TmainFrm &frm);
} // namespace HelpCommands
