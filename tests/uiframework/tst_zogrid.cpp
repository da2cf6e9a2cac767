#include "ZkTest.h"
#include "app/Launcher.h"
#include "app/Rights.h"
#include "data/DataSet.h"
#include "data/RecordSetModel.h"
#include "app/Gbk.h"
#include "data/Database.h"
#include "data/Exceptions.h"
#include "ui/framework/BatchUpdateFrm.h"
#include "ui/framework/FltrDlgFrm.h"
#include "ui/framework/ZoPopupMenu.h"
#include "ui/framework/KamoDBGrid.h"
#include "ui/framework/SortFrm.h"
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QProcess>

namespace {

// Code, Name, Note (60, 120, 200 pixels) and an amount, three records.
struct TFixture {
    TDataSet ds;
    explicit TFixture(bool withPrice = true)
    {
        const struct { const char16_t *name; int width; } text[] = {{u"Code", 60}, {u"Name", 120}, {u"Note", 200}};
        for (const auto &t : text)
            ds.AddField(TFieldKind::WideString, QString::fromUtf16(t.name))->SetDisplayWidth(t.width);
        if (withPrice)
            ds.AddField(TFieldKind::Currency, QStringLiteral("Price"))->SetDisplayLabel(QStringLiteral("原值|本币"));
        ds.EmptyDataSet();
        add(QStringLiteral("02"), QStringLiteral("车床"), QStringLiteral("A&B"), 1234.5);
        add(QStringLiteral("01"), QStringLiteral("<b>"), QString(), 0.25);
        add(QStringLiteral("03"), QStringLiteral("车床"), QStringLiteral("旧"), 1000000);
    }
    void add(const QString &code, const QString &name, const QString &note, double price)
    {
        TDataSet::Row row{code, name, note};
        if (ds.FieldCount() > 3)
            row.push_back(qint64(Money::FromDouble(price)));
        ds.AppendRow(row);
    }
    QStringList column(int field) const
    {
        QStringList values;
        for (int r = 0; r < ds.RecordCount(); ++r)
            values.append(ds.ValueAt(r, field).toString());
        return values;
    }
};

void clickTitle(TzoDBGrid &grid, int modelColumn)
{
    QHeaderView *h = grid.horizontalHeader();
    const int x = h->sectionViewportPosition(modelColumn) + h->sectionSize(modelColumn) / 2;
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(x, h->height() - 4));
}

// QuaZip's unzip functions share their names with minizip's, which the
// program loads first for libxlsxwriter; the unzip tool reads the package instead.
QByteArray zipMember(const QString &zipPath, const QString &name)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zipPath, name});
    if (!unzip.waitForFinished() || unzip.exitCode() != 0)
        return {};
    return unzip.readAllStandardOutput();
}

// Cell reference -> (text, style index) of the first sheet of an .xlsx.
QMap<QString, QPair<QString, int>> readSheet(const QString &path)
{
    QStringList shared;
    QXmlStreamReader ss(zipMember(path, QStringLiteral("xl/sharedStrings.xml")));
    while (!ss.atEnd())
        if (ss.readNext() == QXmlStreamReader::StartElement && ss.name() == QStringLiteral("t"))
            shared.append(ss.readElementText());
    QMap<QString, QPair<QString, int>> cells;
    QXmlStreamReader xml(zipMember(path, QStringLiteral("xl/worksheets/sheet1.xml")));
    QString ref, type;
    int style = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QStringLiteral("c")) {
            ref = xml.attributes().value(QStringLiteral("r")).toString();
            type = xml.attributes().value(QStringLiteral("t")).toString();
            style = xml.attributes().value(QStringLiteral("s")).toInt();
            cells[ref] = {QString(), style};
        } else if (xml.name() == QStringLiteral("v")) {
            const QString v = xml.readElementText();
            cells[ref].first = type == QStringLiteral("s") ? shared.value(v.toInt()) : v;
        }
    }
    return cells;
}

// The number format ids of the cell styles (cellXfs) of an .xlsx.
QList<int> cellFormats(const QString &path)
{
    QList<int> ids;
    QXmlStreamReader xml(zipMember(path, QStringLiteral("xl/styles.xml")));
    bool inXfs = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("cellXfs"))
            inXfs = true;
        else if (token == QXmlStreamReader::EndElement && xml.name() == QStringLiteral("cellXfs"))
            inXfs = false;
        else if (inXfs && token == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("xf"))
            ids.append(xml.attributes().value(QStringLiteral("numFmtId")).toInt());
    }
    return ids;
}

QString readGbk(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? Gbk::Decode(f.readAll()) : QString();
}

} // namespace

class TestZoGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultColumnsFollowVisibleFields();
    void titleClicksCycleTheSortMarkers();
    void sortDialogBuildsDirectionText();
    void layoutSavedTwiceKeepsOneRow();
    void storedLayoutWithNewField_data();
    void storedLayoutWithNewField();
    void malformedLayoutsApplyAsFarAsTheyGo_data();
    void malformedLayoutsApplyAsFarAsTheyGo();
    void footerSumsCurrencyExactly();
    void arrowKeysSkipHiddenColumnsAndMoveRecords();
    void dataCheckStopsCommandsOnClosedSet();
    void refusedRightShowsDenialOnce();
    void htmlExportOfEmptySet();
    void htmlExportEscapesMarkup();
    void excelExportIsTextCells();
    void quickFilterKeepsMatchingRecords();
    void batchUpdateIsAllOrNothing();
};

void TestZoGrid::defaultColumnsFollowVisibleFields()
{
    TFixture f;
    f.ds.Field(2)->SetVisible(false);
    TzoDBGrid grid;
    grid.SetDataSet(&f.ds);
    QCOMPARE(grid.LayoutText(), QStringLiteral("Code=True60\r\nName=True120\r\nPrice=True64\r\n"));
    QVERIFY(grid.isColumnHidden(2));
    QCOMPARE(grid.FindColumn(f.ds.Field(1)), 1);
    QCOMPARE(grid.FindColumn(f.ds.Field(2)), -1);
    QCOMPARE(grid.PopupMenuZo()->actions().size(), 7);
    QCOMPARE(grid.PopupMenuZo()->actions().first()->text(), QStringLiteral("排序"));
}

void TestZoGrid::titleClicksCycleTheSortMarkers()
{
    TFixture f;
    TzoDBGrid grid;
    grid.SetDataSet(&f.ds);
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    clickTitle(grid, 0);
    clickTitle(grid, 1);
    clickTitle(grid, 1);
    QCOMPARE(f.ds.SortText(), QStringLiteral("Code, Name DESC "));
    QCOMPARE(f.column(0), (QStringList{QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03")}));
    clickTitle(grid, 1);
    QCOMPARE(f.ds.SortText(), QStringLiteral("Code"));
    // The layout survives the re-sorting of the rows.
    QCOMPARE(grid.LayoutText(), QStringLiteral("Code=True60\r\nName=True120\r\nNote=True200\r\nPrice=True64\r\n"));
}

void TestZoGrid::sortDialogBuildsDirectionText()
{
    TFixture f;
    f.ds.Sort(QStringLiteral("Note, Name DESC ")); // as title clicks leave it
    TSortFrm dlg(&f.ds);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTreeWidget *list = dlg.List;
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("升序"));
    QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("降序"));
    auto doubleClick = [&](int row) {
        const QRect r = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    };
    doubleClick(0); // Note: 降序
    doubleClick(0); // Note: none
    QCOMPARE(list->topLevelItem(2)->text(0), QStringLiteral("Code"));
    doubleClick(2); // Code: 升序
    list->setCurrentItem(list->topLevelItem(2));
    QVERIFY(!dlg.btnDown->isEnabled() || list->topLevelItemCount() > 3);
    QTest::mouseClick(dlg.btnUp, Qt::LeftButton);
    QTest::mouseClick(dlg.btnUp, Qt::LeftButton);
    QVERIFY(!dlg.btnUp->isEnabled());
    QCOMPARE(dlg.SortText(), QStringLiteral("Code ASC,Name DESC"));
}

void TestZoGrid::layoutSavedTwiceKeepsOneRow()
{
    ZkTest::TLedger ledger;
    TFixture f(false);
    TzoDBGrid grid;
    grid.SetDataSet(&f.ds);
    grid.SetColumnVisible(QStringLiteral("Note"), false);
    grid.Tag = 7;
    grid.SaveLayoutClick();
    grid.SaveLayoutClick();
    QCOMPARE(ZkTest::Scalar(QStringLiteral("select count(*) from syscols")).toInt(), 1);
    QCOMPARE(ZkTest::Scalar(QStringLiteral("select F06 from syscols where F02=7")).toString(),
             QStringLiteral("Code=True60\r\nName=True120\r\nNote=False200\r\n"));
    QCOMPARE(ledger.Prompter().Messages.size(), 2);
    QCOMPARE(PlainMessageText(ledger.Prompter().LastText()), QStringLiteral("列样式保存成功."));
}

void TestZoGrid::storedLayoutWithNewField_data()
{
    QTest::addColumn<bool>("hideMissing");
    QTest::addColumn<QString>("layout");
    QTest::newRow("new column stays visible") << false << "Note=True200\r\nCode=True60\r\nName=False120\r\nPrice=True64\r\n";
    QTest::newRow("new column hidden") << true << "Note=True200\r\nCode=True60\r\nName=False120\r\nPrice=False64\r\n";
}

void TestZoGrid::storedLayoutWithNewField()
{
    QFETCH(bool, hideMissing);
    QFETCH(QString, layout);
    ZkTest::TLedger ledger;
    AppDatabase().ExecSQL(QStringLiteral("insert into syscols (F02,F06) values (1, :S)"),
                          {DBParam(QStringLiteral("S"), QStringLiteral("Note=True200\r\nCode=True60\r\nName=False120\r\n"))});
    TFixture f;
    TzoDBGrid grid;
    grid.SetHideMissingColumns(hideMissing);
    grid.SetDataSet(&f.ds);
    grid.SetLayoutId(1);
    QCOMPARE(grid.LayoutText(), layout);
    QCOMPARE(grid.horizontalHeader()->visualIndex(2), 0);
    grid.LoadLayout(99); // no row: the default columns
    QCOMPARE(grid.LayoutText(), QStringLiteral("Code=True60\r\nName=True120\r\nNote=True200\r\nPrice=True64\r\n"));
}

void TestZoGrid::malformedLayoutsApplyAsFarAsTheyGo_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("applied");
    const QString defaults = QStringLiteral("Code=True60\r\nName=True120\r\nNote=True200\r\n");
    QTest::newRow("lower-case word hides, width still read") << "Name=true120" << "Name=False120\r\nCode=True60\r\nNote=True200\r\n";
    QTest::newRow("width not a number stops there") << "Code=False30\r\nName=TrueXL\r\nNote=False5\r\n"
                                                   << "Code=False30\r\nName=True120\r\nNote=True200\r\n";
    QTest::newRow("line without '='") << "Code\r\nName=True10" << "Code=False60\r\nName=True120\r\nNote=True200\r\n";
    QTest::newRow("garbage") << QStringLiteral("==\r\n\x01\x02=\r\n=True=False-") << defaults;
    QTest::newRow("unknown fields only") << "Foo=True10\r\nBar=False20\r\n" << defaults;
    QTest::newRow("huge width") << "Code=True99999999999999999999" << defaults;
    QTest::newRow("position beyond the last column") << "A=True1\r\nB=True1\r\nC=True1\r\nNote=True9\r\n"
                                                     << "Code=True60\r\nName=True120\r\nNote=True9\r\n";
}

void TestZoGrid::malformedLayoutsApplyAsFarAsTheyGo()
{
    QFETCH(QString, stored);
    QFETCH(QString, applied);
    TFixture f(false);
    TzoDBGrid grid;
    grid.SetDataSet(&f.ds);
    grid.ApplyLayout(stored);
    QCOMPARE(grid.LayoutText(), applied);
}

void TestZoGrid::footerSumsCurrencyExactly()
{
    TFixture f;
    TzoDBGrid grid;
    grid.SetDataSet(&f.ds);
    grid.SetFooterVisible(true);
    grid.SetFooterSum(f.ds.Field(3));
    QCOMPARE(grid.FooterText(3), QStringLiteral("1,001,234.75"));
    QCOMPARE(grid.FooterText(1), QString());
    f.add(QStringLiteral("04"), QStringLiteral("x"), QString(), 0.01);
    QCOMPARE(grid.FooterText(3), QStringLiteral("1,001,234.76"));
    grid.AddFooterSum(f.ds.Field(3));
    QCOMPARE(grid.FooterText(3), QStringLiteral("1001234.76"));

    grid.resize(560, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QString shots = qEnvironmentVariable("ZK_SHOT_DIR");
    if (!shots.isEmpty()) {
        f.ds.SetRecNo(1);
        f.ds.Field(3)->SetDisplayLabel(QStringLiteral("原值|本币"));
        f.ds.Field(2)->SetDisplayLabel(QStringLiteral("原值|备注"));
        grid.horizontalHeader()->resizeSection(3, 110);
        grid.updateGeometry();
        QTest::qWait(50);
        grid.grab().save(shots + QStringLiteral("/grid.png"));
    }
}

void TestZoGrid::arrowKeysSkipHiddenColumnsAndMoveRecords()
{
    TFixture f;
    TzoDBGrid grid;
    grid.SetDataSet(&f.ds);
    grid.SetColumnVisible(QStringLiteral("Name"), false);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy keys(&grid, &TzoDBGrid::KeyDown);
    grid.setCurrentIndex(grid.model()->index(0, 0));
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(grid.currentIndex().column(), 0);
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(grid.currentIndex().column(), 2);
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(grid.currentIndex().column(), 3);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(f.ds.RecNo(), 1);
    QCOMPARE(grid.currentIndex().row(), 1);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(f.ds.RecNo(), 0);
    QCOMPARE(keys.count(), 7);
}

void TestZoGrid::dataCheckStopsCommandsOnClosedSet()
{
    ZkTest::TFreshHome home;
    TzoDBGrid grid;
    grid.SortClick();
    TFixture f;
    f.ds.Close();
    grid.SetDataSet(&f.ds);
    grid.SortClick();
    grid.BatchUpdateClick();
    QCOMPARE(home.Prompter().Texts(),
             (QStringList{QStringLiteral("\r\n系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!\t"),
                          QStringLiteral("\r\n系统提示: 请先打开数据再操作!\t"),
                          QStringLiteral("\r\n没有指定更新过程BatchProc, 操作被取消.\t")}));
}

void TestZoGrid::refusedRightShowsDenialOnce()
{
    ZkTest::TLedger ledger;
    Rights::SetChecker([](int code) { return code != 10006; });
    TFixture f;
    TKamoDBGrid grid;
    grid.SetDataSet(&f.ds);
    grid.Tag = 3;
    grid.SaveLayoutClick();
    Rights::SetChecker({});
    QCOMPARE(ledger.Prompter().Messages.size(), 1);
    QVERIFY(ledger.Prompter().LastText().contains(QStringLiteral("(10006)")));
    QCOMPARE(ZkTest::Scalar(QStringLiteral("select count(*) from syscols")).toInt(), 0);
}

void TestZoGrid::htmlExportOfEmptySet()
{
    ZkTest::TFreshHome home;
    TFixture f(false);
    f.ds.EmptyDataSet();
    TzoDBGrid grid;
    grid.SetDataSet(&f.ds);
    grid.SetColumnVisible(QStringLiteral("Note"), false);
    const QString path = home.Path() + QStringLiteral("/empty");
    home.Prompter().FileNames = {path};
    home.Prompter().Answers = {false};
    grid.SaveToHtmlClick();
    QCOMPARE(readGbk(path + QStringLiteral(".html")),
             QStringLiteral("<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\n<table>\r\n<tr>\r\n"
                            "<td nowrap>Code&nbsp;</td>\r\n<td nowrap>Name&nbsp;</td>\r\n</tr>\r\n"
                            "</table>\r\n</body>\r\n</html>\r\n"));
    QCOMPARE(home.Prompter().LastText(), QStringLiteral("\r\n导出成功,是否现在就打开?    "));
}

void TestZoGrid::htmlExportEscapesMarkup()
{
    ZkTest::TFreshHome home;
    TFixture f(false);
    TzoDBGrid grid;
    grid.SetDataSet(&f.ds);
    const QString path = home.Path() + QStringLiteral("/list.htm");
    home.Prompter().FileNames = {path};
    QStringList opened;
    Launcher::SetOpener([&](const QString &p) { opened.append(p); return true; });
    grid.SaveToHtmlClick();
    Launcher::SetOpener({});
    QCOMPARE(opened, QStringList{path});
    const QString html = readGbk(path);
    QVERIFY(html.contains(QStringLiteral("<td nowrap>A&amp;B&nbsp;</td>")));
    QVERIFY(html.contains(QStringLiteral("<td nowrap>&lt;b&gt;&nbsp;</td>")));
    QVERIFY(html.contains(QStringLiteral("<td nowrap>车床&nbsp;</td>")));
    QVERIFY(!html.contains(QStringLiteral("<b>")));
}

void TestZoGrid::excelExportIsTextCells()
{
    ZkTest::TFreshHome home;
    TFixture f;
    TzoDBGrid grid;
    grid.SetDataSet(&f.ds);
    grid.SetColumnVisible(QStringLiteral("Name"), false);
    grid.SetColumnVisible(QStringLiteral("Note"), false);
    QString opened;
    Launcher::SetOpener([&](const QString &p) { opened = p; return true; });
    grid.SaveToExcelClick();
    Launcher::SetOpener({});
    QVERIFY(opened.endsWith(QStringLiteral(".xlsx")));
    const auto cells = readSheet(opened);
    const QList<int> formats = cellFormats(opened);
    QFile::remove(opened);
    QCOMPARE(cells.keys(), (QStringList{QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("A3"), QStringLiteral("A4"),
                                        QStringLiteral("B1"), QStringLiteral("B2"), QStringLiteral("B3"), QStringLiteral("B4")}));
    QCOMPARE(cells[QStringLiteral("A1")].first, QStringLiteral("Code"));
    QCOMPARE(cells[QStringLiteral("B1")].first, QStringLiteral("原值|本币"));
    QCOMPARE(cells[QStringLiteral("A2")].first, QStringLiteral("02"));
    QCOMPARE(cells[QStringLiteral("B4")].first, QStringLiteral("1,000,000.00"));
    for (const auto &cell : cells)
        QCOMPARE(formats.value(cell.second), 49); // "@": text
    QVERIFY(home.Prompter().Messages.isEmpty());

    Launcher::SetOpener([](const QString &p) { QFile::remove(p); return false; });
    grid.SaveToExcelClick();
    Launcher::SetOpener({});
    QCOMPARE(PlainMessageText(home.Prompter().LastText()), QStringLiteral("Excel 没有正确安装!"));
}

void TestZoGrid::quickFilterKeepsMatchingRecords()
{
    ZkTest::TFreshHome home;
    TFixture f;
    TzoDBGrid grid;
    grid.SetDataSet(&f.ds);
    QTimer::singleShot(0, [&] {
        auto *dlg = qobject_cast<TFltrDlgFrm *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        QCOMPARE(dlg->lstFields->count(), 3); // the text fields
        dlg->lstFields->setCurrentRow(1);
        QTest::mouseClick(dlg->btnNext, Qt::LeftButton);
        QTest::sendKeyEvent(QTest::Click, dlg->edtKeyword, Qt::Key_unknown, QStringLiteral("车"), Qt::NoModifier);
        QTest::keyClicks(dlg->edtKeyword, QStringLiteral("'"));
        QTest::keyClick(dlg->edtKeyword, Qt::Key_Backspace);
        QTest::keyClick(dlg->edtKeyword, Qt::Key_Return);
    });
    grid.FilterClick();
    QCOMPARE(grid.FilterText(), QStringLiteral("Name like '%车%'"));
    QCOMPARE(QList<bool>({grid.isRowHidden(0), grid.isRowHidden(1), grid.isRowHidden(2)}), QList<bool>({false, true, false}));
    grid.SetQuickFilter(QStringLiteral("Name"), QStringLiteral("a'b"));
    QCOMPARE(grid.FilterText(), QStringLiteral("Name like '%a''b%'"));
    grid.SetQuickFilter(QStringLiteral("Name"), QString());
    QCOMPARE(grid.FilterText(), QString());
    QVERIFY(!grid.isRowHidden(1));
}

void TestZoGrid::batchUpdateIsAllOrNothing()
{
    ZkTest::TLedger ledger;
    TFixture f;
    TzoDBGrid grid;
    grid.SetDataSet(&f.ds);
    grid.selectionModel()->clearSelection();
    for (int r : {0, 2})
        grid.selectionModel()->select(grid.model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QList<int> visited;
    grid.BatchProc = [&] {
        visited.append(f.ds.RecNo());
        if (visited.size() == 2 && f.ds.Field(3)->AsCurrency() == Money::FromDouble(9))
            throw EZoError(QStringLiteral("写入失败"));
    };
    QCOMPARE(grid.SelectedRows(), (QList<int>{0, 2}));
    TBatchUpdateFrm::Apply(f.ds, f.ds.Field(1), QStringLiteral("铣床"), grid.SelectedRows(), grid.BatchProc);
    QCOMPARE(f.column(1), (QStringList{QStringLiteral("铣床"), QStringLiteral("<b>"), QStringLiteral("铣床")}));
    QCOMPARE(visited, (QList<int>{0, 2}));

    visited.clear();
    QVERIFY_THROWS_EXCEPTION(EZoError, TBatchUpdateFrm::Apply(f.ds, f.ds.Field(3), QStringLiteral("9"), {0, 2}, grid.BatchProc));
    QCOMPARE(f.ds.ValueAt(0, 3).toLongLong(), Money::FromDouble(1234.5)); // restored
    QVERIFY_THROWS_EXCEPTION(EConvertError, TBatchUpdateFrm::Apply(f.ds, f.ds.Field(3), QStringLiteral("九"), {0}, {}));
    QCOMPARE(f.ds.ValueAt(0, 3).toLongLong(), Money::FromDouble(1234.5));
}

QTEST_MAIN(TestZoGrid)
#include "tst_zogrid.moc"
