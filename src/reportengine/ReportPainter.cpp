#include "reportengine/ReportPainter.h"
#include "reportengine/ReportBandRenderer.h"
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace ReportPainter {

namespace {
class TMapper {
public:
    explicit TMapper(double dpi) : m_scale(dpi / 25.4) {}
    double operator()(double mm) const { return mm * m_scale; }
    QRectF operator()(const QRectF &r) const { return QRectF(r.x() * m_scale, r.y() * m_scale, r.width() * m_scale, r.height() * m_scale); }
    QPointF operator()(const QPointF &p) const { return p * m_scale; }

private:
    double m_scale;
};

QPen penOf(const QColor &color, double widthMm, const TMapper &px)
{
    QPen pen(color);
    pen.setWidthF(qMax(0.5, px(widthMm)));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void paintText(QPainter &p, const TRptShape &s, const TMapper &px)
{
    const QRectF box = px(s.Rect);
    if (s.Background.isValid())
        p.fillRect(box, s.Background);
    if (s.Borders) {
        p.setPen(penOf(s.BorderColor, s.BorderWidth, px));
        if (s.Borders & 1) p.drawLine(box.topLeft(), box.bottomLeft());
        if (s.Borders & 2) p.drawLine(box.topLeft(), box.topRight());
        if (s.Borders & 4) p.drawLine(box.topRight(), box.bottomRight());
        if (s.Borders & 8) p.drawLine(box.bottomLeft(), box.bottomRight());
    }
    if (s.Lines.isEmpty())
        return;
    QFont font(s.FontFamily);
    font.setPointSizeF(s.FontSize > 0 ? s.FontSize : 10);
    font.setBold(s.Bold);
    font.setItalic(s.Italic);
    font.setUnderline(s.Underline);
    p.setFont(font);
    p.setPen(s.Color);
    const double padX = ReportBandRenderer::PadX, padY = ReportBandRenderer::PadY;
    const double textHeight = s.Lines.size() * s.LineHeight;
    const double room = s.Rect.height() - 2 * padY;
    double top = s.Rect.top() + padY;
    if (s.VAlign == 1)
        top += (room - textHeight) / 2;
    else if (s.VAlign == 2)
        top += room - textHeight;
    const Qt::Alignment h = s.HAlign == 1 ? Qt::AlignHCenter : (s.HAlign == 2 ? Qt::AlignRight : Qt::AlignLeft);
    const bool overflow = textHeight > room + 0.01;
    if (overflow) {
        p.save();
        p.setClipRect(box);
    }
    for (int i = 0; i < s.Lines.size(); ++i) {
        const QRectF line(s.Rect.left() + padX, top + i * s.LineHeight, s.Rect.width() - 2 * padX, s.LineHeight);
        p.drawText(px(line), int(h | Qt::AlignVCenter) | Qt::TextDontClip, s.Lines[i]);
    }
    if (overflow)
        p.restore();
}

void paintPicture(QPainter &p, const TRptShape &s, const TMapper &px)
{
    const QRectF box = px(s.Rect);
    // Photos are scaled down to what the output can show, so a PDF does not carry the camera's full picture.
    const QSize target = box.size().toSize().expandedTo(QSize(1, 1));
    if (s.Image.width() > target.width() || s.Image.height() > target.height())
        p.drawImage(box, s.Image.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        p.drawImage(box, s.Image);
}

void paintCheck(QPainter &p, const TRptShape &s, const TMapper &px)
{
    const double side = qMin(s.Rect.width(), s.Rect.height());
    const QRectF box = px(QRectF(s.Rect.topLeft(), QSizeF(side, side)));
    p.setPen(penOf(s.Color, 0.25, px));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    if (s.Checked) {
        p.setPen(penOf(s.Color, side / 8, px));
        const QPointF a(box.left() + box.width() * 0.2, box.top() + box.height() * 0.55);
        const QPointF b(box.left() + box.width() * 0.42, box.top() + box.height() * 0.78);
        const QPointF c(box.left() + box.width() * 0.82, box.top() + box.height() * 0.25);
        p.drawLine(a, b);
        p.drawLine(b, c);
    }
}
} // namespace

void PaintPage(QPainter &painter, const TRptDocPage &page, double dpi)
{
    const TMapper px(dpi);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const TRptShape &s : page.Shapes) {
        switch (s.ShapeKind) {
        case TRptShape::Text:
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            paintText(painter, s, px);
            break;
        case TRptShape::Line:
            painter.setPen(penOf(s.Color, s.LineWidth, px));
            painter.drawLine(px(s.Rect.topLeft()), px(s.Rect.bottomRight()));
            break;
        case TRptShape::Frame:
            painter.setPen(penOf(s.Color, s.LineWidth, px));
            painter.setBrush(s.Background.isValid() ? QBrush(s.Background) : QBrush(Qt::NoBrush));
            painter.drawRect(px(s.Rect));
            painter.setBrush(Qt::NoBrush);
            break;
        case TRptShape::Picture:
            paintPicture(painter, s, px);
            break;
        case TRptShape::Bars:
            for (const QRectF &r : s.BarRects)
                painter.fillRect(px(r), s.Color);
            break;
        case TRptShape::Check:
            paintCheck(painter, s, px);
            break;
        }
    }
    painter.restore();
}

QImage PageImage(const TRptDocPage &page, double dpi)
{
    const QSize size(qRound(page.Width * dpi / 25.4), qRound(page.Height * dpi / 25.4));
    QImage image(size, QImage::Format_RGB32);
    const int dpm = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, page, dpi);
    return image;
}

bool SavePdf(const TRptDocument &document, const QString &path, QString *error)
{
    constexpr int Dpi = 600;
    QPdfWriter writer(path);
    writer.setResolution(Dpi);
    writer.setCreator(QStringLiteral("zokamo"));
    auto sizeOf = [](const TRptDocPage &page) {
        return QPageSize(QSizeF(page.Width, page.Height), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    };
    const QList<TRptDocPage> pages = document.Pages.isEmpty() ? QList<TRptDocPage>{TRptDocPage()} : document.Pages;
    writer.setPageSize(sizeOf(pages.first()));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = QStringLiteral("无法写入文件 %1").arg(path);
        return false;
    }
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            writer.setPageSize(sizeOf(pages[i]));
            writer.newPage();
        }
        PaintPage(painter, pages[i], Dpi);
    }
    return painter.end();
}

QStringList SaveImages(const TRptDocument &document, const QString &path, double dpi)
{
    QStringList written;
    const QFileInfo info(path);
    for (int i = 0; i < document.PageCount(); ++i) {
        const QString file = document.PageCount() == 1
            ? path
            : info.path() + u'/' + info.completeBaseName() + u'_' + QString::number(i + 1) + u'.' + info.suffix();
        if (!PageImage(document.Pages[i], dpi).save(file))
            return {};
        written.append(file);
    }
    return written;
}

} // namespace ReportPainter
