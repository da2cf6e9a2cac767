#include "ZkTest.h"
#include "app/Launcher.h"
#include "data/Exceptions.h"
#include "ui/framework/ADlgFrm.h"
#include "ui/framework/ZoComboBox.h"
#include "ui/framework/ZoDateTimePicker.h"
#include "ui/framework/ZoEdit.h"
#include "ui/framework/ZoColors.h"
#include "ui/framework/ZoMemo.h"
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

using TEditType = TzoEdit::TEditType;

namespace {

// A dialog that refuses OK until its edit holds something.
class TNeedsTextDlg : public TADlgFrm {
public:
    TzoEdit *Edit = new TzoEdit(Body());
    int Refusals = 0;

protected:
    bool CheckInput() override
    {
        if (!Edit->text().isEmpty())
            return true;
        ++Refusals;
        return false;
    }
};

QString conversionError(const std::function<void()> &read)
{
    try {
        read();
    } catch (const EConvertError &e) {
        return e.Message();
    }
    return QString();
}

} // namespace

class TestZoEditors : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typedCharacters_data();
    void typedCharacters();
    void conversions_data();
    void conversions();
    void writingZeroLeavesTheEditEmpty();
    void enterMovesFocusButNotInMemo();
    void comboLoadsFallbackAndDeleteClears();
    void pickerWithoutTickIsNull();
    void dialogStaysOpenWhileInputIsWrong();
    void f1OpensTheWindowsHelpTopic();
    void placementKeepsMarginsFromScreenEdges();
};

void TestZoEditors::typedCharacters_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("number: point after digits") << int(TzoEdit::etNumber) << "12" << "." << "12.";
    QTest::newRow("number: second point") << int(TzoEdit::etNumber) << "12." << "." << "12.";
    QTest::newRow("number: point in empty edit") << int(TzoEdit::etNumber) << "" << "." << "";
    QTest::newRow("number: double leading zero") << int(TzoEdit::etNumber) << "0" << "0" << "0";
    QTest::newRow("number: digit after zero") << int(TzoEdit::etNumber) << "0" << "5" << "05";
    QTest::newRow("number: zero after point") << int(TzoEdit::etNumber) << "0.5" << "0" << "0.50";
    QTest::newRow("number: minus and letters") << int(TzoEdit::etNumber) << "1" << "-a" << "1";
    QTest::newRow("integer: minus, point, letters") << int(TzoEdit::etInteger) << "7" << "-.x" << "7";
    QTest::newRow("integer: digits") << int(TzoEdit::etInteger) << "" << "042" << "042";
    QTest::newRow("free: anything") << int(TzoEdit::etFree) << "" << "-a.0" << "-a.0";
}

void TestZoEditors::typedCharacters()
{
    QFETCH(int, type);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    TzoEdit edit;
    edit.SetEditType(TEditType(type));
    edit.setText(before);
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), after);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), after.chopped(qMin<int>(1, int(after.size()))));
}

void TestZoEditors::conversions_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("error");
    const int free = TzoEdit::etFree, num = TzoEdit::etNumber, whole = TzoEdit::etInteger;
    QTest::newRow("double empty") << "AsDouble" << num << "" << QVariant(0.0) << "";
    QTest::newRow("double 12.5") << "AsDouble" << num << "12.5" << QVariant(12.5) << "";
    QTest::newRow("double abc") << "AsDouble" << free << "abc" << QVariant() << "\"abc\" 不是有效的数字.";
    QTest::newRow("integer 42") << "AsInteger" << whole << "42" << QVariant(42) << "";
    QTest::newRow("integer 4.2") << "AsInteger" << free << "4.2" << QVariant() << "\"4.2\" 不是有效的整数.";
    QTest::newRow("date empty") << "AsDate" << free << "" << QVariant() << "";
    QTest::newRow("date ok") << "AsDate" << free << "2012-03-01" << QVariant(QDate(2012, 3, 1)) << "";
    QTest::newRow("date month 13") << "AsDate" << free << "2012-13-01" << QVariant() << "\"2012-13-01\" 不是有效的日期.";
    QTest::newRow("datetime ok") << "AsDateTime" << free << "2012-03-01 08:09:10"
                                 << QVariant(QDateTime(QDate(2012, 3, 1), QTime(8, 9, 10))) << "";
    QTest::newRow("datetime bad") << "AsDateTime" << free << "x" << QVariant() << "\"x\" 不是有效的日期.";
    QTest::newRow("variant number") << "AsVariant" << num << "2.5" << QVariant(2.5) << "";
    QTest::newRow("variant integer") << "AsVariant" << whole << "17" << QVariant(qint64(17)) << "";
    QTest::newRow("variant free") << "AsVariant" << free << "abc" << QVariant(QStringLiteral("abc")) << "";
    QTest::newRow("variant empty") << "AsVariant" << whole << "" << QVariant() << "";
}

void TestZoEditors::conversions()
{
    QFETCH(QString, property);
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QVariant, value);
    QFETCH(QString, error);
    TzoEdit edit;
    edit.SetEditType(TEditType(type));
    edit.setText(text);
    QVariant got;
    const QString message = conversionError([&] {
        if (property == QStringLiteral("AsDouble")) got = edit.AsDouble();
        else if (property == QStringLiteral("AsInteger")) got = edit.AsInteger();
        else if (property == QStringLiteral("AsDate")) got = edit.AsDate();
        else if (property == QStringLiteral("AsDateTime")) got = edit.AsDateTime();
        else got = edit.AsVariant();
    });
    QCOMPARE(message, error);
    if (error.isEmpty())
        QCOMPARE(got, value);
    QCOMPARE(edit.text(), text); // nothing in the edit changes
}

void TestZoEditors::writingZeroLeavesTheEditEmpty()
{
    TzoEdit edit;
    edit.SetEditType(TzoEdit::etNumber);
    edit.SetAsDouble(0);
    QCOMPARE(edit.text(), QString());
    edit.SetAsDouble(1234.5);
    QCOMPARE(edit.text(), QStringLiteral("1234.5"));
    edit.SetAsVariant(0.0);
    QCOMPARE(edit.text(), QStringLiteral("0"));
    edit.SetAsDate(QDate(2020, 2, 29));
    QCOMPARE(edit.text(), QStringLiteral("2020-02-29"));
    edit.SetAsDate(QVariant());
    QCOMPARE(edit.text(), QString());
    QCOMPARE(conversionError([&] { edit.SetAsDate(QStringLiteral("2020-02-30")); }),
             QStringLiteral("\"2020-02-30\" 不是有效的日期."));
}

void TestZoEditors::enterMovesFocusButNotInMemo()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *first = new TzoEdit(&window);
    auto *combo = new TzoComboBox(&window);
    auto *memo = new TzoMemo(&window);
    layout->addWidget(first);
    layout->addWidget(combo);
    layout->addWidget(memo);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    first->setFocus();
    QCOMPARE(ZoColors::Background(first), ZoColors::Aqua());
    QTest::keyClick(first, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), combo);
    QCOMPARE(ZoColors::Background(first), QApplication::palette().color(QPalette::Base));
    QTest::keyClick(combo, Qt::Key_Return, Qt::ShiftModifier);
    QTRY_COMPARE(QApplication::focusWidget(), first);
    QTest::keyClick(first, Qt::Key_Return);
    QTest::keyClick(combo, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), memo);
    QTest::keyClicks(memo, QStringLiteral("a"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("b"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("a\nb"));
    QCOMPARE(QApplication::focusWidget(), memo);
}

void TestZoEditors::comboLoadsFallbackAndDeleteClears()
{
    TzoComboBox combo;
    combo.LoadItems({}, QStringLiteral("请在文件菜单下\r\n选项中设置"));
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(1), QStringLiteral("选项中设置"));
    combo.LoadItems({QStringLiteral("甲"), QStringLiteral("乙")}, QStringLiteral("x"));
    combo.SelectText(QStringLiteral("乙"));
    QCOMPARE(combo.SelectedText(), QStringLiteral("乙"));
    QSignalSpy changed(&combo, &QComboBox::currentIndexChanged);
    QTest::keyClick(&combo, Qt::Key_Delete);
    QCOMPARE(combo.currentIndex(), -1);
    QCOMPARE(combo.SelectedText(), QString());
    QCOMPARE(changed.count(), 1);
    combo.SelectText(QStringLiteral("丙"));
    QCOMPARE(combo.currentIndex(), -1);
}

void TestZoEditors::pickerWithoutTickIsNull()
{
    TzoDateTimePicker picker;
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QVERIFY(picker.AsDate().isValid()); // no check box: always a value
    picker.SetShowCheckbox(true);
    QVERIFY(!picker.AsDate().isValid());
    QVERIFY(!picker.AsTime().isValid());
    QVERIFY(!picker.AsDateTime().isValid());
    picker.SetAsDate(QDate(2011, 5, 6));
    QVERIFY(!picker.Checked()); // setting a date leaves the box as it was
    QTest::mouseClick(picker.CheckBox(), Qt::LeftButton);
    QCOMPARE(picker.AsDate(), QVariant(QDate(2011, 5, 6)));
    picker.Clear();
    QVERIFY(!picker.AsDate().isValid());
}

void TestZoEditors::dialogStaysOpenWhileInputIsWrong()
{
    TNeedsTextDlg dlg;
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QTest::mouseClick(dlg.OkBtn1, Qt::LeftButton);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.Refusals, 1);
    dlg.Edit->setFocus();
    QTest::keyClicks(dlg.Edit, QStringLiteral("x"));
    QTest::keyClick(dlg.Edit, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));

    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
}

void TestZoEditors::f1OpensTheWindowsHelpTopic()
{
    ZkTest::TFreshHome home;
    QStringList opened;
    Launcher::SetOpener([&](const QString &path) { opened.append(path); return true; });
    TADlgFrm dlg;
    dlg.setObjectName(QStringLiteral("indexFrm"));
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QTest::keyClick(dlg.OkBtn1, Qt::Key_F1);
    QTest::mouseClick(dlg.HelpBtn1, Qt::LeftButton);
    Launcher::SetOpener({});
    QCOMPARE(opened.size(), 2);
    QVERIFY(opened[0].endsWith(QStringLiteral("/help/index.htm")));
    QVERIFY(QFileInfo::exists(opened[0]));
    QVERIFY(dlg.HelpPage(QStringLiteral("nosuchtopic")).endsWith(QStringLiteral("/help/index.htm")));
}

void TestZoEditors::placementKeepsMarginsFromScreenEdges()
{
    const QRect screen(0, 0, 1024, 768);
    QCOMPARE(TaFrm::PointerPlacement({512, 384}, {200, 100}, screen), QPoint(412, 334));
    QCOMPARE(TaFrm::PointerPlacement({1020, 760}, {200, 100}, screen), QPoint(1024 - 200 - 20, 768 - 100 - 50));
    QCOMPARE(TaFrm::PointerPlacement({5, 5}, {200, 100}, screen), QPoint(20, 20));
    QCOMPARE(TaFrm::BorderlessEdges(2, 2, 100, 100), Qt::TopEdge | Qt::LeftEdge);
    QCOMPARE(TaFrm::BorderlessEdges(50, 97, 100, 100), Qt::Edges(Qt::BottomEdge));
    QCOMPARE(TaFrm::BorderlessEdges(50, 50, 100, 100), Qt::Edges());
}

QTEST_MAIN(TestZoEditors)
#include "tst_zoeditors.moc"
