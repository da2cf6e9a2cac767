#include "reportengine/ReportValue.h"
#include "data/DataSet.h"
#include "data/Field.h"
#include "data/SqlDialect.h"

TRptValue TRptValue::OfField(const TField &field, int row)
{
    const QVariant v = field.DataSet()->ValueAt(row, field.Index());
    TRptValue r;
    if (!v.isValid() || v.isNull())
        return r;
    switch (field.Kind()) {
    case TFieldKind::Currency:
        return OfMoney(v.toLongLong());
    case TFieldKind::Integer:
    case TFieldKind::Float:
        return OfNumber(v.toDouble());
    case TFieldKind::Boolean:
        return OfBool(v.toBool());
    case TFieldKind::DateTime:
        r.Kind = Date;
        r.When = v.toDateTime();
        return r;
    case TFieldKind::Blob:
        r.Kind = Bytes;
        r.Data = v.toByteArray();
        return r;
    default:
        return OfText(v.toString());
    }
}

double TRptValue::ToDouble() const
{
    switch (Kind) {
    case Number:
    case Bool:
        return Num;
    case Money:
        return Money::ToDouble(Cash);
    case Text:
        return Str.trimmed().toDouble();
    default:
        return 0;
    }
}

bool TRptValue::ToBool() const
{
    switch (Kind) {
    case Text:
        return !Str.isEmpty() && Str != QStringLiteral("0") && Str.compare(QStringLiteral("false"), Qt::CaseInsensitive) != 0;
    case Date:
        return When.isValid();
    case Bytes:
        return !Data.isEmpty();
    case Money:
        return Cash != 0;
    default:
        return Num != 0;
    }
}

QString TRptValue::ToText(const QString &format) const
{
    switch (Kind) {
    case Null:
        return {};
    case Money:
        if (format.isEmpty() || format == QStringLiteral(",0.00"))
            return Money::Format(Cash);
        return FormatFloat(format, Money::ToDouble(Cash));
    case Number:
        return format.isEmpty() ? QString::number(Num, 'g', 15) : FormatFloat(format, Num);
    case Bool:
        return Num != 0 ? QStringLiteral("是") : QStringLiteral("否");
    case Date:
        if (!format.isEmpty())
            return When.toString(QtDateFormat(format));
        return ZoDate::Text(When);
    case Bytes:
        return {};
    case Text:
        // Dates stored as text (the embedded database keeps ISO text) still take a date format.
        if (format.contains(u'y') && !Str.isEmpty()) {
            const QDateTime when = QDateTime::fromString(Str.left(19).replace(u'T', u' '), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            const QDate day = QDate::fromString(Str.left(10), QStringLiteral("yyyy-MM-dd"));
            if (when.isValid() || day.isValid())
                return (when.isValid() ? when : QDateTime(day, QTime(0, 0))).toString(QtDateFormat(format));
        }
        if (!format.isEmpty() && !Str.isEmpty()) {
            bool ok = false;
            const double d = Str.trimmed().toDouble(&ok);
            if (ok && !format.contains(u'y'))
                return FormatFloat(format, d);
        }
        return Str;
    }
    return {};
}

int TRptValue::Compare(const TRptValue &a, const TRptValue &b)
{
    if (a.Kind == Money && b.Kind == Money)
        return a.Cash < b.Cash ? -1 : (a.Cash > b.Cash ? 1 : 0);
    if (a.IsNumeric() && b.IsNumeric()) {
        const double x = a.ToDouble(), y = b.ToDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (a.Kind == Date && b.Kind == Date)
        return a.When < b.When ? -1 : (a.When > b.When ? 1 : 0);
    return QString::compare(a.ToText(), b.ToText());
}
