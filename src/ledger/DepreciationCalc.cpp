#include "ledger/DepreciationCalc.h"
#include "data/Exceptions.h"
#include <algorithm>
#include <cmath>

namespace Depreciation {

namespace {

// rint() into a currency value; amounts beyond its range are an error of the asset's data.
Currency toCurrency(long double amount)
{
    const long double r = std::nearbyintl(amount);
    if (!std::isfinite(double(r)) || r > 9.2e18L || r < -9.2e18L)
        throw EConvertError(QStringLiteral("折旧计算时数值溢出"));
    return Currency(r);
}

// Month and total of a year whose amount is spread over its twelve months.
RDepreciationAmounts inYear(long double yearAmount, Currency accumulated, int n)
{
    RDepreciationAmounts a;
    a.Month = toCurrency(yearAmount / 12);
    const int monthsAfter = (12 - n % 12) % 12;
    a.Total = toCurrency((long double)accumulated - (long double)monthsAfter * a.Month);
    return a;
}

RDepreciationAmounts straightLine(const RDepreciationInput &in, int n)
{
    RDepreciationAmounts a;
    const double o = Money::ToDouble(in.OriginValue), e = Money::ToDouble(in.EndValue);
    a.Month = toCurrency((long double)((o - e) / in.UseYears / 12 * Money::Scale));
    a.Total = toCurrency((long double)n * a.Month);
    return a;
}

RDepreciationAmounts sumOfYearsDigits(const RDepreciationInput &in, int n)
{
    const int life = in.UseYears;
    const long double digits = (long double)life * (life + 1) / 2;
    const long double depreciable = (long double)in.OriginValue - in.EndValue;
    Currency acc = 0;
    for (int year = 1; year <= life; ++year) {
        const Currency yearAmount = toCurrency(depreciable * ((life - year + 1) / digits));
        acc = toCurrency((long double)acc + yearAmount);
        if (n <= 12 * year)
            return inYear(yearAmount, acc, n);
    }
    return {};
}

RDepreciationAmounts doubleDeclining(const RDepreciationInput &in, int n)
{
    const int life = in.UseYears;
    Currency acc = 0;
    for (int year = 1; year <= life - 2; ++year) {
        const Currency yearAmount = toCurrency(((long double)in.OriginValue - acc) * 2 / life);
        acc = toCurrency((long double)acc + yearAmount);
        if (n <= 12 * year)
            return inYear(yearAmount, acc, n);
    }
    // The last two years (or the whole of a short life) write off the rest evenly.
    RDepreciationAmounts a;
    a.Month = toCurrency(((long double)in.OriginValue - acc - in.EndValue) / 2 / 12);
    a.Total = toCurrency((long double)acc + (long double)(n - 12 * std::max(0, life - 2)) * a.Month);
    return a;
}

} // namespace

int MonthsInUse(const QDateTime &accountDate, int year, int month)
{
    // An empty date is day 0 of the original date system: 1899-12-30.
    const QDate start = accountDate.isValid() ? accountDate.date() : QDate(1899, 12, 30);
    if (start.year() < year)
        return (year - start.year()) * 12 + (month - start.month());
    if (start.year() == year)
        return month - start.month();
    return 0;
}

RDepreciationAmounts Calculate(const RDepreciationInput &in, int year, int month)
{
    if (in.MethodId < StraightLine || in.MethodId > DoubleDeclining)
        return {};
    const int n = MonthsInUse(in.AccountDate, year, month);
    if (n <= 0)
        return {};
    RDepreciationAmounts a;
    if (n > 12 * in.UseYears) {
        a.Total = toCurrency((long double)in.OriginValue - in.EndValue);
    } else if (in.MethodId == StraightLine) {
        a = straightLine(in, n);
    } else if (in.MethodId == SumOfYearsDigits) {
        a = sumOfYearsDigits(in, n);
    } else {
        a = doubleDeclining(in, n);
    }
    a.Month = Money::RoundToCentsEven(a.Month);
    a.Total = Money::RoundToCentsEven(a.Total);
    return a;
}

QDateTime EndDate(const QDateTime &accountDate, int useYears)
{
    return accountDate.isValid() ? accountDate.addMonths(12 * useYears) : QDateTime();
}

} // namespace Depreciation
