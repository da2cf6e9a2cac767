#include "data/SqlDialect.h"

QString TSqlDialect::EscapeLike(const QString &text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            out += u'\\';
        out += c;
    }
    return out;
}

std::unique_ptr<TSqlDialect> TSqlDialect::ForProvider(const QString &provider)
{
    if (provider.compare(QStringLiteral("SQLite"), Qt::CaseInsensitive) == 0)
        return std::make_unique<TSqliteDialect>();
    return std::make_unique<TPostgresDialect>();
}

// SQLite keeps date-times as "yyyy-mm-dd hh:nn:ss" text, so a date literal
// carries midnight to compare correctly with them.
QString TSqliteDialect::DateLiteral(const QDate &date) const
{
    return u'\'' + date.toString(ZoDate::DateFormat()) + QStringLiteral(" 00:00:00'");
}

QString TSqliteDialect::ServerNowSql() const
{
    return QStringLiteral("select datetime('now','localtime')");
}

QString TSqliteDialect::MonthDiff(const QString &from, const QString &to) const
{
    return QStringLiteral("((cast(strftime('%Y',%2) as integer)-cast(strftime('%Y',%1) as integer))*12"
                          "+cast(strftime('%m',%2) as integer)-cast(strftime('%m',%1) as integer))")
        .arg(from, to);
}

QVariant TSqliteDialect::BindValue(const QVariant &value) const
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.isNull() ? QVariant(QMetaType::fromType<QString>())
                              : QVariant(value.toDateTime().toString(ZoDate::DateTimeFormat()));
    case QMetaType::QDate:
        return value.isNull() ? QVariant(QMetaType::fromType<QString>())
                              : QVariant(value.toDate().toString(ZoDate::DateFormat()) + QStringLiteral(" 00:00:00"));
    case QMetaType::Bool:
        return value.isNull() ? value : QVariant(value.toBool() ? 1 : 0);
    default:
        return value;
    }
}

bool TSqliteDialect::IsDuplicateKey(const QSqlError &error) const
{
    const QString code = error.nativeErrorCode();
    return code == QStringLiteral("1555") || code == QStringLiteral("2067") || code == QStringLiteral("19")
        || error.databaseText().contains(QStringLiteral("UNIQUE constraint failed"));
}

QString TPostgresDialect::DateLiteral(const QDate &date) const
{
    return u'\'' + date.toString(ZoDate::DateFormat()) + u'\'';
}

QString TPostgresDialect::ServerNowSql() const
{
    return QStringLiteral("select localtimestamp(0)");
}

QString TPostgresDialect::MonthDiff(const QString &from, const QString &to) const
{
    // The casts let a bound parameter or a quoted literal stand for either date.
    return QStringLiteral("((extract(year from cast(%2 as timestamp))-extract(year from cast(%1 as timestamp)))*12"
                          "+extract(month from cast(%2 as timestamp))-extract(month from cast(%1 as timestamp)))")
        .arg(from, to);
}

QVariant TPostgresDialect::BindValue(const QVariant &value) const
{
    // Timestamps go as plain local text: the driver would otherwise attach a time zone.
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.isNull() ? QVariant(QMetaType::fromType<QString>())
                              : QVariant(value.toDateTime().toString(ZoDate::DateTimeFormat()));
    case QMetaType::QDate:
        return value.isNull() ? QVariant(QMetaType::fromType<QString>())
                              : QVariant(value.toDate().toString(ZoDate::DateFormat()));
    default:
        return value;
    }
}

bool TPostgresDialect::IsDuplicateKey(const QSqlError &error) const
{
    return error.nativeErrorCode() == QStringLiteral("23505");
}

namespace ZoDate {

// The forms the back ends store ("yyyy-mm-dd" and "yyyy-mm-dd hh:nn:ss"),
// read digit by digit: the general parser costs more than the rest of a row.
static QDateTime parseStored(const QString &text)
{
    const qsizetype n = text.size();
    if (n != 10 && n != 19)
        return {};
    int digits[14] = {};
    int k = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        const bool separator = i == 4 || i == 7 || i == 10 || i == 13 || i == 16;
        if (separator) {
            const char16_t want = i == 10 ? u' ' : (i < 10 ? u'-' : u':');
            if (c != want)
                return {};
        } else if (c >= u'0' && c <= u'9') {
            digits[k++] = c - u'0';
        } else {
            return {};
        }
    }
    auto number = [&](int from, int count) {
        int v = 0;
        for (int j = from; j < from + count; ++j)
            v = v * 10 + digits[j];
        return v;
    };
    const QDate date(number(0, 4), number(4, 2), number(6, 2));
    const QTime time = n == 19 ? QTime(number(8, 2), number(10, 2), number(12, 2)) : QTime(0, 0);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

QDateTime Parse(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return {};
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.typeId() == QMetaType::QDate)
        return QDateTime(value.toDate(), QTime(0, 0));
    QString text = value.toString().trimmed();
    if (text.isEmpty())
        return {};
    if (const QDateTime quick = parseStored(text); quick.isValid())
        return quick;
    text.replace(u'T', u' ');
    const int dot = text.indexOf(u'.');
    if (dot > 0)
        text.truncate(dot);
    QDateTime dt = QDateTime::fromString(text, DateTimeFormat());
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(text.left(10), DateFormat());
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt;
}

QString Text(const QDateTime &value)
{
    return value.time() == QTime(0, 0) ? value.toString(DateFormat()) : value.toString(DateTimeFormat());
}

bool ToBool(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return false;
    if (value.typeId() == QMetaType::QString) {
        const QString s = value.toString().trimmed();
        return s.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0 || s == QStringLiteral("t") || s.toInt() != 0;
    }
    return value.toBool();
}
} // namespace ZoDate
