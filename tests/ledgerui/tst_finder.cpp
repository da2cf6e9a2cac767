#include "LedgerUi.h"
#include "ZkTest.h"
#include "app/CustomLabels.h"
#include "app/KeyValue.h"
#include "data/RecordSet.h"
#include "ledger/AssetWhere.h"
#include "ui/framework/Lookups.h"
#include "ui/framework/ZoDBGrid.h"
#include "ui/framework/ZoDateTimePicker.h"
#include "ui/framework/ZoEdit.h"
#include "ui/windows/AssetPick.h"
#include "ui/windows/Finder.h"
#include "ui/windows/main.h"
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>

using namespace ZkTest;
using namespace LedgerUi;
using namespace Qt::StringLiterals;

namespace {

void type(QWidget *parent, const QString &name, const QString &text)
{
    QWidget *w = parent->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    if (auto *box = qobject_cast<QComboBox *>(w); box && box->isEditable())
        w = box->lineEdit();
    TypeText(w, text);
}

void pick(TComboBox *box, const QString &text)
{
    box->setFocus();
    box->setCurrentIndex(box->findText(text));
}

} // namespace

class TestFinder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void okHandsEveryControlToTheChoice();
    void resetAndMalformedEntries();
    void finderFeedsTheMainList();
    void pickerSearchesHeldAssets();
    void lookupLoaders();
};

void TestFinder::okHandsEveryControlToTheChoice()
{
    TLedger ledger;
    Seed();
    CustomLabels::SetLabel(0, u"保修卡号"_s);
    QList<RAssetWhere> handed;
    TFinderFrm frm([&](const RAssetWhere &w) {
        handed.append(w);
        return true;
    });
    frm.show();
    QCOMPARE(frm.windowTitle(), u"查找"_s);
    QCOMPARE(frm.cmbReduced1->currentText(), u"现有资产"_s);
    QVERIFY(!frm.findChildren<QLabel *>().isEmpty());
    bool customLabelShown = false;
    for (const QLabel *l : frm.findChildren<QLabel *>())
        customLabelShown |= l->text() == u"保修卡号"_s;
    QVERIFY(customLabelShown);

    pick(frm.cmbReduced1, u"已减少资产"_s);
    const QList<std::pair<QString, QString>> typed = {
        {u"edtKeyword1"_s, u"键"_s},     {u"edtAssetCode1"_s, u"A0"_s},   {u"edtAssetName1"_s, u"资产"_s},
        {u"edtAssetPartNo1"_s, u"HP"_s}, {u"edtGBCode1"_s, u"GB"_s},      {u"edtFactory1"_s, u"厂"_s},
        {u"edtUseState1"_s, u"在用"_s},  {u"cmbLayPlace1"_s, u"库房"_s}, {u"cmbDepositary1"_s, u"张三"_s},
        {u"edtOriginValue1"_s, u"10.5"_s}, {u"edtOriginValue2"_s, u"200"_s}, {u"edtEndValue1"_s, u"1"_s},
        {u"edtEndValue2"_s, u"2"_s},     {u"edtUseYears1"_s, u"3"_s},     {u"edtUseYears2"_s, u"4"_s},
        {u"edtYearR1"_s, u"2025"_s},     {u"edtMonthR1"_s, u"7"_s},       {u"edtStr1"_s, u"s1"_s},
        {u"edtStr6"_s, u"s6"_s},         {u"edtFloat11"_s, u"5"_s},       {u"edtFloat32"_s, u"6"_s},
        {u"edtDate11"_s, u"2021-02-03"_s}, {u"edtDate32"_s, u"2022-12-31"_s}};
    for (const auto &[name, text] : typed)
        type(&frm, name, text);
    pick(frm.edtAssetKind1, u"办公设备打印机"_s);
    pick(frm.edtUseDept1, u"行政部"_s);
    frm.edtAccountDate1->SetAsDate(QDate(2020, 1, 1));
    frm.edtAccountDate1->SetChecked(true);
    QTest::mouseClick(frm.cbRepaired1, Qt::LeftButton);
    QTest::mouseClick(frm.btnOk1, Qt::LeftButton);

    QCOMPARE(handed.size(), 1);
    RAssetWhere e;
    ClearWhere(e);
    e.Reduced = true;
    e.Keyword = u"键"_s;
    e.Code = u"A0"_s;
    e.Name = u"资产"_s;
    e.PartNo = u"HP"_s;
    e.GBCode = u"GB"_s;
    e.Factory = u"厂"_s;
    e.CataCode = u"0101"_s;
    e.UseDeptCode = u"02"_s;
    e.UseState = u"在用"_s;
    e.LayPlace = u"库房"_s;
    e.Depositary = u"张三"_s;
    e.AccountDateFrom = QDate(2020, 1, 1);
    e.OriginValueFrom = 10.5;
    e.OriginValueTo = 200;
    e.EndValueFrom = 1;
    e.EndValueTo = 2;
    e.UseYearsFrom = 3;
    e.UseYearsTo = 4;
    e.ExpiryYear = 2025;
    e.ExpiryMonth = 7;
    e.Str1 = u"s1"_s;
    e.Str6 = u"s6"_s;
    e.Float1From = 5;
    e.Float3To = 6;
    e.Date1From = QDate(2021, 2, 3);
    e.Date3To = QDate(2022, 12, 31);
    e.Repaired = true;
    QCOMPARE(DescribeWhere(handed[0]), DescribeWhere(e));
    QCOMPARE(handed[0].AccountDateTo.has_value(), false);
    QCOMPARE(handed[0].Changed.has_value(), false);
    QCOMPARE(frm.result(), int(QDialog::Accepted));
}

void TestFinder::resetAndMalformedEntries()
{
    TLedger ledger;
    Seed();
    int calls = 0;
    TFinderFrm frm([&](const RAssetWhere &) { return ++calls > 1; });
    frm.show();
    pick(frm.cmbReduced1, u"不限"_s);
    type(&frm, u"edtKeyword1"_s, u"x"_s);
    type(&frm, u"edtDate21"_s, u"2012-13-01"_s);
    type(&frm, u"cmbLayPlace1"_s, u"库房"_s);
    pick(frm.edtAssetKind1, u"车辆"_s);
    frm.edtAccountDate2->SetChecked(true);
    QTest::mouseClick(frm.cbChanged1, Qt::LeftButton);
    QTest::mouseClick(frm.btnOk1, Qt::LeftButton);
    QCOMPARE(calls, 0); // the bad date stops it, the window stays
    QVERIFY(ledger.Prompter().LastText().contains(u"2012-13-01"_s));
    QVERIFY(frm.isVisible());

    QTest::mouseClick(frm.btnReset1, Qt::LeftButton);
    QCOMPARE(frm.cmbReduced1->currentText(), u"不限"_s); // left as it was
    QVERIFY(frm.edtKeyword1->text().isEmpty());
    QVERIFY(frm.cmbLayPlace1->currentText().isEmpty());
    QCOMPARE(frm.edtAssetKind1->currentIndex(), -1);
    QVERIFY(frm.edtAccountDate2->AsDate().isNull());
    QVERIFY(!frm.cbChanged1->isChecked());
    RAssetWhere empty;
    ClearWhere(empty);
    QCOMPARE(DescribeWhere(frm.Conditions()), DescribeWhere(empty));

    // A refusing choice keeps the window open; 取消 closes without a call.
    QTest::mouseClick(frm.btnOk1, Qt::LeftButton);
    QCOMPARE(calls, 1);
    QVERIFY(frm.isVisible());
    QTest::mouseClick(frm.btnCancel1, Qt::LeftButton);
    QCOMPARE(calls, 1);
    QVERIFY(!frm.isVisible());
}

void TestFinder::finderFeedsTheMainList()
{
    TLedger ledger;
    Seed();
    TmainFrm main;
    main.show();
    WhenModal("TFinderFrm", [](QWidget *w) {
        auto *frm = static_cast<TFinderFrm *>(w);
        pick(frm->cmbReduced1, u"不限"_s);
        pick(frm->edtUseDept1, u"财务部"_s);
        QTest::mouseClick(frm->btnOk1, Qt::LeftButton);
    });
    QTest::mouseClick(main.findChild<QPushButton *>(u"Button2"_s), Qt::LeftButton);
    QCOMPARE(Codes(main.Assets().DataSet()), QStringList{u"A001"_s}); // department 0100 lies under 01
    QCOMPARE(main.StatusText(2), u"共 1 条"_s);
}

void TestFinder::pickerSearchesHeldAssets()
{
    TLedger ledger;
    Seed();
    QList<RAsset> chosen;
    TAssetPickFrm frm([&](const RAsset &a) {
        chosen.append(a);
        return true;
    });
    frm.show();
    TypeText(frm.edtKeyword1, u"A002"_s); // disposed: not offered
    QTest::mouseClick(frm.btnFind1, Qt::LeftButton);
    QCOMPARE(ledger.Prompter().LastText(), u"\r\n没有找到任何相关记录,请重新指定查询条件."_s);
    QVERIFY(!frm.OnListPage());

    frm.edtKeyword1->clear();
    TypeText(frm.edtKeyword1, u"A00"_s);
    QTest::keyClick(frm.edtKeyword1, Qt::Key_Return);
    QVERIFY(frm.OnListPage());
    QCOMPARE(Codes(frm.Assets().DataSet()), (QStringList{u"A001"_s, u"A003"_s, u"A005"_s}));
    QCOMPARE(frm.DBGrid1->LayoutKey(), 12);
    QTest::mouseClick(frm.btnBack1, Qt::LeftButton);
    QVERIFY(!frm.OnListPage());
    QTest::mouseClick(frm.btnFind1, Qt::LeftButton);
    const QRect cell = frm.DBGrid1->visualRect(frm.DBGrid1->model()->index(1, frm.DBGrid1->Columns().isEmpty() ? 0 : 2));
    QTest::mouseClick(frm.DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(frm.DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0].Code, u"A003"_s);
    QCOMPARE(chosen[0].CataName, u"车辆"_s);
    QCOMPARE(frm.result(), int(QDialog::Accepted));
}

void TestFinder::lookupLoaders()
{
    TLedger ledger;
    TComboBox box;
    const auto items = [&box] {
        QStringList out;
        for (int i = 0; i < box.count(); ++i)
            out.append(box.itemText(i));
        return out;
    };
    box.LoadPickList(kPickLayPlace);
    QCOMPARE(items(), (QStringList{u"请在文件菜单下"_s, u"选项中设置"_s}));
    box.LoadAssetNames();
    QCOMPARE(items(), (QStringList{u"具有自动记忆功能"_s, u"只要录入过一次就可以选择"_s}));
    box.LoadAssetStates();
    QCOMPARE(box.currentText(), u"现有资产"_s);

    Seed();
    TKeyValue2::WriteValues(kPickLayPlace, u"一楼\r\n二楼"_s, false, 0, 0);
    box.LoadPickList(kPickLayPlace);
    QCOMPARE(items(), (QStringList{u"一楼"_s, u"二楼"_s}));
    box.LoadAssetNames();
    QCOMPARE(items().size(), 5);

    box.LoadMethods();
    QCOMPARE(box.count(), 4);
    RMethod m;
    box.GetMethod(m);
    QCOMPARE(m.Id, -1);
    box.SelectMethod(3);
    box.GetMethod(m);
    QCOMPARE(m.Id, 3);
    QCOMPARE(m.Name, box.currentText());

    box.LoadCatalogs();
    QCOMPARE(items(), (QStringList{u"办公设备"_s, u"办公设备电脑"_s, u"办公设备打印机"_s, u"车辆"_s}));
    RCatalog c;
    box.GetCatalog(c);
    QCOMPARE(c.Id, 0);
    box.SelectCatalogById(3);
    box.GetCatalog(c);
    QCOMPARE(c.Code, u"0101"_s);
    RCatalog missing;
    missing.Id = 99;
    missing.Code = u"09"_s;
    missing.Path = u"旧分类"_s;
    box.SelectCatalog(missing);
    QCOMPARE(box.count(), 5);
    QCOMPARE(box.currentText(), u"旧分类"_s);
    box.SelectCatalog(c); // present: no new item
    QCOMPARE(box.count(), 5);
    QCOMPARE(box.currentIndex(), 2);

    box.LoadDepartments();
    box.SelectDepartment(2);
    RDepartment d;
    box.GetDepartment(d);
    QCOMPARE(d.Path, u"财务部出纳组"_s);
    box.SelectDepartment(42);
    box.GetDepartment(d);
    QCOMPARE(d.Id, 0);
    box.FreeItems();
    QCOMPARE(box.count(), 0);
}

QTEST_MAIN(TestFinder)
#include "tst_finder.moc"
