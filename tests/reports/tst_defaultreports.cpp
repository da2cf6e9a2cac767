#include "ZkTest.h"
#include "app/Company.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "ledger/DemoLedger.h"
#include "reportengine/ReportPainter.h"
#include "reports/Rep.h"
#include "reports/RepSet.h"
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {
const QString AssetColumns = QStringLiteral(
    "select a.*, c.Name as CataName, p.Name as UseDeptName, m.Name as MethodName from assets a "
    "left join catalog c on c.Id=a.CataId left join department p on p.Id=a.UseDeptId left join method m on m.Id=a.MethodId ");

// The data each group's window hands over, read straight from the demo ledger.
QList<QPair<QString, QString>> dataOfGroup(int group)
{
    using P = QPair<QString, QString>;
    const QString one = AssetColumns + QStringLiteral("where a.Id=(select min(Id) from assets)");
    const QString depreciation = QStringLiteral(
        "select a.Code as AssetCode, a.Name as AssetName, c.Name as AssetKind, p.Name as AssetUsedept, a.AccountDate, "
        "a.OriginValue, round(a.OriginValue/a.UseYears/12, 2) as Depreciated, round(a.OriginValue/a.UseYears, 2) as DepreYear, "
        "round(a.OriginValue/a.UseYears*2, 2) as TotalDepreciation, round(a.OriginValue - a.OriginValue/a.UseYears*2, 2) as NetValue "
        "from assets a left join catalog c on c.Id=a.CataId left join department p on p.Id=a.UseDeptId where a.UseYears > 0 order by a.Code");
    switch (group) {
    case 1: return {P(QStringLiteral("d"), AssetColumns + QStringLiteral("order by a.Code"))};
    case 2:
    case 10: return {P(QStringLiteral("d"), depreciation)};
    case 0: return {P(QStringLiteral("d"), QStringLiteral("select BarCode, Qty, Qty + (Id % 3) - 1 as Regulate, (Id % 3) - 1 as Discrepancy from assets order by Id"))};
    case 4:
    case 8: return {P(QStringLiteral("d0"), QStringLiteral("select * from repair order by SendDate"))};
    case 5: return {P(QStringLiteral("d0"), one), P(QStringLiteral("d1"), QStringLiteral("select * from accessories where AssetId=(select min(Id) from assets)")),
                    P(QStringLiteral("d2"), QStringLiteral("select * from assetimages where AssetId=(select min(Id) from assets)"))};
    case 6: return {P(QStringLiteral("d0"), one)};
    case 7: return {P(QStringLiteral("d0"), QStringLiteral(
        "select p.Name as ItemName, count(*) as Amount, sum(a.OriginValue) as OriginValue, sum(a.EndValue) as EndValue, "
        "sum(a.OriginValue)*0.8 as NetValue, round(sum(a.OriginValue)*100.0/(select sum(OriginValue) from assets), 2) as OriginValuePercent, "
        "round(sum(a.OriginValue)*100.0/(select sum(OriginValue) from assets), 2) as NetValuePercent "
        "from assets a join department p on p.Id=a.UseDeptId group by p.Name order by p.Name"))};
    case 9: return {P(QStringLiteral("d0"), QStringLiteral("select * from modification order by ModifyDate"))};
    }
    return {};
}
} // namespace

class TstDefaultReports : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void testEachGroupHasItsTemplate()
    {
        ZkTest::TLedger ledger;
        TRepSet set;
        set.OpenGroup(1);
        QCOMPARE(set.DataSet()->RecordCount(), 2);
        QCOMPARE(set.JoinValues(QStringLiteral("Title"), QStringLiteral(",")), QStringLiteral("资产标签,资产清单"));
        for (int group : {2, 4, 5, 6, 7, 8, 9, 10}) {
            set.OpenGroup(group);
            QVERIFY2(set.DataSet()->RecordCount() == 1, qPrintable(QString::number(group)));
        }
        QCOMPARE(ZkTest::Scalar(QStringLiteral("select Title from report where Id=5")).toString(), QStringLiteral("盘点表"));
        // Added templates continue after the shipped ones.
        QCOMPARE(TRep::AddReport(QStringLiteral("新"), 1), 12);
    }

    // Every shipped template renders over demo data; with ZK_SHOTS set the pages are kept as pictures.
    void testEveryTemplateRendersDemoData()
    {
        ZkTest::TLedger ledger;
        DemoLedger::Fill(60);
        AppDatabase().Execute(QStringLiteral("update Company set CompanyName='卓科机电设备有限公司'"));
        CurrentCompany().Load();
        const QString shots = qEnvironmentVariable("ZK_SHOTS");
        QSqlQuery q = AppDatabase().Select(QStringLiteral("select Id, GrpId, Title from report order by Id"));
        int rendered = 0;
        while (q.next()) {
            const int id = q.value(0).toInt(), group = q.value(1).toInt();
            TProjRep rep;
            rep.AddVariable(QStringLiteral("m_Year"), QStringLiteral("2012"));
            rep.AddVariable(QStringLiteral("m_Month"), QStringLiteral("11"));
            rep.AddVariable(QStringLiteral("m_AssetKind"), QStringLiteral("全部资产"));
            std::vector<std::unique_ptr<TRecordSet>> sets;
            for (const auto &source : dataOfGroup(group)) {
                sets.push_back(std::make_unique<TRecordSet>());
                sets.back()->Open(source.second);
                rep.AddDataSet(source.first, sets.back()->DataSet());
            }
            rep.Load(id);
            QVERIFY(!rep.Report().IsEmpty());
            const TRptDocument doc = rep.Prepare();
            QVERIFY(doc.PageCount() >= 1);
            QVERIFY2(doc.Pages[0].Shapes.size() > 5, qPrintable(q.value(2).toString()));
            if (!shots.isEmpty()) {
                QDir().mkpath(shots);
                ReportPainter::SaveImages(doc, shots + QStringLiteral("/template%1.png").arg(id, 2, 10, QLatin1Char('0')), 100);
            }
            ++rendered;
        }
        QCOMPARE(rendered, 11);
    }

    void testAssetListSumsTheLedger()
    {
        ZkTest::TLedger ledger;
        DemoLedger::Fill(120);
        TRecordSet d;
        d.Open(AssetColumns + QStringLiteral("order by a.Code"));
        TProjRep rep;
        rep.AddDataSet(QStringLiteral("d"), d.DataSet());
        rep.Load(1);
        const TRptDocument doc = rep.Prepare();
        QVERIFY(doc.PageCount() > 1);
        const double total = ZkTest::Scalar(QStringLiteral("select sum(OriginValue) from assets")).toDouble();
        bool found = false;
        for (const TRptShape &s : doc.Pages.last().Shapes)
            found = found || s.Lines.join(QString()) == FormatFloat(QStringLiteral(",0.00"), total);
        QVERIFY(found);
    }

    void testLabelsScan()
    {
        ZkTest::TLedger ledger;
        DemoLedger::Fill(10);
        TRecordSet d;
        d.Open(AssetColumns + QStringLiteral("order by a.Code"));
        TProjRep rep;
        rep.AddDataSet(QStringLiteral("d"), d.DataSet());
        rep.Load(2);
        QTemporaryDir dir;
        const QStringList files = ReportPainter::SaveImages(rep.Prepare(), dir.filePath(QStringLiteral("labels.png")), 300);
        QProcess zbar;
        zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), files.first()});
        QVERIFY(zbar.waitForFinished(60000));
        const QStringList scanned = QString::fromUtf8(zbar.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(scanned.size(), ZkTest::Scalar(QStringLiteral("select count(*) from assets where BarCode <> ''")).toInt());
        QVERIFY(scanned.contains(QStringLiteral("CODE-128:") + d.DataSet()->ValueAt(0, d.FieldByName(QStringLiteral("BarCode"))->Index()).toString()));
    }
};

QTEST_MAIN(TstDefaultReports)
#include "tst_defaultreports.moc"
