#include "reportengine/ReportBandRenderer.h"
#include "reportengine/ReportBarcode.h"
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QTextLayout>
#include <algorithm>

namespace ReportBandRenderer {

namespace {
// Text is measured on one fixed high-resolution device so that every output
// breaks lines at the same places.
constexpr double MeasureDpi = 720;
const QImage &measureDevice()
{
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        const int dpm = qRound(MeasureDpi / 0.0254);
        i.setDotsPerMeterX(dpm);
        i.setDotsPerMeterY(dpm);
        return i;
    }();
    return image;
}
double pxToMm(double px) { return px * 25.4 / MeasureDpi; }
double mmToPx(double mm) { return mm * MeasureDpi / 25.4; }

QFont fontOf(const TRptItem &item)
{
    QFont f(item.FontFamily);
    f.setPointSizeF(item.FontSize > 0 ? item.FontSize : 10);
    f.setBold(item.Bold);
    f.setItalic(item.Italic);
    f.setUnderline(item.Underline);
    return f;
}

const QHash<QString, QList<ReportExpression::TPart>> *partsCache()
{
    static QHash<QString, QList<ReportExpression::TPart>> cache;
    return &cache;
}

const QList<ReportExpression::TPart> &partsOf(const QString &text)
{
    auto *cache = const_cast<QHash<QString, QList<ReportExpression::TPart>> *>(partsCache());
    auto it = cache->constFind(text);
    if (it == cache->cend())
        it = cache->insert(text, ReportExpression::SplitText(text));
    return *it;
}

TRptShape textShape(const TRptItem &item)
{
    TRptShape s;
    s.ShapeKind = TRptShape::Text;
    s.Rect = QRectF(item.X, item.Y, item.W, item.H);
    s.Color = item.Color;
    s.Background = item.Background;
    s.FontFamily = item.FontFamily;
    s.FontSize = item.FontSize;
    s.Bold = item.Bold;
    s.Italic = item.Italic;
    s.Underline = item.Underline;
    s.HAlign = item.HAlign;
    s.VAlign = item.VAlign;
    s.Borders = item.Borders;
    s.BorderColor = item.BorderColor;
    s.BorderWidth = item.BorderWidth;
    s.LineHeight = LineHeight(item);
    return s;
}

// The value of a property that holds one expression, with or without brackets.
TRptValue bareValue(const QString &text, TRptEvalContext &context)
{
    QString expr = text.trimmed();
    if (expr.startsWith(u'[') && expr.endsWith(u']'))
        expr = expr.mid(1, expr.size() - 2);
    if (expr.isEmpty())
        return {};
    return ReportExpression::Evaluate(*ReportExpression::Parse(expr), context);
}

QImage pictureOf(const TRptItem &item, TRptEvalContext &context)
{
    const TRptValue v = bareValue(item.Text, context);
    return QImage::fromData(v.Kind == TRptValue::Bytes ? v.Data : item.Picture);
}

// Item `j` moves down by the largest growth of the items that end above it.
void pushDown(QList<TRptShape> &shapes, const QList<QRectF> &original, const QList<double> &growth)
{
    for (int j = 0; j < shapes.size(); ++j) {
        double shift = 0;
        for (int i = 0; i < shapes.size(); ++i)
            if (i != j && growth[i] > 0 && original[i].bottom() <= original[j].top() + 0.01)
                shift = qMax(shift, growth[i]);
        shapes[j].Rect.translate(0, shift);
    }
    // Cells of a table row grow together: a framed or filled text that ended
    // where a grown item ended stretches to the new bottom.
    for (int i = 0; i < shapes.size(); ++i) {
        if (growth[i] <= 0)
            continue;
        for (int j = 0; j < shapes.size(); ++j)
            if (j != i && growth[j] <= 0 && shapes[j].ShapeKind == TRptShape::Text
                && (shapes[j].Borders || shapes[j].Background.isValid())
                && qAbs(original[j].bottom() - original[i].bottom()) < 0.01)
                shapes[j].Rect.setBottom(qMax(shapes[j].Rect.bottom(), shapes[i].Rect.bottom()));
    }
}
} // namespace

double LineHeight(const TRptItem &item)
{
    return pxToMm(QFontMetricsF(fontOf(item), &measureDevice()).lineSpacing());
}

QString ItemText(const TRptItem &item, TRptEvalContext &context)
{
    QString out;
    for (const ReportExpression::TPart &p : partsOf(item.Text))
        out += p.IsExpression ? ReportExpression::Evaluate(*p.Expr, context).ToText(item.Format) : p.Text;
    return out;
}

QStringList BreakLines(const QString &text, const TRptItem &item, double width)
{
    QStringList lines;
    const QFont font = fontOf(item);
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList paragraphs = normalized.split(u'\n');
    for (const QString &paragraph : paragraphs) {
        if (!item.WordWrap || paragraph.isEmpty()) {
            lines.append(paragraph);
            continue;
        }
        QTextLayout layout(paragraph, font, &measureDevice());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(mmToPx(qMax(1.0, width)));
            lines.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
    }
    return lines;
}

TRptBandOut Render(const TRptBand &band, TRptEvalContext &context)
{
    TRptBandOut out;
    QList<QRectF> original;
    QList<double> growth;
    QList<QPair<double, QString>> cells;
    for (const TRptItem &item : band.Items) {
        TRptShape s;
        s.Rect = QRectF(item.X, item.Y, item.W, item.H);
        s.Color = item.Color;
        s.LineWidth = item.LineWidth;
        double grown = 0;
        switch (item.Kind) {
        case TRptItemKind::Text: {
            const QString text = ItemText(item, context);
            cells.append({item.X, text});
            if (item.HideIfEmpty && text.trimmed().isEmpty())
                continue;
            s = textShape(item);
            s.Lines = BreakLines(text, item, item.W - 2 * PadX);
            const double needed = s.Lines.size() * s.LineHeight + 2 * PadY;
            if (item.CanGrow && needed > item.H) {
                grown = needed - item.H;
                s.Rect.setHeight(needed);
            }
            break;
        }
        case TRptItemKind::Line:
            s.ShapeKind = TRptShape::Line;
            break;
        case TRptItemKind::Rect:
            s.ShapeKind = TRptShape::Frame;
            s.Background = item.Background;
            break;
        case TRptItemKind::Image: {
            s.ShapeKind = TRptShape::Picture;
            s.Image = pictureOf(item, context);
            if (s.Image.isNull())
                continue;
            // Keep the picture's proportions inside the item's box.
            const QSizeF fitted = QSizeF(s.Image.size()).scaled(s.Rect.size(), Qt::KeepAspectRatio);
            s.Rect = QRectF(s.Rect.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted);
            break;
        }
        case TRptItemKind::Barcode: {
            const QString content = ItemText(item, context);
            QRectF barsArea = s.Rect;
            if (item.ShowText && ReportBarcode::IsLinear(item.BarcodeType)) {
                TRptShape caption = textShape(item);
                caption.HAlign = 1;
                caption.Lines = {content};
                caption.Rect = QRectF(item.X, item.Y + item.H - caption.LineHeight, item.W, caption.LineHeight);
                barsArea.setBottom(caption.Rect.top());
                original.append(caption.Rect);
                growth.append(0);
                out.Shapes.append(caption);
            }
            s.ShapeKind = TRptShape::Bars;
            s.BarRects = ReportBarcode::Bars(item.BarcodeType, content, barsArea);
            s.Rect = barsArea;
            break;
        }
        case TRptItemKind::CheckBox: {
            s.ShapeKind = TRptShape::Check;
            s.Checked = bareValue(item.Text, context).ToBool();
            break;
        }
        }
        original.append(QRectF(item.X, item.Y, item.W, item.H));
        growth.append(grown);
        out.Shapes.append(s);
    }
    pushDown(out.Shapes, original, growth);
    out.Height = band.Height;
    for (const TRptShape &s : out.Shapes)
        if (s.ShapeKind != TRptShape::Line)
            out.Height = qMax(out.Height, s.Rect.bottom());
    // A band only grows by what its items grew; items drawn past its edge by design do not stretch it.
    double maxGrowth = 0;
    for (double g : growth)
        maxGrowth = qMax(maxGrowth, g);
    out.Height = qMin(out.Height, band.Height + maxGrowth);
    std::stable_sort(cells.begin(), cells.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &c : cells) {
        out.Lefts.append(c.first);
        out.Cells.append(c.second);
    }
    return out;
}

} // namespace ReportBandRenderer
