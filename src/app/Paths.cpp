#include "app/Paths.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ZoPaths {

QString DataHome()
{
    QString home = qEnvironmentVariable("ZOKAMO_HOME");
    if (home.isEmpty()) {
        QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
        if (xdg.isEmpty())
            xdg = QDir::homePath() + QStringLiteral("/.local/share");
        home = xdg + QStringLiteral("/zokamo");
    }
    if (!QFileInfo::exists(home)) {
        QDir().mkpath(home);
        QFile::setPermissions(home, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return QDir(home).absolutePath();
}

QString ResourcesDir()
{
    const QString env = qEnvironmentVariable("ZOKAMO_RESOURCES");
    if (!env.isEmpty())
        return env;
    if (QCoreApplication::instance()) {
        const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zokamo");
        if (QFileInfo::exists(installed + QStringLiteral("/sql")))
            return QDir(installed).absolutePath();
    }
    return QStringLiteral(ZK_SOURCE_RESOURCES);
}

QString Resource(const QString &relativePath)
{
    return ResourcesDir() + u'/' + relativePath;
}

QString ConfigFile() { return DataHome() + QStringLiteral("/cfg.ini"); }
QString DefaultDatabase() { return DataHome() + QStringLiteral("/zokamo.db"); }

} // namespace ZoPaths
