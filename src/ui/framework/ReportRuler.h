#pragma once
#include <QWidget>

class TReportCanvas;

// A millimetre scale beside the designer's page. The top ruler counts from the
// bands' left edge; the left ruler starts again at every band's top, since item
// places are measured inside their band.
class TReportRuler : public QWidget {
    Q_OBJECT
public:
    TReportRuler(Qt::Orientation orientation, TReportCanvas *canvas, QWidget *parent = nullptr);
    static constexpr int Thickness = 20;

protected:
    void paintEvent(QPaintEvent *) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Ticks from 0 to `lengthMm` starting at pixel `start` along the ruler.
    void paintScale(QPainter &p, double start, double lengthMm) const;
    Qt::Orientation m_orientation;
    TReportCanvas *m_canvas;
};
