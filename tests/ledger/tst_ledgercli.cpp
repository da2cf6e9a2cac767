#include "ZkTest.h"
#include "app/Configer.h"
#include "data/RecordSet.h"
#include <QProcess>
#include <QRegularExpression>

using namespace ZkTest;

class TestLedgerCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void demoThenTablesOnAFreshHome();
};

struct CliResult {
    int exitCode;
    QStringList lines;
    QString errors;
};

static CliResult runCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ZK_CLI), args);
    if (!p.waitForFinished(300000))
        qFatal("zokamo-cli did not finish");
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    return {p.exitCode(), out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts), QString::fromUtf8(p.readAllStandardError())};
}

void TestLedgerCli::demoThenTablesOnAFreshHome()
{
    TFreshHome home; // the child processes inherit ZOKAMO_HOME
    const CliResult demo = runCli({QStringLiteral("demo"), QStringLiteral("--assets"), QStringLiteral("400")});
    QVERIFY2(demo.exitCode == 0, qPrintable(demo.errors));

    const CliResult monthly = runCli({QStringLiteral("depreciation"), QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("--month"), QStringLiteral("11")});
    QVERIFY2(monthly.exitCode == 0, qPrintable(monthly.errors));
    QCOMPARE(monthly.lines.value(0), QStringLiteral("ID,资产编码,资产名称,规格型号,资产分类,使用部门,启用日期,原值,残值,残值率,折旧年限,增加方式,折旧法,本月增加,本月折旧,累计折旧,净值"));
    const QRegularExpression amounts(QStringLiteral(",-?\\d+\\.\\d\\d,-?\\d+\\.\\d\\d,-?\\d+\\.\\d\\d$"));
    for (const QString &line : monthly.lines.mid(1))
        QVERIFY2(amounts.match(line).hasMatch(), qPrintable(line));

    const CliResult yearly = runCli({QStringLiteral("depreciation"), QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("--class"), QStringLiteral("03")});
    QVERIFY2(yearly.exitCode == 0, qPrintable(yearly.errors));
    QVERIFY(yearly.lines.value(0).endsWith(QStringLiteral("折旧|11月,折旧|12月,折旧|年度累计")));

    const CliResult disposed = runCli({QStringLiteral("assets"), QStringLiteral("--disposed")});
    QCOMPARE(disposed.exitCode, 0);
    QVERIFY(disposed.lines.value(0).startsWith(QStringLiteral("Id,资产编码,条形码,资产分类,资产名称")));

    // The same ledger read directly: the tables list the held, depreciating assets.
    QVERIFY(AppDatabase().Connect(TConfiger::DefaultDatabaseConnectionString()));
    QCOMPARE(monthly.lines.size() - 1, Scalar(QStringLiteral("select count(*) from assets where ReduceDate is null and MethodId>0")).toInt());
    QCOMPARE(yearly.lines.size() - 1, Scalar(QStringLiteral("select count(*) from assets a join catalog c on a.CataId=c.Id "
                                                             "where ReduceDate is null and MethodId>0 and c.Code like '03%'")).toInt());
    QCOMPARE(disposed.lines.size() - 1, Scalar(QStringLiteral("select count(*) from assets where ReduceDate is not null")).toInt());
    QVERIFY(disposed.lines.size() > 1);
    QVERIFY(Scalar(QStringLiteral("select count(*) from modification")).toInt() > 0);
    QVERIFY(Scalar(QStringLiteral("select count(*) from repair")).toInt() > 0);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from catalog where length(Code)=6")).toInt() > 0, true);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from department where length(Code)=6")).toInt() > 0, true);
    ResetAppDatabase();

    // Errors go to standard error with a non-zero exit.
    const QList<QStringList> wrong = {
        {QStringLiteral("depreciation"), QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("--month"), QStringLiteral("13")},
        {QStringLiteral("depreciation"), QStringLiteral("--month"), QStringLiteral("1")},
        {QStringLiteral("demo"), QStringLiteral("--assets"), QStringLiteral("10")}, // the ledger is no longer empty
        {QStringLiteral("assets"), QStringLiteral("--held"), QStringLiteral("--disposed")},
        {QStringLiteral("assets"), QStringLiteral("--database"), home.Path() + QStringLiteral("/missing.db")},
    };
    for (const QStringList &args : wrong) {
        const CliResult r = runCli(args);
        QVERIFY2(r.exitCode != 0 && !r.errors.trimmed().isEmpty() && r.lines.isEmpty(), qPrintable(args.join(u' ')));
    }
}

QTEST_GUILESS_MAIN(TestLedgerCli)
#include "tst_ledgercli.moc"
