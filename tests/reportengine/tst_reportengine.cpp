#include "RptFixture.h"
#include "data/Exceptions.h"
#include "reportengine/ReportEngine.h"
#include "reportengine/ReportXml.h"
#include <QFile>
#include <QtTest>

using namespace RptFixture;

namespace {
const QDateTime Now(QDate(2012, 11, 21), QTime(9, 30));

// A list of assets the way users build one: title, column titles, rows, page numbers, sums.
TRptReport assetList()
{
    TRptReport r;
    r.Bands = {
        Band(TRptBandKind::ReportTitle, 12, {Text(QStringLiteral("[u_Company]资产清单"), 0, 0, 190, 10)}),
        Band(TRptBandKind::PageHeader, 6, {Text(QStringLiteral("打印日期:[Date]"), 0, 0, 90)}),
        Band(TRptBandKind::DataHeader, 7,
             {Text(QStringLiteral("序号"), 0, 0, 15), Text(QStringLiteral("编号"), 15, 0, 30),
              Text(QStringLiteral("名称"), 45, 0, 60), Text(QStringLiteral("原值"), 105, 0, 40)}),
        Band(TRptBandKind::MasterData, 6,
             {Text(QStringLiteral("[Row#]"), 0, 0, 15), Text(QStringLiteral("[d.Code]"), 15, 0, 30),
              Text(QStringLiteral("[d.Name]"), 45, 0, 60), Text(QStringLiteral("[d.OriginValue]"), 105, 0, 40)},
             QStringLiteral("d")),
        Band(TRptBandKind::Summary, 8, {Text(QStringLiteral("合计 [Sum(d.OriginValue)]"), 0, 0, 145)}),
        Band(TRptBandKind::PageFooter, 10,
             {Text(QStringLiteral("本页小计 [Sum(d.OriginValue)] 累计 [Sum(d.OriginValue, report)]"), 0, 0, 120),
              Text(QStringLiteral("第[Page]页 共[TotalPages]页"), 120, 0, 70)}),
    };
    r.Bands[3].Items[3].HAlign = 2;
    return r;
}

TRptDocument render(const TRptReport &r, TDataSet *d, const QList<QPair<QString, QString>> &variables = {})
{
    TRptSources sources;
    if (d)
        sources.AddDataSet(QStringLiteral("d"), d);
    for (const auto &v : variables)
        sources.AddVariable(v.first, v.second);
    return ReportEngine::Render(r, sources, Now);
}

double bottomOfBody(const TRptDocPage &page, double footerTop)
{
    double bottom = 0;
    for (const TRptShape &s : page.Shapes)
        if (s.Rect.top() < footerTop - 0.01)
            bottom = qMax(bottom, s.Rect.bottom());
    return bottom;
}
} // namespace

class TstReportEngine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void testPaginationRepeatsDataHeaderAndKeepsFooterFree()
    {
        auto d = Assets(100);
        const TRptDocument doc = render(assetList(), d.get(), {{QStringLiteral("u_Company"), QStringLiteral("卓科")}});
        QVERIFY(doc.PageCount() >= 3);
        const double footerTop = 297 - 10 - 10;
        int rows = 0;
        for (int p = 0; p < doc.PageCount(); ++p) {
            const TRptDocPage &page = doc.Pages[p];
            const QStringList texts = Texts(page);
            QVERIFY2(texts.contains(QStringLiteral("编号")), qPrintable(QStringLiteral("page %1 lacks the data header").arg(p + 1)));
            QCOMPARE(texts.contains(QStringLiteral("卓科资产清单")), p == 0);
            QVERIFY(texts.contains(QStringLiteral("第%1页 共%2页").arg(p + 1).arg(doc.PageCount())));
            QVERIFY(bottomOfBody(page, footerTop) <= footerTop + 0.01);
            for (const QString &t : texts)
                if (t.startsWith(QStringLiteral("ZK")))
                    QCOMPARE(t, QStringLiteral("ZK%1").arg(++rows, 4, 10, QLatin1Char('0')));
        }
        QCOMPARE(rows, 100);
        QVERIFY(Texts(doc.Pages.last()).contains(QStringLiteral("合计 507,525.00")));
    }

    void testPageSubtotalAndCarriedForward()
    {
        auto d = Assets(100);
        const TRptDocument doc = render(assetList(), d.get());
        Currency carried = 0;
        for (const TRptDocPage &page : doc.Pages) {
            Currency pageSum = 0;
            for (const QString &t : Texts(page))
                if (t.startsWith(QStringLiteral("ZK")))
                    pageSum += Currency(t.mid(2).toInt()) * 1005000;
            carried += pageSum;
            const QString expected = QStringLiteral("本页小计 %1 累计 %2").arg(Money::Format(pageSum), Money::Format(carried));
            QVERIFY2(Texts(page).contains(expected), qPrintable(expected));
        }
    }

    void testCanGrowPushesItemsBelowDown()
    {
        TRptItem memo = Text(QString(40, QChar(u'长')), 0, 0, 30, 6);
        memo.CanGrow = true;
        memo.Borders = SideAll;
        TRptItem beside = Text(QStringLiteral("旁"), 30, 0, 20, 6);
        beside.Borders = SideAll;
        TRptReport r;
        r.Bands = {Band(TRptBandKind::MasterData, 14, {memo, beside, Text(QStringLiteral("下"), 0, 8, 30)}, QStringLiteral("d")),
                   Band(TRptBandKind::Summary, 6, {Text(QStringLiteral("末"), 0, 0, 30)})};
        auto d = Assets(1);
        const TRptDocPage page = render(r, d.get()).Pages.first();
        const TRptShape *grown = &page.Shapes[0];
        QVERIFY(grown->Lines.size() > 2);
        const double growth = grown->Rect.height() - 6;
        QVERIFY(growth > 0);
        QCOMPARE(FindText(page, QStringLiteral("旁"))->Rect.height(), grown->Rect.height()); // a cell of the same row
        QVERIFY(qAbs(FindText(page, QStringLiteral("下"))->Rect.top() - (10 + 8 + growth)) < 0.01);
        QVERIFY(qAbs(FindText(page, QStringLiteral("末"))->Rect.top() - (10 + 14 + growth)) < 0.01);
    }

    void testGroupSumsAndReportSum()
    {
        auto d = Assets(6, {QStringLiteral("财务部"), QStringLiteral("技术部"), QStringLiteral("行政部")});
        TRptBand header = Band(TRptBandKind::GroupHeader, 6, {Text(QStringLiteral("部门:[d.Dept]"), 0, 0, 60)});
        header.Condition = QStringLiteral("[d.Dept]");
        TRptReport r;
        r.Bands = {header,
                   Band(TRptBandKind::MasterData, 6, {Text(QStringLiteral("[d.Code] [d.OriginValue]"), 0, 0, 80)}, QStringLiteral("d")),
                   Band(TRptBandKind::GroupFooter, 6,
                        {Text(QStringLiteral("[d.Dept]小计 [Sum(d.OriginValue)] [Count(d)]项 均[Avg(d.OriginValue)] 最大[Max(d.OriginValue)]"), 0, 0, 190)}),
                   Band(TRptBandKind::Summary, 6, {Text(QStringLiteral("总计 [Sum(d.OriginValue)] [Count(d)]项 最小[Min(d.OriginValue)]"), 0, 0, 190)})};
        const QStringList texts = Texts(render(r, d.get()).Pages.first());
        const QStringList expected{
            QStringLiteral("部门:财务部"), QStringLiteral("ZK0001 100.50"), QStringLiteral("ZK0002 201.00"),
            QStringLiteral("财务部小计 301.50 2项 均150.75 最大201.00"),
            QStringLiteral("部门:技术部"), QStringLiteral("ZK0003 301.50"), QStringLiteral("ZK0004 402.00"),
            QStringLiteral("技术部小计 703.50 2项 均351.75 最大402.00"),
            QStringLiteral("部门:行政部"), QStringLiteral("ZK0005 502.50"), QStringLiteral("ZK0006 603.00"),
            QStringLiteral("行政部小计 1,105.50 2项 均552.75 最大603.00"),
            QStringLiteral("总计 2,110.50 6项 最小100.50")};
        QCOMPARE(texts, expected);
    }

    void testExpressions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unknown field of u prints its name") << QStringLiteral("[u.NoSuchVar]") << QString() << QStringLiteral("NoSuchVar");
        QTest::newRow("u field") << QStringLiteral("[u.u_Company]") << QString() << QStringLiteral("卓科");
        QTest::newRow("empty variable is a blank") << QStringLiteral("<[u_Empty]>") << QString() << QStringLiteral("< >");
        QTest::newRow("money default") << QStringLiteral("[d.OriginValue]") << QString() << QStringLiteral("100.50");
        QTest::newRow("money format") << QStringLiteral("[d.OriginValue]") << QStringLiteral("0.0") << QStringLiteral("100.5");
        QTest::newRow("date format") << QStringLiteral("[d.AccountDate]") << QStringLiteral("yyyy年mm月dd日") << QStringLiteral("2012年01月02日");
        QTest::newRow("money arithmetic stays exact") << QStringLiteral("[d.OriginValue - d.OriginValue * 0.05]") << QStringLiteral(",0.00") << QStringLiteral("95.48");
        QTest::newRow("iif") << QStringLiteral("[IIF(d.OriginValue > 100, '高', '低')]") << QString() << QStringLiteral("高");
        QTest::newRow("concatenation") << QStringLiteral("[d.Code & '-' & d.Name]") << QString() << QStringLiteral("ZK0001-资产1");
        QTest::newRow("date builtin") << QStringLiteral("[Date]") << QString() << QStringLiteral("2012-11-21");
        QTest::newRow("bad syntax shown as written") << QStringLiteral("[d.Code +]") << QString() << QStringLiteral("[d.Code +]");
        QTest::newRow("unknown data field is empty") << QStringLiteral("a[d.Nope]b") << QString() << QStringLiteral("ab");
    }
    void testExpressions()
    {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        TRptItem item = Text(text, 0, 0, 150);
        item.Format = format;
        TRptReport r;
        r.Bands = {Band(TRptBandKind::MasterData, 6, {item}, QStringLiteral("d"))};
        auto d = Assets(1);
        const TRptDocument doc = render(r, d.get(), {{QStringLiteral("u_Company"), QStringLiteral("卓科")}, {QStringLiteral("u_Empty"), QStringLiteral(" ")}});
        QCOMPARE(Texts(doc.Pages.first()), QStringList{expected});
    }

    void testEmptyTemplateIsOneEmptyPage()
    {
        const TRptReport r = ReportXml::Load(QByteArray());
        QVERIFY(r.IsEmpty());
        const TRptDocument doc = render(r, nullptr);
        QCOMPARE(doc.PageCount(), 1);
        QVERIFY(doc.Pages.first().Shapes.isEmpty());
        QCOMPARE(doc.Pages.first().Width, 210.0);
    }

    void testNoRowsPrintsNoDataBands()
    {
        auto d = Assets(0);
        const TRptDocument doc = render(assetList(), d.get());
        QCOMPARE(doc.PageCount(), 1);
        QVERIFY(!Texts(doc.Pages.first()).contains(QStringLiteral("编号")));
        QVERIFY(Texts(doc.Pages.first()).contains(QStringLiteral("合计 0.00")));
    }

    void testSavedTemplateRendersTheSameDocument()
    {
        TRptReport r = assetList();
        r.Page.Landscape = true;
        r.Bands[0].Items[0].FontSize = 16;
        r.Bands[0].Items[0].Bold = true;
        r.Bands[0].Items[0].Background = QColor(QStringLiteral("#eeeeee"));
        const TRptReport loaded = ReportXml::Load(ReportXml::Save(r));
        QVERIFY(loaded == r);
        auto d = Assets(40);
        const QString dump = render(loaded, d.get()).Dump();
        QCOMPARE(dump, render(r, d.get()).Dump());

        const QString golden = QStringLiteral(ZK_TEST_DATA "/asset_list_landscape.txt");
        if (qEnvironmentVariableIsSet("ZK_UPDATE_GOLDEN")) {
            QFile out(golden);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(dump.toUtf8());
        }
        QFile in(golden);
        QVERIFY2(in.open(QIODevice::ReadOnly), "golden file missing: run with ZK_UPDATE_GOLDEN=1 once");
        QCOMPARE(dump, QString::fromUtf8(in.readAll()));
    }

    void testBrokenTemplateIsRefused()
    {
        QVERIFY_THROWS_EXCEPTION(EZoError, ReportXml::Load("<zoreport><band kind='Nonsense'/></zoreport>"));
        QVERIFY_THROWS_EXCEPTION(EZoError, ReportXml::Load("not xml at all"));
    }

    void testLabelSheetFillsColumns()
    {
        TRptReport r;
        r.Page.Columns = 3;
        r.Page.LeftMargin = r.Page.RightMargin = r.Page.TopMargin = r.Page.BottomMargin = 0;
        r.Bands = {Band(TRptBandKind::MasterData, 37, {Text(QStringLiteral("[d.Code]"), 2, 2, 60)}, QStringLiteral("d"))};
        auto d = Assets(25);
        const TRptDocument doc = render(r, d.get());
        QCOMPARE(doc.PageCount(), 2); // 8 rows of 3 labels on a page
        QCOMPARE(FindText(doc.Pages[0], QStringLiteral("ZK0002"))->Rect.topLeft(), QPointF(72, 2));
        QCOMPARE(FindText(doc.Pages[0], QStringLiteral("ZK0004"))->Rect.topLeft(), QPointF(2, 39));
        QCOMPARE(FindText(doc.Pages[1], QStringLiteral("ZK0025"))->Rect.topLeft(), QPointF(2, 2));
    }
};

QTEST_MAIN(TstReportEngine)
#include "tst_reportengine.moc"
