#pragma once
#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QStringList>

// The laid-out report: pages of shapes at fixed positions in millimetres from
// the sheet's top-left corner. Every output (screen, printer, PDF, pictures)
// draws this one document.
struct TRptShape {
    enum Kind { Text, Line, Frame, Picture, Bars, Check };
    Kind ShapeKind = Text;
    QRectF Rect; // lines run from the top-left to the bottom-right corner
    QColor Color = Qt::black;
    QColor Background;
    double LineWidth = 0.2;
    // Text: lines already broken by the layout, each LineHeight tall.
    QStringList Lines;
    QString FontFamily;
    double FontSize = 10;
    bool Bold = false, Italic = false, Underline = false;
    int HAlign = 0, VAlign = 0;
    double LineHeight = 0;
    int Borders = 0;
    QColor BorderColor = Qt::black;
    double BorderWidth = 0.2;
    // Bars: filled rectangles in millimetres; Picture: the image; Check: ticked.
    QList<QRectF> BarRects;
    QImage Image;
    bool Checked = false;
};

struct TRptDocPage {
    double Width = 210, Height = 297;
    QList<TRptShape> Shapes;
};

// A row of a data band as its texts, left to right (the spreadsheet export).
struct TRptDataRow {
    QString Band;
    QStringList Cells;
    QList<double> Lefts;
};

struct TRptDocument {
    QList<TRptDocPage> Pages;
    QList<TRptDataRow> DataRows;
    int PageCount() const { return int(Pages.size()); }
    // A plain-text listing of every page and shape (for comparing documents).
    QString Dump() const;
};
