#pragma once
#include "reportengine/ReportDocument.h"
#include <QImage>
#include <QStringList>

class QPainter;

// Draws the laid-out document on any paint device: the preview, a printer,
// a PDF writer or a picture. `dpi` is the device's resolution; positions in
// millimetres become device units with it.
namespace ReportPainter {
void PaintPage(QPainter &painter, const TRptDocPage &page, double dpi);
// One page as a picture on white paper.
QImage PageImage(const TRptDocPage &page, double dpi);
// Writes the document as PDF (fonts embedded). False with `error` set on failure.
bool SavePdf(const TRptDocument &document, const QString &path, QString *error = nullptr);
// Writes every page as a picture (format from the suffix: png, jpg). With
// several pages the files are numbered: "list.png" gives list_1.png, list_2.png.
// Returns the files written; empty on failure.
QStringList SaveImages(const TRptDocument &document, const QString &path, double dpi = 150);
} // namespace ReportPainter
