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
