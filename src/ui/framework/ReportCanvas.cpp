#include "ui/framework/ReportCanvas.h"
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

namespace {
constexpr double Px = TReportCanvas::PixelsPerMm;
constexpr double Margin = 10; // px around the page
}

TReportCanvas::TReportCanvas(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ReportCanvas"));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setAutoFillBackground(true);
}

void TReportCanvas::SetReport(const TRptReport *report)
{
    m_report = report;
    QList<TRptRef> kept;
    for (const TRptRef &r : m_selection)
        if (r.Band < report->Bands.size() && (r.Item < 0 || r.Item < report->Bands[r.Band].Items.size()))
            kept.append(r);
    m_selection = kept;
    resize(sizeHint());
    update();
}

void TReportCanvas::SetSelection(const QList<TRptRef> &selection)
{
    m_selection = selection;
    update();
    Q_EMIT selectionChanged();
}

double TReportCanvas::bandWidth() const
{
    const TRptPage &p = m_report->Page;
    return p.SheetWidth() - p.LeftMargin - p.RightMargin;
}

QPointF TReportCanvas::BandOrigin(int band) const
{
    double y = Margin;
    for (int i = 0; i < band; ++i)
        y += (CaptionMm + m_report->Bands[i].Height) * Px;
    return QPointF(Margin, y + CaptionMm * Px);
}

QSize TReportCanvas::sizeHint() const
{
    if (!m_report)
        return QSize(800, 600);
    const QPointF end = BandOrigin(int(m_report->Bands.size()));
    return QSize(int(bandWidth() * Px + 2 * Margin), int(end.y() + Margin));
}

QRectF TReportCanvas::itemRect(int band, const TRptItem &item) const
{
    const QPointF o = BandOrigin(band);
    return QRectF(o.x() + item.X * Px, o.y() + item.Y * Px, item.W * Px, item.H * Px).normalized();
}

double TReportCanvas::snap(double mm) const { return m_grid > 0 ? qRound(mm / m_grid) * m_grid : mm; }

void TReportCanvas::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xd0, 0xd0, 0xd0));
    if (!m_report)
        return;
    const double width = bandWidth() * Px;
    for (int b = 0; b < m_report->Bands.size(); ++b) {
        const TRptBand &band = m_report->Bands[b];
        const QPointF o = BandOrigin(b);
        const QRectF caption(o.x(), o.y() - CaptionMm * Px, width, CaptionMm * Px);
        const bool bandSelected = m_selection.contains(TRptRef{b, -1});
        p.fillRect(caption, bandSelected ? QColor(0x99, 0xbb, 0xee) : QColor(0xe4, 0xe4, 0xf0));
        p.setPen(Qt::darkGray);
        p.setFont(font()); // items leave their own fonts on the painter
        QString title = BandKindCaption(band.Kind) + QStringLiteral(": ") + band.Name;
        if (!band.DataSet.isEmpty())
            title += QStringLiteral(" [") + band.DataSet + u']';
        if (!band.Condition.isEmpty())
            title += u' ' + band.Condition;
        p.drawText(caption.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
        const QRectF area(o.x(), o.y(), width, band.Height * Px);
        p.fillRect(area, Qt::white);
        // Grid dots every 5 mm.
        p.setPen(QColor(0xcc, 0xcc, 0xcc));
        for (double x = 0; x < width; x += 5 * Px)
            for (double y = 0; y < area.height(); y += 5 * Px)
                p.drawPoint(QPointF(o.x() + x, o.y() + y));
        for (int i = 0; i < band.Items.size(); ++i) {
            const TRptItem &item = band.Items[i];
            const QRectF r = itemRect(b, item);
            p.setPen(QPen(item.Color, 1));
            switch (item.Kind) {
            case TRptItemKind::Line:
                p.drawLine(o + QPointF(item.X, item.Y) * Px, o + QPointF(item.X + item.W, item.Y + item.H) * Px);
                break;
            case TRptItemKind::Text: {
                if (item.Background.isValid())
                    p.fillRect(r, item.Background);
                p.setPen(QPen(item.Borders ? Qt::black : QColor(0xaa, 0xaa, 0xaa), 1, item.Borders ? Qt::SolidLine : Qt::DotLine));
                p.drawRect(r);
                QFont f(item.FontFamily);
                f.setPixelSize(qMax(6, qRound(item.FontSize * 25.4 / 72 * Px)));
                f.setBold(item.Bold);
                f.setItalic(item.Italic);
                p.setFont(f);
                p.setPen(item.Color);
                const int h = item.HAlign == 1 ? Qt::AlignHCenter : (item.HAlign == 2 ? Qt::AlignRight : Qt::AlignLeft);
                p.drawText(r.adjusted(2, 0, -2, 0), h | Qt::AlignVCenter | Qt::TextWordWrap, item.Text);
                break;
            }
            default:
                p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
                p.drawRect(r);
                p.drawText(r, Qt::AlignCenter, ItemKindCaption(item.Kind) + u'\n' + item.Text);
                break;
            }
            if (m_selection.contains(TRptRef{b, i})) {
                p.setPen(QPen(QColor(0x20, 0x60, 0xd0), 1, Qt::DashLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(-1, -1, 1, 1));
                p.fillRect(QRectF(r.bottomRight() - QPointF(3, 3), QSizeF(6, 6)), QColor(0x20, 0x60, 0xd0));
            }
        }
    }
}

TRptRef TReportCanvas::hit(const QPointF &pos, bool *onHandle) const
{
    *onHandle = false;
    if (!m_report)
        return {};
    for (int b = int(m_report->Bands.size()) - 1; b >= 0; --b) {
        const TRptBand &band = m_report->Bands[b];
        for (int i = int(band.Items.size()) - 1; i >= 0; --i) {
            const QRectF r = itemRect(b, band.Items[i]);
            if (QRectF(r.bottomRight() - QPointF(4, 4), QSizeF(8, 8)).contains(pos)) {
                *onHandle = true;
                return {b, i};
            }
            if (r.adjusted(-2, -2, 2, 2).contains(pos))
                return {b, i};
        }
        const QPointF o = BandOrigin(b);
        if (QRectF(o.x(), o.y() - CaptionMm * Px, bandWidth() * Px, (band.Height + CaptionMm) * Px).contains(pos))
            return {b, -1};
    }
    return {};
}

void TReportCanvas::mousePressEvent(QMouseEvent *event)
{
    setFocus();
    bool onHandle = false;
    const TRptRef ref = hit(event->position(), &onHandle);
    if (event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) {
        QList<TRptRef> s = m_selection;
        if (ref.Band >= 0 && !s.removeOne(ref))
            s.append(ref);
        SetSelection(s);
    } else if (!m_selection.contains(ref)) {
        SetSelection(ref.Band >= 0 ? QList<TRptRef>{ref} : QList<TRptRef>{});
    }
    m_pressPos = event->position();
    m_dragMm = QPointF();
    m_dragging = ref.Item >= 0;
    m_resizing = onHandle;
}

void TReportCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    const QPointF d = (event->position() - m_pressPos) / Px;
    m_dragMm = QPointF(snap(d.x()), snap(d.y()));
}

void TReportCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    mouseMoveEvent(event);
    if (m_dragging && !m_dragMm.isNull()) {
        if (m_resizing)
            Q_EMIT moveRequested(0, 0, m_dragMm.x(), m_dragMm.y());
        else
            Q_EMIT moveRequested(m_dragMm.x(), m_dragMm.y(), 0, 0);
    }
    m_dragging = m_resizing = false;
}

void TReportCanvas::keyPressEvent(QKeyEvent *event)
{
    const double step = (event->modifiers() & Qt::ControlModifier) ? 0.1 : qMax(0.1, m_grid);
    double dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -step; break;
    case Qt::Key_Right: dx = step; break;
    case Qt::Key_Up: dy = -step; break;
    case Qt::Key_Down: dy = step; break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_selection.isEmpty())
        return;
    // Shift with an arrow changes the size instead of the place.
    if (event->modifiers() & Qt::ShiftModifier)
        Q_EMIT moveRequested(0, 0, dx, dy);
    else
        Q_EMIT moveRequested(dx, dy, 0, 0);
}

void TReportCanvas::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
}

void TReportCanvas::dropEvent(QDropEvent *event)
{
    bool onHandle = false;
    const TRptRef ref = hit(event->position(), &onHandle);
    if (ref.Band < 0)
        return;
    const QPointF mm = (event->position() - BandOrigin(ref.Band)) / Px;
    Q_EMIT fieldDropped(ref.Band, snap(qMax(0.0, mm.x())), snap(qMax(0.0, mm.y())), event->mimeData()->text());
    event->acceptProposedAction();
}
