#include "cli/CliCommand.h"
#include "app/Configer.h"
#include "app/Startup.h"
#include "data/RecordSet.h"
#include <QFileInfo>
#include <cstdio>

QList<TCliCommand> &CliCommands()
{
    static QList<TCliCommand> commands;
    return commands;
}

namespace Cli {

QString Option(const QStringList &args, const QString &option, const QString &def)
{
    const int i = args.indexOf(option);
    return (i >= 0 && i + 1 < args.size()) ? args[i + 1] : def;
}

bool HasFlag(const QStringList &args, const QString &flag) { return args.contains(flag); }

void Connect(const QStringList &args)
{
    const QString file = Option(args, QStringLiteral("--database"));
    QString connection;
    if (!file.isEmpty()) {
        connection = TConfiger::LocalFileConnectionString(QFileInfo(file).absoluteFilePath());
    } else {
        TConfiger configer;
        ZoStartup::EnsureDefaultDatabase(configer);
        connection = configer.ConnectionString();
    }
    if (!AppDatabase().Connect(connection))
        throw EAbort(); // the reason went to standard error through the prompter
}

void Out(const QString &text) { std::fputs(text.toUtf8().constData(), stdout); }
void Err(const QString &text) { std::fputs(text.toUtf8().constData(), stderr); }

} // namespace Cli
