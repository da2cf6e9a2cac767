#include "app/Paths.h"
#include "cli/CliCommand.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include <QFileInfo>

namespace {

int runInit(const QStringList &args)
{
    const QString path = QFileInfo(Cli::Option(args, QStringLiteral("--database"), ZoPaths::DefaultDatabase())).absoluteFilePath();
    if (QFileInfo::exists(path)) {
        Cli::Err(QStringLiteral("数据库文件已存在: %1\n").arg(path));
        return 1;
    }
    ZoSchema::CreateDatabaseFile(path);
    Cli::Out(QStringLiteral("已创建数据库: %1\n").arg(path));
    return 0;
}

int runInfo(const QStringList &args)
{
    Cli::Connect(args);
    const int assets = QueryValue(QStringLiteral("select count(*) from assets")).toInt();
    Cli::Out(QStringLiteral("Provider: %1\nData Source: %2\nAssets: %3\n")
                 .arg(AppDatabase().ProviderName(), AppDatabase().DataSourceName())
                 .arg(assets));
    return 0;
}

TCliRegistration init({QStringLiteral("init"), QStringLiteral("init [--database FILE]   由内置结构和初始数据创建数据库文件"), runInit});
TCliRegistration info({QStringLiteral("info"), QStringLiteral("info [--database FILE]   显示连接的数据库和资产数"), runInfo});

} // namespace
