#pragma once
#include "data/DataSet.h"

// The visible fields of a data set as CSV (RFC 4180, UTF-8): the labels as
// header, money with two decimals, dates as yyyy-mm-dd.
namespace Csv {
QString Line(const QStringList &cells);
QString FromDataSet(const TDataSet &dataSet);
} // namespace Csv
