#include "LedgerFixture.h"
#include "ZkTest.h"
#include "ledger/Tree.h"

using namespace ZkTest;
using namespace LedgerFixture;

class TestTrees : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newChildCodes_data() { AddBackendRows(); }
    void newChildCodes();
    void childNumber99IsRefused_data() { AddBackendRows(); }
    void childNumber99IsRefused();
    void loadTree_data() { AddBackendRows(); }
    void loadTree();
    void deleteSubtreeDetachesAssets_data() { AddBackendRows(); }
    void deleteSubtreeDetachesAssets();
    void swapSiblingsKeepsAssetsInTheirClass_data() { AddBackendRows(); }
    void swapSiblingsKeepsAssetsInTheirClass();
    void departments_data() { AddBackendRows(); }
    void departments();
};

static RCatalog addClass(const QString &parent, const QString &name)
{
    RCatalog c;
    c.ParentCode = parent;
    c.Name = name;
    if (!TCatalogSet::NewChild(c))
        qFatal("NewChild failed under %s", qPrintable(parent));
    return c;
}

static QStringList catalogCodes()
{
    TRecordSet rs;
    rs.Open(QStringLiteral("select Code from catalog order by Code"));
    return rs.JoinValues(QStringLiteral("Code"), QStringLiteral(",")).split(u',', Qt::SkipEmptyParts);
}

void TestTrees::newChildCodes()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    const RCatalog first = addClass(QString(), QStringLiteral("设备"));
    QCOMPARE(first.Code, QStringLiteral("00"));
    QCOMPARE(first.Id, 1);
    QCOMPARE(addClass(QStringLiteral("00"), QStringLiteral("电脑")).Code, QStringLiteral("0000"));
    QCOMPARE(addClass(QString(), QStringLiteral("房屋")).Code, QStringLiteral("01"));
    Node(QStringLiteral("catalog"), 10, QStringLiteral("0100"), QStringLiteral("a"));
    Node(QStringLiteral("catalog"), 11, QStringLiteral("0107"), QStringLiteral("b"));
    Node(QStringLiteral("catalog"), 12, QStringLiteral("010799"), QStringLiteral("grandchild"));
    const RCatalog next = addClass(QStringLiteral("01"), QStringLiteral("c")); // gaps are not reused
    QCOMPARE(next.Code, QStringLiteral("0108"));
    QCOMPARE(next.Id, 13);
    // Wildcards in a parent code match themselves only.
    QCOMPARE(addClass(QStringLiteral("0_"), QStringLiteral("odd")).Code, QStringLiteral("0_00"));

    RCatalog edited = next;
    edited.Name = QStringLiteral("改名");
    edited.Description = QStringLiteral("说明'引号");
    QVERIFY(TCatalogSet::UpdateNode(edited));
    QCOMPARE(Scalar(QStringLiteral("select Description from catalog where Code='0108'")).toString(), QStringLiteral("说明'引号"));
    edited.Code = QStringLiteral("77");
    QVERIFY(!TCatalogSet::UpdateNode(edited));
}

void TestTrees::childNumber99IsRefused()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    Node(QStringLiteral("catalog"), 1, QStringLiteral("02"), QStringLiteral("p"));
    Node(QStringLiteral("catalog"), 2, QStringLiteral("0299"), QStringLiteral("last"));
    RCatalog c;
    c.ParentCode = QStringLiteral("02");
    c.Name = QStringLiteral("too many");
    QVERIFY(!TCatalogSet::NewChild(c));
    QCOMPARE(c.Id, 0);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from catalog")).toInt(), 2);
    QVERIFY(ledger.Prompter().LastText().contains(QStringLiteral("99")));

    RDepartment d;
    d.ParentCode = QStringLiteral("05");
    d.Name = QStringLiteral("x");
    Node(QStringLiteral("department"), 1, QStringLiteral("0599"), QStringLiteral("last"));
    QVERIFY(!TDepartmentSet::NewChild(d));
    QCOMPARE(Scalar(QStringLiteral("select count(*) from department")).toInt(), 1);
}

void TestTrees::loadTree()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    Node(QStringLiteral("catalog"), 1, QStringLiteral("01"), QStringLiteral("Office"));
    Node(QStringLiteral("catalog"), 2, QStringLiteral("0102"), QStringLiteral("Computers"));
    Node(QStringLiteral("catalog"), 3, QStringLiteral("010203"), QStringLiteral("Laptops"));
    Node(QStringLiteral("catalog"), 4, QStringLiteral("02"), QStringLiteral("Houses"));
    Node(QStringLiteral("catalog"), 5, QStringLiteral("020501"), QStringLiteral("Orphan")); // no node 0205
    TCatalogSet tree;
    tree.LoadTree();
    TDataSet *ds = tree.DataSet();
    QCOMPARE(ds->RecordCount(), 5);
    const QList<std::tuple<QString, int, QString>> expected = {
        {QStringLiteral("01"), 0, QStringLiteral("Office")},
        {QStringLiteral("0102"), 1, QStringLiteral("OfficeComputers")},
        {QStringLiteral("010203"), 2, QStringLiteral("OfficeComputersLaptops")},
        {QStringLiteral("02"), 0, QStringLiteral("Houses")},
        {QStringLiteral("020501"), 4, QStringLiteral("HousesOrphan")}};
    for (int r = 0; r < ds->RecordCount(); ++r) {
        ds->SetRecNo(r);
        const RCatalog c = tree.AsData();
        QCOMPARE(c.Code, std::get<0>(expected[r]));
        QCOMPARE(c.FatherIdx, std::get<1>(expected[r]));
        QCOMPARE(c.Path, std::get<2>(expected[r]));
        QCOMPARE(c.ParentCode, c.Code.left(c.Code.size() - 2));
    }
    ds->SetRecNo(2);
    QCOMPARE(tree.AsData().ParentPath, QStringLiteral("OfficeComputers"));
    QCOMPARE(tree.PathFld->DisplayLabel(), QStringLiteral("所有分类"));
    QVERIFY(!tree.IdFld->Visible());
}

void TestTrees::deleteSubtreeDetachesAssets()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    Node(QStringLiteral("catalog"), 1, QStringLiteral("01"), QStringLiteral("a"));
    Node(QStringLiteral("catalog"), 2, QStringLiteral("0100"), QStringLiteral("b"));
    Node(QStringLiteral("catalog"), 3, QStringLiteral("010203"), QStringLiteral("c"));
    Node(QStringLiteral("catalog"), 4, QStringLiteral("02"), QStringLiteral("d"));
    Node(QStringLiteral("catalog"), 5, QStringLiteral("0201"), QStringLiteral("e"));
    for (int cata = 1; cata <= 5; ++cata) {
        RAsset a = Asset(QStringLiteral("C%1").arg(cata), 1, QDate(2020, 1, 1), 5, 100, 0);
        a.CataId = cata;
        Save(a);
    }
    QVERIFY(!TCatalogSet::DeleteSubtree(QString())); // an empty code never means "everything"
    QVERIFY(!TCatalogSet::DeleteSubtree(QStringLiteral("09")));
    QVERIFY(TCatalogSet::DeleteSubtree(QStringLiteral("01")));
    QCOMPARE(catalogCodes(), (QStringList{QStringLiteral("02"), QStringLiteral("0201")}));
    QCOMPARE(Scalar(QStringLiteral("select count(*) from assets")).toInt(), 5);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from assets where CataId is null")).toInt(), 3);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from assets where CataId in (4, 5)")).toInt(), 2);
}

void TestTrees::swapSiblingsKeepsAssetsInTheirClass()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    Node(QStringLiteral("catalog"), 1, QStringLiteral("01"), QStringLiteral("p"));
    Node(QStringLiteral("catalog"), 2, QStringLiteral("0101"), QStringLiteral("first"));
    Node(QStringLiteral("catalog"), 3, QStringLiteral("010101"), QStringLiteral("first-child"));
    Node(QStringLiteral("catalog"), 4, QStringLiteral("0102"), QStringLiteral("second"));
    Node(QStringLiteral("catalog"), 5, QStringLiteral("010205"), QStringLiteral("second-child"));
    RAsset a = Asset(QStringLiteral("M"), 1, QDate(2020, 1, 1), 5, 100, 0);
    a.CataId = 5;
    Save(a);

    QVERIFY(TCatalogSet::SwapSiblings(QStringLiteral("0102"), QStringLiteral("0101")));
    QCOMPARE(Scalar(QStringLiteral("select c.Code from assets a join catalog c on a.CataId=c.Id")).toString(), QStringLiteral("010105"));
    QCOMPARE(Scalar(QStringLiteral("select Code from catalog where Id=4")).toString(), QStringLiteral("0101"));
    QCOMPARE(Scalar(QStringLiteral("select Code from catalog where Id=2")).toString(), QStringLiteral("0102"));
    QCOMPARE(Scalar(QStringLiteral("select Code from catalog where Id=3")).toString(), QStringLiteral("010201"));
    QCOMPARE(catalogCodes().size(), 5);

    // Codes that are not siblings are refused before anything changes.
    QVERIFY_THROWS_EXCEPTION(EZoError, TCatalogSet::SwapSiblings(QStringLiteral("0101"), QStringLiteral("02")));
    QVERIFY_THROWS_EXCEPTION(EZoError, TCatalogSet::SwapSiblings(QStringLiteral("0101"), QStringLiteral("0201")));
    QCOMPARE(Scalar(QStringLiteral("select count(*) from catalog where Code like 'aa%'")).toInt(), 0);
}

void TestTrees::departments()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    RDepartment top;
    top.Name = QStringLiteral("财务部");
    top.Manager = QStringLiteral("王芳");
    QVERIFY(TDepartmentSet::NewChild(top));
    RDepartment child;
    child.ParentCode = top.Code;
    child.Name = QStringLiteral("会计科");
    child.Tel = QStringLiteral("010-1");
    QVERIFY(TDepartmentSet::NewChild(child));
    QCOMPARE(child.Code, QStringLiteral("0000"));
    child.Note = QStringLiteral("备注");
    QVERIFY(TDepartmentSet::UpdateNode(child));

    TDepartmentSet tree;
    tree.LoadTree();
    tree.DataSet()->SetRecNo(1);
    const RDepartment read = tree.AsData();
    QCOMPARE(read.Path, QStringLiteral("财务部会计科"));
    QCOMPARE(read.ParentPath, QStringLiteral("财务部"));
    QCOMPARE(read.Tel, QStringLiteral("010-1"));
    QCOMPARE(read.Note, QStringLiteral("备注"));
    QCOMPARE(tree.PathFld->DisplayLabel(), QStringLiteral("全称"));

    RAsset a = Asset(QStringLiteral("D"), 1, QDate(2020, 1, 1), 5, 100, 0);
    a.UseDeptId = child.Id;
    Save(a);
    QVERIFY(TDepartmentSet::DeleteSubtree(top.Code));
    QCOMPARE(Scalar(QStringLiteral("select count(*) from department")).toInt(), 0);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from assets where UseDeptId is null")).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestTrees)
#include "tst_trees.moc"
