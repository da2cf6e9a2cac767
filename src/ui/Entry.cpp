#include "ui/Entry.h"
#include "app/Configer.h"
#include "app/Identity.h"
#include "app/Prompter.h"
#include "app/Startup.h"
#include "data/RecordSet.h"
#include "ui/framework/ZoApplication.h"
#include "ui/windows/DBConfig.h"
#include "ui/windows/Splash.h"
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

    auto *mainFrm = new TmainFrm;
    mainFrm->setAttribute(Qt::WA_DeleteOnClose);
    splash.reset();
    mainFrm->showMaximized();
    return QApplication::exec();
}

} // namespace ZoEntry
