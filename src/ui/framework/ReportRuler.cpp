#include "ui/framework/ReportRuler.h"
#include "ui/framework/ReportCanvas.h"
#include <QEvent>
#include <QPainter>

TReportRuler::TReportRuler(Qt::Orientation orientation, TReportCanvas *canvas, QWidget *parent)
    : QWidget(parent), m_orientation(orientation), m_canvas(canvas)
{
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("rulerTop") : QStringLiteral("rulerLeft"));
    if (orientation == Qt::Horizontal)
        setFixedHeight(Thickness);
    else
        setFixedWidth(Thickness);
    // Scrolling moves the canvas inside its viewport; the scale follows it.
    canvas->installEventFilter(this);
    connect(canvas, &TReportCanvas::layoutChanged, this, qOverload<>(&QWidget::update));
}

bool TReportRuler::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_canvas && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        update();
    return QWidget::eventFilter(watched, event);
}

void TReportRuler::paintScale(QPainter &p, double start, double lengthMm) const
{
    const bool h = m_orientation == Qt::Horizontal;
    const double scale = m_canvas->Scale();
    // Labels every 10 mm, or coarser when they would crowd.
    int labelEvery = 10;
    while (labelEvery * scale < 28)
        labelEvery *= 2;
    const double extent = h ? width() : height();
    for (int mm = 0; mm <= int(lengthMm); ++mm) {
        const double at = start + mm * scale;
        if (at < -20 || at > extent + 20)
            continue;
        const bool labelled = mm % labelEvery == 0;
        if (!labelled && mm % 5 != 0 && scale < 4)
            continue; // single millimetres only when they are far enough apart
        const double tick = labelled ? Thickness * 0.6 : (mm % 5 == 0 ? Thickness * 0.4 : Thickness * 0.2);
        if (h)
            p.drawLine(QPointF(at, Thickness - tick), QPointF(at, Thickness));
        else
            p.drawLine(QPointF(Thickness - tick, at), QPointF(Thickness, at));
        if (labelled && mm > 0) {
            const QString text = QString::number(mm);
            if (h) {
                p.drawText(QPointF(at + 2, 10), text);
            } else {
                p.save();
                p.translate(10, at - 2);
                p.rotate(-90);
                p.drawText(QPointF(0, 0), text);
                p.restore();
            }
        }
    }
}

void TReportRuler::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xf2, 0xf2, 0xf2));
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    if (m_orientation == Qt::Horizontal)
        p.drawLine(0, height() - 1, width(), height() - 1);
    else
        p.drawLine(width() - 1, 0, width() - 1, height());
    const TRptReport *report = m_canvas->Report();
    if (!report)
        return;
    QFont small = font();
    small.setPixelSize(9);
    p.setFont(small);
    p.setPen(QColor(0x50, 0x50, 0x50));
    const QPoint offset = mapFromGlobal(m_canvas->mapToGlobal(QPoint(0, 0)));
    if (m_orientation == Qt::Horizontal) {
        paintScale(p, offset.x() + m_canvas->BandOrigin(0).x(), m_canvas->BandWidth());
        return;
    }
    for (int b = 0; b < report->Bands.size(); ++b) {
        const double top = offset.y() + m_canvas->BandOrigin(b).y();
        // The caption strip has no scale of its own.
        p.fillRect(QRectF(0, top - TReportCanvas::CaptionHeight, width(), TReportCanvas::CaptionHeight), QColor(0xdc, 0xdc, 0xe4));
        paintScale(p, top, report->Bands[b].Height);
    }
}
