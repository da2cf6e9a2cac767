#pragma once
#include <QString>
#include <QVariant>
#include <cstdint>

// Money is a 64-bit integer scaled by 10000 (four decimals), like the
// currency columns it comes from. doubles appear only at the edges.
using Currency = qint64;

namespace Money {
constexpr Currency Scale = 10000;

// Rounds a double to four decimals, ties to even.
Currency FromDouble(double value);
double ToDouble(Currency value);
// Exact conversion of a decimal text ("1234.5", "-0.0001", "1e3"); false when it is no number.
bool FromText(const QString &text, Currency *out);
// Reads a database or model value: numbers, decimal texts, NULL (0).
Currency FromVariant(const QVariant &value);
// Rounds to whole cents, ties away from zero (as money is displayed).
Currency RoundToCents(Currency value);
// Rounds to whole cents, ties to even (the rounding of computed amounts).
Currency RoundToCentsEven(Currency value);
// ",0.00": thousands separators and two decimals (1,234,567.50).
QString Format(Currency value);
// "0.00" without separators.
QString FormatPlain(Currency value);
} // namespace Money
