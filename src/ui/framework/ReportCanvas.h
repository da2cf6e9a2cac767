#pragma once
#include "reportengine/ReportModel.h"
#include "ui/framework/ReportDesignCommands.h"
#include <QWidget>

// The page being designed: bands as strips with their captions, items at
// their places in millimetres. Selecting, dragging, resizing (lower-right
// handle), arrow-key nudging and dropping data fields.
class TReportCanvas : public QWidget {
    Q_OBJECT
public:
    explicit TReportCanvas(QWidget *parent = nullptr);
    void SetReport(const TRptReport *report);
    void SetSelection(const QList<TRptRef> &selection);
    const QList<TRptRef> &Selection() const { return m_selection; }
    double Grid() const { return m_grid; }
    void SetGrid(double mm) { m_grid = mm; }
    // Screen position of a band's top-left corner (for tests and drops).
    QPointF BandOrigin(int band) const;
    QSize sizeHint() const override;
    static constexpr double PixelsPerMm = 96 / 25.4;
    static constexpr double CaptionMm = 5;

Q_SIGNALS:
    void selectionChanged();
    // The user dragged or nudged the selection by a distance in millimetres.
    void moveRequested(double dx, double dy, double dw, double dh);
    // A data field dropped at (x, y) millimetres inside band `band`.
    void fieldDropped(int band, double x, double y, const QString &text);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QRectF itemRect(int band, const TRptItem &item) const;
    TRptRef hit(const QPointF &pos, bool *onHandle) const;
    double snap(double mm) const;
    double bandWidth() const;

    const TRptReport *m_report = nullptr;
    QList<TRptRef> m_selection;
    double m_grid = 1;
    QPointF m_pressPos;
    QPointF m_dragMm;
    bool m_dragging = false;
    bool m_resizing = false;
};
