#include "LedgerFixture.h"
#include "ZkTest.h"
#include "ledger/DepreciationTable.h"
#include "ledger/Method.h"

using namespace ZkTest;
using namespace LedgerFixture;

class TestDepreciation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void calculate_data();
    void calculate();
    void roundingTiesToEven();
    void monthsInUseAndEndDate();
    void monthlyTable_data() { AddBackendRows(); }
    void monthlyTable();
    void yearlyTable_data() { AddBackendRows(); }
    void yearlyTable();
    void failuresReportedOnce_data() { AddBackendRows(); }
    void failuresReportedOnce();
    void methodSet();
};

void TestDepreciation::calculate_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("years");
    QTest::addColumn<double>("origin");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<double>("monthly");
    QTest::addColumn<double>("total");

    const QDate sl(2005, 3, 15), jan(2020, 1, 10);
    QTest::newRow("line start month") << 1 << sl << 5 << 10000.0 << 400.0 << 2005 << 3 << 0.0 << 0.0;
    QTest::newRow("line before start") << 1 << sl << 5 << 10000.0 << 400.0 << 2004 << 12 << 0.0 << 0.0;
    QTest::newRow("line first month") << 1 << sl << 5 << 10000.0 << 400.0 << 2005 << 4 << 160.0 << 160.0;
    QTest::newRow("line last month n=60") << 1 << sl << 5 << 10000.0 << 400.0 << 2010 << 3 << 160.0 << 9600.0;
    QTest::newRow("line life over") << 1 << sl << 5 << 10000.0 << 400.0 << 2010 << 4 << 0.0 << 9600.0;
    QTest::newRow("line monthly rounding shows in last month") << 1 << jan << 30 << 10.0 << 0.0 << 2050 << 1 << 0.03 << 10.01;
    QTest::newRow("line far later") << 1 << sl << 5 << 10000.0 << 400.0 << 2040 << 6 << 0.0 << 9600.0;
    QTest::newRow("syd n=1") << 2 << jan << 5 << 15000.0 << 0.0 << 2020 << 2 << 416.67 << 416.67;
    QTest::newRow("syd n=12") << 2 << jan << 5 << 15000.0 << 0.0 << 2021 << 1 << 416.67 << 5000.0;
    QTest::newRow("syd n=13") << 2 << jan << 5 << 15000.0 << 0.0 << 2021 << 2 << 333.33 << 5333.33;
    QTest::newRow("syd last month n=60") << 2 << jan << 5 << 15500.0 << 500.0 << 2025 << 1 << 83.33 << 15000.0;
    QTest::newRow("syd life over n=61") << 2 << jan << 5 << 15500.0 << 500.0 << 2025 << 2 << 0.0 << 15000.0;
    QTest::newRow("ddb n=1") << 3 << jan << 5 << 10000.0 << 1000.0 << 2020 << 2 << 333.33 << 333.33;
    QTest::newRow("ddb n=36 end of year 3") << 3 << jan << 5 << 10000.0 << 1000.0 << 2023 << 1 << 120.0 << 7840.0;
    QTest::newRow("ddb n=37 last two years") << 3 << jan << 5 << 10000.0 << 1000.0 << 2023 << 2 << 48.33 << 7888.33;
    QTest::newRow("ddb last month n=60") << 3 << jan << 5 << 10000.0 << 1000.0 << 2025 << 1 << 48.33 << 9000.0;
    QTest::newRow("ddb life over n=61") << 3 << jan << 5 << 10000.0 << 1000.0 << 2025 << 2 << 0.0 << 9000.0;
    QTest::newRow("ddb one year n=12") << 3 << jan << 1 << 1200.0 << 0.0 << 2021 << 1 << 50.0 << 600.0;
    QTest::newRow("ddb one year n=13") << 3 << jan << 1 << 1200.0 << 0.0 << 2021 << 2 << 0.0 << 1200.0;
    QTest::newRow("ddb two years n=24") << 3 << jan << 2 << 2400.0 << 0.0 << 2022 << 1 << 100.0 << 2400.0;
    QTest::newRow("no life, month 1") << 1 << jan << 0 << 5000.0 << 200.0 << 2020 << 2 << 0.0 << 4800.0;
    QTest::newRow("no life, start month") << 2 << jan << 0 << 5000.0 << 200.0 << 2020 << 1 << 0.0 << 0.0;
    QTest::newRow("method 4") << 4 << jan << 5 << 5000.0 << 0.0 << 2022 << 6 << 0.0 << 0.0;
    QTest::newRow("unknown method 9") << 9 << jan << 5 << 5000.0 << 0.0 << 2022 << 6 << 0.0 << 0.0;
    QTest::newRow("not depreciated 0") << 0 << jan << 5 << 5000.0 << 0.0 << 2022 << 6 << 0.0 << 0.0;
    QTest::newRow("empty date counts from 1899-12") << 1 << QDate() << 200 << 2400.0 << 0.0 << 1900 << 1 << 1.0 << 1.0;
}

void TestDepreciation::calculate()
{
    QFETCH(int, method);
    QFETCH(QDate, start);
    QFETCH(int, years);
    QFETCH(double, origin);
    QFETCH(double, end);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(double, monthly);
    QFETCH(double, total);
    RDepreciationInput in;
    in.AccountDate = start.isValid() ? QDateTime(start, QTime(0, 0)) : QDateTime();
    in.UseYears = years;
    in.OriginValue = Yuan(origin);
    in.EndValue = Yuan(end);
    in.MethodId = method;
    const RDepreciationAmounts a = Depreciation::Calculate(in, year, month);
    QCOMPARE(Money::FormatPlain(a.Month), Money::FormatPlain(Yuan(monthly)));
    QCOMPARE(Money::FormatPlain(a.Total), Money::FormatPlain(Yuan(total)));
    QCOMPARE(a.Month % 100, 0); // whole cents
    QCOMPARE(a.Total % 100, 0);
}

void TestDepreciation::roundingTiesToEven()
{
    const QList<std::pair<Currency, Currency>> cases = {
        {1250, 1200}, {1350, 1400}, {1251, 1300}, {-1250, -1200}, {-1350, -1400}, {-1251, -1300}, {49, 0}, {50, 0}, {150, 200}};
    for (const auto &[in, out] : cases)
        QCOMPARE(Money::RoundToCentsEven(in), out);
}

void TestDepreciation::monthsInUseAndEndDate()
{
    const QDateTime start(QDate(2005, 3, 15), QTime(9, 30));
    QCOMPARE(Depreciation::MonthsInUse(start, 2005, 1), -2);
    QCOMPARE(Depreciation::MonthsInUse(start, 2006, 3), 12);
    QCOMPARE(Depreciation::MonthsInUse(start, 2004, 12), 0);
    QCOMPARE(Depreciation::MonthsInUse(QDateTime(), 1900, 1), 1);
    QCOMPARE(Depreciation::EndDate(QDateTime(QDate(2004, 2, 29), QTime(8, 0)), 1), QDateTime(QDate(2005, 2, 28), QTime(8, 0)));
    QCOMPARE(Depreciation::EndDate(start, 5), QDateTime(QDate(2010, 3, 15), QTime(9, 30)));
    QVERIFY(!Depreciation::EndDate(QDateTime(), 5).isValid());
}

void TestDepreciation::monthlyTable()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    Node(QStringLiteral("catalog"), 1, QStringLiteral("01"), QStringLiteral("设备"));
    Node(QStringLiteral("catalog"), 2, QStringLiteral("0102"), QStringLiteral("电脑"));
    Node(QStringLiteral("catalog"), 3, QStringLiteral("02"), QStringLiteral("房屋"));
    Node(QStringLiteral("department"), 1, QStringLiteral("05"), QStringLiteral("财务部"));
    RAsset line = Asset(QStringLiteral("A1"), 1, QDate(2005, 3, 15), 5, 10000, 400);
    line.CataId = 2;
    line.UseDeptId = 1;
    line.EndValueRate = 4;
    line.AddKind = QStringLiteral("购入");
    const int lineId = Save(line);
    RAsset disposed = Asset(QStringLiteral("A2"), 1, QDate(2005, 3, 15), 5, 10000, 400);
    disposed.Id = Save(disposed);
    disposed.ReduceDate = QDateTime(QDate(2030, 1, 1), QTime(0, 0)); // disposal later than the month still excludes it
    QVERIFY(TAssetsSet::SaveReduce(std::as_const(disposed)));
    Save(Asset(QStringLiteral("A3"), 0, QDate(2005, 3, 15), 5, 10000, 400));
    RAsset other = Asset(QStringLiteral("A4"), 4, QDate(2005, 3, 15), 5, 8000, 0);
    other.CataId = 3;
    const int otherId = Save(other);
    const int laterId = Save(Asset(QStringLiteral("A5"), 2, QDate(2009, 1, 1), 5, 3000, 0));

    TDepreciation table;
    table.BuildTable(2006, 4, QString(), QString());
    TDataSet *ds = table.DataSet();
    QCOMPARE(ds->RecordCount(), 3);
    QCOMPARE(ds->RecNo(), 0);
    QCOMPARE(table.AssetIdFld->AsInteger(), lineId);
    QCOMPARE(ds->FieldByName(QStringLiteral("AssetKind"))->AsString(), QStringLiteral("电脑"));
    QCOMPARE(ds->FieldByName(QStringLiteral("AssetUsedept"))->AsString(), QStringLiteral("财务部"));
    QCOMPARE(ds->FieldByName(QStringLiteral("DepreMethod"))->AsString(), QStringLiteral("直线法"));
    QCOMPARE(ds->FieldByName(QStringLiteral("EndValueRate"))->AsFloat(), 4.0);
    QCOMPARE(ds->FieldByName(QStringLiteral("AddKind"))->AsString(), QStringLiteral("购入"));
    QCOMPARE(table.DepreciatedFld->AsCurrency(), Yuan(160));
    QCOMPARE(table.TotalDepreciationFld->AsCurrency(), Yuan(13 * 160));
    QCOMPARE(table.NetValueFld->AsCurrency(), Yuan(10000 - 13 * 160));
    QVERIFY(table.AdditionalFld->IsNull());
    QCOMPARE(table.DepreciatedFld->DisplayLabel(), QStringLiteral("本月折旧"));
    ds->Next();
    QCOMPARE(table.AssetIdFld->AsInteger(), otherId); // method 4 is listed with zero amounts
    QCOMPARE(table.TotalDepreciationFld->AsCurrency(), 0);
    QCOMPARE(table.NetValueFld->AsCurrency(), Yuan(8000));
    ds->Next();
    QCOMPARE(table.AssetIdFld->AsInteger(), laterId); // starts after the month: zeros
    QCOMPARE(table.DepreciatedFld->AsCurrency(), 0);
    QCOMPARE(table.NetValueFld->AsCurrency(), Yuan(3000));

    table.BuildTable(2006, 4, QStringLiteral("01"), QString());
    QCOMPARE(ds->RecordCount(), 1);
    table.BuildTable(2006, 4, QString(), QStringLiteral("05"));
    QCOMPARE(ds->RecordCount(), 1);
    table.BuildTable(2006, 4, QStringLiteral("02"), QStringLiteral("05"));
    QCOMPARE(ds->RecordCount(), 0);
    QVERIFY(ledger.Prompter().Messages.isEmpty());
}

void TestDepreciation::yearlyTable()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    Save(Asset(QStringLiteral("Y1"), 1, QDate(2005, 3, 15), 5, 10000, 400));
    TDepreciationByYear table;
    QCOMPARE(table.DepreFld(1)->DisplayLabel(), QStringLiteral("折旧|1月"));
    QCOMPARE(table.DepreYearFld->DisplayLabel(), QStringLiteral("折旧|年度累计"));

    table.BuildTable(2005, QString(), QString()); // the start year: zeros up to March
    QCOMPARE(table.DataSet()->RecordCount(), 1);
    for (int m = 1; m <= 12; ++m)
        QCOMPARE(table.DepreFld(m)->AsCurrency(), m <= 3 ? 0 : Yuan(160));
    QCOMPARE(table.DepreYearFld->AsCurrency(), Yuan(9 * 160));

    table.BuildTable(2010, QString(), QString()); // the life ends in March
    for (int m = 1; m <= 12; ++m)
        QCOMPARE(table.DepreFld(m)->AsCurrency(), m <= 3 ? Yuan(160) : 0);
    QCOMPARE(table.DepreYearFld->AsCurrency(), Yuan(3 * 160));
}

void TestDepreciation::failuresReportedOnce()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    // Values whose difference leaves the range of a currency amount.
    const int bad1 = Save(Asset(QStringLiteral("BAD1"), 2, QDate(2020, 1, 1), 5, 900000000000000.0, -900000000000000.0));
    const int good = Save(Asset(QStringLiteral("OK"), 1, QDate(2020, 1, 1), 5, 6000, 0));
    const int bad2 = Save(Asset(QStringLiteral("BAD2"), 1, QDate(2020, 1, 1), 0, 900000000000000.0, -900000000000000.0));
    TDepreciationByYear table;
    table.BuildTable(2021, QString(), QString());
    QCOMPARE(table.DataSet()->RecordCount(), 3);
    QCOMPARE(table.Failures().size(), 2);
    QCOMPARE(table.Failures()[0].AssetId, bad1);
    QCOMPARE(table.Failures()[1].AssetId, bad2);
    QCOMPARE(ledger.Prompter().Messages.size(), 1);
    const QString text = ledger.Prompter().LastText();
    QVERIFY2(text.contains(QStringLiteral("BAD1")) && text.contains(QStringLiteral("BAD2")) && text.contains(QStringLiteral("溢出")), qPrintable(text));
    table.DataSet()->SetRecNo(1);
    QCOMPARE(table.DataSet()->FieldByName(QStringLiteral("AssetId"))->AsInteger(), good);
    QCOMPARE(table.DepreYearFld->AsCurrency(), Yuan(1200));
    table.DataSet()->SetRecNo(0); // January is still in the first year of life; the overflow starts in February
    QVERIFY(table.DepreFld(1)->AsCurrency() > 0);
    QCOMPARE(table.DepreFld(2)->AsCurrency(), 0);
}

void TestDepreciation::methodSet()
{
    TLedger ledger;
    TMethodSet methods;
    QCOMPARE(methods.DataSet()->RecordCount(), 4);
    QVERIFY(!methods.IdFld->Visible());
    QCOMPARE(methods.NameFld->DisplayLabel(), QStringLiteral("折旧法"));
    methods.DataSet()->SetRecNo(2);
    RMethod m;
    methods.ReadCurrent(m);
    QCOMPARE(m.Id, 3);
    QCOMPARE(m.Name, QStringLiteral("双倍余额递减法"));
}

QTEST_GUILESS_MAIN(TestDepreciation)
#include "tst_depreciation.moc"
