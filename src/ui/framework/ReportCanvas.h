#pragma once
#include "reportengine/ReportModel.h"
#include "ui/framework/ReportDesignCommands.h"
#include <QWidget>

// The page being designed: bands as strips under their captions, items at
// their places in millimetres, drawn at the chosen zoom. Selecting (click,
// Shift/Ctrl-click, marquee), dragging and resizing items on the grid,
// dragging a band's lower edge, arrow-key nudging, Ctrl+wheel zoom and
// dropping data fields.
class TReportCanvas : public QWidget {
    Q_OBJECT
public:
    explicit TReportCanvas(QWidget *parent = nullptr);
    void SetReport(const TRptReport *report);
    const TRptReport *Report() const { return m_report; }
    void SetSelection(const QList<TRptRef> &selection);
    const QList<TRptRef> &Selection() const { return m_selection; }
    double Grid() const { return m_grid; }
    void SetGrid(double mm) { m_grid = mm; update(); }
    double Zoom() const { return m_zoom; }
    void SetZoom(double zoom);
    // Pixels per millimetre at the current zoom.
    double Scale() const { return PixelsPerMm * m_zoom; }
    // Widget position of a band's top-left corner (under its caption).
    QPointF BandOrigin(int band) const;
    // Widget position of the point (x, y) millimetres inside band `band`.
    QPointF BandPoint(int band, double x, double y) const;
    double BandWidth() const;
    QSize sizeHint() const override;
    static constexpr double PixelsPerMm = 96 / 25.4;
    static constexpr double CaptionHeight = 18; // pixels, at any zoom
    static constexpr double MinZoom = 0.25, MaxZoom = 4;

Q_SIGNALS:
    void selectionChanged();
    // The user dragged or nudged the selection by a distance in millimetres.
    void moveRequested(double dx, double dy, double dw, double dh);
    // The user dragged the lower edge of band `band` to `height` millimetres.
    void bandResizeRequested(int band, double height);
    // A data field dropped at (x, y) millimetres inside band `band`.
    void fieldDropped(int band, double x, double y, const QString &text);
    void zoomChanged(double zoom);
    // Band places or the scale changed: the rulers redraw.
    void layoutChanged();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    enum class TDrag { None, Move, Resize, BandEdge, Marquee };
    struct THit {
        TRptRef Ref;
        TDrag Drag = TDrag::Marquee;
    };
    QRectF itemRect(int band, const TRptItem &item) const;
    THit hit(const QPointF &pos) const;
    int bandAt(const QPointF &pos) const;
    double snap(double mm) const;
    void updateDrag(const QPointF &pos);
    void finishMarquee(bool adding);
    void paintBand(QPainter &p, int band) const;
    void paintItem(QPainter &p, int band, const TRptItem &item) const;
    void paintDrag(QPainter &p) const;

    const TRptReport *m_report = nullptr;
    QList<TRptRef> m_selection;
    double m_grid = 1;
    double m_zoom = 1;
    TDrag m_drag = TDrag::None;
    TRptRef m_anchor; // the item or band the drag started on
    QPointF m_pressPos, m_mousePos;
    Qt::KeyboardModifiers m_pressModifiers;
    QPointF m_dragMm; // snapped move or resize so far
    double m_bandHeight = 0;
};
