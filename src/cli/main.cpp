#include "app/Prompter.h"
#include "app/Startup.h"
#include "cli/CliCommand.h"
#include "data/Exceptions.h"
#include "data/RecordSet.h"
#include <QCoreApplication>

static int usage()
{
    QString text = QStringLiteral("用法: zokamo-cli <命令> [选项]\n");
    for (const TCliCommand &c : CliCommands())
        text += QStringLiteral("  ") + c.Usage + u'\n';
    Cli::Err(text);
    return 2;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ZoStartup::InitProcess();
    SetPrompter(std::make_unique<TStderrPrompter>());
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString name = args.takeFirst();
    for (const TCliCommand &c : CliCommands()) {
        if (c.Name != name)
            continue;
        int rc = 1;
        try {
            rc = c.Run(args);
        } catch (const EAbort &) {
            rc = 1;
        } catch (const EZoError &e) {
            Cli::Err(PlainMessageText(e.Message()) + u'\n');
            rc = 1;
        }
        if (AppDatabase().Connected())
            AppDatabase().SetConnected(false);
        ResetAppDatabase();
        return rc;
    }
    return usage();
}
