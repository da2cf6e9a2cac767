#pragma once
#include "reportengine/ReportDocument.h"

// Writes the report's data rows (first data header and every data band copy)
// to one worksheet; cells that read as numbers are stored as numbers.
namespace ReportXlsx {
bool Save(const TRptDocument &document, const QString &path, QString *error = nullptr);
} // namespace ReportXlsx
