#include "ZkTest.h"
#include "app/KeyValue.h"
#include "app/Operator.h"
#include "reports/Rep.h"
#include "ui/commands/OutputCommands.h"
#include "ui/framework/DataExporterFrm.h"
#include "ui/windows/main.h"
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QMenu>
#include <QTimer>

using namespace ZkTest;

static QStringList captions(QMenu *menu)
{
    QStringList list;
    const auto actions = menu->actions();
    for (const QAction *a : actions)
        list.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return list;
}

class TestOutputMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reportItemsFollowTheTemplateStore();
    void exportRemembersColumnsAndNeedsItsRight();
};

void TestOutputMenu::reportItemsFollowTheTemplateStore()
{
    TLedger ledger;
    TmainFrm frm;
    OutputCommands::BuildReportMenus(frm);
    QMenu *output = frm.Menu(QStringLiteral("N_Output"));
    QMenu *popup = frm.Menu(QStringLiteral("PopupMenu2"));
    const QStringList shipped = captions(popup);
    QVERIFY(!shipped.isEmpty());
    QCOMPARE(captions(output), QStringList({QStringLiteral("导出"), QStringLiteral("报表设计..."), QStringLiteral("-")}) + shipped);
    // A template added to the list's group appears in both places after a rebuild, in title order.
    TRep::AddReport(QStringLiteral("AA 新报表"), OutputCommands::ListReportGroup);
    TRep::AddReport(QStringLiteral("别的组"), 2);
    OutputCommands::BuildReportMenus(frm);
    QCOMPARE(captions(popup).size(), shipped.size() + 1);
    QVERIFY(captions(popup).contains(QStringLiteral("AA 新报表")));
    QVERIFY(!captions(popup).contains(QStringLiteral("别的组")));
    QCOMPARE(captions(output).mid(3), captions(popup));
}

void TestOutputMenu::exportRemembersColumnsAndNeedsItsRight()
{
    TLedger ledger;
    TmainFrm frm;
    TKeyValue2::WriteValues(kExportColumns, QStringLiteral("资产名称\r\n资产编码\r\n"), false, 0, 0);
    QString preset;
    QTimer::singleShot(50, &frm, [&preset] {
        auto *wizard = qobject_cast<TDataExporterFrm *>(QApplication::activeModalWidget());
        QVERIFY(wizard);
        preset = wizard->SelectedFields();
        // The user takes 资产名称 back out.
        const auto found = wizard->lstChosen->findItems(QStringLiteral("资产名称"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        wizard->lstChosen->setCurrentItem(found.first());
        wizard->btnRemove->click();
        wizard->reject();
    });
    frm.Action(QStringLiteral("N_Export"))->trigger();
    QCOMPARE(preset, QStringLiteral("资产名称\r\n资产编码\r\n"));
    QCOMPARE(TKeyValue2::ReadStr(kExportColumns, QString()), QStringLiteral("资产编码\r\n"));
    // Without right 10004 nothing opens.
    AppDatabase().Execute(QStringLiteral("insert into operator (LoginId, Password, Rights) values ('kim', '', ',9,')"));
    QVERIFY(CurrentOperator().LogIn(QStringLiteral("kim"), QString()));
    InstallOperatorRights();
    frm.Action(QStringLiteral("btnExport1"))->trigger();
    QCOMPARE(ledger.Prompter().LastText(), QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(10004).\t"));
    frm.Action(QStringLiteral("N_ReportDesign"))->trigger();
    QVERIFY(ledger.Prompter().LastText().contains(QStringLiteral("(10003)")));
}

QTEST_MAIN(TestOutputMenu)
#include "tst_outputmenu.moc"
