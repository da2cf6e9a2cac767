#pragma once
#include "app/Prompter.h"
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Shared fixtures of the tests.
namespace ZkTest {

// Records every message and answers from a script (true = OK/Yes when the script is empty).
class TScriptedPrompter : public TPrompter {
public:
    struct Shown {
        Icon icon;
        QString text;
    };
    QList<Shown> Messages;
    QList<bool> Answers;
    QStringList FileNames;

    void Message(Icon icon, const QString &text) override { Messages.append({icon, text}); }
    bool OkCancel(Icon icon, const QString &text) override { return answer(icon, text); }
    bool YesNo(Icon icon, const QString &text) override { return answer(icon, text); }
    QString FileName(bool, const QString &, const QString &, const QString &) override
    {
        return FileNames.isEmpty() ? QString() : FileNames.takeFirst();
    }
    QString LastText() const { return Messages.isEmpty() ? QString() : Messages.last().text; }
    QStringList Texts() const;

private:
    bool answer(Icon icon, const QString &text)
    {
        Messages.append({icon, text});
        return Answers.isEmpty() ? true : Answers.takeFirst();
    }
};

// A fresh data home (ZOKAMO_HOME), fresh process-wide objects and the
// scripted prompter, for the life of the object.
class TFreshHome {
public:
    TFreshHome();
    ~TFreshHome();
    QString Path() const { return m_dir.path(); }
    TScriptedPrompter &Prompter() { return *m_prompter; }

private:
    QTemporaryDir m_dir;
    TScriptedPrompter *m_prompter;
    std::unique_ptr<TPrompter> m_previous;
};

// The back ends the tests can reach: "sqlite" always, "postgresql" when the
// test script started a server (ZOKAMO_TEST_PG=host:port:user).
QStringList Backends();
bool HasPostgres();
// Adds the column "backend" and one row per reachable back end to a _data() function.
void AddBackendRows();
// A server connection string for `database` on the test server.
QString PgConnectionString(const QString &database);

// A fresh data home plus a ledger made from the shipped schema and seed on
// the given back end, connected as AppDatabase. The PostgreSQL database is
// dropped again at the end.
class TLedger : public TFreshHome {
public:
    explicit TLedger(const QString &backend = QStringLiteral("sqlite"));
    ~TLedger();
    QString Backend() const { return m_backend; }
    QString ConnectionString() const { return m_connectionString; }

private:
    QString m_backend;
    QString m_pgDatabase;
    QString m_connectionString;
};

// Runs a statement on AppDatabase and returns the first value.
QVariant Scalar(const QString &sql);

} // namespace ZkTest
