#include "ZkTest.h"
#include "data/ConnectionString.h"
#include "data/RecordSet.h"
#include <QThread>

using namespace ZkTest;

class TestDatabase : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void execSqlCountsRowsAndBindsQuotes_data() { AddBackendRows(); }
    void execSqlCountsRowsAndBindsQuotes();
    void errorsCarryStatementAndMissingParameterRunsNothing_data() { AddBackendRows(); }
    void errorsCarryStatementAndMissingParameterRunsNothing();
    void blobRoundTrip_data() { AddBackendRows(); }
    void blobRoundTrip();
    void rolledBackTransactionLeavesNothing_data() { AddBackendRows(); }
    void rolledBackTransactionLeavesNothing();
    void keysStartAtOneAndFollowTheLargest_data() { AddBackendRows(); }
    void keysStartAtOneAndFollowTheLargest();
    void concurrentWritersBothSucceed();
    void dateLiteralComparesWithStoredDates_data() { AddBackendRows(); }
    void dateLiteralComparesWithStoredDates();
    void connectionValues();
    void connectFailureShowsReason();
    void schemaHasEveryTableAndSeed_data() { AddBackendRows(); }
    void schemaHasEveryTableAndSeed();
};

void TestDatabase::execSqlCountsRowsAndBindsQuotes()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    TDatabase &db = AppDatabase();
    const QString insert = QStringLiteral("insert into upgrade (Id, Version, SqlText) values (:Id, :Version, :SqlText)");
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(db.ExecSQL(insert, {DBParam(QStringLiteral("Id"), i), DBParam(QStringLiteral("Version"), i < 3 ? QStringLiteral("a'b") : QStringLiteral("c")),
                                     DBParam(QStringLiteral("SqlText"), QStringLiteral("中文 ; -- :x"))}), 1);
    QCOMPARE(db.ExecSQL(QStringLiteral("update upgrade set SqlText=:T where Version=:V"),
                        {DBParam(QStringLiteral("T"), QStringLiteral("x")), DBParam(QStringLiteral("V"), QStringLiteral("a'b"))}), 2);
    QCOMPARE(db.ExecSQL(QStringLiteral("update upgrade set SqlText='y' where Id=:Id"), {DBParam(QStringLiteral("Id"), 99)}), 0);
    QCOMPARE(Scalar(QStringLiteral("select SqlText from upgrade where Id=3")).toString(), QStringLiteral("中文 ; -- :x"));
    // A literal that looks like a parameter stays a literal.
    QCOMPARE(db.ExecSQL(QStringLiteral("update upgrade set Version=':Id' where Id=:Id"), {DBParam(QStringLiteral("Id"), 3)}), 1);
    QCOMPARE(Scalar(QStringLiteral("select Version from upgrade where Id=3")).toString(), QStringLiteral(":Id"));
}

void TestDatabase::errorsCarryStatementAndMissingParameterRunsNothing()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    const QString bad = QStringLiteral("insert into nosuchtable (a) values (1)");
    try {
        AppDatabase().ExecSQL(bad);
        QFAIL("no error");
    } catch (const EDatabaseError &e) {
        QVERIFY(!e.ProviderMessage().isEmpty());
        QCOMPARE(e.Message(), e.ProviderMessage() + QStringLiteral("\r\n") + bad);
    }
    const QString insert = QStringLiteral("insert into upgrade (Id, Version) values (:Id, :Version)");
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, AppDatabase().ExecSQL(insert, {DBParam(QStringLiteral("Id"), 1), DBParam(QStringLiteral("Nope"), 2)}));
    QCOMPARE(Scalar(QStringLiteral("select count(*) from upgrade")).toInt(), 0);
    // A statement parameter left out of the list stays NULL.
    AppDatabase().ExecSQL(insert, {DBParam(QStringLiteral("Id"), 1)});
    QVERIFY(Scalar(QStringLiteral("select Version from upgrade")).isNull());
}

void TestDatabase::blobRoundTrip()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(char(i % 256));
    AppDatabase().Execute(QStringLiteral("insert into assetimages (Id, AssetId, Subject, Ext, Photo) values (1, 1, :S, 'bin', :Photo)"),
                          {DBParam(QStringLiteral("S"), QStringLiteral("正面"))}, {DBBlobParam(QStringLiteral("Photo"), bytes)});
    TRecordSet rs;
    rs.Open(QStringLiteral("select Photo from assetimages where Id=1"));
    QCOMPARE(rs.FieldByName(QStringLiteral("Photo"))->AsBytes(), bytes);
}

void TestDatabase::rolledBackTransactionLeavesNothing()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    TDatabase &db = AppDatabase();
    try {
        TTransaction work(db);
        db.Execute(QStringLiteral("insert into upgrade (Id, Version) values (1, 'a')"));
        db.Execute(QStringLiteral("insert into upgrade (Id, Version) values (1, 'dup')")); // fails
        work.Commit();
        QFAIL("duplicate key accepted");
    } catch (const EDatabaseError &) {
    }
    QCOMPARE(Scalar(QStringLiteral("select count(*) from upgrade")).toInt(), 0);
    {
        TTransaction work(db);
        db.Execute(QStringLiteral("insert into upgrade (Id, Version) values (2, 'b')"));
        work.Commit();
    }
    QCOMPARE(Scalar(QStringLiteral("select count(*) from upgrade")).toInt(), 1);
    QVERIFY(!db.InTransaction());
}

void TestDatabase::keysStartAtOneAndFollowTheLargest()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    TDatabase &db = AppDatabase();
    QCOMPARE(db.NextId(QStringLiteral("assets")), 1);
    db.Execute(QStringLiteral("insert into assets (Id, Code) values (41, 'x')"));
    QCOMPARE(db.NextId(QStringLiteral("assets")), 42);
    // Inside a transaction a taken key is retried without spoiling the transaction.
    TTransaction work(db);
    int calls = 0;
    const int id = db.InsertWithNewId(QStringLiteral("assets"), [&](int newId) {
        if (++calls == 1)
            db.Execute(QStringLiteral("insert into assets (Id, Code) values (:Id, 'other')"), {DBParam(QStringLiteral("Id"), newId)});
        db.Execute(QStringLiteral("insert into assets (Id, Code) values (:Id, 'mine')"), {DBParam(QStringLiteral("Id"), newId)});
    });
    work.Commit();
    QCOMPARE(id, 42);
    QCOMPARE(calls, 2);
    QCOMPARE(Scalar(QStringLiteral("select Code from assets where Id=42")).toString(), QStringLiteral("mine"));
}

void TestDatabase::concurrentWritersBothSucceed()
{
    if (!HasPostgres())
        QSKIP("no PostgreSQL test server");
    TLedger ledger(QStringLiteral("postgresql"));
    const QString cs = ledger.ConnectionString();
    constexpr int perWriter = 60;
    QAtomicInt failures = 0;
    auto writer = [&] {
        TDatabase db;
        if (!db.Connect(cs)) {
            failures.ref();
            return;
        }
        for (int i = 0; i < perWriter; ++i) {
            try {
                db.InsertWithNewId(QStringLiteral("repair"), [&](int id) {
                    db.Execute(QStringLiteral("insert into repair (Id, AssetId) values (:Id, 1)"), {DBParam(QStringLiteral("Id"), id)});
                });
            } catch (const EZoError &) {
                failures.ref();
            }
        }
    };
    std::unique_ptr<QThread> a(QThread::create(writer)), b(QThread::create(writer));
    a->start();
    b->start();
    QVERIFY(a->wait(120000) && b->wait(120000));
    QCOMPARE(failures.loadRelaxed(), 0);
    QCOMPARE(Scalar(QStringLiteral("select count(distinct Id) from repair")).toInt(), 2 * perWriter);
}

void TestDatabase::dateLiteralComparesWithStoredDates()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    TDatabase &db = AppDatabase();
    const QDate day(2012, 1, 5);
    QCOMPARE(db.DateLiteral(day), backend == QStringLiteral("sqlite") ? QStringLiteral("'2012-01-05 00:00:00'") : QStringLiteral("'2012-01-05'"));
    db.Execute(QStringLiteral("insert into assets (Id, AccountDate) values (1, :D)"), {DBParam(QStringLiteral("D"), day)});
    db.Execute(QStringLiteral("insert into assets (Id, AccountDate) values (2, :D)"), {DBParam(QStringLiteral("D"), QDateTime(day.addDays(1), QTime(8, 30)))});
    QCOMPARE(Scalar(QStringLiteral("select count(*) from assets where AccountDate <= %1").arg(db.DateLiteral(day))).toInt(), 1);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from assets where AccountDate >= %1").arg(db.DateLiteral(day))).toInt(), 2);
    TRecordSet rs;
    rs.AddField(TFieldKind::DateTime, QStringLiteral("AccountDate"), -1, true, QString());
    rs.Open(QStringLiteral("select AccountDate from assets order by Id"));
    rs.DataSet()->Last();
    QCOMPARE(rs.FieldByName(QStringLiteral("AccountDate"))->AsDateTime(), QDateTime(day.addDays(1), QTime(8, 30)));
    const QDateTime now = db.ServerNow();
    QVERIFY2(qAbs(now.secsTo(QDateTime::currentDateTime())) < 120, qPrintable(now.toString()));
}

void TestDatabase::connectionValues()
{
    TLedger ledger;
    QCOMPARE(AppDatabase().ProviderName(), QStringLiteral("SQLite"));
    QCOMPARE(AppDatabase().DataSourceName(), ledger.Path() + QStringLiteral("/zokamo.db"));
    QVERIFY(!AppDatabase().IsServerBackEnd());
    // Values with ';' survive the "Key=Value;" form.
    TConnectionString cs;
    cs.Set(QStringLiteral("Password"), QStringLiteral("a;b\"c"));
    cs.Set(QStringLiteral("Data Source"), QStringLiteral("srv"));
    const TConnectionString back(cs.ToString());
    QCOMPARE(back.Value(QStringLiteral("password")), QStringLiteral("a;b\"c"));
    QCOMPARE(back.Value(QStringLiteral("Data Source")), QStringLiteral("srv"));
    QCOMPARE(TConnectionString(QStringLiteral("Provider=SQLite;Mode = ReadWrite;Data Source=x")).Value(QStringLiteral("Mode")), QStringLiteral("ReadWrite"));
}

void TestDatabase::connectFailureShowsReason()
{
    TFreshHome home;
    TDatabase db;
    QVERIFY(!db.Connect(QStringLiteral("Provider=PostgreSQL;Data Source=127.0.0.1;Port=1;User ID=x;Initial Catalog=y;")));
    QVERIFY(home.Prompter().LastText().startsWith(QStringLiteral("\r\n连接时失败,提示如下:\r\n")));
    QVERIFY(home.Prompter().LastText().size() > 20);
    QVERIFY(!db.Connect(QStringLiteral("Provider=SQLite;Data Source=/nonexistent/dir/x.db;")));
    QVERIFY(!QFile::exists(QStringLiteral("/nonexistent/dir/x.db")));
    QVERIFY(!db.Connected());
}

void TestDatabase::schemaHasEveryTableAndSeed()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    const QStringList tables = {QStringLiteral("assets"), QStringLiteral("catalog"), QStringLiteral("department"), QStringLiteral("method"),
                                QStringLiteral("modification"), QStringLiteral("repair"), QStringLiteral("accessories"), QStringLiteral("assetimages"),
                                QStringLiteral("reduce"), QStringLiteral("depreciation"), QStringLiteral("operator"), QStringLiteral("keyvalue"),
                                QStringLiteral("Company"), QStringLiteral("report"), QStringLiteral("link"), QStringLiteral("syscols"),
                                QStringLiteral("backup"), QStringLiteral("upgrade")};
    for (const QString &t : tables)
        QVERIFY2(Scalar(QStringLiteral("select count(*) from %1").arg(t)).isValid(), qPrintable(t));
    QCOMPARE(Scalar(QStringLiteral("select Password from operator where LoginId='sa'")).toString(), QString());
    QCOMPARE(Scalar(QStringLiteral("select count(*) from Company")).toInt(), 1);
    QCOMPARE(Scalar(QStringLiteral("select TypeId from backup")).toInt(), 0);
    TRecordSet methods;
    methods.Open(QStringLiteral("select Name from method order by Id"));
    QCOMPARE(methods.JoinValues(QStringLiteral("Name"), QStringLiteral(",")), QStringLiteral("直线法,年数总和法,双倍余额递减法,不计提折旧"));
    // The database hands out link keys itself.
    AppDatabase().Execute(QStringLiteral("insert into link (GroupId, Title) values (0, 'a')"));
    AppDatabase().Execute(QStringLiteral("insert into link (GroupId, Title) values (0, 'b')"));
    QCOMPARE(Scalar(QStringLiteral("select count(distinct Id) from link")).toInt(), 2);
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
