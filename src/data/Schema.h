#pragma once
#include <QString>

class TDatabase;

namespace ZoSchema {
// Runs the shipped schema of the connection's back end and the seed rows, in one transaction.
void CreateTables(TDatabase &db);
// Creates a new SQLite ledger at `path` from the shipped schema and seed.
// The file appears only when it is complete; throws EZoError on failure.
void CreateDatabaseFile(const QString &path);
// Splits a script into statements at the semicolons that end a line.
QStringList SplitScript(const QString &script);
QString ReadScript(const QString &name);
} // namespace ZoSchema
