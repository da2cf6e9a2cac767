#include "ui/commands/HelpCommands.h"
#include "app/Launcher.h"
#include "app/Paths.h"
#include "app/Project.h"
#include "ui/framework/AFrm.h"
#include "ui/windows/main.h"

namespace HelpCommands {

void Bind(TmainFrm &frm)
{
    frm.Bind(QStringLiteral("N_HelpFile"), [] { Launcher::OpenFile(TaFrm::TopicPage(QStringLiteral("index"))); });
    frm.Bind(QStringLiteral("N_Faq"), [] { Launcher::OpenFile(TaFrm::TopicPage(QStringLiteral("faq"))); });
    frm.Bind(QStringLiteral("N_Readme"), [] { Launcher::OpenFile(ZoPaths::Resource(QStringLiteral("readme.txt"))); });
    frm.Bind(QStringLiteral("N_WhatsNew"), [] { Launcher::OpenFile(ZoPaths::Resource(QStringLiteral("whatsnew.txt"))); });
    // The two desktop helpers of the Tools menu.
    frm.Bind(QStringLiteral("N_Notepad"), [] { TProject::Notepad(); });
    frm.Bind(QStringLiteral("N_Calculator"), [] { TProject::Calculator(); });
}

} // namespace HelpCommands
