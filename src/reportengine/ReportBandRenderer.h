#pragma once
#include "reportengine/ReportDocument.h"
#include "reportengine/ReportExpression.h"
#include "reportengine/ReportModel.h"

// Turns one copy of a band into shapes: evaluates the texts, breaks them into
// lines, grows can-grow items and moves what lies below them down.
struct TRptBandOut {
    double Height = 0;
    QList<TRptShape> Shapes; // relative to the band's top-left corner
    QStringList Cells;       // text items left to right (spreadsheet export)
    QList<double> Lefts;
};

namespace ReportBandRenderer {
TRptBandOut Render(const TRptBand &band, TRptEvalContext &context);
// The text of an item with its [expressions] evaluated and formatted.
QString ItemText(const TRptItem &item, TRptEvalContext &context);
// Breaks text into the lines that fit `width` millimetres in the item's font.
QStringList BreakLines(const QString &text, const TRptItem &item, double width);
// Line height of the item's font in millimetres.
double LineHeight(const TRptItem &item);
// Horizontal and vertical inner padding of a text item (mm).
constexpr double PadX = 0.5;
constexpr double PadY = 0.3;
} // namespace ReportBandRenderer
