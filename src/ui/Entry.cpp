#include "ui/Entry.h"
#include "app/Configer.h"
#include "app/Identity.h"
#include "app/Operator.h"
#include "app/Prompter.h"
#include "app/Startup.h"
#include "data/RecordSet.h"
#include "ui/commands/FileCommands.h"
#include "ui/commands/OutputCommands.h"
#include "ui/framework/ZoApplication.h"
#include "ui/windows/DBConfig.h"
#include "ui/windows/Splash.h"
#include "ui/windows/Reporter.h"
#include "ui/windows/main.h"
#include <QPointer>

namespace ZoEntry {

bool ConnectDatabase(QWidget *dialogParent)
{
    TDBConfigFrm dialog(dialogParent);
    for (;;) {
        try {
            ZoStartup::EnsureDefaultDatabase(dialog.Configer());
        } catch (const EZoError &e) {
            if (!e.Message().isEmpty())
                ShowInfo(e.Message());
        }
        if (AppDatabase().Connect(dialog.Configer().ConnectionString()))
            break;
        if (dialog.exec() != QDialog::Accepted)
            break;
        QApplication::processEvents();
    }
    return AppDatabase().Connected();
}

int Run()
{
    QApplication::processEvents();
    auto splash = std::make_unique<TSplashFrm>();
    splash->show();
    splash->ShowStep(QStringLiteral("正在连接数据库,请稍候..."));
    if (!ConnectDatabase())
        return 0;
    splash->ShowStep(QStringLiteral("正在创建程序,请稍候..."));
    ZoStartup::LoadStartupSettings();

    InstallOperatorRights();
    InstallReportWindows();
    auto *mainFrm = new TmainFrm;
    mainFrm->setAttribute(Qt::WA_DeleteOnClose);
    FileCommands::Bind(*mainFrm);
    splash.reset();
    if (!FileCommands::Login(*mainFrm)) {
        mainFrm->close(); // the close step runs as after any other exit
        return 0;
    }
    OutputCommands::BuildReportMenus(*mainFrm);
    mainFrm->showMaximized();
    FileCommands::OfferCompanyDialog(*mainFrm);
    return QApplication::exec();
}

} // namespace ZoEntry
