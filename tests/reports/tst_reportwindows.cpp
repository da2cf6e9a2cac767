#include "ZkTest.h"
#include "app/Launcher.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "ledger/DemoLedger.h"
#include "reportengine/ReportXml.h"
#include "reports/PrintMenu.h"
#include "reports/Rep.h"
#include "ui/framework/ReportCanvas.h"
#include "ui/framework/ReportDesigner.h"
#include "ui/framework/ReportPreview.h"
#include "ui/windows/RepDesigner.h"
#include "ui/windows/Reporter.h"
#include <QAction>
#include <QCursor>
#include <QScreen>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUndoStack>

class TstReportWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void testDesignerEditsUndoAndSave()
    {
        ZkTest::TLedger ledger;
        DemoLedger::Fill(30);
        TRecordSet d;
        d.Open(QStringLiteral("select a.*, c.Name as CataName from assets a left join catalog c on c.Id=a.CataId order by a.Code"));
        TProjRep rep;
        rep.AddDataSet(QStringLiteral("d"), d.DataSet());
        rep.Load(1);
        TReportDesigner designer(rep);
        designer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&designer));
        const QString shots = qEnvironmentVariable("ZK_SHOTS");
        if (!shots.isEmpty())
            designer.grab().save(shots + QStringLiteral("/designer.png"));

        int band = 0;
        while (designer.Report().Bands[band].Kind != TRptBandKind::MasterData)
            ++band;
        const int before = int(designer.Report().Bands[band].Items.size());
        designer.AddFieldText(band, 10, 1, QStringLiteral("[d.Factory]"));
        QCOMPARE(designer.Report().Bands[band].Items.size(), before + 1);
        TReportCanvas *canvas = designer.Canvas();
        canvas->setFocus();
        QTest::keyClick(canvas, Qt::Key_Right);
        QTest::keyClick(canvas, Qt::Key_Down, Qt::ShiftModifier);
        const TRptItem moved = designer.Report().Bands[band].Items.last();
        QCOMPARE(moved.X, 11.0);
        QCOMPARE(moved.H, 7.0);
        QCOMPARE(moved.Text, QStringLiteral("[d.Factory]"));
        designer.CopySelection();
        designer.Paste();
        QCOMPARE(designer.Report().Bands[band].Items.size(), before + 2);
        designer.UndoStack()->undo(); // paste
        designer.UndoStack()->undo(); // resize
        QCOMPARE(designer.Report().Bands[band].Items.last().H, 6.0);
        designer.findChild<QAction *>(QStringLiteral("actUndo"))->trigger(); // move
        QCOMPARE(designer.Report().Bands[band].Items.last().X, 10.0);
        designer.UndoStack()->redo();

        designer.findChild<QAction *>(QStringLiteral("actSave"))->trigger();
        QSqlQuery q = AppDatabase().Select(QStringLiteral("select Fr3File from report where Id=1"));
        QVERIFY(q.next());
        QVERIFY(ReportXml::Load(q.value(0).toByteArray()) == designer.Report());
    }

    void testEmptyTemplateOpensAsNewReport()
    {
        ZkTest::TLedger ledger;
        TProjRep rep;
        rep.Load(TRep::AddReport(QStringLiteral("空"), 1));
        TReportDesigner designer(rep);
        QVERIFY(!designer.Report().IsEmpty());
        designer.AddItem(TRptItemKind::Barcode);
        QCOMPARE(designer.Report().Bands[2].Items.first().Kind, TRptItemKind::Barcode);
    }

    void testPrintMenuWithoutDesignRight()
    {
        ZkTest::TLedger ledger;
        TProjRep rep;
        TPrintMenu menu;
        menu.SetCanDesign(false);
        menu.SetGroupId(1);
        menu.SetReper(&rep);
        TReporterFrm frm(menu);
        for (const char *name : {"btnNew", "btnDelete", "btnRename", "btnDesign"})
            QVERIFY(!frm.findChild<QAction *>(QString::fromLatin1(name))->isEnabled());
        auto *list = frm.findChild<QListWidget *>(QStringLiteral("lstReports"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentRow(), 0);
        frm.show();
        QTest::mouseClick(frm.findChild<QPushButton *>(QStringLiteral("btnPreview")), Qt::LeftButton);
        QVERIFY(!frm.isVisible()); // previewed, the menu closed
    }

    void testReportWindowsOnBaseForms()
    {
        ZkTest::TLedger ledger;
        QStringList opened;
        Launcher::SetOpener([&](const QString &path) { opened.append(path); return true; });
        TRepDesignerFrm manager;
        manager.SetGroupId(1);
        QCOMPARE(manager.findChild<QListWidget *>(QStringLiteral("lstReports"))->count(), 2);
        const QString shots = qEnvironmentVariable("ZK_SHOTS");
        if (!shots.isEmpty())
            manager.grab().save(shots + QStringLiteral("/repdesigner.png"));
        QTest::mouseClick(manager.HelpBtn1, Qt::LeftButton);
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened.last().contains(QStringLiteral("/help/")));

        // The print menu puts itself by the pointer after the base form's placement, and F1 is the base form's help.
        TPrintMenu menu;
        menu.SetGroupId(1);
        menu.SetReper(&manager.Rep());
        TReporterFrm frm(menu);
        QCursor::setPos(QPoint(400, 300));
        frm.show();
        frm.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        const QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(frm.pos(), PrintMenuPosition(screen->geometry(), frm.frameGeometry().size(), QCursor::pos()));
        if (!shots.isEmpty())
            frm.grab().save(shots + QStringLiteral("/reporter.png"));
        QTest::keyClick(&frm, Qt::Key_F1);
        QCOMPARE(opened.size(), 2);
        QTest::keyClick(&frm, Qt::Key_Escape);
        QVERIFY(!frm.isVisible());
        Launcher::SetOpener({});
    }

    void testPreviewPagesAndExports()
    {
        ZkTest::TLedger ledger;
        DemoLedger::Fill(40);
        TRecordSet d;
        d.Open(QStringLiteral("select * from assets order by Code"));
        TProjRep rep;
        rep.AddDataSet(QStringLiteral("d"), d.DataSet());
        rep.Load(1);
        TReportPreview preview(rep.Prepare());
        QTest::keyClick(&preview, Qt::Key_Escape);
        preview.findChild<QAction *>(QStringLiteral("actLast"))->trigger();
        QCOMPARE(preview.PageIndex(), rep.Prepare().PageCount() - 1);
        QTemporaryDir dir;
        ledger.Prompter().FileNames = {dir.filePath(QStringLiteral("a.pdf"))};
        preview.findChild<QAction *>(QStringLiteral("actPdf"))->trigger();
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("a.pdf"))).size() > 1000);
        QVERIFY(preview.ExportXlsx(dir.filePath(QStringLiteral("a.xlsx"))));
    }
};

QTEST_MAIN(TstReportWindows)
#include "tst_reportwindows.moc"
