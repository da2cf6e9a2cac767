#pragma once
#include "data/Exceptions.h"
#include "data/SqlDialect.h"
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

// A named SQL parameter; the name is written without the leading ':'.
struct TDBParameter {
    QString Name;
    QVariant Value;
};

// A named binary parameter (pictures, report templates).
struct TxDBParameter {
    QString Name;
    QByteArray Stream;
};

using TDBParameters = QList<TDBParameter>;
using TxDBParameters = QList<TxDBParameter>;

TDBParameter DBParam(const QString &name, const QVariant &value);
TxDBParameter DBBlobParam(const QString &name, const QByteArray &bytes);

// The one connection of the program and the statements that change data.
class TDatabase {
public:
    // Connection name for Qt's registry; several instances may coexist (tests, worker threads).
    explicit TDatabase(const QString &connectionName = QString());
    virtual ~TDatabase();
    TDatabase(const TDatabase &) = delete;
    TDatabase &operator=(const TDatabase &) = delete;

    // Closes, takes the new string and opens it; on failure shows
    // "连接时失败,提示如下:" with the reason and returns false.
    bool Connect(const QString &connectionString);
    bool Connected() const;
    void SetConnected(bool connected);
    // Opens the connection with the string it already holds; throws EDatabaseError on failure.
    void EnsureOpen();

    // Runs a data-changing statement; returns the number of rows affected.
    int ExecSQL(const QString &sql, const TDBParameters &params = {}, const TxDBParameters &blobs = {});
    // The same for statements whose row count nobody reads.
    void Execute(const QString &sql, const TDBParameters &params = {}, const TxDBParameters &blobs = {});
    // Prepares and runs a statement that returns rows; the caller walks the query.
    QSqlQuery Select(const QString &sql, const TDBParameters &params = {});

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return m_transDepth > 0; }

    QString ConnectionString() const { return m_connectionString; }
    QString ConnectionValue(const QString &key) const;
    QString DataSourceName() const { return ConnectionValue(QStringLiteral("Data Source")); }
    QString ProviderName() const { return ConnectionValue(QStringLiteral("Provider")); }
    // True on the server back end (PostgreSQL), false on the embedded file.
    bool IsServerBackEnd() const { return m_dialect->IsServer(); }
    const TSqlDialect &Dialect() const { return *m_dialect; }

    QString DateLiteral(const QDate &date) const { return m_dialect->DateLiteral(date); }
    QDateTime ServerNow();

    // The next key of a table: largest Id plus one (1 for an empty table).
    int NextId(const QString &table, const QString &keyColumn = QStringLiteral("Id"));
    // Allocates a key and runs `insert` with it; when a concurrent writer took
    // the key first, reads the largest key again and retries.
    int InsertWithNewId(const QString &table, const std::function<void(int id)> &insert);

    QSqlDatabase &Connection() { return m_db; }

private:
    QSqlQuery run(const QString &sql, const TDBParameters &params, const TxDBParameters &blobs);
    void openConnection(const QString &connectionString);
    void closeConnection();
    [[noreturn]] void raise(const QSqlError &error, const QString &sql) const;

    QString m_connectionName;
    QString m_connectionString;
    QSqlDatabase m_db;
    std::unique_ptr<TSqlDialect> m_dialect;
    int m_transDepth = 0;
};

// Unit of work: begins a transaction, commits on Commit(), rolls back when
// it goes out of scope without a commit. Nested guards join the outer one.
class TTransaction {
public:
    explicit TTransaction(TDatabase &db);
    ~TTransaction();
    TTransaction(const TTransaction &) = delete;
    TTransaction &operator=(const TTransaction &) = delete;
    void Commit();

private:
    TDatabase &m_db;
    bool m_owner = false;
    bool m_done = false;
};

// The process-wide connection.
TDatabase &AppDatabase();
