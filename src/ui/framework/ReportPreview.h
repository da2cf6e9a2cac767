#pragma once
#include "reportengine/ReportDocument.h"
#include <QDialog>

class QLabel;
class QScrollArea;

// The prepared pages of a report: page through, zoom, print, export to PDF, pictures and Excel.
class TReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit TReportPreview(const TRptDocument &document, QWidget *parent = nullptr);
    int PageIndex() const { return m_page; }
    void ShowPage(int index);
    void SetZoom(double zoom);
    double Zoom() const { return m_zoom; }
    void Print();
    // Exports; an empty path asks for one. Each returns whether a file was written.
    bool ExportPdf(QString path = QString());
    bool ExportImages(QString path = QString());
    bool ExportXlsx(QString path = QString());

private:
    void render();
    TRptDocument m_document;
    QLabel *m_pageView;
    QLabel *m_pageLabel;
    QScrollArea *m_scroll;
    int m_page = 0;
    double m_zoom = 1.0;
};
