#include "ZkTest.h"
#include "app/Company.h"
#include "app/Configer.h"
#include "app/CustomLabels.h"
#include "app/KeyValue.h"
#include "app/Operator.h"
#include "app/Rights.h"
#include "app/Paths.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include <QCoreApplication>
#include <QSqlQuery>
#include <atomic>

namespace ZkTest {

QStringList TScriptedPrompter::Texts() const
{
    QStringList t;
    for (const Shown &s : Messages)
        t.append(s.text);
    return t;
}

static void resetProcessObjects()
{
    ResetKeyValues();
    ResetCurrentCompany();
    ResetCurrentOperator();
    Rights::SetChecker({});
    ResetAppDatabase();
    CustomLabels::Reset();
}

TFreshHome::TFreshHome()
{
    resetProcessObjects();
    qputenv("ZOKAMO_HOME", m_dir.path().toUtf8());
    auto prompter = std::make_unique<TScriptedPrompter>();
    m_prompter = prompter.get();
    m_previous = SetPrompter(std::move(prompter));
}

TFreshHome::~TFreshHome()
{
    resetProcessObjects();
    SetPrompter(std::move(m_previous));
    qunsetenv("ZOKAMO_HOME");
}

bool HasPostgres() { return !qEnvironmentVariable("ZOKAMO_TEST_PG").isEmpty(); }

QStringList Backends()
{
    QStringList b{QStringLiteral("sqlite")};
    if (HasPostgres())
        b.append(QStringLiteral("postgresql"));
    return b;
}

void AddBackendRows()
{
    QTest::addColumn<QString>("backend");
    for (const QString &b : Backends())
        QTest::newRow(qPrintable(b)) << b;
}

QString PgConnectionString(const QString &database)
{
    const QStringList parts = qEnvironmentVariable("ZOKAMO_TEST_PG").split(u':');
    return TConfiger::ServerConnectionString(parts.value(0), parts.value(1).toInt(), parts.value(2), QString(), database);
}

TLedger::TLedger(const QString &backend) : m_backend(backend)
{
    if (backend == QStringLiteral("postgresql")) {
        static std::atomic<int> counter{0};
        m_pgDatabase = QStringLiteral("zk_t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
        {
            TDatabase admin;
            if (!admin.Connect(PgConnectionString(QStringLiteral("postgres"))))
                qFatal("cannot reach the test PostgreSQL server: %s", qPrintable(Prompter().LastText()));
            admin.Execute(QStringLiteral("drop database if exists %1").arg(m_pgDatabase));
            admin.Execute(QStringLiteral("create database %1 encoding 'UTF8' template template0").arg(m_pgDatabase));
        }
        m_connectionString = PgConnectionString(m_pgDatabase);
        if (!AppDatabase().Connect(m_connectionString))
            qFatal("cannot connect to %s", qPrintable(m_pgDatabase));
        ZoSchema::CreateTables(AppDatabase());
    } else {
        ZoSchema::CreateDatabaseFile(ZoPaths::DefaultDatabase());
        m_connectionString = TConfiger::DefaultDatabaseConnectionString();
        if (!AppDatabase().Connect(m_connectionString))
            qFatal("cannot open the test ledger: %s", qPrintable(Prompter().LastText()));
    }
}

TLedger::~TLedger()
{
    ResetKeyValues();
    ResetAppDatabase();
    if (!m_pgDatabase.isEmpty()) {
        TDatabase admin;
        if (admin.Connect(PgConnectionString(QStringLiteral("postgres"))))
            admin.Execute(QStringLiteral("drop database if exists %1 with (force)").arg(m_pgDatabase));
    }
}

QVariant Scalar(const QString &sql)
{
    QSqlQuery q = AppDatabase().Select(sql);
    return q.next() ? q.value(0) : QVariant();
}

} // namespace ZkTest
