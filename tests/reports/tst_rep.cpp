#include "ZkTest.h"
#include "app/Company.h"
#include "app/Operator.h"
#include "app/Rights.h"
#include "data/Database.h"
#include "data/Exceptions.h"
#include "reportengine/ReportXml.h"
#include "reports/PrintMenu.h"
#include "reports/Rep.h"
#include "reports/ReportFrontEnd.h"
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {
// Records what would be shown and lets a test act inside the designer.
class TRecordingFrontEnd : public TReportFrontEnd {
public:
    QList<TRptDocument> Previews;
    QList<int> Designed;
    QList<bool> MenuCanDesign;
    std::function<void(TRep &)> InDesigner;
    std::function<void(TPrintMenu &)> InMenu;
    void Preview(TRep &, const TRptDocument &document) override { Previews.append(document); }
    void Design(TRep &rep) override
    {
        Designed.append(rep.Tag());
        if (InDesigner)
            InDesigner(rep);
    }
    void ShowPrintMenu(TPrintMenu &menu) override
    {
        MenuCanDesign.append(menu.CanDesign());
        if (InMenu)
            InMenu(menu);
    }
};

struct TFrontEndScope {
    TRecordingFrontEnd *ui = new TRecordingFrontEnd;
    std::unique_ptr<TReportFrontEnd> previous = SetReportFrontEnd(std::unique_ptr<TReportFrontEnd>(ui));
    ~TFrontEndScope()
    {
        SetReportFrontEnd(std::move(previous));
        Rights::SetChecker(nullptr);
    }
};

QByteArray storedTemplate(int id)
{
    QSqlQuery q = AppDatabase().Select(QStringLiteral("select Fr3File from report where Id=:Id"), {DBParam(QStringLiteral("Id"), id)});
    return q.next() ? q.value(0).toByteArray() : QByteArray("<no row>");
}

QByteArray oneTextTemplate(const QString &text)
{
    TRptReport r;
    TRptBand b;
    b.Kind = TRptBandKind::ReportTitle;
    TRptItem i;
    i.Text = text;
    b.Items = {i};
    r.Bands = {b};
    return ReportXml::Save(r);
}

QStringList titles(const TPrintMenu &menu)
{
    QStringList t;
    for (const auto &e : menu.Entries())
        t.append(e.Title);
    return t;
}
} // namespace

class TstRep : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void testNewIdsIgnoreGroups_data() { ZkTest::AddBackendRows(); }
    void testNewIdsIgnoreGroups()
    {
        QFETCH(QString, backend);
        ZkTest::TLedger ledger(backend);
        AppDatabase().Execute(QStringLiteral("delete from report"));
        QCOMPARE(TRep::AddReport(QStringLiteral("甲"), 7), 1);
        QCOMPARE(TRep::AddReport(QString(), 1), 2);
        QCOMPARE(ZkTest::Scalar(QStringLiteral("select Title from report where Id=2")).toString(), QString());
        QCOMPARE(ZkTest::Scalar(QStringLiteral("select GrpId from report where Id=1")).toInt(), 7);
    }

    void testVariablesAndEmptyTemplate()
    {
        ZkTest::TLedger ledger;
        TFrontEndScope scope;
        TRep rep;
        rep.AddVariable(QString(), QStringLiteral("ignored"));
        rep.AddVariable(QStringLiteral("m_Year"), QString());
        QCOMPARE(rep.VariableNames(), QStringList{QStringLiteral("m_Year")});
        QCOMPARE(rep.VariableValues(), QStringList{QStringLiteral(" ")});

        const int empty = TRep::AddReport(QStringLiteral("空"), 1);
        rep.Preview(empty);
        QCOMPARE(rep.Tag(), empty);
        QCOMPARE(scope.ui->Previews.size(), 1);
        QCOMPARE(scope.ui->Previews[0].PageCount(), 1);
        QVERIFY(scope.ui->Previews[0].Pages[0].Shapes.isEmpty());

        rep.SetTag(empty);
        rep.Report() = ReportXml::Load(oneTextTemplate(QStringLiteral("<[m_Year]>[u.u_Nobody]")));
        rep.DesignerSave();
        rep.Preview(empty);
        QCOMPARE(scope.ui->Previews[1].Pages[0].Shapes[0].Lines, QStringList{QStringLiteral("< >u_Nobody")});
    }

    void testProjRepCarriesCompany()
    {
        ZkTest::TLedger ledger;
        AppDatabase().Execute(QStringLiteral("update Company set CompanyName='卓科机电有限公司', Tel='010-1234'"));
        CurrentCompany().Load();
        QVERIFY(CurrentOperator().LogIn(QStringLiteral("sa"), QString()));
        TProjRep rep;
        QCOMPARE(rep.VariableNames(), (QStringList{QStringLiteral("u_Company"), QStringLiteral("u_Tel"), QStringLiteral("u_Fax"),
                                                   QStringLiteral("u_Address"), QStringLiteral("u_Zip"), QStringLiteral("u_Operator")}));
        QCOMPARE(rep.VariableValues().mid(0, 3), (QStringList{QStringLiteral("卓科机电有限公司"), QStringLiteral("010-1234"), QStringLiteral(" ")}));
        QCOMPARE(rep.VariableValues().last(), QStringLiteral("sa"));
    }

    void testDesignerOpenSaveAndSaveAs()
    {
        ZkTest::TLedger ledger;
        TFrontEndScope scope;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("from-disk.zrt"));
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(oneTextTemplate(QStringLiteral("来自文件")));
        }
        const int id = TRep::AddReport(QStringLiteral("模板"), 3);
        const int other = TRep::AddReport(QStringLiteral("别的"), 3);
        auto &prompter = ledger.Prompter();
        prompter.FileNames = {file, dir.filePath(QStringLiteral("copy"))};
        scope.ui->InDesigner = [&](TRep &rep) {
            QVERIFY(rep.DesignerOpen());
            QCOMPARE(rep.Tag(), id);
            rep.DesignerSave();
            rep.Report().Bands[0].Items[0].Text = QStringLiteral("只在另存的文件里");
            QVERIFY(rep.DesignerSaveAs());
            QVERIFY(!rep.DesignerOpen()); // cancelled: nothing changes
            QCOMPARE(rep.Report().Bands[0].Items[0].Text, QStringLiteral("只在另存的文件里"));
        };
        TKamoRep rep;
        rep.Design(id);
        QCOMPARE(scope.ui->Designed, QList<int>{id});
        QCOMPARE(ReportXml::Load(storedTemplate(id)).Bands[0].Items[0].Text, QStringLiteral("来自文件"));
        QCOMPARE(storedTemplate(other), QByteArray());
        QFile copy(dir.filePath(QStringLiteral("copy.zrt")));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(ReportXml::Load(copy.readAll()).Bands[0].Items[0].Text, QStringLiteral("只在另存的文件里"));

        // A template saved under an Id without a row gets a row of its own.
        rep.SetTag(99);
        rep.DesignerSave();
        QCOMPARE(ZkTest::Scalar(QStringLiteral("select count(*) from report where Id=99 and GrpId is null")).toInt(), 1);
    }

    void testBrokenTemplateLeavesRowAlone()
    {
        ZkTest::TLedger ledger;
        const int id = TRep::AddReport(QStringLiteral("坏"), 1);
        AppDatabase().Execute(QStringLiteral("update report set Fr3File=:F where Id=:Id"), {DBParam(QStringLiteral("Id"), id)},
                              {DBBlobParam(QStringLiteral("F"), "PK\x03\x04 not ours")});
        TRep rep;
        QVERIFY_THROWS_EXCEPTION(EZoError, rep.Load(id));
        QCOMPARE(storedTemplate(id), QByteArray("PK\x03\x04 not ours"));
    }

    void testPrintMenuCommands()
    {
        ZkTest::TLedger ledger;
        TFrontEndScope scope;
        auto &prompter = ledger.Prompter();
        TProjRep rep;
        TPrintMenu menu;
        menu.SetReper(&rep);
        QStringList asked;
        QStringList answers{QStringLiteral("乙表"), QStringLiteral("甲表"), QStringLiteral("丙表")};
        menu.SetInputQuery([&](const QString &caption, const QString &prompt, QString &text) {
            asked.append(caption + u'|' + prompt + u'|' + text);
            if (answers.isEmpty())
                return false;
            text = answers.takeFirst();
            return true;
        });
        menu.SetGroupId(42);
        QVERIFY(menu.Entries().isEmpty());
        QCOMPARE(menu.Selected(), -1);
        QVERIFY(!menu.Preview());
        menu.Rename();
        menu.Delete();
        QCOMPARE(prompter.Texts(), QStringList(3, TPrintMenu::NothingSelectedText()));

        menu.New();
        menu.New();
        QCOMPARE(titles(menu), (QStringList{QStringLiteral("乙表"), QStringLiteral("甲表")})); // by title
        QCOMPARE(menu.Selected(), 0);
        const QString before = titles(menu).first();
        menu.Rename();
        QCOMPARE(asked.last(), QStringLiteral("修改报表标题|请输入新的报表名称:\t\t|") + before);
        QVERIFY(titles(menu).contains(QStringLiteral("丙表")) && !titles(menu).contains(before));
        QCOMPARE(asked.first(), QStringLiteral("添加报表|请输入报表名称:\t\t|"));
        menu.New(); // cancelled
        QCOMPARE(menu.Entries().size(), 2);

        prompter.Messages.clear();
        prompter.Answers = {false, true};
        const QString first = titles(menu).first();
        menu.Delete();
        QCOMPARE(prompter.LastText(), QStringLiteral("确定要删除") + first + QStringLiteral("吗?"));
        QCOMPARE(prompter.Messages.last().icon, TPrompter::Icon::Warning);
        QCOMPARE(menu.Entries().size(), 2);
        menu.Delete();
        QCOMPARE(menu.Entries().size(), 1);

        QVERIFY(menu.Preview());
        QCOMPARE(scope.ui->Previews.size(), 1);
    }

    void testRights_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<bool>("design");
        QTest::newRow("both") << true << true;
        QTest::newRow("print only") << true << false;
        QTest::newRow("neither") << false << false;
    }
    void testRights()
    {
        QFETCH(bool, print);
        QFETCH(bool, design);
        ZkTest::TLedger ledger;
        TFrontEndScope scope;
        Rights::SetChecker([&](int code) { return code == RepRights::Print ? print : (code == RepRights::Design ? design : true); });
        TKamoRep rep;
        scope.ui->InMenu = [](TPrintMenu &menu) { menu.Preview(); };
        bool aborted = false;
        try {
            ShowPrintMenu(rep, 1);
        } catch (const EAbort &) {
            aborted = true;
        }
        QCOMPARE(aborted, !print);
        QCOMPARE(scope.ui->MenuCanDesign, print ? QList<bool>{design} : QList<bool>{});
        QCOMPARE(scope.ui->Previews.size(), print ? 1 : 0);
        rep.Design(1);
        QCOMPARE(scope.ui->Designed.size(), design ? 1 : 0);
        if (!design)
            QCOMPARE(ledger.Prompter().LastText(), QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(10003).\t"));
    }

    void testPlacement_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("near the pointer") << QPoint(500, 400) << QPoint(500 - 150, 400 - 50);
        QTest::newRow("would cross the right edge: centred") << QPoint(900, 100) << QPoint(350, 284);
        QTest::newRow("would cross the bottom: centred") << QPoint(100, 600) << QPoint(350, 284);
        QTest::newRow("negative left becomes 10") << QPoint(20, 300) << QPoint(10, 250);
        QTest::newRow("negative top becomes 10") << QPoint(400, 10) << QPoint(250, 10);
    }
    void testPlacement()
    {
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, expected);
        QCOMPARE(PrintMenuPosition(QRect(0, 0, 1000, 768), QSize(300, 200), pointer), expected);
    }
};

QTEST_MAIN(TstRep)
#include "tst_rep.moc"
