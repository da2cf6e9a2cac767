#pragma once
#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QString>
#include <QVariant>
#include <memory>

// Everything that differs between the embedded file back end (SQLite) and
// the server back end (PostgreSQL) is answered here and nowhere else.
class TSqlDialect {
public:
    virtual ~TSqlDialect() = default;

    virtual QString Name() const = 0;
    virtual QString QtDriver() const = 0;
    virtual bool IsServer() const = 0;

    // A date as an SQL literal that compares correctly with stored date-times.
    virtual QString DateLiteral(const QDate &date) const = 0;
    // A statement whose first column is the server's current local date-time.
    virtual QString ServerNowSql() const = 0;
    // Whole calendar months from the date-time expression `from` to `to`.
    virtual QString MonthDiff(const QString &from, const QString &to) const = 0;
    // The case-insensitive pattern match operator.
    virtual QString LikeOperator() const = 0;
    // Turns a bound value into what the back end stores (date-times as text on SQLite).
    virtual QVariant BindValue(const QVariant &value) const { return value; }
    // True when a failed statement broke a unique key (a concurrent insert took the key).
    virtual bool IsDuplicateKey(const QSqlError &error) const = 0;
    // Name of the schema script under resources/sql/.
    virtual QString SchemaScript() const = 0;

    // The " escape '\'" clause that goes after every like pattern built by EscapeLike().
    static QString LikeEscapeClause() { return QStringLiteral(" escape '\\'"); }
    // Makes %, _ and the escape character match themselves.
    static QString EscapeLike(const QString &text);

    static std::unique_ptr<TSqlDialect> ForProvider(const QString &provider);
};

class TSqliteDialect : public TSqlDialect {
public:
    QString Name() const override { return QStringLiteral("SQLite"); }
    QString QtDriver() const override { return QStringLiteral("QSQLITE"); }
    bool IsServer() const override { return false; }
    QString DateLiteral(const QDate &date) const override;
    QString ServerNowSql() const override;
    QString MonthDiff(const QString &from, const QString &to) const override;
    QString LikeOperator() const override { return QStringLiteral("like"); }
    QVariant BindValue(const QVariant &value) const override;
    bool IsDuplicateKey(const QSqlError &error) const override;
    QString SchemaScript() const override { return QStringLiteral("schema-sqlite.sql"); }
};

class TPostgresDialect : public TSqlDialect {
public:
    QString Name() const override { return QStringLiteral("PostgreSQL"); }
    QString QtDriver() const override { return QStringLiteral("QPSQL"); }
    bool IsServer() const override { return true; }
    QString DateLiteral(const QDate &date) const override;
    QString ServerNowSql() const override;
    QString MonthDiff(const QString &from, const QString &to) const override;
    QString LikeOperator() const override { return QStringLiteral("ilike"); }
    QVariant BindValue(const QVariant &value) const override;
    bool IsDuplicateKey(const QSqlError &error) const override;
    QString SchemaScript() const override { return QStringLiteral("schema-postgresql.sql"); }
};

// The one text form of dates and date-times inside the program and in SQLite.
namespace ZoDate {
inline QString DateFormat() { return QStringLiteral("yyyy-MM-dd"); }
inline QString DateTimeFormat() { return QStringLiteral("yyyy-MM-dd hh:mm:ss"); }
// Reads "yyyy-mm-dd", "yyyy-mm-dd hh:nn:ss" (also with a 'T' or fractions) or a date-time value.
QDateTime Parse(const QVariant &value);
// "yyyy-mm-dd" at midnight, else "yyyy-mm-dd hh:nn:ss".
QString Text(const QDateTime &value);
// A flag as the back ends return it: bool, 0/1, "t"/"f", "true"/"false"; NULL is false.
bool ToBool(const QVariant &value);
} // namespace ZoDate
