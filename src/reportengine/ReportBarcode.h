#pragma once
#include <QList>
#include <QRectF>
#include <QString>

// The dark modules of a bar code as rectangles inside `area` (millimetres),
// quiet zones included. A linear code fills the area; a matrix code stays
// square and is centred. Empty with `error` set when the content cannot be encoded.
namespace ReportBarcode {
QList<QRectF> Bars(const QString &type, const QString &content, const QRectF &area, QString *error = nullptr);
bool IsLinear(const QString &type);
} // namespace ReportBarcode
