#include "RptFixture.h"
#include "reportengine/ReportEngine.h"
#include "reportengine/ReportPainter.h"
#include "reportengine/ReportXlsx.h"
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace RptFixture;

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

TRptItem barcode(const QString &type, const QString &content, double w, double h)
{
    TRptItem i = Text(content, 10, 5, w, h);
    i.Kind = TRptItemKind::Barcode;
    i.BarcodeType = type;
    return i;
}

TRptDocument renderWith(const TRptReport &r, TDataSet *d)
{
    TRptSources sources;
    sources.AddDataSet(QStringLiteral("d"), d);
    return ReportEngine::Render(r, sources);
}
} // namespace

class TstReportOutput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void testPdfHasChineseTextAndEmbeddedFont()
    {
        QTemporaryDir dir;
        auto d = Assets(60);
        TRptReport r;
        r.Bands = {Band(TRptBandKind::PageHeader, 10, {Text(QStringLiteral("固定资产清单"), 0, 0, 100, 8)}),
                   Band(TRptBandKind::MasterData, 6, {Text(QStringLiteral("[d.Code] [d.Name] [d.Dept]"), 0, 0, 120)}, QStringLiteral("d")),
                   Band(TRptBandKind::PageFooter, 6, {Text(QStringLiteral("第[Page]页"), 0, 0, 40)})};
        const TRptDocument doc = renderWith(r, d.get());
        const QString pdf = dir.filePath(QStringLiteral("清单.pdf"));
        QVERIFY(ReportPainter::SavePdf(doc, pdf));
        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("固定资产清单")), qPrintable(text.left(300)));
        QVERIFY(text.contains(QStringLiteral("资产60 财务部")));
        QCOMPARE(text.count(QStringLiteral("固定资产清单")), doc.PageCount());
        const QString fonts = run(QStringLiteral("pdffonts"), {pdf});
        const QStringList lines = fonts.split(u'\n');
        bool embeddedCjk = false;
        for (const QString &line : lines)
            if (line.contains(QStringLiteral("WenQuanYi"), Qt::CaseInsensitive)) {
                const QStringList cols = line.simplified().split(u' ');
                embeddedCjk = embeddedCjk || cols.contains(QStringLiteral("yes"));
            }
        QVERIFY2(embeddedCjk, qPrintable(fonts));
    }

    void testBarcodesScanBack_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("scanned");
        QTest::addColumn<double>("width");
        QTest::newRow("code128") << QStringLiteral("Code128") << QStringLiteral("ZK0001-A") << QStringLiteral("CODE-128:ZK0001-A") << 60.0;
        QTest::newRow("ean13") << QStringLiteral("EAN13") << QStringLiteral("690123456789") << QStringLiteral("EAN-13:6901234567892") << 40.0;
        QTest::newRow("qr") << QStringLiteral("QRCode") << QStringLiteral("资产ZK0001") << QStringLiteral("QR-Code:资产ZK0001") << 30.0;
    }
    void testBarcodesScanBack()
    {
        QFETCH(QString, type);
        QFETCH(QString, content);
        QFETCH(QString, scanned);
        QFETCH(double, width);
        QTemporaryDir dir;
        auto d = Assets(1);
        TRptReport r;
        r.Page.Paper = QStringLiteral("Custom");
        r.Page.Width = 80;
        r.Page.Height = 50;
        r.Page.LeftMargin = r.Page.TopMargin = r.Page.RightMargin = r.Page.BottomMargin = 0;
        r.Bands = {Band(TRptBandKind::MasterData, 45, {barcode(type, content, width, 30)}, QStringLiteral("d"))};
        const TRptDocument doc = renderWith(r, d.get());
        // The same document goes to the PDF; its page is scanned as a picture.
        QVERIFY(ReportPainter::SavePdf(doc, dir.filePath(QStringLiteral("label.pdf"))));
        const QStringList png = ReportPainter::SaveImages(doc, dir.filePath(QStringLiteral("label.png")), 300);
        QCOMPARE(png.size(), 1);
        const QString out = run(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), png.first()}).trimmed();
        QCOMPARE(out, scanned);
    }

    void testContentFromField()
    {
        QTemporaryDir dir;
        auto d = Assets(1);
        TRptReport r;
        r.Bands = {Band(TRptBandKind::MasterData, 45, {barcode(QStringLiteral("Code128"), QStringLiteral("[d.Code]"), 60, 20)}, QStringLiteral("d"))};
        const QStringList png = ReportPainter::SaveImages(renderWith(r, d.get()), dir.filePath(QStringLiteral("p.png")), 300);
        QCOMPARE(run(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), png.first()}).trimmed(), QStringLiteral("CODE-128:ZK0001"));
    }

    void testImagesArePagedAndXlsxHasRows()
    {
        QTemporaryDir dir;
        auto d = Assets(80);
        TRptReport r;
        r.Bands = {Band(TRptBandKind::DataHeader, 6, {Text(QStringLiteral("编号"), 0, 0, 30), Text(QStringLiteral("原值"), 30, 0, 30)}),
                   Band(TRptBandKind::MasterData, 6, {Text(QStringLiteral("[d.OriginValue]"), 30, 0, 30), Text(QStringLiteral("[d.Code]"), 0, 0, 30)}, QStringLiteral("d"))};
        const TRptDocument doc = renderWith(r, d.get());
        const QStringList files = ReportPainter::SaveImages(doc, dir.filePath(QStringLiteral("list.jpg")), 72);
        QCOMPARE(files.size(), doc.PageCount());
        QVERIFY(files.last().endsWith(QStringLiteral("list_%1.jpg").arg(doc.PageCount())));
        QCOMPARE(QImage(files.first()).size(), QSize(595, 842));

        QCOMPARE(doc.DataRows.size(), 81); // the header once, then every row
        QCOMPARE(doc.DataRows[1].Cells, (QStringList{QStringLiteral("ZK0001"), QStringLiteral("100.50")}));
        const QString xlsx = dir.filePath(QStringLiteral("list.xlsx"));
        QVERIFY(ReportXlsx::Save(doc, xlsx));
        const QString sheet = run(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsx, QStringLiteral("xl/worksheets/sheet1.xml")});
        QVERIFY2(sheet.contains(QStringLiteral("<v>100.5</v>")), qPrintable(sheet.left(400)));
        QCOMPARE(sheet.count(QStringLiteral("<row ")), 81);
    }
};

QTEST_MAIN(TstReportOutput)
#include "tst_reportoutput.moc"
