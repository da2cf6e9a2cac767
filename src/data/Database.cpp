#include "data/Database.h"
#include "app/Prompter.h"
#include "data/ConnectionString.h"
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlRecord>
#include <QUuid>

TDBParameter DBParam(const QString &name, const QVariant &value) { return {name, value}; }
TxDBParameter DBBlobParam(const QString &name, const QByteArray &bytes) { return {name, bytes}; }

namespace {

// Rewrites ":Name" placeholders as "?" and returns the names in order of
// appearance. Text inside quotes and the "::" cast are left alone.
QString toPositional(const QString &sql, QStringList *names)
{
    QString out;
    out.reserve(sql.size());
    const int n = sql.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const int end = sql.indexOf(c, i + 1);
            const int stop = end < 0 ? n - 1 : end;
            out += QStringView(sql).mid(i, stop - i + 1);
            i = stop;
            continue;
        }
        if (c == u':' && i + 1 < n && sql[i + 1] == u':') {
            out += QStringLiteral("::");
            ++i;
            continue;
        }
        if (c == u':' && i + 1 < n && (sql[i + 1].isLetter() || sql[i + 1] == u'_')) {
            int j = i + 1;
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == u'_'))
                ++j;
            names->append(sql.mid(i + 1, j - i - 1));
            out += u'?';
            i = j - 1;
            continue;
        }
        out += c;
    }
    return out;
}

QString providerText(const QSqlError &e)
{
    QString t = e.databaseText().trimmed();
    if (t.isEmpty())
        t = e.driverText().trimmed();
    if (t.isEmpty())
        t = e.text().trimmed();
    return t;
}

} // namespace

TDatabase::TDatabase(const QString &connectionName)
    : m_connectionName(connectionName.isEmpty()
                           ? QStringLiteral("zokamo-") + QUuid::createUuid().toString(QUuid::WithoutBraces)
                           : connectionName),
      m_dialect(std::make_unique<TSqliteDialect>())
{
}

TDatabase::~TDatabase()
{
    closeConnection();
}

void TDatabase::closeConnection()
{
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_transDepth = 0;
}

void TDatabase::openConnection(const QString &connectionString)
{
    closeConnection();
    m_connectionString = connectionString;
    const TConnectionString cs(connectionString);
    const QString provider = cs.Value(QStringLiteral("Provider"));
    if (provider.compare(QStringLiteral("SQLite"), Qt::CaseInsensitive) != 0
        && provider.compare(QStringLiteral("PostgreSQL"), Qt::CaseInsensitive) != 0)
        throw EDatabaseError(QStringLiteral("未知的数据提供者“%1”").arg(provider), connectionString.isEmpty() ? QStringLiteral("(空的连接字符串)") : QString());
    m_dialect = TSqlDialect::ForProvider(provider);
    const QString source = cs.Value(QStringLiteral("Data Source"));

    if (!m_dialect->IsServer() && !QFileInfo::exists(source))
        throw EDatabaseError(QStringLiteral("数据库文件不存在: %1").arg(source), QString());

    m_db = QSqlDatabase::addDatabase(m_dialect->QtDriver(), m_connectionName);
    if (m_dialect->IsServer()) {
        m_db.setHostName(source);
        const QString port = cs.Value(QStringLiteral("Port"));
        m_db.setPort(port.isEmpty() ? 5432 : port.toInt());
        m_db.setDatabaseName(cs.Value(QStringLiteral("Initial Catalog")));
        m_db.setUserName(cs.Value(QStringLiteral("User ID")));
        m_db.setPassword(cs.Value(QStringLiteral("Password")));
        m_db.setConnectOptions(QStringLiteral("connect_timeout=120"));
    } else {
        m_db.setDatabaseName(source);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    }
    if (!m_db.open())
        throw EDatabaseError(providerText(m_db.lastError()), QString());

    const QStringList setup = m_dialect->IsServer()
        ? QStringList{QStringLiteral("set statement_timeout = 300000"), QStringLiteral("set datestyle to ISO, YMD")}
        : QStringList{QStringLiteral("pragma journal_mode=WAL"), QStringLiteral("select count(*) from sqlite_master")};
    for (const QString &sql : setup) {
        QSqlQuery q(m_db);
        if (!q.exec(sql)) {
            const QSqlError e = q.lastError();
            closeConnection();
            throw EDatabaseError(providerText(e), sql);
        }
    }
}

bool TDatabase::Connect(const QString &connectionString)
{
    try {
        openConnection(connectionString);
    } catch (const EDatabaseError &e) {
        QString reason = e.ProviderMessage();
        ShowInfo(QStringLiteral("连接时失败,提示如下:\r\n%1").arg(reason));
        closeConnection();
    }
    return Connected();
}

bool TDatabase::Connected() const
{
    return m_db.isValid() && m_db.isOpen();
}

void TDatabase::SetConnected(bool connected)
{
    if (connected)
        EnsureOpen();
    else if (m_db.isValid())
        m_db.close();
}

void TDatabase::EnsureOpen()
{
    if (Connected())
        return;
    if (m_db.isValid() && m_db.open())
        return;
    openConnection(m_connectionString);
}

void TDatabase::raise(const QSqlError &error, const QString &sql) const
{
    throw EDatabaseError(providerText(error), sql, error.nativeErrorCode());
}

QSqlQuery TDatabase::run(const QString &sql, const TDBParameters &params, const TxDBParameters &blobs)
{
    EnsureOpen();
    QStringList names;
    const QString positional = toPositional(sql, &names);
    QList<QVariant> values(names.size());
    auto bind = [&](const QString &name, const QVariant &value) {
        bool found = false;
        for (int i = 0; i < names.size(); ++i)
            if (names[i] == name) {
                values[i] = value;
                found = true;
            }
        if (!found)
            throw EDatabaseError(QStringLiteral("找不到参数 :%1").arg(name), sql);
    };
    for (const TDBParameter &p : params)
        bind(p.Name, m_dialect->BindValue(p.Value));
    for (const TxDBParameter &b : blobs)
        bind(b.Name, b.Stream.isNull() ? QVariant(QMetaType::fromType<QByteArray>()) : QVariant(b.Stream));

    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (names.isEmpty()) {
        // Without parameters nothing needs preparing (and PostgreSQL cannot prepare DDL).
        if (!q.exec(sql))
            raise(q.lastError(), sql);
        return q;
    }
    if (!q.prepare(positional))
        raise(q.lastError(), sql);
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values[i]);
    if (!q.exec())
        raise(q.lastError(), sql);
    return q;
}

int TDatabase::ExecSQL(const QString &sql, const TDBParameters &params, const TxDBParameters &blobs)
{
    return run(sql, params, blobs).numRowsAffected();
}

void TDatabase::Execute(const QString &sql, const TDBParameters &params, const TxDBParameters &blobs)
{
    run(sql, params, blobs);
}

QSqlQuery TDatabase::Select(const QString &sql, const TDBParameters &params)
{
    return run(sql, params, {});
}

void TDatabase::BeginTrans()
{
    EnsureOpen();
    if (m_transDepth++ > 0)
        return; // joins the transaction that is already open
    if (!m_db.transaction()) {
        m_transDepth = 0;
        raise(m_db.lastError(), QStringLiteral("begin transaction"));
    }
}

void TDatabase::CommitTrans()
{
    if (m_transDepth == 0)
        return;
    if (--m_transDepth > 0)
        return;
    if (!m_db.commit())
        raise(m_db.lastError(), QStringLiteral("commit"));
}

void TDatabase::RollbackTrans()
{
    if (m_transDepth == 0)
        return;
    m_transDepth = 0;
    if (!m_db.rollback())
        raise(m_db.lastError(), QStringLiteral("rollback"));
}

QString TDatabase::ConnectionValue(const QString &key) const
{
    return TConnectionString(m_connectionString).Value(key);
}

QDateTime TDatabase::ServerNow()
{
    QSqlQuery q = Select(m_dialect->ServerNowSql());
    q.next();
    return ZoDate::Parse(q.value(0));
}

int TDatabase::NextId(const QString &table, const QString &keyColumn)
{
    QSqlQuery q = Select(QStringLiteral("select max(%1) from %2").arg(keyColumn, table));
    return (q.next() ? q.value(0).toInt() : 0) + 1;
}

int TDatabase::InsertWithNewId(const QString &table, const std::function<void(int)> &insert)
{
    constexpr int attempts = 20;
    const bool savepoints = InTransaction();
    for (int attempt = 1;; ++attempt) {
        const int id = NextId(table);
        if (savepoints)
            Execute(QStringLiteral("savepoint zk_new_key"));
        try {
            insert(id);
            if (savepoints)
                Execute(QStringLiteral("release savepoint zk_new_key"));
            return id;
        } catch (const EDatabaseError &e) {
            if (savepoints)
                Execute(QStringLiteral("rollback to savepoint zk_new_key"));
            const QSqlError err(QString(), e.ProviderMessage(), QSqlError::StatementError, e.NativeCode());
            if (attempt >= attempts || !m_dialect->IsDuplicateKey(err))
                throw;
        }
    }
}

TTransaction::TTransaction(TDatabase &db) : m_db(db)
{
    m_db.BeginTrans();
    m_owner = true;
}

TTransaction::~TTransaction()
{
    if (m_owner && !m_done) {
        try {
            m_db.RollbackTrans();
        } catch (...) {
            // The connection is gone; there is nothing left to undo.
        }
    }
}

void TTransaction::Commit()
{
    m_done = true;
    m_db.CommitTrans();
}
