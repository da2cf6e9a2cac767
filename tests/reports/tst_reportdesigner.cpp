#include "ZkTest.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "ledger/DemoLedger.h"
#include "reportengine/ReportEngine.h"
#include "reportengine/ReportXml.h"
#include "reports/Rep.h"
#include "ui/framework/ReportCanvas.h"
#include "ui/framework/ReportDesigner.h"
#include "ui/framework/ReportRuler.h"
#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTreeWidget>
#include <QUndoStack>
#include <algorithm>
#include <array>

namespace {
// A designer over the assets of a demonstration ledger, shown and ready for the mouse.
struct TDesignerFixture {
    ZkTest::TLedger Ledger;
    TRecordSet Assets;
    TProjRep Rep;
    int Id = 0;
    std::unique_ptr<TReportDesigner> Designer;
    TReportCanvas *Canvas = nullptr;

    explicit TDesignerFixture(int assets = 12)
    {
        DemoLedger::Fill(assets);
        Assets.Open(QStringLiteral("select * from assets order by Code"));
        Rep.AddDataSet(QStringLiteral("d"), Assets.DataSet());
        Id = TRep::AddReport(QStringLiteral("清单"), 1);
        Rep.Load(Id);
        Designer = std::make_unique<TReportDesigner>(Rep);
        Designer->show();
        Canvas = Designer->Canvas();
    }
    const TRptReport &Report() const { return Designer->Report(); }
    int Band(TRptBandKind kind) const
    {
        for (int b = 0; b < Report().Bands.size(); ++b)
            if (Report().Bands[b].Kind == kind)
                return b;
        return -1;
    }
    void Trigger(const char *action) const { Designer->findChild<QAction *>(QString::fromLatin1(action))->trigger(); }
    QPoint At(int band, double x, double y) const { return Canvas->BandPoint(band, x, y).toPoint(); }
    void Click(int band, double x, double y, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::mouseClick(Canvas, Qt::LeftButton, modifiers, At(band, x, y));
    }
    void Drag(const QPoint &from, const QPoint &to) const
    {
        QTest::mousePress(Canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(Canvas, (from + to) / 2);
        QTest::mouseMove(Canvas, to);
        QTest::mouseRelease(Canvas, Qt::LeftButton, {}, to);
    }
    // Drags a field of the data tree onto the canvas, as the mouse does: the tree's own drag data, dropped on a band.
    void DropField(const QString &field, int band, double x, double y = 0.5) const
    {
        auto *tree = Designer->findChild<QTreeWidget *>(QStringLiteral("tvData"));
        const QString expression = QStringLiteral("[d.%1]").arg(field);
        QTreeWidgetItem *found = nullptr;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == expression)
                found = *it;
        QVERIFY2(found, qPrintable(expression));
        std::unique_ptr<QMimeData> mime(tree->model()->mimeData({tree->indexFromItem(found)}));
        const QPoint at = At(band, x, y);
        QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(Canvas, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(Canvas, &move);
        QVERIFY(move.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(Canvas, &drop);
    }
    // Types `text` into the property table's row `property` of the selection, as a user edits a cell.
    void TypeProperty(const QString &property, const QString &text) const
    {
        auto *table = Designer->findChild<QTableWidget *>(QStringLiteral("tblProps"));
        int row = 0;
        while (row < table->rowCount() && table->item(row, 0)->data(Qt::UserRole).toString() != property)
            ++row;
        QVERIFY2(row < table->rowCount(), qPrintable(property));
        const QRect cell = table->visualItemRect(table->item(row, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QWidget *editor = QApplication::focusWidget();
        QVERIFY(editor && editor != table);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        // Chinese arrives from the input method as one committed string.
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(editor, &commit);
        const int edits = Designer->UndoStack()->index();
        QTest::keyClick(editor, Qt::Key_Return);
        // The table commits, then the designer applies the edit as its own undoable command.
        QTRY_COMPARE(Designer->UndoStack()->index(), edits + 1);
    }
    const TRptItem &Item(int band, int item) const { return Report().Bands[band].Items[item]; }
};

// Saves a picture of `w` when ZK_SHOTS names a folder.
void shot(QWidget *w, const QString &name)
{
    const QString folder = qEnvironmentVariable("ZK_SHOTS");
    if (!folder.isEmpty())
        w->grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

// Texts of a rendered document, every page.
QStringList renderedTexts(const TRptDocument &doc)
{
    QStringList texts;
    for (const TRptDocPage &page : doc.Pages)
        for (const TRptShape &s : page.Shapes)
            if (s.ShapeKind == TRptShape::Text)
                texts.append(s.Lines.join(u' '));
    return texts;
}
} // namespace

class TstReportDesigner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void testBuildListReportWithDesignerOnly()
    {
        TDesignerFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(f.Designer.get()));
        f.Trigger("actBandSummary");
        const int header = f.Band(TRptBandKind::DataHeader), master = f.Band(TRptBandKind::MasterData),
                  summary = f.Band(TRptBandKind::Summary);
        QVERIFY(header >= 0 && master >= 0 && summary > master);

        f.DropField(QStringLiteral("Code"), master, 0);
        f.DropField(QStringLiteral("Name"), master, 35);
        f.DropField(QStringLiteral("OriginValue"), master, 70);
        QCOMPARE(f.Report().Bands[master].Items.size(), 3);
        QCOMPARE(f.Item(master, 1).Text, QStringLiteral("[d.Name]"));
        QCOMPARE(f.Item(master, 1).X, 35.0);

        // A column title: pick the header band by its caption, add a text, type its content.
        f.Click(header, 50, -2);
        f.Trigger("actItemText");
        f.TypeProperty(QStringLiteral("Text"), QStringLiteral("资产编码"));
        QCOMPARE(f.Item(header, 0).Text, QStringLiteral("资产编码"));

        // The total: a field dropped on the summary band, turned into its sum and formatted.
        f.DropField(QStringLiteral("OriginValue"), summary, 70);
        f.Trigger("actSum");
        QCOMPARE(f.Item(summary, 0).Text, QStringLiteral("[Sum(d.OriginValue)]"));
        f.TypeProperty(QStringLiteral("Format"), QStringLiteral(",0.00"));
        f.Click(summary, 5, -2);
        f.Trigger("actItemText");
        f.TypeProperty(QStringLiteral("Text"), QStringLiteral("合计"));
        f.Trigger("actSave");
        shot(f.Designer.get(), QStringLiteral("designer-built"));

        QSqlQuery q = AppDatabase().Select(QStringLiteral("select Fr3File from report where Id=%1").arg(f.Id));
        QVERIFY(q.next());
        const TRptReport stored = ReportXml::Load(q.value(0).toByteArray());
        QVERIFY(stored == f.Report());
        const QStringList texts = renderedTexts(ReportEngine::Render(stored, f.Rep.Sources()));
        QSqlQuery first = AppDatabase().Select(QStringLiteral("select Code, Name from assets order by Code limit 1"));
        QVERIFY(first.next());
        QVERIFY(texts.contains(first.value(0).toString()));
        QVERIFY(texts.contains(first.value(1).toString()));
        QVERIFY(texts.contains(QStringLiteral("资产编码")));
        QVERIFY(texts.contains(QStringLiteral("合计")));
        QSqlQuery sum = AppDatabase().Select(QStringLiteral("select sum(OriginValue) from assets"));
        QVERIFY(sum.next() && sum.value(0).toDouble() > 0);
        const QString total = QString::number(sum.value(0).toDouble(), 'f', 2);
        QVERIFY2(std::any_of(texts.begin(), texts.end(), [&](QString t) { return t.contains(u',') && t.remove(u',') == total; }),
                 qPrintable(total + u' ' + texts.join(u'/')));
    }

    void testMouseSelectionAndSnappedDrag()
    {
        TDesignerFixture f(1);
        QVERIFY(QTest::qWaitForWindowExposed(f.Designer.get()));
        const int master = f.Band(TRptBandKind::MasterData);
        for (double x : {10.0, 50.0, 90.0})
            f.DropField(QStringLiteral("Code"), master, x);
        // A marquee over the first two items selects exactly them.
        QTest::mousePress(f.Canvas, Qt::LeftButton, {}, f.At(master, 5, 0.2));
        QTest::mouseMove(f.Canvas, f.At(master, 60, 3));
        shot(f.Designer.get(), QStringLiteral("designer-marquee"));
        QTest::mouseRelease(f.Canvas, Qt::LeftButton, {}, f.At(master, 60, 3));
        QCOMPARE(f.Canvas->Selection(), (QList<TRptRef>{{master, 0}, {master, 1}}));
        // Ctrl-click adds the third, a second Ctrl-click takes it away again, Shift-click adds it.
        f.Click(master, 100, 3, Qt::ControlModifier);
        QCOMPARE(f.Canvas->Selection().size(), 3);
        f.Click(master, 100, 3, Qt::ControlModifier);
        QCOMPARE(f.Canvas->Selection().size(), 2);
        f.Click(master, 100, 3, Qt::ShiftModifier);
        QCOMPARE(f.Canvas->Selection().size(), 3);

        // With a 5 mm grid, a drag of 13.3 mm puts the grabbed item on 25 and the others keep their spacing.
        f.Canvas->SetGrid(5);
        f.Drag(f.At(master, 12, 3), f.At(master, 25.3, 3));
        QCOMPARE(f.Item(master, 0).X, 25.0);
        QCOMPARE(f.Item(master, 1).X, 65.0);
        QCOMPARE(f.Designer->UndoStack()->count(), 4); // three drops and one move
        f.Designer->UndoStack()->undo();
        QCOMPARE(f.Item(master, 0).X, 10.0);
    }

    void testBandEdgeDragAndBandDeletion()
    {
        TDesignerFixture f(1);
        QVERIFY(QTest::qWaitForWindowExposed(f.Designer.get()));
        const int title = f.Band(TRptBandKind::ReportTitle);
        const double height = f.Report().Bands[title].Height;
        const int bands = int(f.Report().Bands.size());
        // The lower edge of the title band, dragged down by 9.6 mm, lands on the 1 mm grid.
        f.Drag(f.At(title, 80, height), f.At(title, 80, height + 9.6));
        QCOMPARE(f.Report().Bands[title].Height, height + 10);
        f.Trigger("actUndo");
        QCOMPARE(f.Report().Bands[title].Height, height);
        // An item selected in a band is enough to delete its band; undo brings band and items back.
        f.DropField(QStringLiteral("Code"), title, 5);
        f.Trigger("actDeleteBand");
        QCOMPARE(f.Report().Bands.size(), bands - 1);
        QVERIFY(f.Band(TRptBandKind::ReportTitle) < 0);
        f.Trigger("actUndo");
        QCOMPARE(f.Report().Bands[title].Items.size(), 1);
    }

    void testZoomScalesPageAndRulers()
    {
        TDesignerFixture f(1);
        QVERIFY(QTest::qWaitForWindowExposed(f.Designer.get()));
        const int width = f.Canvas->width();
        QWheelEvent wheel(QPointF(50, 50), f.Canvas->mapToGlobal(QPointF(50, 50)), {}, {0, 120}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.Canvas, &wheel);
        QCOMPARE(f.Canvas->Zoom(), 1.25);
        QVERIFY(qAbs(f.Canvas->width() - 20 - (width - 20) * 1.25) <= 1);
        f.Trigger("actZoomOut");
        f.Trigger("actZoomOut");
        QCOMPARE(f.Canvas->Zoom(), 0.8);
        shot(f.Designer.get(), QStringLiteral("designer-zoom80"));
        // The rulers follow the zoom: long ticks right above and beside the 10 mm points of the page, none between.
        for (const char *name : {"rulerTop", "rulerLeft"}) {
            auto *ruler = f.Designer->findChild<TReportRuler *>(QString::fromLatin1(name));
            QVERIFY(ruler);
            const bool top = ruler->objectName() == QStringLiteral("rulerTop");
            const QImage image = ruler->grab().toImage();
            auto dark = [&](double mm) {
                const QPoint p = ruler->mapFromGlobal(f.Canvas->mapToGlobal(top ? f.At(0, mm, 0) : f.At(0, 0, mm)));
                const int along = top ? p.x() : p.y();
                for (int d = -1; d <= 1; ++d)
                    if (qGray(top ? image.pixel(along + d, TReportRuler::Thickness - 2)
                                  : image.pixel(TReportRuler::Thickness - 2, along + d)) < 128)
                        return true;
                return false;
            };
            QVERIFY2(dark(10) && !dark(12.5), name);
        }
    }

    void testAlignAndDistribute_data()
    {
        QTest::addColumn<int>("mode"); // TAlignCommand::Mode, or -1/-2 for horizontal/vertical distribution
        QTest::addColumn<QList<double>>("xs");
        QTest::addColumn<QList<double>>("ys");
        // Items: (10,2 20x6), (40,5 10x4), (70,1 30x8); the first selected is the reference.
        QTest::newRow("left") << int(TAlignCommand::Left) << QList<double>{10, 10, 10} << QList<double>{2, 5, 1};
        QTest::newRow("right") << int(TAlignCommand::Right) << QList<double>{10, 20, 0} << QList<double>{2, 5, 1};
        QTest::newRow("centre") << int(TAlignCommand::HCentre) << QList<double>{10, 15, 5} << QList<double>{2, 5, 1};
        QTest::newRow("top") << int(TAlignCommand::Top) << QList<double>{10, 40, 70} << QList<double>{2, 2, 2};
        QTest::newRow("middle") << int(TAlignCommand::VCentre) << QList<double>{10, 40, 70} << QList<double>{2, 3, 1};
        QTest::newRow("bottom") << int(TAlignCommand::Bottom) << QList<double>{10, 40, 70} << QList<double>{2, 4, 0};
        // Span 10..100 holds 60 mm of items: two gaps of 15 mm.
        QTest::newRow("distribute across") << -1 << QList<double>{10, 45, 70} << QList<double>{2, 5, 1};
        // Span 1..9 (items sorted by top) holds 18 mm: the overlap is shared, gaps of -5 mm.
        QTest::newRow("distribute down") << -2 << QList<double>{10, 40, 70} << QList<double>{4, 5, 1};
    }

    void testAlignAndDistribute()
    {
        QFETCH(int, mode);
        QFETCH(QList<double>, xs);
        QFETCH(QList<double>, ys);
        TRptReport report;
        TRptBand band;
        band.Height = 20;
        for (auto [x, y, w, h] : {std::array{10.0, 2.0, 20.0, 6.0}, {40.0, 5.0, 10.0, 4.0}, {70.0, 1.0, 30.0, 8.0}}) {
            TRptItem i;
            i.X = x, i.Y = y, i.W = w, i.H = h;
            band.Items.append(i);
        }
        report.Bands.append(band);
        const TRptReport before = report;
        auto apply = [&report](const TRptReport &r) { report = r; };
        const QList<TRptRef> refs{{0, 0}, {0, 1}, {0, 2}};
        QUndoStack stack;
        if (mode >= 0)
            stack.push(new TAlignCommand(report, refs, TAlignCommand::Mode(mode), apply));
        else
            stack.push(new TDistributeCommand(report, refs, mode == -1 ? Qt::Horizontal : Qt::Vertical, apply));
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(report.Bands[0].Items[k].X, xs[k]);
            QCOMPARE(report.Bands[0].Items[k].Y, ys[k]);
        }
        stack.undo();
        QVERIFY(report == before);
    }
};

QTEST_MAIN(TstReportDesigner)
#include "tst_reportdesigner.moc"
