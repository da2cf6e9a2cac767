#include "ui/framework/ReportPreview.h"
#include "app/Prompter.h"
#include "reportengine/ReportPainter.h"
#include "reportengine/ReportXlsx.h"
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr double ScreenDpi = 96;
}

TReportPreview::TReportPreview(const TRptDocument &document, QWidget *parent)
    : QDialog(parent), m_document(document)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("预览"));
    resize(1000, 760);
    if (m_document.Pages.isEmpty())
        m_document.Pages.append(TRptDocPage());
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbPreview"));
    auto add = [&](const QString &name, const QString &text, auto slot) {
        QAction *a = bar->addAction(text, this, slot);
        a->setObjectName(name);
        return a;
    };
    add(QStringLiteral("actPrint"), QStringLiteral("打印"), [this] { Print(); });
    add(QStringLiteral("actPdf"), QStringLiteral("导出PDF"), [this] { ExportPdf(); });
    add(QStringLiteral("actImage"), QStringLiteral("导出图片"), [this] { ExportImages(); });
    add(QStringLiteral("actXlsx"), QStringLiteral("导出Excel"), [this] { ExportXlsx(); });
    bar->addSeparator();
    add(QStringLiteral("actZoomIn"), QStringLiteral("放大"), [this] { SetZoom(m_zoom * 1.25); });
    add(QStringLiteral("actZoomOut"), QStringLiteral("缩小"), [this] { SetZoom(m_zoom / 1.25); });
    bar->addSeparator();
    add(QStringLiteral("actFirst"), QStringLiteral("首页"), [this] { ShowPage(0); });
    add(QStringLiteral("actPrior"), QStringLiteral("上页"), [this] { ShowPage(m_page - 1); });
    add(QStringLiteral("actNext"), QStringLiteral("下页"), [this] { ShowPage(m_page + 1); });
    add(QStringLiteral("actLast"), QStringLiteral("末页"), [this] { ShowPage(m_document.PageCount() - 1); });
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("lblPage"));
    bar->addWidget(m_pageLabel);
    add(QStringLiteral("actClose"), QStringLiteral("关闭"), [this] { accept(); });

    m_pageView = new QLabel;
    m_pageView->setObjectName(QStringLiteral("PageView"));
    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_pageView);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(m_scroll);
    render();
}

void TReportPreview::ShowPage(int index)
{
    m_page = qBound(0, index, m_document.PageCount() - 1);
    render();
}

void TReportPreview::SetZoom(double zoom)
{
    m_zoom = qBound(0.25, zoom, 4.0);
    render();
}

void TReportPreview::render()
{
    const QImage image = ReportPainter::PageImage(m_document.Pages[m_page], ScreenDpi * m_zoom);
    m_pageView->setPixmap(QPixmap::fromImage(image));
    m_pageView->resize(image.size());
    m_pageLabel->setText(QStringLiteral(" 第%1页 共%2页 ").arg(m_page + 1).arg(m_document.PageCount()));
}

void TReportPreview::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TRptDocPage &first = m_document.Pages.first();
    printer.setPageSize(QPageSize(QSizeF(first.Width, first.Height), QPageSize::Millimeter));
    printer.setFullPage(true);
    QPainter painter(&printer);
    const int from = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    const int to = printer.toPage() > 0 ? qMin(printer.toPage(), m_document.PageCount()) : m_document.PageCount();
    for (int i = from; i < to; ++i) {
        if (i > from)
            printer.newPage();
        ReportPainter::PaintPage(painter, m_document.Pages[i], printer.resolution());
    }
}

bool TReportPreview::ExportPdf(QString path)
{
    if (path.isEmpty())
        path = Prompter().FileName(true, QStringLiteral("导出PDF"), QStringLiteral("PDF文件 (*.pdf)"), QString());
    if (path.isEmpty())
        return false;
    QString error;
    if (!ReportPainter::SavePdf(m_document, path, &error)) {
        ShowInfo(error);
        return false;
    }
    return true;
}

bool TReportPreview::ExportImages(QString path)
{
    if (path.isEmpty())
        path = Prompter().FileName(true, QStringLiteral("导出图片"), QStringLiteral("PNG图片 (*.png);;JPEG图片 (*.jpg)"), QString());
    if (path.isEmpty())
        return false;
    if (ReportPainter::SaveImages(m_document, path, 150).isEmpty()) {
        ShowInfo(QStringLiteral("无法写入文件 %1").arg(path));
        return false;
    }
    return true;
}

bool TReportPreview::ExportXlsx(QString path)
{
    if (path.isEmpty())
        path = Prompter().FileName(true, QStringLiteral("导出Excel"), QStringLiteral("Excel文件 (*.xlsx)"), QString());
    if (path.isEmpty())
        return false;
    QString error;
    if (!ReportXlsx::Save(m_document, path, &error)) {
        ShowInfo(error);
        return false;
    }
    return true;
}
