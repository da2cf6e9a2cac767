#include "ZkTest.h"
#include "app/Gbk.h"
#include "app/Launcher.h"
#include "data/DataSet.h"
#include "ui/framework/DataExporterFrm.h"
#include "ui/framework/ZoEdit.h"
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace {

// Code, 名称 and a hidden Memo; the values are awkward on purpose.
struct TFixture {
    TDataSet ds;
    TFixture()
    {
        ds.AddField(TFieldKind::WideString, QStringLiteral("Code"))->SetDisplayLabel(QStringLiteral("编号"));
        ds.AddField(TFieldKind::WideString, QStringLiteral("Name"))->SetDisplayLabel(QStringLiteral("名称"));
        ds.AddField(TFieldKind::WideString, QStringLiteral("Memo"))->SetVisible(false);
        ds.EmptyDataSet();
        ds.AppendRow({QStringLiteral("1,2"), QStringLiteral("say \"hi\""), QStringLiteral("a\tb")});
        ds.AppendRow({QStringLiteral("<b>&"), QStringLiteral("两行\r\n文字"), QString()});
    }
};

QString readGbk(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? Gbk::Decode(f.readAll()) : QString();
}

// A radio button takes clicks on its mark and caption only.
void clickRadio(QAbstractButton *radio)
{
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

} // namespace

class TestDataExporter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selectedFieldsSkipsRepeatsAndUnknowns();
    void buttonsMoveItemsAndFollowTheSelection();
    void checksComeInOrder();
    void formatChangesTheExtension();
    void writesAwkwardValues_data();
    void writesAwkwardValues();
    void overwriteNeedsYes();
};

void TestDataExporter::selectedFieldsSkipsRepeatsAndUnknowns()
{
    TFixture f;
    TDataExporterFrm wizard(&f.ds);
    QCOMPARE(wizard.lstAvailable->count(), 3); // hidden fields too
    wizard.SetSelectedFields(QStringLiteral("名称\r\n名称\r\n价格\r\nMemo\r\n"));
    QCOMPARE(wizard.SelectedFields(), QStringLiteral("名称\r\nMemo\r\n"));
    QCOMPARE(wizard.lstAvailable->count(), 1);
}

void TestDataExporter::buttonsMoveItemsAndFollowTheSelection()
{
    TFixture f;
    TDataExporterFrm wizard(&f.ds);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QVERIFY(!wizard.btnAdd->isEnabled());
    wizard.lstAvailable->setCurrentRow(2);
    QTest::mouseClick(wizard.btnAdd, Qt::LeftButton);
    QCOMPARE(wizard.lstAvailable->currentRow(), 1); // the last one was moved
    QTest::mouseClick(wizard.btnAdd, Qt::LeftButton);
    wizard.lstChosen->setCurrentRow(1);
    QTest::mouseClick(wizard.btnUp, Qt::LeftButton);
    QCOMPARE(wizard.SelectedFields(), QStringLiteral("名称\r\nMemo\r\n"));
    QTest::mouseClick(wizard.btnRemove, Qt::LeftButton);
    QCOMPARE(wizard.SelectedFields(), QStringLiteral("Memo\r\n"));
    QCOMPARE(wizard.lstAvailable->item(1)->text(), QStringLiteral("名称"));

    // Next is allowed without columns; on the last page it finishes.
    QVERIFY(!wizard.btnPrev->isEnabled());
    QTest::mouseClick(wizard.btnNext, Qt::LeftButton);
    QCOMPARE(wizard.PageControl1->currentIndex(), 1);
    QVERIFY(!wizard.PageControl1->isTabVisible(0));
    QCOMPARE(wizard.btnNext->text(), QStringLiteral("确定(&N)"));
    QTest::mouseClick(wizard.btnPrev, Qt::LeftButton);
    QCOMPARE(wizard.btnNext->text(), QStringLiteral("下一步(&N)"));
    QVERIFY(wizard.isVisible());
}

void TestDataExporter::checksComeInOrder()
{
    ZkTest::TFreshHome home;
    TFixture f;
    TDataExporterFrm wizard(&f.ds);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QTest::mouseClick(wizard.btnNext, Qt::LeftButton);
    QTest::mouseClick(wizard.btnNext, Qt::LeftButton); // 确定 with nothing chosen
    wizard.SetSelectedFields(QStringLiteral("编号"));
    QTest::mouseClick(wizard.btnNext, Qt::LeftButton);
    clickRadio(wizard.rgFormat->button(TDataExporterFrm::fmtText));
    wizard.edtFile->setText(QStringLiteral("   "));
    QTest::mouseClick(wizard.btnNext, Qt::LeftButton);
    QVERIFY(wizard.isVisible());
    QCOMPARE(home.Prompter().Texts(), (QStringList{QStringLiteral("没有选择任何要导出的列,请返回上一步并选择."),
                                                   QStringLiteral("\r\n必须指定要导出的格式.\t"),
                                                   QStringLiteral("\r\n必须指定要导出的文件位置.\t")}));
    QCOMPARE(QApplication::focusWidget(), wizard.edtFile);

    home.Prompter().Answers = {false};
    wizard.edtFile->setText(home.Path() + QStringLiteral("/out.txt"));
    QTest::mouseClick(wizard.btnNext, Qt::LeftButton);
    QVERIFY(!wizard.isVisible());
    QCOMPARE(wizard.result(), int(QDialog::Accepted));
    QCOMPARE(home.Prompter().LastText(), QStringLiteral("\r\n数据导出成功,共 2条记录,是否现在就打开?    "));
}

void TestDataExporter::formatChangesTheExtension()
{
    TFixture f;
    TDataExporterFrm wizard(&f.ds);
    QCOMPARE(wizard.Format(), -1);
    wizard.edtFile->setText(QStringLiteral("/tmp/a.b/report.txt"));
    clickRadio(wizard.rgFormat->button(TDataExporterFrm::fmtCsv));
    QCOMPARE(wizard.FileName(), QStringLiteral("/tmp/a.b/report.csv"));
    wizard.SetFormat(TDataExporterFrm::fmtHtml);
    QCOMPARE(wizard.FileName(), QStringLiteral("/tmp/a.b/report.html"));
    wizard.edtFile->setText(QStringLiteral("/tmp/a.b/report"));
    wizard.SetFormat(TDataExporterFrm::fmtExcelText);
    QCOMPARE(wizard.FileName(), QStringLiteral("/tmp/a.b/report.xls"));
}

void TestDataExporter::writesAwkwardValues_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");
    const QString tsv = QStringLiteral("编号\t名称\t\r\n1,2\tsay \"hi\"\t\r\n<b>&\t两行  文字\t\r\n");
    QTest::newRow("text") << int(TDataExporterFrm::fmtText) << tsv;
    QTest::newRow("xls text") << int(TDataExporterFrm::fmtExcelText) << tsv;
    QTest::newRow("csv") << int(TDataExporterFrm::fmtCsv)
                         << QStringLiteral("编号,名称\r\n\"1,2\",\"say \"\"hi\"\"\"\r\n<b>&,\"两行\r\n文字\"\r\n");
    QTest::newRow("html") << int(TDataExporterFrm::fmtHtml)
                          << QStringLiteral("<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\n<table>\r\n"
                                            "<tr>\r\n<td nowrap>编号&nbsp;</td>\r\n<td nowrap>名称&nbsp;</td>\r\n</tr>\r\n"
                                            "<tr>\r\n<td nowrap>1,2&nbsp;</td>\r\n<td nowrap>say &quot;hi&quot;&nbsp;</td>\r\n</tr>\r\n"
                                            "<tr>\r\n<td nowrap>&lt;b&gt;&amp;&nbsp;</td>\r\n<td nowrap>两行\r\n文字&nbsp;</td>\r\n</tr>\r\n"
                                            "</table>\r\n</body>\r\n</html>\r\n");
}

void TestDataExporter::writesAwkwardValues()
{
    QFETCH(int, format);
    QFETCH(QString, expected);
    ZkTest::TFreshHome home;
    TFixture f;
    f.ds.SetRecNo(1);
    TDataExporterFrm wizard(&f.ds);
    wizard.SetSelectedFields(QStringLiteral("编号\r\n名称"));
    wizard.SetFormat(format);
    const QString path = home.Path() + QStringLiteral("/report.out");
    wizard.edtFile->setText(path);
    QStringList opened;
    Launcher::SetOpener([&](const QString &p) { opened.append(p); return true; });
    QVERIFY(wizard.Export());
    Launcher::SetOpener({});
    QCOMPARE(readGbk(path), expected);
    QCOMPARE(opened, QStringList{path});
    QCOMPARE(f.ds.RecNo(), 1);
}

void TestDataExporter::overwriteNeedsYes()
{
    ZkTest::TFreshHome home;
    TFixture f;
    f.ds.EmptyDataSet();
    const QString path = home.Path() + QStringLiteral("/old.csv");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("keep");
    old.close();
    TDataExporterFrm wizard(&f.ds);
    wizard.SetSelectedFields(QStringLiteral("编号"));
    wizard.SetFormat(TDataExporterFrm::fmtCsv);
    wizard.edtFile->setText(path);
    home.Prompter().Answers = {false};
    QVERIFY(!wizard.Export());
    QCOMPARE(readGbk(path), QStringLiteral("keep"));
    QCOMPARE(home.Prompter().LastText(), QStringLiteral("\r\n该文件已经存在,是否继续执行并覆盖文件?"));
    home.Prompter().Answers = {true, false};
    QVERIFY(wizard.Export());
    QCOMPARE(readGbk(path), QStringLiteral("编号\r\n"));
    QCOMPARE(home.Prompter().LastText(), QStringLiteral("\r\n数据导出成功,共 0条记录,是否现在就打开?    "));

    const QString shots = qEnvironmentVariable("ZK_SHOT_DIR");
    if (!shots.isEmpty()) {
        TFixture g;
        TDataExporterFrm shown(&g.ds);
        shown.SetSelectedFields(QStringLiteral("名称"));
        shown.lstAvailable->setCurrentRow(0);
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        shown.grab().save(shots + QStringLiteral("/exporter-columns.png"));
        QTest::mouseClick(shown.btnNext, Qt::LeftButton);
        shown.SetFormat(TDataExporterFrm::fmtCsv);
        shown.edtFile->setText(QStringLiteral("/home/user/资产清单.csv"));
        shown.grab().save(shots + QStringLiteral("/exporter-output.png"));
    }
}

QTEST_MAIN(TestDataExporter)
#include "tst_dataexporter.moc"
