#include "LedgerUi.h"
#include "ZkTest.h"
#include "app/AppEvents.h"
#include "app/CustomLabels.h"
#include "app/KeyValue.h"
#include "app/Rights.h"
#include "data/RecordSet.h"
#include "data/RecordSetModel.h"
#include "ledger/Asset.h"
#include "ui/framework/KamoDBGrid.h"
#include "ui/framework/Lookups.h"
#include "ui/framework/ZoEdit.h"
#include "ui/framework/ZoPopupMenu.h"
#include "ledger/DemoLedger.h"
#include "ui/windows/Catalog.h"
#include "ui/windows/Finder.h"
#include "ui/windows/main.h"
#include <QAction>
#include <QPushButton>
#include <QTreeWidget>

using namespace ZkTest;
using namespace LedgerUi;
using namespace Qt::StringLiterals;

namespace {

QTreeWidgetItem *node(TmainFrm &frm, const QString &name)
{
    const auto found = frm.Tree()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}

void clickNode(TmainFrm &frm, const QString &name)
{
    QTreeWidgetItem *item = node(frm, name);
    QVERIFY2(item, qPrintable(name));
    frm.Tree()->scrollToItem(item);
    QTest::mouseClick(frm.Tree()->viewport(), Qt::LeftButton, {}, frm.Tree()->visualItemRect(item).center());
}

// Moves a filter by keys, as a user picking an entry does.
void chooseFilter(TmainFrm &frm, const char *name, int index)
{
    auto *box = frm.findChild<TComboBox *>(QString::fromLatin1(name));
    box->setFocus();
    while (box->currentIndex() != index)
        QTest::keyClick(box, box->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
}

QStringList listed(TmainFrm &frm) { return Codes(frm.Assets().DataSet()); }

} // namespace

class TestMainList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startupListsHeldAssetsOfEveryClass_data() { AddBackendRows(); }
    void startupListsHeldAssetsOfEveryClass();
    void filtersAndClassNodes_data() { AddBackendRows(); }
    void filtersAndClassNodes();
    void keywordIgnoresTreeAndFiltersUntilANodeIsChosen();
    void renamedLabelRetitlesTheColumnWithoutQuery();
    void classWindowRebuildsTheTree();
    void deleteAssetAsksAndRemovesTheRow();
    void listMenuAndDisabledCommands();
    void demoLedgerCountsMatchTheDatabase();
};

void TestMainList::startupListsHeldAssetsOfEveryClass()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    Seed();
    TmainFrm frm;
    frm.show();
    QCOMPARE(frm.findChild<TComboBox *>(u"cmbState1"_s)->currentText(), u"现有资产"_s);
    QCOMPARE(frm.findChild<TComboBox *>(u"cmbUseState1"_s)->currentText(), u"所有"_s);
    QCOMPARE(listed(frm), (QStringList{u"A001"_s, u"A003"_s, u"A005"_s}));
    QCOMPARE(frm.StatusText(2), u"共 3 条"_s);
    QCOMPARE(frm.StatusText(0), AppDatabase().DataSourceName());

    // The tree: the root with the class hierarchy below it, open.
    QTreeWidgetItem *root = frm.Tree()->topLevelItem(0);
    QCOMPARE(frm.Tree()->topLevelItemCount(), 1);
    QCOMPARE(root->text(0), u"资产分类"_s);
    QVERIFY(root->isExpanded());
    QCOMPARE(root->childCount(), 2);
    QCOMPARE(root->child(0)->text(0), u"办公设备"_s);
    QCOMPARE(root->child(0)->child(1)->text(0), u"打印机"_s);
    root->setExpanded(false);
    QVERIFY(root->isExpanded()); // the root cannot be collapsed

    // Footer sums of the two money columns: 100 + 300 + 500 and the residual values (0).
    TKamoDBGrid *grid = frm.Grid();
    QCOMPARE(grid->FooterText(grid->RecordModel()->ColumnOf(u"OriginValue"_s)), u"900.00"_s);
    QCOMPARE(grid->FooterText(grid->RecordModel()->ColumnOf(u"EndValue"_s)), u"0.00"_s);
    QCOMPARE(grid->LayoutKey(), 1);
    if (const QString dir = qEnvironmentVariable("ZK_SHOT_DIR"); !dir.isEmpty() && backend == u"sqlite"_s)
        frm.grab().save(dir + u"/main-seeded.png"_s);
}

void TestMainList::filtersAndClassNodes()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    Seed();
    TmainFrm frm;
    frm.show();
    clickNode(frm, u"办公设备"_s);
    QCOMPARE(listed(frm), (QStringList{u"A001"_s, u"A005"_s})); // the class and its sub-classes
    chooseFilter(frm, "cmbState1", 2);
    QCOMPARE(listed(frm), QStringList{u"A002"_s}); // disposed, in a sub-class
    clickNode(frm, u"资产分类"_s);
    QCOMPARE(listed(frm), (QStringList{u"A002"_s, u"A004"_s}));
    QCOMPARE(frm.StatusText(2), u"共 2 条"_s);
    chooseFilter(frm, "cmbState1", 0);
    QCOMPARE(listed(frm).size(), 5);

    // The use-state filter takes the pick list entry.
    TKeyValue2::WriteValues(kPickUseState, u"在用\r\n闲置"_s, false, 0, 0);
    TmainFrm again;
    auto *useState = again.findChild<TComboBox *>(u"cmbUseState1"_s);
    QCOMPARE(useState->count(), 3);
    chooseFilter(again, "cmbUseState1", 2);
    QCOMPARE(listed(again), QStringList{u"A003"_s});
}

void TestMainList::keywordIgnoresTreeAndFiltersUntilANodeIsChosen()
{
    TLedger ledger;
    Seed();
    TmainFrm frm;
    frm.show();
    clickNode(frm, u"车辆"_s);
    QCOMPARE(listed(frm), QStringList{u"A003"_s});
    auto *keyword = frm.findChild<TzoEdit *>(u"cmbPartNo1"_s);
    TypeText(keyword, u"A00"_s);
    QTest::mouseClick(frm.findChild<QPushButton *>(u"Button1"_s), Qt::LeftButton);
    QCOMPARE(listed(frm).size(), 5); // disposed ones and other classes too
    keyword->clear();
    TypeText(keyword, u"laserjet"_s);
    QTest::keyClick(keyword, Qt::Key_Return);
    QCOMPARE(listed(frm), QStringList{u"A005"_s});
    QCOMPARE(frm.StatusText(2), u"共 1 条"_s);
    clickNode(frm, u"电脑"_s);
    QCOMPARE(listed(frm), QStringList{u"A001"_s});
}

void TestMainList::renamedLabelRetitlesTheColumnWithoutQuery()
{
    TLedger ledger;
    Seed();
    TmainFrm frm;
    frm.show();
    TKamoDBGrid *grid = frm.Grid();
    const int column = grid->RecordModel()->ColumnOf(u"Str1"_s);
    QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(), u"字符型1"_s);
    AppDatabase().Execute(u"delete from assets where Code='A005'"_s); // a re-query would drop it
    CustomLabels::SetLabel(0, u"保修卡号"_s);
    Q_EMIT TAppEvents::Instance().labelsChanged();
    QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(), u"保修卡号"_s);
    QCOMPARE(listed(frm).size(), 3);
}

void TestMainList::classWindowRebuildsTheTree()
{
    TLedger ledger;
    Seed();
    TmainFrm frm;
    frm.show();
    WhenModal("TCatalogFrm", [](QWidget *w) {
        auto *dlg = static_cast<TCatalogFrm *>(w);
        dlg->TreeView1->setCurrentItem(dlg->TreeView1->topLevelItem(1)); // 车辆
        dlg->AddChild();
        TypeText(dlg->edtName1, u"货车"_s);
        QTest::mouseClick(dlg->btnOk1, Qt::LeftButton);
        QTest::mouseClick(dlg->btnClose1, Qt::LeftButton);
    });
    frm.Action(u"N_Catalog"_s)->trigger();
    QCOMPARE(Scalar(u"select Code from catalog where Name='货车'"_s).toString(), u"0200"_s);
    QTreeWidgetItem *added = node(frm, u"货车"_s);
    QVERIFY(added);
    QCOMPARE(added->parent()->text(0), u"车辆"_s);
    QVERIFY(frm.Tree()->topLevelItem(0)->isExpanded());
    clickNode(frm, u"货车"_s);
    QVERIFY(listed(frm).isEmpty());
    QCOMPARE(frm.StatusText(2), u"共 0 条"_s);
}

void TestMainList::deleteAssetAsksAndRemovesTheRow()
{
    TLedger ledger;
    Seed();
    TmainFrm frm;
    frm.show();
    frm.Assets().DataSet()->SetRecNo(1); // A003
    ledger.Prompter().Answers = {false};
    frm.Action(u"N_DeleteAsset"_s)->trigger();
    QCOMPARE(ledger.Prompter().LastText(), u"\r\n您确定要删除资产A003的档案资料吗?"_s);
    QCOMPARE(Scalar(u"select count(*) from assets"_s).toInt(), 5);
    frm.Action(u"N_DeleteAsset"_s)->trigger();
    QCOMPARE(Scalar(u"select count(*) from assets where Code='A003'"_s).toInt(), 0);
    QCOMPARE(listed(frm), (QStringList{u"A001"_s, u"A005"_s}));

    Rights::SetChecker([](int code) { return code != 10; });
    frm.Action(u"N_DeleteAsset"_s)->trigger();
    Rights::SetChecker({});
    QCOMPARE(ledger.Prompter().LastText(), u"\r\n对不起,您没有该功能的操作权限,请与管理员联系(10).\t"_s);
    QCOMPARE(Scalar(u"select count(*) from assets"_s).toInt(), 4);
}

void TestMainList::listMenuAndDisabledCommands()
{
    TLedger ledger;
    TmainFrm frm;
    QStringList items;
    const auto actions = frm.Grid()->PopupMenuZo()->actions();
    for (const QAction *a : actions)
        items.append(a->isSeparator() ? u"-"_s : a->text());
    QCOMPARE(items.mid(0, 8), (QStringList{u"增加"_s, u"复制增加"_s, u"打开"_s, u"-"_s, u"变更"_s, u"维修"_s, u"减少"_s, u"-"_s}));
    QCOMPARE(items.mid(items.size() - 2), (QStringList{u"-"_s, u"删除"_s}));
    // Commands whose windows are not part of the program yet stay disabled; these work.
    QVERIFY(!frm.Action(u"N_AddAsset"_s)->isEnabled());
    QVERIFY(!frm.Action(u"btnReduce1"_s)->isEnabled());
    for (const char *name : {"N_Catalog", "N_Department", "N_Find", "N_DeleteAsset", "N_Sort", "N_ChooseColumns", "N_SaveListStyle", "N_ViewTree"})
        QVERIFY2(frm.Action(QString::fromLatin1(name))->isEnabled(), name);
    QVERIFY(frm.Assets().DataSet()->IsEmpty());
    QCOMPARE(frm.StatusText(2), u"共 0 条"_s);
}

void TestMainList::demoLedgerCountsMatchTheDatabase()
{
    TLedger ledger;
    DemoLedger::Fill(400);
    TmainFrm frm;
    frm.resize(1280, 760);
    frm.show();
    const int held = Scalar(u"select count(*) from assets where ReduceDate is null"_s).toInt();
    QCOMPARE(frm.StatusText(2), u"共 %1 条"_s.arg(held));
    QTreeWidgetItem *first = frm.Tree()->topLevelItem(0)->child(0);
    frm.Tree()->setCurrentItem(first);
    const QString code = first->data(0, Qt::UserRole).value<RCatalog>().Code;
    const int inClass = Scalar(u"select count(*) from assets a join catalog c on a.CataId=c.Id "
                               "where a.ReduceDate is null and c.Code like '%1%'"_s.arg(code)).toInt();
    QCOMPARE(frm.Assets().DataSet()->RecordCount(), inClass);
    const QString dir = qEnvironmentVariable("ZK_SHOT_DIR");
    if (dir.isEmpty())
        return;
    frm.Tree()->expandAll();
    QApplication::processEvents();
    frm.grab().save(dir + u"/main-demo.png"_s);
    TCatalogFrm catalog;
    catalog.show();
    catalog.TreeView1->expandAll();
    catalog.TreeView1->setCurrentItem(catalog.TreeView1->topLevelItem(0)->child(1));
    QApplication::processEvents();
    catalog.grab().save(dir + u"/catalog-demo.png"_s);
    TFinderFrm finder([](const RAssetWhere &) { return true; });
    finder.show();
    QApplication::processEvents();
    finder.grab().save(dir + u"/finder.png"_s);
}

QTEST_MAIN(TestMainList)
#include "tst_mainlist.moc"
