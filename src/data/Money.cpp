#include "data/Money.h"
#include <cmath>

namespace Money {

Currency FromDouble(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<Currency>(std::nearbyint(value * Scale)); // default rounding mode: ties to even
}

double ToDouble(Currency value)
{
    return static_cast<double>(value) / Scale;
}

bool FromText(const QString &text, Currency *out)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        *out = 0;
        return true;
    }
    // Plain decimals are converted digit by digit so that no binary rounding creeps in.
    bool negative = false;
    int i = 0;
    if (t[0] == u'-' || t[0] == u'+') {
        negative = t[0] == u'-';
        i = 1;
    }
    qint64 whole = 0;
    qint64 frac = 0;
    int fracDigits = 0;
    bool seenDot = false, seenDigit = false, roundUp = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'.' && !seenDot) {
            seenDot = true;
        } else if (c.isDigit()) {
            seenDigit = true;
            const int d = c.digitValue();
            if (!seenDot) {
                if (whole > (INT64_MAX / 10 - 10) / Scale)
                    return false;
                whole = whole * 10 + d;
            } else if (fracDigits < 4) {
                frac = frac * 10 + d;
                ++fracDigits;
            } else if (fracDigits == 4) {
                roundUp = d >= 5;
                ++fracDigits;
            }
        } else if (c == u',' && !seenDot) {
            continue; // thousands separator as shown in lists
        } else {
            bool ok = false;
            const double v = t.toDouble(&ok);
            if (!ok)
                return false;
            *out = FromDouble(v);
            return true;
        }
    }
    if (!seenDigit)
        return false;
    for (int k = fracDigits; k < 4; ++k)
        frac *= 10;
    Currency v = whole * Scale + frac + (roundUp ? 1 : 0);
    *out = negative ? -v : v;
    return true;
}

Currency FromVariant(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return value.toLongLong() * Scale;
    case QMetaType::Double:
    case QMetaType::Float:
        return FromDouble(value.toDouble());
    default: {
        Currency c = 0;
        return FromText(value.toString(), &c) ? c : 0;
    }
    }
}

Currency RoundToCents(Currency value)
{
    const Currency step = Scale / 100;
    const Currency r = value % step;
    Currency base = value - r;
    if (r >= step / 2)
        base += step;
    else if (r <= -step / 2)
        base -= step;
    return base;
}

Currency RoundToCentsEven(Currency value)
{
    const Currency step = Scale / 100;
    Currency r = value % step;
    Currency base = value - r;
    if (r < 0) { // keep the remainder positive so that one rule serves both signs
        r += step;
        base -= step;
    }
    if (r > step / 2 || (r == step / 2 && (base / step) % 2 != 0))
        base += step;
    return base;
}

static QString formatCents(Currency value, bool separators)
{
    const Currency cents = RoundToCents(value) / (Scale / 100);
    const bool negative = cents < 0;
    const quint64 abs = negative ? quint64(-cents) : quint64(cents);
    QString whole = QString::number(abs / 100);
    if (separators) {
        for (int pos = whole.size() - 3; pos > 0; pos -= 3)
            whole.insert(pos, u',');
    }
    QString s = whole + u'.' + QStringLiteral("%1").arg(abs % 100, 2, 10, QLatin1Char('0'));
    return negative ? u'-' + s : s;
}

QString Format(Currency value) { return formatCents(value, true); }
QString FormatPlain(Currency value) { return formatCents(value, false); }

} // namespace Money
