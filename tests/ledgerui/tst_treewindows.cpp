#include "LedgerUi.h"
#include "ZkTest.h"
#include "app/Rights.h"
#include "data/RecordSet.h"
#include "ui/framework/ZoEdit.h"
#include "ui/framework/ZoMemo.h"
#include "ui/windows/Catalog.h"
#include "ui/windows/Department.h"
#include <QAction>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

using namespace ZkTest;
using namespace LedgerUi;
using namespace Qt::StringLiterals;

namespace {

QStringList rows(const QString &table)
{
    TRecordSet rs;
    rs.Open(u"select Code, Name from %1 order by Code"_s.arg(table));
    QStringList out;
    for (int r = 0; r < rs.DataSet()->RecordCount(); ++r)
        out.append(rs.DataSet()->ValueAt(r, 0).toString() + u' ' + rs.DataSet()->ValueAt(r, 1).toString());
    return out;
}

// The tree as "name(code)" lines indented by level.
QStringList shown(QTreeWidget *tree)
{
    QStringList out;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem *p = (*it)->parent(); p; p = p->parent())
            ++depth;
        const QString code = (*it)->data(0, Qt::UserRole).value<RTreeNode>().Code;
        out.append(QString(depth * 2, u' ') + (*it)->text(0) + u'(' + code + u')');
    }
    return out;
}

void select(TTreeFrm &frm, const QString &name)
{
    const auto found = frm.TreeView1->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    frm.TreeView1->setCurrentItem(found.first());
}

void typeAndConfirm(TTreeFrm &frm, const QString &name)
{
    frm.edtName1->clear();
    TypeText(frm.edtName1, name);
    QTest::mouseClick(frm.btnOk1, Qt::LeftButton);
}

} // namespace

class TestTreeWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void catalogAddEditMoveDelete();
    void emptyNameAndMissingRight();
    void departmentPicking();
    void departmentDetailsAndNoMoves();
};

void TestTreeWindows::catalogAddEditMoveDelete()
{
    TLedger ledger;
    TCatalogFrm frm;
    frm.show();
    QCOMPARE(frm.windowTitle(), u"资产分类"_s);
    QVERIFY(!frm.N_AddChild->isEnabled()); // nothing to add a child to yet
    frm.N_AddSibling->trigger();
    QCOMPARE(frm.edtParent1->text(), QString());
    typeAndConfirm(frm, u"办公设备"_s);
    QCOMPARE(frm.N_AddChild->text(), u"添加 \"办公设备\" 的子项..."_s);
    QCOMPARE(frm.N_AddSibling->text(), u"添加 \"办公设备\" 的同级项目..."_s);
    frm.N_AddChild->trigger();
    QCOMPARE(frm.edtParent1->text(), u"办公设备"_s);
    typeAndConfirm(frm, u"电脑"_s);
    frm.N_AddSibling->trigger(); // beside 电脑
    typeAndConfirm(frm, u"打印机"_s);
    frm.N_AddChild->trigger();
    typeAndConfirm(frm, u"激光"_s);
    QCOMPARE(rows(u"catalog"_s), (QStringList{u"00 办公设备"_s, u"0000 电脑"_s, u"0001 打印机"_s, u"000100 激光"_s}));

    // 打印机 moves above 电脑, its child with it.
    LedgerFixture::Save([] { RAsset a = LedgerFixture::Asset(u"L1"_s, 1, QDate(2020, 1, 1), 5, 10, 0); a.CataId = 4; return a; }());
    select(frm, u"打印机"_s);
    QTest::mouseClick(frm.btnUp1, Qt::LeftButton);
    QCOMPARE(rows(u"catalog"_s), (QStringList{u"00 办公设备"_s, u"0000 打印机"_s, u"000000 激光"_s, u"0001 电脑"_s}));
    QCOMPARE(shown(frm.TreeView1), (QStringList{u"办公设备(00)"_s, u"  打印机(0000)"_s, u"    激光(000000)"_s, u"  电脑(0001)"_s}));
    QCOMPARE(Scalar(u"select c.Code from assets a join catalog c on a.CataId=c.Id"_s).toString(), u"000000"_s);
    QTest::mouseClick(frm.btnUp1, Qt::LeftButton);
    QCOMPARE(ledger.Prompter().LastText(), u"\r\n已经到顶了,只允许在同一个级别内移动."_s);
    select(frm, u"电脑"_s);
    QTest::mouseClick(frm.btnDown1, Qt::LeftButton);
    QCOMPARE(ledger.Prompter().LastText(), u"\r\n已经到尾了,只允许在同一个级别内移动."_s);

    // Edit keeps the code and writes name and description.
    QTest::mouseClick(frm.btnEdit1, Qt::LeftButton);
    QCOMPARE(frm.edtParent1->text(), u"办公设备"_s);
    TypeText(frm.findChild<TzoMemo *>(u"edtDescription1"_s), u"台式与笔记本"_s);
    typeAndConfirm(frm, u"计算机"_s);
    QCOMPARE(Scalar(u"select Name || '/' || Description from catalog where Code='0001'"_s).toString(), u"计算机/台式与笔记本"_s);
    QCOMPARE(frm.TreeView1->currentItem()->text(0), u"计算机"_s);

    // Delete asks, removes the subtree and detaches its assets.
    select(frm, u"打印机"_s);
    ledger.Prompter().Answers = {false};
    QTest::mouseClick(frm.btnDelete1, Qt::LeftButton);
    QCOMPARE(ledger.Prompter().LastText(), u"\r您确定要删除 打印机 吗?\t\t"_s);
    QCOMPARE(rows(u"catalog"_s).size(), 4);
    QTest::mouseClick(frm.btnDelete1, Qt::LeftButton);
    QCOMPARE(rows(u"catalog"_s), (QStringList{u"00 办公设备"_s, u"0001 计算机"_s}));
    QVERIFY(Scalar(u"select CataId from assets"_s).isNull());
    QCOMPARE(shown(frm.TreeView1), (QStringList{u"办公设备(00)"_s, u"  计算机(0001)"_s}));
    QCOMPARE(frm.TreeView1->currentItem()->text(0), u"计算机"_s);
    if (const QString dir = qEnvironmentVariable("ZK_SHOT_DIR"); !dir.isEmpty())
        frm.grab().save(dir + u"/catalog.png"_s);
}

void TestTreeWindows::emptyNameAndMissingRight()
{
    TLedger ledger;
    Seed();
    TCatalogFrm frm;
    frm.show();
    select(frm, u"电脑"_s);
    frm.N_AddChild->trigger();
    QVERIFY(frm.Editing());
    QVERIFY(!frm.TreeView1->isEnabled());
    typeAndConfirm(frm, u"   "_s);
    QCOMPARE(ledger.Prompter().LastText(), u"\r对不起, 名称必须填写.\t"_s);
    QVERIFY(frm.Editing());
    QTest::mouseClick(frm.btnCancel1, Qt::LeftButton);
    QVERIFY(!frm.Editing());
    QCOMPARE(frm.edtName1->text(), u"电脑"_s);
    QCOMPARE(rows(u"catalog"_s).size(), 4);

    Rights::SetChecker([](int code) { return code != 20; });
    for (QPushButton *b : {frm.btnEdit1, frm.btnDelete1})
        QTest::mouseClick(b, Qt::LeftButton);
    frm.N_AddChild->trigger();
    Rights::SetChecker({});
    QCOMPARE(ledger.Prompter().Texts().count(u"\r\n对不起,您没有该功能的操作权限,请与管理员联系(20).\t"_s), 3);
    QVERIFY(!frm.Editing());
    QCOMPARE(rows(u"catalog"_s).size(), 4);
}

void TestTreeWindows::departmentPicking()
{
    TLedger ledger;
    Seed();
    TDepartmentFrm frm;
    QList<RDepartment> offered;
    bool accept = false;
    frm.SetChoice(u"0100"_s, [&](const RDepartment &d) {
        offered.append(d);
        return accept;
    });
    frm.show();
    QVERIFY(frm.btnSelect1->isVisible() && frm.btnNone1->isVisible());
    QCOMPARE(frm.TreeView1->currentItem()->text(0), u"出纳组"_s);
    QTest::mouseClick(frm.btnSelect1, Qt::LeftButton);
    QCOMPARE(offered.size(), 1);
    QCOMPARE(offered[0].Id, 2);
    QCOMPARE(offered[0].Path, u"财务部出纳组"_s);
    QCOMPARE(offered[0].ParentCode, u"01"_s);
    QVERIFY(frm.isVisible()); // refused by the choice function

    // Double click chooses leaves only.
    QTreeWidgetItem *parent = frm.TreeView1->topLevelItem(0);
    QTest::mouseDClick(frm.TreeView1->viewport(), Qt::LeftButton, {}, frm.TreeView1->visualItemRect(parent).center());
    QCOMPARE(offered.size(), 1);
    accept = true;
    QTest::mouseClick(frm.btnNone1, Qt::LeftButton);
    QCOMPARE(offered.size(), 2);
    QCOMPARE(offered[1].Id, 0);
    QVERIFY(offered[1].Code.isEmpty());
    QCOMPARE(frm.result(), int(QDialog::Accepted));
}

void TestTreeWindows::departmentDetailsAndNoMoves()
{
    TLedger ledger;
    Seed();
    TDepartmentFrm frm;
    frm.show();
    QCOMPARE(frm.windowTitle(), u"部门机构"_s);
    QVERIFY(!frm.btnUp1->isVisible() && !frm.btnDown1->isVisible());
    QVERIFY(!frm.btnSelect1->isVisible());
    select(frm, u"行政部"_s);
    QTest::mouseClick(frm.btnEdit1, Qt::LeftButton);
    const QStringList details{u"edtManager1"_s, u"edtTel1"_s, u"edtFax1"_s, u"edtAddress1"_s, u"edtNote1"_s};
    for (const QString &name : details)
        TypeText(frm.findChild<TzoEdit *>(name), name.mid(3, 3));
    QTest::mouseClick(frm.btnOk1, Qt::LeftButton);
    TRecordSet rs;
    rs.Open(u"select Manager, Tel, Fax, Address, Note from department where Code='02'"_s);
    QCOMPARE(rs.JoinValues(u"Manager"_s, {}) + rs.JoinValues(u"Note"_s, {}), u"ManNot"_s);
    QCOMPARE(rs.JoinValues(u"Address"_s, {}), u"Add"_s);
    // The details follow the selection.
    select(frm, u"财务部"_s);
    QVERIFY(frm.findChild<TzoEdit *>(u"edtManager1"_s)->text().isEmpty());
    select(frm, u"行政部"_s);
    QCOMPARE(frm.findChild<TzoEdit *>(u"edtTel1"_s)->text(), u"Tel"_s);
    QVERIFY(frm.findChild<TzoEdit *>(u"edtTel1"_s)->isReadOnly());
}

QTEST_MAIN(TestTreeWindows)
#include "tst_treewindows.moc"
