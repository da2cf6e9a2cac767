#pragma once
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

// A report template: a page with bands, each band a strip of items.
// Every length is in millimetres, measured from the band's top-left corner.

enum class TRptItemKind { Text, Line, Rect, Image, Barcode, CheckBox };

enum class TRptBandKind {
    ReportTitle,
    PageHeader,
    DataHeader,  // column titles of the next data band, repeated on every page it runs on
    GroupHeader, // opens a group of the next data band whenever its condition changes
    MasterData,  // one copy per row of its data set
    DetailData,  // under each row of the master band before it (optionally linked by key)
    GroupFooter,
    Summary,
    PageFooter,
    Overlay // drawn last on every page, above everything else
};

// Sides of a text item's frame.
enum TRptSide { SideLeft = 1, SideTop = 2, SideRight = 4, SideBottom = 8, SideAll = 15 };

struct TRptItem {
    TRptItemKind Kind = TRptItemKind::Text;
    QString Name;
    double X = 0, Y = 0, W = 30, H = 6;
    // Text: fixed text mixed with [expressions]; barcode: its content; check box:
    // the expression whose truth ticks it; image: an expression naming a picture field.
    QString Text;
    QString FontFamily = QStringLiteral("WenQuanYi Micro Hei");
    double FontSize = 10; // points
    bool Bold = false, Italic = false, Underline = false;
    QColor Color = Qt::black;
    QColor Background; // invalid: transparent
    int HAlign = 0;    // 0 left, 1 centre, 2 right, 3 block
    int VAlign = 0;    // 0 top, 1 centre, 2 bottom
    bool WordWrap = true;
    int Borders = 0; // TRptSide bits
    double BorderWidth = 0.2;
    QColor BorderColor = Qt::black;
    QString Format;          // ",0.00", "0.##", "yyyy-mm-dd"
    bool CanGrow = false;    // the item, and so its band, grows to fit its text
    bool HideIfEmpty = false;
    QString BarcodeType = QStringLiteral("Code128"); // Code128, EAN13, QRCode
    bool ShowText = true;                            // human-readable line under a linear bar code
    QByteArray Picture;                              // embedded picture when Text names no field
    double LineWidth = 0.3;                          // lines, rectangles
    bool operator==(const TRptItem &) const = default;
};

struct TRptBand {
    TRptBandKind Kind = TRptBandKind::MasterData;
    QString Name;
    double Height = 8;
    QString DataSet;   // data bands: the registered name ("d", "d0", ...)
    QString Condition; // group header: the expression that forms groups
    bool PrintOnFirstPage = true;  // page header / footer
    bool PrintOnLastPage = true;   // page header / footer
    bool ReprintOnNewPage = false; // group header: printed again at the top of a continued page
    bool StartNewPage = false;     // group header: each group after the first starts a page
    QString MasterKey, DetailKey;  // detail band: rows whose DetailKey equals the master's MasterKey
    QList<TRptItem> Items;
    bool operator==(const TRptBand &) const = default;
};

struct TRptPage {
    QString Paper = QStringLiteral("A4"); // A4, A5, Custom
    double Width = 210, Height = 297;     // of the portrait sheet
    bool Landscape = false;
    double LeftMargin = 10, TopMargin = 10, RightMargin = 10, BottomMargin = 10;
    // Columns of a label sheet: the body is split into this many equal columns.
    int Columns = 1;
    double SheetWidth() const { return Landscape ? Height : Width; }
    double SheetHeight() const { return Landscape ? Width : Height; }
    bool operator==(const TRptPage &) const = default;
};

struct TRptReport {
    TRptPage Page;
    QList<TRptBand> Bands;
    bool IsEmpty() const { return Bands.isEmpty(); }
    void Clear() { *this = TRptReport(); }
    // A name not used by any band or item yet: prefix followed by a number.
    QString UniqueName(const QString &prefix) const;
    bool operator==(const TRptReport &) const = default;
};

QString BandKindName(TRptBandKind kind);
TRptBandKind BandKindFromName(const QString &name, bool *ok = nullptr);
QString BandKindCaption(TRptBandKind kind); // as the designer shows it
QString ItemKindName(TRptItemKind kind);
TRptItemKind ItemKindFromName(const QString &name, bool *ok = nullptr);
QString ItemKindCaption(TRptItemKind kind);
bool IsDataBand(TRptBandKind kind);
// Standard sheets in millimetres (portrait); false for an unknown name.
bool PaperSize(const QString &paper, double *width, double *height);
