#pragma once
#include "data/Money.h"
#include <QDateTime>

// The five values of an asset that its depreciation is computed from.
struct RDepreciationInput {
    QDateTime AccountDate; // invalid = empty (reads as 1899-12-30)
    Currency OriginValue = 0;
    Currency EndValue = 0;
    int UseYears = 0;
    int MethodId = 0;
};

struct RDepreciationAmounts {
    Currency Month = 0; // depreciation of the target month
    Currency Total = 0; // accumulated up to and including the target month
};

namespace Depreciation {
enum TMethodCode { StraightLine = 1, SumOfYearsDigits = 2, DoubleDeclining = 3 };

// Months from the start month to the target month; the start month counts 0.
int MonthsInUse(const QDateTime &accountDate, int year, int month);
// Both amounts for the target month, rounded to cents. Throws EConvertError
// when an amount leaves the range of a currency value.
RDepreciationAmounts Calculate(const RDepreciationInput &asset, int year, int month);
// The end of the depreciation life: the start date plus 12 x years months.
QDateTime EndDate(const QDateTime &accountDate, int useYears);
} // namespace Depreciation
