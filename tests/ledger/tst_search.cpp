#include "LedgerFixture.h"
#include "ZkTest.h"
#include "app/CustomLabels.h"
#include "data/SqlDialect.h"
#include "ledger/AssetWhere.h"

using namespace ZkTest;
using namespace LedgerFixture;

class TestSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void conditions_data() { AddBackendRows(); }
    void conditions();
    void fragmentOrderAndBinding();
    void expiryMonthOutOfRangeIsRefused();
    void describe_data();
    void describe();
};

static const QStringList keywordColumns = {
    QStringLiteral("Code"), QStringLiteral("BarCode"), QStringLiteral("Name"), QStringLiteral("PartNo"), QStringLiteral("GBCode"),
    QStringLiteral("Config"), QStringLiteral("Factory"), QStringLiteral("AssetNote"), QStringLiteral("Str1"), QStringLiteral("Str2"),
    QStringLiteral("Str3"), QStringLiteral("Str4"), QStringLiteral("Str5"), QStringLiteral("Str6")};

static RAsset plain(const QString &code) { return Asset(code, 1, QDate(2020, 1, 1), 5, 1000, 0); }

// Fourteen assets that each hold 电脑 in one keyword column only, and one asset per other condition.
static QMap<QString, int> buildFixture()
{
    QMap<QString, int> ids;
    auto save = [&](const RAsset &a) { ids.insert(a.Code, Save(a)); };
    for (int i = 0; i < keywordColumns.size(); ++i) {
        RAsset a = plain(QStringLiteral("K%1").arg(i + 1));
        QString *column[] = {&a.Code, &a.BarCode, &a.Name, &a.PartNo, &a.GBCode, &a.Config, &a.Factory,
                             &a.AssetNote, &a.Str1, &a.Str2, &a.Str3, &a.Str4, &a.Str5, &a.Str6};
        *column[i] = i == 0 ? QStringLiteral("K1旧电脑") : QStringLiteral("旧电脑%1").arg(i + 1);
        save(a);
    }
    for (int i = 1; i <= 5; ++i) {
        static const QStringList codes = {QStringLiteral("01"), QStringLiteral("0100"), QStringLiteral("010203"), QStringLiteral("02"), QStringLiteral("0201")};
        Node(QStringLiteral("catalog"), i, codes[i - 1], QStringLiteral("类%1").arg(i));
        Node(QStringLiteral("department"), i, codes[i - 1], QStringLiteral("部门%1").arg(i));
        RAsset a = plain(QStringLiteral("C%1").arg(i));
        a.CataId = a.UseDeptId = i;
        save(a);
    }
    RAsset q1 = plain(QStringLiteral("Q1"));
    q1.Name = QStringLiteral("O'Neil 50%");
    q1.Depositary = QStringLiteral("O'Neil");
    save(q1);
    RAsset q2 = plain(QStringLiteral("Q2"));
    q2.Name = QStringLiteral("O'Neil 50元");
    save(q2);
    RAsset u1 = plain(QStringLiteral("U1"));
    u1.Name = QStringLiteral("a_b\\c");
    save(u1);
    RAsset u2 = plain(QStringLiteral("U2"));
    u2.Name = QStringLiteral("axb\\c");
    save(u2);
    RAsset d0 = plain(QStringLiteral("D0"));
    d0.MethodId = 0;
    save(d0);
    RAsset r1 = plain(QStringLiteral("R1"));
    save(r1);
    r1.Id = ids[QStringLiteral("R1")];
    r1.ReduceDate = QDateTime(QDate(2023, 5, 1), QTime(0, 0));
    TAssetsSet::SaveReduce(std::as_const(r1));
    save(Asset(QStringLiteral("E1"), 1, QDate(2010, 1, 15), 5, 1000, 0));
    RAsset v1 = Asset(QStringLiteral("V1"), 2, QDate(2020, 1, 1), 10, 5000.5, 300);
    v1.Float1 = 2.5;
    v1.Date1 = QDateTime(QDate(2021, 6, 30), QTime(0, 0));
    save(v1);
    RAsset a1 = plain(QStringLiteral("A1"));
    a1.AddKind = QStringLiteral("捐赠");
    a1.LayPlace = QStringLiteral("机房");
    a1.UseState = QStringLiteral("暂时闲置");
    save(a1);
    save(plain(QStringLiteral("H1")));
    save(plain(QStringLiteral("H2")));
    AppDatabase().Execute(QStringLiteral("insert into modification(Id, AssetId) values(1, :Id)"), {DBParam(QStringLiteral("Id"), ids[QStringLiteral("H1")])});
    AppDatabase().Execute(QStringLiteral("insert into repair(Id, AssetId) values(1, :Id)"), {DBParam(QStringLiteral("Id"), ids[QStringLiteral("H2")])});
    return ids;
}

void TestSearch::conditions()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    const QMap<QString, int> ids = buildFixture();
    const QStringList all = ids.keys();
    QStringList keywordHits;
    for (int i = 1; i <= keywordColumns.size(); ++i)
        keywordHits.append(QStringLiteral("K%1").arg(i));
    keywordHits[0] = QStringLiteral("K1旧电脑"); // its code is the column that holds the keyword
    QStringList heldDepreciating = all;
    heldDepreciating.removeAll(QStringLiteral("D0"));
    heldDepreciating.removeAll(QStringLiteral("R1"));

    struct Case {
        const char *name;
        std::function<void(RAssetWhere &)> set;
        QStringList expected;
    };
    const QList<Case> cases = {
        {"no conditions", [](RAssetWhere &) {}, all},
        {"keyword in each of 14 columns", [](RAssetWhere &w) { w.Keyword = QStringLiteral("电脑"); }, keywordHits},
        {"keyword with a quote", [](RAssetWhere &w) { w.Keyword = QStringLiteral("O'Neil"); }, {QStringLiteral("Q1"), QStringLiteral("Q2")}},
        {"percent literally", [](RAssetWhere &w) { w.Keyword = QStringLiteral("50%"); }, {QStringLiteral("Q1")}},
        {"underscore literally", [](RAssetWhere &w) { w.Name = QStringLiteral("a_b"); }, {QStringLiteral("U1")}},
        {"backslash literally", [](RAssetWhere &w) { w.Keyword = QStringLiteral("_b\\c"); }, {QStringLiteral("U1")}},
        {"crafted value stays a value", [](RAssetWhere &w) { w.Keyword = QStringLiteral("x' or '1'='1"); }, {}},
        {"id", [&](RAssetWhere &w) { w.Id = ids[QStringLiteral("V1")]; }, {QStringLiteral("V1")}},
        {"not depreciating", [](RAssetWhere &w) { w.Depreciating = false; }, {QStringLiteral("D0")}},
        {"held and depreciating", [](RAssetWhere &w) { w.Reduced = false; w.Depreciating = true; }, heldDepreciating},
        {"disposed", [](RAssetWhere &w) { w.Reduced = true; }, {QStringLiteral("R1")}},
        {"equal texts", [](RAssetWhere &w) { w.AddKind = QStringLiteral("捐赠"); w.LayPlace = QStringLiteral("机房"); }, {QStringLiteral("A1")}},
        {"equal text with a quote", [](RAssetWhere &w) { w.Depositary = QStringLiteral("O'Neil"); }, {QStringLiteral("Q1")}},
        {"use state contains", [](RAssetWhere &w) { w.UseState = QStringLiteral("闲置"); }, {QStringLiteral("A1")}},
        {"code contains", [](RAssetWhere &w) { w.Code = QStringLiteral("旧电脑"); }, {QStringLiteral("K1旧电脑")}},
        {"class prefix", [](RAssetWhere &w) { w.CataCode = QStringLiteral("01"); }, {QStringLiteral("C1"), QStringLiteral("C2"), QStringLiteral("C3")}},
        {"department prefix", [](RAssetWhere &w) { w.UseDeptCode = QStringLiteral("0100"); }, {QStringLiteral("C2")}},
        {"start date range", [](RAssetWhere &w) { w.AccountDateFrom = QDate(2010, 1, 15); w.AccountDateTo = QDate(2010, 12, 31); }, {QStringLiteral("E1")}},
        {"value bounds inclusive", [](RAssetWhere &w) { w.OriginValueFrom = 5000.5; w.OriginValueTo = 5000.5; }, {QStringLiteral("V1")}},
        {"residual and life", [](RAssetWhere &w) { w.EndValueFrom = 300; w.UseYearsFrom = 6; }, {QStringLiteral("V1")}},
        {"expiry before the month", [](RAssetWhere &w) { w.ExpiryYear = 2015; w.ExpiryMonth = 2; }, {QStringLiteral("E1")}},
        {"expiry not yet", [](RAssetWhere &w) { w.ExpiryYear = 2015; w.ExpiryMonth = 1; }, {}},
        {"expiry year alone adds nothing", [](RAssetWhere &w) { w.ExpiryYear = 2015; }, all},
        {"user text", [](RAssetWhere &w) { w.Str3 = QStringLiteral("电脑"); }, {QStringLiteral("K11")}},
        {"user number and date", [](RAssetWhere &w) { w.Float1From = 2; w.Float1To = 3; w.Date1To = QDate(2021, 6, 30); }, {QStringLiteral("V1")}},
        {"changed", [](RAssetWhere &w) { w.Changed = true; }, {QStringLiteral("H1")}},
        {"repaired", [](RAssetWhere &w) { w.Repaired = true; }, {QStringLiteral("H2")}},
        {"changed false adds nothing", [](RAssetWhere &w) { w.Changed = false; w.Repaired = false; }, all},
    };
    TAssetsSet list;
    for (const Case &c : cases) {
        RAssetWhere where;
        c.set(where);
        const int count = list.Search(where);
        QStringList found;
        for (int r = 0; r < count; ++r)
            found.append(list.DataSet()->ValueAt(r, list.CodeFld->Index()).toString());
        QStringList expected = c.expected;
        std::sort(found.begin(), found.end());
        std::sort(expected.begin(), expected.end());
        QVERIFY2(found == expected, qPrintable(QStringLiteral("%1: found %2").arg(QLatin1String(c.name), found.join(u' '))));
        if (count > 0) {
            QCOMPARE(list.DataSet()->RecNo(), 0);
            QVERIFY(list.DataSet()->ValueAt(0, list.IdFld->Index()).toInt() <= list.DataSet()->ValueAt(count - 1, list.IdFld->Index()).toInt());
        }
    }
    QVERIFY(ledger.Prompter().Messages.isEmpty());
}

void TestSearch::fragmentOrderAndBinding()
{
    TSqliteDialect dialect;
    QCOMPARE(BuildAssetQuery(RAssetWhere(), dialect).WhereClause, QString());
    RAssetWhere w;
    w.Reduced = false;
    w.Depreciating = true;
    w.CataCode = QStringLiteral("01");
    w.Keyword = QStringLiteral("x'y");
    const TAssetQuery q = BuildAssetQuery(w, dialect);
    // Depreciating comes before Reduced in the statement, although the description names Reduced first.
    QVERIFY2(q.WhereClause.startsWith(QStringLiteral(" where (a.Code like :w1")), qPrintable(q.WhereClause));
    QVERIFY(q.WhereClause.contains(QStringLiteral(") and MethodId>0 and ReduceDate is Null and c.Code like :w2 escape")));
    QVERIFY(!q.WhereClause.contains(QStringLiteral("x'y")));
    QCOMPARE(q.Params.size(), 2);
    QCOMPARE(q.Params[0].Value.toString(), QStringLiteral("%x'y%"));
    QCOMPARE(q.Params[1].Value.toString(), QStringLiteral("01%"));
    QCOMPARE(DescribeWhere(w), QStringLiteral("关键字包含x'y, 现有资产, 计提折旧, 资产分类是01"));
}

void TestSearch::expiryMonthOutOfRangeIsRefused()
{
    TLedger ledger;
    Save(plain(QStringLiteral("X")));
    TAssetsSet list;
    QCOMPARE(list.Search(RAssetWhere()), 1);
    for (int month : {0, 13}) {
        RAssetWhere w;
        w.ExpiryYear = 2020;
        w.ExpiryMonth = month;
        try {
            list.Search(w);
            QFAIL("a month outside 1..12 was accepted");
        } catch (const EConvertError &e) {
            QVERIFY(e.Message().contains(QStringLiteral("1到12")));
        }
        QCOMPARE(list.DataSet()->RecordCount(), 1); // no statement ran: the list is as it was
    }
    QVERIFY(ledger.Prompter().Messages.isEmpty());
}

Q_DECLARE_METATYPE(RAssetWhere)

void TestSearch::describe_data()
{
    QTest::addColumn<RAssetWhere>("where");
    QTest::addColumn<QString>("text");
    RAssetWhere w;
    QTest::newRow("empty") << w << QString();
    w.Keyword = QStringLiteral("电脑");
    w.Reduced = false;
    QTest::newRow("spec example") << w << QStringLiteral("关键字包含电脑, 现有资产");
    w = RAssetWhere();
    w.Id = 5;
    w.Depreciating = false;
    w.AddKind = QStringLiteral("购入");
    w.Depositary = QStringLiteral("张伟");
    w.UseDeptCode = QStringLiteral("0102");
    QTest::newRow("id, method, kinds") << w << QStringLiteral("Id是5, 不计提折旧, 增加方式为购入, 保管人员是张伟, 使用部门是0102");
    w = RAssetWhere();
    w.AccountDateFrom = QDate(2020, 1, 2);
    w.OriginValueTo = 1500.5;
    w.ExpiryYear = 2024;
    w.ExpiryMonth = 3;
    w.Str2 = QStringLiteral("甲");
    w.Float3From = 2;
    w.Date2To = QDate(2021, 12, 31);
    w.Changed = true;
    w.Repaired = true;
    QTest::newRow("ranges and custom labels") << w
        << QStringLiteral("启用日期>=2020-01-02, 原值<=1500.5, 折旧到期2024年, 折旧到期3月, 项目是甲, 数字型3>=2, 日期型2<=2021-12-31, 已变更过, 已维修过");
}

void TestSearch::describe()
{
    QFETCH(RAssetWhere, where);
    QFETCH(QString, text);
    CustomLabels::Reset();
    CustomLabels::SetLabel(1, QStringLiteral("项目"));
    QCOMPARE(DescribeWhere(where), text);
    RAssetWhere cleared = where;
    ClearWhere(cleared);
    QCOMPARE(DescribeWhere(cleared), QString());
    CustomLabels::Reset();
}

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
