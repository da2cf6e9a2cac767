#include "LedgerFixture.h"
#include "ZkTest.h"
#include "app/CustomLabels.h"
#include "ledger/AssetWhere.h"

using namespace ZkTest;
using namespace LedgerFixture;

class TestAssets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveAndFetch_data() { AddBackendRows(); }
    void saveAndFetch();
    void fetchDirections_data() { AddBackendRows(); }
    void fetchDirections();
    void purge_data() { AddBackendRows(); }
    void purge();
    void listOperations_data() { AddBackendRows(); }
    void listOperations();
    void stepping();
    void labelsBriefAndLists();
};

static RAsset fullAsset()
{
    RAsset a = Asset(QStringLiteral("FA-001"), 2, QDate(2012, 2, 29), 4, 12345.67, 617.28);
    a.BarCode = QStringLiteral("6901234567890");
    a.PartNo = QStringLiteral("X'1");
    a.GBCode = QStringLiteral("GB/T 1");
    a.Config = QStringLiteral("i7, 16G");
    a.Factory = QStringLiteral("联想");
    a.BuildDate = QStringLiteral("2011年");
    a.Qty = 0; // zero is a value, not NULL
    a.Price = 12.5;
    a.Unit = QStringLiteral("台");
    a.AddKind = QStringLiteral("购入");
    a.UseState = QStringLiteral("在用");
    a.LayPlace = QStringLiteral("机房");
    a.Depositary = QStringLiteral("张伟");
    a.EndValueRate = 5;
    a.AssetNote = QStringLiteral("备注");
    a.Str1 = QStringLiteral("s1");
    a.Str6 = QStringLiteral("s6");
    a.Float2 = 0.0;
    a.Date3 = QDateTime(QDate(2020, 5, 6), QTime(7, 8, 9));
    return a;
}

void TestAssets::saveAndFetch()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    Node(QStringLiteral("catalog"), 7, QStringLiteral("01"), QStringLiteral("电子设备"));
    Node(QStringLiteral("department"), 3, QStringLiteral("02"), QStringLiteral("财务部"));

    RAsset a = fullAsset();
    a.CataId = 7;
    a.UseDeptId = 3;
    QVERIFY(TAssetsSet::SaveAsset(a));
    QCOMPARE(a.Id, 1);

    RAsset fetched;
    fetched.Id = 1;
    QVERIFY(TAssetsSet::FetchAsset(fetched, 1));
    RAsset expected = a;
    expected.CataName = QStringLiteral("电子设备");
    expected.UseDeptName = QStringLiteral("财务部");
    expected.MethodName = QStringLiteral("年数总和法");
    QCOMPARE(fetched, expected);
    QVERIFY(fetched.Qty.has_value() && fetched.Float2.has_value());
    QVERIFY(!fetched.Float1 && !fetched.ReduceDate && !fetched.Date1);

    // Empty bar code, class 0 and department 0 are stored as NULL.
    RAsset bare;
    bare.Code = QStringLiteral("B");
    QVERIFY(TAssetsSet::SaveAsset(bare));
    QCOMPARE(bare.Id, 2);
    QVERIFY(TAssetsSet::SaveAsset(bare = RAsset())); // Id 0 again: a second row
    QCOMPARE(bare.Id, 3);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from assets where BarCode is null and CataId is null and UseDeptId is null")).toInt(), 2);
    QCOMPARE(Scalar(QStringLiteral("select MethodId from assets where Id=2")).toInt(), 0);

    // An update of an Id that no longer exists reports false and keeps the Id.
    RAsset gone = a;
    gone.Id = 99;
    QVERIFY(!TAssetsSet::SaveAsset(gone));
    QCOMPARE(gone.Id, 99);

    // Updating leaves the disposal columns alone; SaveReduce writes and clears them.
    a.ReduceDate = QDateTime(QDate(2024, 1, 2), QTime(0, 0));
    a.ReduceWay = QStringLiteral("报废");
    QVERIFY(TAssetsSet::SaveReduce(std::as_const(a)));
    a.Name = QStringLiteral("改名");
    a.ReduceDate.reset();
    QVERIFY(TAssetsSet::SaveAsset(a));
    QVERIFY(TAssetsSet::FetchAsset(fetched, 1));
    QCOMPARE(fetched.Name, QStringLiteral("改名"));
    QCOMPARE(fetched.ReduceDate, std::optional<QDateTime>(QDateTime(QDate(2024, 1, 2), QTime(0, 0))));
    QVERIFY(TAssetsSet::SaveReduce(std::as_const(a)));
    QVERIFY(TAssetsSet::FetchAsset(fetched, 1));
    QVERIFY(!fetched.ReduceDate);
}

void TestAssets::fetchDirections()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    RAsset probe;
    QVERIFY(!TAssetsSet::FetchAsset(probe, 3)); // empty table
    for (const QString &code : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
        Save(Asset(code, 1, QDate(2020, 1, 1), 5, 100, 0));
    AppDatabase().Execute(QStringLiteral("delete from assets where Id=2"));

    probe.Id = 1;
    QVERIFY(!TAssetsSet::FetchAsset(probe, 0)); // nothing below the smallest
    QCOMPARE(probe.Id, 1);
    QVERIFY(TAssetsSet::FetchAsset(probe, 2)); // skips the gap
    QCOMPARE(probe.Code, QStringLiteral("C"));
    QVERIFY(!TAssetsSet::FetchAsset(probe, 2)); // nothing above the largest
    QVERIFY(TAssetsSet::FetchAsset(probe, 0));
    QCOMPARE(probe.Id, 1);
    QVERIFY(TAssetsSet::FetchAsset(probe, 3));
    QCOMPARE(probe.Id, 3);
    probe.Id = 2;
    QVERIFY(!TAssetsSet::FetchAsset(probe, 1));
}

void TestAssets::purge()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    const int id = Save(Asset(QStringLiteral("P"), 1, QDate(2020, 1, 1), 5, 100, 0));
    const QStringList dependants = {QStringLiteral("modification"), QStringLiteral("accessories"), QStringLiteral("assetimages"),
                                    QStringLiteral("reduce"), QStringLiteral("repair"), QStringLiteral("depreciation")};
    for (const QString &table : dependants) {
        AppDatabase().Execute(QStringLiteral("insert into %1(Id, AssetId) values(1, %2)").arg(table).arg(id));
        AppDatabase().Execute(QStringLiteral("insert into %1(Id, AssetId) values(2, 77)").arg(table));
    }
    // No asset 77: nothing is deleted, its dependants stay.
    QVERIFY(!TAssetsSet::PurgeAsset(77));
    for (const QString &table : dependants)
        QCOMPARE(Scalar(QStringLiteral("select count(*) from %1").arg(table)).toInt(), 2);

    QVERIFY(TAssetsSet::PurgeAsset(id));
    QCOMPARE(Scalar(QStringLiteral("select count(*) from assets")).toInt(), 0);
    for (const QString &table : dependants)
        QCOMPARE(Scalar(QStringLiteral("select count(*) from %1 where AssetId=77").arg(table)).toInt(), 1);
    for (const QString &table : dependants)
        QCOMPARE(Scalar(QStringLiteral("select count(*) from %1").arg(table)).toInt(), 1);
    QVERIFY(ledger.Prompter().Messages.isEmpty());
}

void TestAssets::listOperations()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    Node(QStringLiteral("catalog"), 4, QStringLiteral("0301"), QStringLiteral("笔记本"));
    for (const QString &code : {QStringLiteral("L1"), QStringLiteral("L2"), QStringLiteral("L3")})
        Save(Asset(code, 1, QDate(2020, 1, 31), 5, 100, 0));
    TAssetsSet list;
    RAssetWhere all;
    QCOMPARE(list.Search(all), 3);
    QCOMPARE(list.EndDateCalcFld->AsDateTime(), QDateTime(QDate(2025, 1, 31), QTime(0, 0)));

    // Save appends a new asset and updates a listed one, codes of the joins included.
    RAsset added = Asset(QStringLiteral("L4"), 3, QDate(2021, 1, 1), 5, 100, 0);
    added.CataId = 4;
    added.CataName = QStringLiteral("笔记本");
    QVERIFY(list.Save(added));
    QCOMPARE(list.DataSet()->RecordCount(), 4);
    QCOMPARE(list.IdFld->AsInteger(), added.Id);
    QCOMPARE(list.CataCodeFld->AsString(), QStringLiteral("0301"));
    QCOMPARE(list.EndDateCalcFld->AsDateTime(), QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
    added.Name = QStringLiteral("新名称");
    QVERIFY(list.Save(added));
    QCOMPARE(list.DataSet()->RecordCount(), 4);
    QCOMPARE(list.AsData(), added);

    // Disposal goes to the database and the row.
    added.ReduceDate = QDateTime(QDate(2024, 6, 1), QTime(0, 0));
    QVERIFY(list.SaveReduce(added));
    QCOMPARE(list.ReduceDateFld->AsDateTime(), *added.ReduceDate);

    // Refresh overwrites the row from the database and leaves the caller's record.
    AppDatabase().Execute(QStringLiteral("update assets set Name='库中' where Id=:Id"), {DBParam(QStringLiteral("Id"), added.Id)});
    QVERIFY(list.Refresh(added));
    QCOMPARE(added.Name, QStringLiteral("新名称"));
    QCOMPARE(list.NameFld->AsString(), QStringLiteral("库中"));

    // SetQty writes the current row and the column.
    list.SetQty(7);
    QCOMPARE(list.QtyFld->AsInteger(), 7);
    QCOMPARE(Scalar(QStringLiteral("select Qty from assets where Id=%1").arg(added.Id)).toInt(), 7);

    QVERIFY(list.Delete(added));
    QCOMPARE(list.DataSet()->RecordCount(), 3);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from assets")).toInt(), 3);
    RAsset missing;
    missing.Id = 500;
    QVERIFY(!list.Delete(missing));
    QCOMPARE(list.DataSet()->RecordCount(), 3);
}

void TestAssets::stepping()
{
    TLedger ledger;
    TAssetsSet list;
    RAsset a;
    QVERIFY(!list.PriorOf(a)); // an empty list
    for (const QString &code : {QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3")})
        Save(Asset(code, 1, QDate(2020, 1, 1), 5, 100, 0));
    list.Search(RAssetWhere());
    list.DataSet()->SetRecNo(1);

    struct Step {
        int from;
        bool forward;
        QString expected;
    };
    const QList<Step> steps = {{1, false, QStringLiteral("S1")}, {1, true, QStringLiteral("S1")}, {2, true, QStringLiteral("S3")},
                               {3, true, QStringLiteral("S3")}, {2, false, QStringLiteral("S1")}, {42, true, QStringLiteral("S2")}};
    for (const Step &s : steps) {
        RAsset asset;
        asset.Id = s.from;
        QVERIFY(s.forward ? list.NextOf(asset) : list.PriorOf(asset));
        QCOMPARE(asset.Code, s.from == 1 && s.forward ? QStringLiteral("S2") : s.expected);
        QCOMPARE(list.DataSet()->RecNo(), 1); // the list keeps its position
    }
}

void TestAssets::labelsBriefAndLists()
{
    TLedger ledger;
    RAsset a = Asset(QStringLiteral("BR-1"), 1, QDate(2020, 3, 4), 5, 1234567.5, 0);
    a.Unit = QStringLiteral("台");
    a.Name = QStringLiteral("电脑");
    Save(a);
    a.Unit = QStringLiteral("台");
    Save(a);
    a.Name = QStringLiteral("打印机");
    a.Unit.clear();
    Save(a);
    QCOMPARE(TAssetsSet::NameList(), (QStringList{QStringLiteral("打印机"), QStringLiteral("电脑")}));
    QCOMPARE(TAssetsSet::UnitList(), QStringList{QStringLiteral("台")});

    TAssetsSet list;
    QCOMPARE(list.Str1Fld->DisplayLabel(), QStringLiteral("字符型1"));
    QVERIFY(!list.CataIdFld->Visible() && list.CataNameFld->Visible());
    QCOMPARE(list.OriginValueFld->DisplayFormat(), QStringLiteral(",0.00"));
    QSignalSpy changed(list.DataSet(), &TDataSet::fieldsChanged);
    CustomLabels::SetLabel(9, QStringLiteral("保修期"));
    list.ApplyLabels();
    QCOMPARE(list.Date1Fld->DisplayLabel(), QStringLiteral("保修期"));
    QCOMPARE(changed.count(), 1);

    QCOMPARE(list.AsBrief(), QString());
    list.Search(RAssetWhere());
    const QStringList lines = list.AsBrief().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 17); // sixteen lines, each ending in CR LF
    QCOMPARE(lines[0], QStringLiteral("  资产编码: BR-1"));
    QCOMPARE(lines[12], QStringLiteral("  启用日期: 2020-03-04"));
    QCOMPARE(lines[13], QStringLiteral("      原值: 1,234,567.50"));
}

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
