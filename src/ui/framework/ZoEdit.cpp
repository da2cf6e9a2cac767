#include "ui/framework/ZoEdit.h"
#include "data/Exceptions.h"
#include "ui/framework/ZoColors.h"
#include "ui/framework/ZoKeys.h"
#include <QDate>
#include <QDateTime>
#include <QKeyEvent>

namespace {

QString valueText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    return value.toString();
}

EConvertError dateError(const QString &text)
{
    return EConvertError(QStringLiteral("\"%1\" 不是有效的日期.").arg(text));
}

QDate parseDate(const QString &text)
{
    return QDate::fromString(text.trimmed(), QStringLiteral("yyyy-M-d"));
}

QDateTime parseDateTime(const QString &text)
{
    const QString t = text.trimmed();
    for (const QString &format : {QStringLiteral("yyyy-M-d h:m:s"), QStringLiteral("yyyy-M-d h:m")}) {
        const QDateTime dt = QDateTime::fromString(t, format);
        if (dt.isValid())
            return dt;
    }
    const QDate d = parseDate(t);
    return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
}

// A date value given by a caller: a QDate, a QDateTime or a text.
QDateTime toDateTime(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime: return value.toDateTime();
    case QMetaType::QDate: return QDateTime(value.toDate(), QTime(0, 0));
    default: return parseDateTime(value.toString());
    }
}

bool isNull(const QVariant &v) { return !v.isValid() || v.isNull(); }

} // namespace

TzoEdit::TzoEdit(QWidget *parent)
    : QLineEdit(parent), m_colorOnEnter(ZoColors::Aqua()), m_colorOnReadOnly(ZoColors::Yellow())
{
}

bool TzoEdit::Accepts(TEditType type, const QString &text, QChar c)
{
    if (c == u'\b' || c == u'\r')
        return true;
    switch (type) {
    case etFree:
        return true;
    case etInteger:
        return c.isDigit() && c.unicode() < 128;
    case etNumber:
        if (c == u'.')
            return !text.isEmpty() && !text.contains(u'.');
        if (c == u'0')
            return text.contains(u'.') || !text.startsWith(u'0');
        return c.isDigit() && c.unicode() < 128;
    }
    return true;
}

void TzoEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_tabOnEnter && ZoKeys::IsEnter(event)) {
        ZoKeys::MoveFocus(this, event->modifiers() & Qt::ShiftModifier);
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isPrint() && !Accepts(m_editType, text(), typed[0])) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TzoEdit::focusInEvent(QFocusEvent *event)
{
    m_savedColor = ZoColors::Background(this);
    ZoColors::SetBackground(this, isReadOnly() ? m_colorOnReadOnly : m_colorOnEnter);
    QLineEdit::focusInEvent(event);
}

void TzoEdit::focusOutEvent(QFocusEvent *event)
{
    if (m_savedColor.isValid())
        ZoColors::SetBackground(this, m_savedColor);
    QLineEdit::focusOutEvent(event);
}

double TzoEdit::AsDouble() const
{
    if (text().isEmpty())
        return 0;
    bool ok = false;
    const double v = text().trimmed().toDouble(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("\"%1\" 不是有效的数字.").arg(text()));
    return v;
}

void TzoEdit::SetAsDouble(double value)
{
    setText(value == 0 ? QString() : QString::number(value, 'g', 15));
}

int TzoEdit::AsInteger() const
{
    if (text().isEmpty())
        return 0;
    bool ok = false;
    const int v = text().trimmed().toInt(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("\"%1\" 不是有效的整数.").arg(text()));
    return v;
}

void TzoEdit::SetAsInteger(int value)
{
    setText(value == 0 ? QString() : QString::number(value));
}

// Null for empty text; the date message for text that is no date.
static QVariant readDate(const QString &text, bool withTime)
{
    if (text.isEmpty())
        return {};
    const QDateTime dt = parseDateTime(text);
    if (!dt.isValid() || (!withTime && !parseDate(text).isValid()))
        throw dateError(text);
    return withTime ? QVariant(dt) : QVariant(dt.date());
}

// The text of a date value in `format`; empty for Null.
static QString dateText(const QVariant &value, const QString &format)
{
    if (isNull(value))
        return QString();
    const QDateTime dt = toDateTime(value);
    if (!dt.isValid())
        throw dateError(valueText(value));
    return dt.toString(format);
}

QVariant TzoEdit::AsDate() const { return readDate(text(), false); }
void TzoEdit::SetAsDate(const QVariant &value) { setText(dateText(value, QStringLiteral("yyyy-MM-dd"))); }
QVariant TzoEdit::AsDateTime() const { return readDate(text(), true); }
void TzoEdit::SetAsDateTime(const QVariant &value) { setText(dateText(value, QStringLiteral("yyyy-MM-dd hh:mm:ss"))); }

QVariant TzoEdit::AsVariant() const
{
    if (text().isEmpty())
        return {};
    bool ok = true;
    switch (m_editType) {
    case etNumber: {
        const double v = text().trimmed().toDouble(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' 不是有效的浮点数").arg(text()));
        return v;
    }
    case etInteger: {
        const qint64 v = text().trimmed().toLongLong(&ok);
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' 不是有效的整数值").arg(text()));
        return v;
    }
    default:
        return text();
    }
}

void TzoEdit::SetAsVariant(const QVariant &value)
{
    if (isNull(value)) {
        clear();
        return;
    }
    switch (m_editType) {
    case etNumber: setText(QString::number(value.toDouble(), 'g', 15)); break;
    case etInteger: setText(QString::number(value.toLongLong())); break;
    default: setText(valueText(value)); break;
    }
}
