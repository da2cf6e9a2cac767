#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// One sub-command of zokamo-cli. Each command file registers itself with a
// static TCliRegistration, so adding a command needs no edit elsewhere.
struct TCliCommand {
    QString Name;
    QString Usage;
    std::function<int(const QStringList &args)> Run;
};

QList<TCliCommand> &CliCommands();

struct TCliRegistration {
    explicit TCliRegistration(TCliCommand command) { CliCommands().append(std::move(command)); }
};

namespace Cli {
// The value after `option` ("--year 2026"), or `def`.
QString Option(const QStringList &args, const QString &option, const QString &def = QString());
bool HasFlag(const QStringList &args, const QString &flag);
// Connects AppDatabase: to the SQLite file of --database, else as the program does with cfg.ini
// (creating the default database when it is missing). Throws EZoError when it fails.
void Connect(const QStringList &args);
// Writes UTF-8 text to standard output / error.
void Out(const QString &text);
void Err(const QString &text);
} // namespace Cli
