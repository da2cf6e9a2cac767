#include "ui/framework/ReportCanvas.h"
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <cmath>

namespace {
constexpr double Margin = 10;     // px around the page
constexpr double EdgeGrip = 3;    // px either side of a band's lower edge
constexpr double DragStart = 3;   // px the mouse travels before a marquee counts
const QColor SelectionColor(0x20, 0x60, 0xd0);
} // namespace

TReportCanvas::TReportCanvas(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ReportCanvas"));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setMouseTracking(true); // cursor shapes over edges and handles
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
    Q_EMIT layoutChanged();
}

void TReportCanvas::SetSelection(const QList<TRptRef> &selection)
{
    m_selection = selection;
    update();
    Q_EMIT selectionChanged();
}

void TReportCanvas::SetZoom(double zoom)
{
    zoom = qBound(MinZoom, zoom, MaxZoom);
    if (qFuzzyCompare(zoom, m_zoom))
        return;
    m_zoom = zoom;
    resize(sizeHint());
    update();
    Q_EMIT zoomChanged(m_zoom);
    Q_EMIT layoutChanged();
}

double TReportCanvas::BandWidth() const
{
    const TRptPage &p = m_report->Page;
    return p.SheetWidth() - p.LeftMargin - p.RightMargin;
}

QPointF TReportCanvas::BandOrigin(int band) const
{
    double y = Margin;
    for (int i = 0; i < band; ++i)
        y += CaptionHeight + m_report->Bands[i].Height * Scale();
    return QPointF(Margin, y + CaptionHeight);
}

QPointF TReportCanvas::BandPoint(int band, double x, double y) const { return BandOrigin(band) + QPointF(x, y) * Scale(); }

QSize TReportCanvas::sizeHint() const
{
    if (!m_report)
        return QSize(800, 600);
    const QPointF end = BandOrigin(int(m_report->Bands.size()));
    return QSize(int(BandWidth() * Scale() + 2 * Margin), int(end.y() - CaptionHeight + Margin));
}

QRectF TReportCanvas::itemRect(int band, const TRptItem &item) const
{
    return QRectF(BandPoint(band, item.X, item.Y), QSizeF(item.W, item.H) * Scale()).normalized();
}

double TReportCanvas::snap(double mm) const { return m_grid > 0 ? qRound(mm / m_grid) * m_grid : mm; }

void TReportCanvas::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xd0, 0xd0, 0xd0));
    if (!m_report)
        return;
    for (int b = 0; b < m_report->Bands.size(); ++b)
        paintBand(p, b);
    paintDrag(p);
}

void TReportCanvas::paintBand(QPainter &p, int b) const
{
    const TRptBand &band = m_report->Bands[b];
    const QPointF o = BandOrigin(b);
    const double width = BandWidth() * Scale();
    const QRectF caption(o.x(), o.y() - CaptionHeight, width, CaptionHeight);
    p.fillRect(caption, m_selection.contains(TRptRef{b, -1}) ? QColor(0x99, 0xbb, 0xee) : QColor(0xe4, 0xe4, 0xf0));
    // Captions keep one small widget font whatever the zoom; items set their own fonts.
    QFont small = font();
    small.setPixelSize(12);
    small.setBold(false);
    small.setItalic(false);
    p.setFont(small);
    p.setPen(QColor(0x40, 0x40, 0x50));
    QString title = BandKindCaption(band.Kind) + QStringLiteral(": ") + band.Name;
    if (!band.DataSet.isEmpty())
        title += QStringLiteral(" [") + band.DataSet + u']';
    if (!band.Condition.isEmpty())
        title += u' ' + band.Condition;
    const QRectF textRect = caption.adjusted(4, 0, -4, 0);
    p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, p.fontMetrics().elidedText(title, Qt::ElideRight, int(textRect.width())));
    const QRectF area(o.x(), o.y(), width, band.Height * Scale());
    p.fillRect(area, Qt::white);
    // Grid dots at a multiple of the grid that stays at least 8 px apart.
    const double grid = m_grid > 0 ? m_grid : 5;
    const double step = grid * std::ceil(8 / (grid * Scale()));
    p.setPen(QColor(0xc8, 0xc8, 0xc8));
    for (double x = 0; x < BandWidth(); x += step)
        for (double y = 0; y < band.Height; y += step)
            p.drawPoint(BandPoint(b, x, y));
    p.save();
    p.setClipRect(area.adjusted(-1, -1, 1, 1));
    for (const TRptItem &item : band.Items)
        paintItem(p, b, item);
    p.restore();
    for (int i = 0; i < band.Items.size(); ++i)
        if (m_selection.contains(TRptRef{b, i})) {
            const QRectF r = itemRect(b, band.Items[i]);
            p.setPen(QPen(SelectionColor, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(-1, -1, 1, 1));
            p.fillRect(QRectF(r.bottomRight() - QPointF(3, 3), QSizeF(6, 6)), SelectionColor);
        }
}

void TReportCanvas::paintItem(QPainter &p, int b, const TRptItem &item) const
{
    const QRectF r = itemRect(b, item);
    p.setPen(QPen(item.Color, 1));
    p.setBrush(Qt::NoBrush);
    switch (item.Kind) {
    case TRptItemKind::Line:
        p.drawLine(BandPoint(b, item.X, item.Y), BandPoint(b, item.X + item.W, item.Y + item.H));
        break;
    case TRptItemKind::Text: {
        if (item.Background.isValid())
            p.fillRect(r, item.Background);
        p.setPen(QPen(item.Borders ? Qt::black : QColor(0xaa, 0xaa, 0xaa), 1, item.Borders ? Qt::SolidLine : Qt::DotLine));
        p.drawRect(r);
        QFont f(item.FontFamily);
        f.setPixelSize(qMax(4, qRound(item.FontSize * 25.4 / 72 * Scale())));
        f.setBold(item.Bold);
        f.setItalic(item.Italic);
        f.setUnderline(item.Underline);
        p.setFont(f);
        p.setPen(item.Color);
        const int h = item.HAlign == 1 ? Qt::AlignHCenter : (item.HAlign == 2 ? Qt::AlignRight : Qt::AlignLeft);
        const int v = item.VAlign == 1 ? Qt::AlignVCenter : (item.VAlign == 2 ? Qt::AlignBottom : Qt::AlignTop);
        p.drawText(r.adjusted(2, 0, -2, 0), h | v | (item.WordWrap ? Qt::TextWordWrap : 0), item.Text);
        break;
    }
    default: {
        p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
        p.drawRect(r);
        QFont small = font();
        small.setPixelSize(11);
        p.setFont(small);
        p.drawText(r, Qt::AlignCenter, ItemKindCaption(item.Kind) + u'\n' + item.Text);
        break;
    }
    }
}

void TReportCanvas::paintDrag(QPainter &p) const
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(SelectionColor, 1, Qt::DashLine));
    switch (m_drag) {
    case TDrag::Move:
    case TDrag::Resize:
        for (const TRptRef &r : m_selection) {
            if (r.Item < 0)
                continue;
            TRptItem ghost = m_report->Bands[r.Band].Items[r.Item];
            if (m_drag == TDrag::Move)
                ghost.X += m_dragMm.x(), ghost.Y += m_dragMm.y();
            else
                ghost.W += m_dragMm.x(), ghost.H += m_dragMm.y();
            p.drawRect(itemRect(r.Band, ghost));
        }
        break;
    case TDrag::BandEdge: {
        const QPointF edge = BandPoint(m_anchor.Band, 0, m_bandHeight);
        p.drawLine(edge, edge + QPointF(BandWidth() * Scale(), 0));
        break;
    }
    case TDrag::Marquee:
        if ((m_mousePos - m_pressPos).manhattanLength() >= DragStart) {
            p.setBrush(QColor(0x20, 0x60, 0xd0, 0x20));
            p.drawRect(QRectF(m_pressPos, m_mousePos).normalized());
        }
        break;
    case TDrag::None:
        break;
    }
}

int TReportCanvas::bandAt(const QPointF &pos) const
{
    for (int b = 0; b < m_report->Bands.size(); ++b) {
        const QPointF o = BandOrigin(b);
        if (pos.y() >= o.y() - CaptionHeight && pos.y() < o.y() + m_report->Bands[b].Height * Scale())
            return pos.x() >= o.x() && pos.x() <= o.x() + BandWidth() * Scale() ? b : -1;
    }
    return -1;
}

TReportCanvas::THit TReportCanvas::hit(const QPointF &pos) const
{
    if (!m_report)
        return {};
    const int b = bandAt(pos);
    // Handles first, then the band's lower edge, then item bodies: an item
    // flush with the edge must not hide the edge.
    for (int bb = 0; bb < m_report->Bands.size(); ++bb) {
        const TRptBand &band = m_report->Bands[bb];
        for (int i = int(band.Items.size()) - 1; i >= 0; --i) {
            const QRectF r = itemRect(bb, band.Items[i]);
            if (QRectF(r.bottomRight() - QPointF(4, 4), QSizeF(8, 8)).contains(pos) && m_selection.contains(TRptRef{bb, i}))
                return {{bb, i}, TDrag::Resize};
        }
        const double edge = BandOrigin(bb).y() + band.Height * Scale();
        if (qAbs(pos.y() - edge) <= EdgeGrip && pos.x() >= Margin && pos.x() <= Margin + BandWidth() * Scale())
            return {{bb, -1}, TDrag::BandEdge};
    }
    if (b < 0)
        return {};
    const TRptBand &band = m_report->Bands[b];
    for (int i = int(band.Items.size()) - 1; i >= 0; --i)
        if (itemRect(b, band.Items[i]).adjusted(-2, -2, 2, 2).contains(pos))
            return {{b, i}, TDrag::Move};
    return {{b, -1}, TDrag::Marquee};
}

void TReportCanvas::mousePressEvent(QMouseEvent *event)
{
    setFocus();
    if (event->button() != Qt::LeftButton || !m_report)
        return;
    const THit h = hit(event->position());
    const bool adding = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    m_pressPos = m_mousePos = event->position();
    m_pressModifiers = event->modifiers();
    m_dragMm = QPointF();
    m_anchor = h.Ref;
    m_drag = h.Drag;
    if (h.Drag == TDrag::Move && adding) {
        QList<TRptRef> s = m_selection;
        if (!s.removeOne(h.Ref))
            s.append(h.Ref);
        SetSelection(s);
        m_drag = TDrag::None;
    } else if (h.Drag == TDrag::Move && !m_selection.contains(h.Ref)) {
        SetSelection({h.Ref});
    } else if (h.Drag == TDrag::BandEdge) {
        m_bandHeight = m_report->Bands[h.Ref.Band].Height;
        SetSelection({h.Ref});
    }
}

void TReportCanvas::updateDrag(const QPointF &pos)
{
    m_mousePos = pos;
    const QPointF raw = (pos - m_pressPos) / Scale();
    if (m_drag == TDrag::BandEdge) {
        m_bandHeight = qMax(1.0, snap(m_report->Bands[m_anchor.Band].Height + raw.y()));
    } else if (m_drag == TDrag::Move || m_drag == TDrag::Resize) {
        // The anchor item's corner lands on the grid; the rest of the selection keeps its offsets.
        const TRptItem &a = m_report->Bands[m_anchor.Band].Items[m_anchor.Item];
        const QPointF corner = m_drag == TDrag::Move ? QPointF(a.X, a.Y) : QPointF(a.X + a.W, a.Y + a.H);
        m_dragMm = QPointF(snap(corner.x() + raw.x()) - corner.x(), snap(corner.y() + raw.y()) - corner.y());
    }
    update();
}

void TReportCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag != TDrag::None && (event->buttons() & Qt::LeftButton)) {
        updateDrag(event->position());
        return;
    }
    const TDrag over = m_report ? hit(event->position()).Drag : TDrag::None;
    setCursor(over == TDrag::BandEdge ? Qt::SizeVerCursor : over == TDrag::Resize ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
}

void TReportCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_drag == TDrag::None || event->button() != Qt::LeftButton)
        return;
    updateDrag(event->position());
    const TDrag drag = m_drag;
    m_drag = TDrag::None;
    update();
    switch (drag) {
    case TDrag::Move:
        if (!m_dragMm.isNull())
            Q_EMIT moveRequested(m_dragMm.x(), m_dragMm.y(), 0, 0);
        break;
    case TDrag::Resize:
        if (!m_dragMm.isNull())
            Q_EMIT moveRequested(0, 0, m_dragMm.x(), m_dragMm.y());
        break;
    case TDrag::BandEdge:
        if (m_bandHeight != m_report->Bands[m_anchor.Band].Height)
            Q_EMIT bandResizeRequested(m_anchor.Band, m_bandHeight);
        break;
    case TDrag::Marquee:
        finishMarquee(m_pressModifiers & (Qt::ControlModifier | Qt::ShiftModifier));
        break;
    case TDrag::None:
        break;
    }
}

void TReportCanvas::finishMarquee(bool adding)
{
    QList<TRptRef> s = adding ? m_selection : QList<TRptRef>{};
    if ((m_mousePos - m_pressPos).manhattanLength() < DragStart) {
        // A plain click: the band under the pointer, or nothing.
        if (m_anchor.Band >= 0 && !(adding && s.removeOne(m_anchor)))
            s.append(m_anchor);
        SetSelection(s);
        return;
    }
    const QRectF area = QRectF(m_pressPos, m_mousePos).normalized();
    for (int b = 0; b < m_report->Bands.size(); ++b)
        for (int i = 0; i < m_report->Bands[b].Items.size(); ++i)
            if (area.intersects(itemRect(b, m_report->Bands[b].Items[i])) && !s.contains(TRptRef{b, i}))
                s.append({b, i});
    SetSelection(s);
}

void TReportCanvas::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        event->ignore(); // the scroll area scrolls
        return;
    }
    SetZoom(m_zoom * (event->angleDelta().y() > 0 ? 1.25 : 0.8));
    event->accept();
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

void TReportCanvas::dragMoveEvent(QDragMoveEvent *event)
{
    if (m_report && bandAt(event->position()) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TReportCanvas::dropEvent(QDropEvent *event)
{
    const int band = m_report ? bandAt(event->position()) : -1;
    if (band < 0)
        return;
    const QPointF mm = (event->position() - BandOrigin(band)) / Scale();
    Q_EMIT fieldDropped(band, snap(qMax(0.0, mm.x())), snap(qMax(0.0, mm.y())), event->mimeData()->text());
    event->acceptProposedAction();
}
