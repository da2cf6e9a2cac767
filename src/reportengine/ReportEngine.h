#pragma once
#include "reportengine/ReportDocument.h"
#include "reportengine/ReportModel.h"
#include "reportengine/ReportSources.h"
#include <QDateTime>

namespace ReportEngine {
// Lays the report out over its data into pages. An empty report gives one
// empty page. `now` is what [Date] and [Time] print.
TRptDocument Render(const TRptReport &report, const TRptSources &sources,
                    const QDateTime &now = QDateTime::currentDateTime());
} // namespace ReportEngine
