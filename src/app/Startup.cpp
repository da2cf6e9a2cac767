#include "app/Startup.h"
#include "app/Company.h"
#include "app/Configer.h"
#include "app/CustomLabels.h"
#include "app/Paths.h"
#include "data/Schema.h"
#include <QFileInfo>
#include <QLocale>

namespace ZoStartup {

void InitProcess()
{
    // Numbers and dates are shown the same way whatever the desktop's locale is.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // Without TZ the C library re-reads /etc/localtime on every local-time
    // conversion; naming the same file once makes date columns cheap to load.
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
}

void EnsureDefaultDatabase(const TConfiger &configer)
{
    if (!configer.UsesDefaultDatabase())
        return;
    const QString path = ZoPaths::DefaultDatabase();
    if (!QFileInfo::exists(path))
        ZoSchema::CreateDatabaseFile(path);
}

void LoadStartupSettings()
{
    CustomLabels::Load();
    CurrentCompany().Load();
}

} // namespace ZoStartup
