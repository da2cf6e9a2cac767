#include "data/Field.h"
#include "data/DataSet.h"
#include "data/SqlDialect.h"
#include <cmath>

TField::TField(TDataSet *dataSet, TFieldKind kind, const QString &name)
    : m_dataSet(dataSet), m_kind(kind), m_name(name)
{
    if (kind == TFieldKind::Currency)
        m_displayFormat = QStringLiteral(",0.00");
}

bool TField::IsNumeric() const
{
    return m_kind == TFieldKind::Integer || m_kind == TFieldKind::Float || m_kind == TFieldKind::Currency;
}

QVariant TField::Value() const
{
    return m_dataSet->CurrentValue(m_index);
}

bool TField::IsNull() const
{
    const QVariant v = Value();
    return !v.isValid() || v.isNull();
}

QString TField::AsString() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull())
        return {};
    switch (m_kind) {
    case TFieldKind::Currency:
        return QString::number(Money::ToDouble(v.toLongLong()), 'g', 17);
    case TFieldKind::DateTime:
        return ZoDate::Text(v.toDateTime());
    case TFieldKind::Float:
        return QString::number(v.toDouble(), 'g', 15);
    case TFieldKind::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return v.toString();
    }
}

int TField::AsInteger() const { return int(AsLargeInt()); }

qint64 TField::AsLargeInt() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull())
        return 0;
    if (m_kind == TFieldKind::Currency)
        return qint64(std::llround(Money::ToDouble(v.toLongLong())));
    if (m_kind == TFieldKind::Float)
        return qint64(std::llround(v.toDouble()));
    return v.toLongLong();
}

double TField::AsFloat() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull())
        return 0;
    if (m_kind == TFieldKind::Currency)
        return Money::ToDouble(v.toLongLong());
    return v.toDouble();
}

Currency TField::AsCurrency() const
{
    const QVariant v = Value();
    if (!v.isValid() || v.isNull())
        return 0;
    if (m_kind == TFieldKind::Currency)
        return v.toLongLong();
    return Money::FromVariant(v);
}

QDateTime TField::AsDateTime() const
{
    return ZoDate::Parse(Value());
}

bool TField::AsBoolean() const
{
    return ZoDate::ToBool(Value());
}

QByteArray TField::AsBytes() const
{
    return Value().toByteArray();
}

QString TField::DisplayText() const
{
    return FormatValue(Value());
}

void TField::SetValue(const QVariant &value)
{
    m_dataSet->SetCurrentValue(m_index, value); // the data set brings it into cache form
}

QVariant TField::Normalize(const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    switch (m_kind) {
    case TFieldKind::Integer:
        if (value.typeId() == QMetaType::QString) {
            bool ok = false;
            const qint64 n = value.toString().trimmed().toLongLong(&ok);
            return ok ? QVariant(n) : QVariant(qint64(std::llround(value.toString().toDouble())));
        }
        return QVariant(value.toLongLong());
    case TFieldKind::Float:
        return QVariant(value.toDouble());
    case TFieldKind::Currency:
        return QVariant(qint64(Money::FromVariant(value)));
    case TFieldKind::Boolean:
        return QVariant(ZoDate::ToBool(value));
    case TFieldKind::DateTime: {
        const QDateTime dt = ZoDate::Parse(value);
        return dt.isValid() ? QVariant(dt) : QVariant();
    }
    case TFieldKind::Blob:
        return QVariant(value.toByteArray());
    default:
        return QVariant(value.toString());
    }
}

QString TField::FormatValue(const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (m_kind) {
    case TFieldKind::Currency:
        if (m_displayFormat == QStringLiteral(",0.00"))
            return Money::Format(value.toLongLong());
        return FormatFloat(m_displayFormat, Money::ToDouble(value.toLongLong()));
    case TFieldKind::Float:
        return m_displayFormat.isEmpty() ? QString::number(value.toDouble(), 'g', 15)
                                         : FormatFloat(m_displayFormat, value.toDouble());
    case TFieldKind::DateTime: {
        const QDateTime dt = value.toDateTime();
        if (!m_displayFormat.isEmpty())
            return dt.toString(QtDateFormat(m_displayFormat));
        return ZoDate::Text(dt);
    }
    case TFieldKind::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TFieldKind::Blob:
        return QStringLiteral("(BLOB)");
    default:
        return value.toString();
    }
}

QString FormatFloat(const QString &format, double value)
{
    if (format.isEmpty())
        return QString::number(value, 'g', 15);
    const bool separators = format.contains(u',');
    const int dot = format.indexOf(u'.');
    int fixed = 0, optional = 0;
    if (dot >= 0) {
        for (int i = dot + 1; i < format.size(); ++i) {
            if (format[i] == u'0')
                ++fixed;
            else if (format[i] == u'#')
                ++optional;
            else
                break;
        }
    }
    const int decimals = fixed + optional;
    // Round half away from zero at the shown decimals.
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(std::fabs(value) * scale + 1e-9) / scale;
    QString text = QString::number(rounded, 'f', decimals);
    if (optional > 0) {
        while (text.endsWith(u'0') && text.size() - text.indexOf(u'.') - 1 > fixed)
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (separators) {
        const int point = text.indexOf(u'.');
        for (int pos = (point < 0 ? text.size() : point) - 3; pos > 0; pos -= 3)
            text.insert(pos, u',');
    }
    const bool wholeZeroHidden = format.startsWith(u'#') && !format.contains(QStringLiteral("0."));
    if (wholeZeroHidden && rounded == 0)
        return QString();
    return (value < 0 && rounded != 0) ? u'-' + text : text;
}

QString QtDateFormat(const QString &format)
{
    // "yyyy-mm-dd hh:nn:ss": months are "mm", minutes "nn".
    QString f = format;
    f.replace(QStringLiteral("nn"), QStringLiteral("\x01"));
    f.replace(QStringLiteral("mm"), QStringLiteral("MM"));
    f.replace(QStringLiteral("\x01"), QStringLiteral("mm"));
    return f;
}

QString FormatVariantText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDateTime)
        return ZoDate::Text(value.toDateTime());
    return value.toString();
}
