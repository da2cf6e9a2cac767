#include "ZkTest.h"
#include "app/Company.h"
#include "app/CustomLabels.h"
#include "app/KeyValue.h"
#include "app/Startup.h"

using namespace ZkTest;

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startupLoadsLabelsAndCompany_data() { AddBackendRows(); }
    void startupLoadsLabelsAndCompany();
    void writeValuesUpdatesElseInserts_data() { AddBackendRows(); }
    void writeValuesUpdatesElseInserts();
    void companyFilledByGbkBytes_data();
    void companyFilledByGbkBytes();
};

void TestSettings::startupLoadsLabelsAndCompany()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    QVERIFY(TKeyValue2::WriteValues(kFirstLabel, QStringLiteral("品牌"), false, 0, 0));
    QVERIFY(TKeyValue2::WriteValues(kFirstLabel + 1, QString(), false, 0, 0)); // empty: default again
    AppDatabase().Execute(QStringLiteral("update Company set CompanyName=:N"), {DBParam(QStringLiteral("N"), QStringLiteral("大连某某有限公司"))});
    ZoStartup::LoadStartupSettings();
    QCOMPARE(CustomLabels::LabelOf(QStringLiteral("Str1")), QStringLiteral("品牌"));
    QCOMPARE(CustomLabels::LabelOf(QStringLiteral("Str2")), QStringLiteral("字符型2"));
    QCOMPARE(CustomLabels::LabelOf(QStringLiteral("Date3")), QStringLiteral("日期型3"));
    QCOMPARE(CurrentCompany().CompanyName, QStringLiteral("大连某某有限公司"));
    QCOMPARE(CurrentCompany().Id, 1);
}

void TestSettings::writeValuesUpdatesElseInserts()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    QVERIFY(TKeyValue2::WriteValues(kPickUseState, QStringLiteral("在用\r\n闲置"), false, 0, 0));
    QVERIFY(TKeyValue2::WriteValues(kPickUseState, QStringLiteral("在用"), false, 0, 0));
    QCOMPARE(Scalar(QStringLiteral("select count(*) from keyvalue where KeyId=19")).toInt(), 1);
    QCOMPARE(TKeyValue2::ReadStr(kPickUseState, QStringLiteral("x")), QStringLiteral("在用"));
    // A missing flag gets its row and reads false; writing it clears the other columns.
    QVERIFY(!KeyValues().DailyTipPrompt());
    QCOMPARE(Scalar(QStringLiteral("select count(*) from keyvalue where KeyId=1")).toInt(), 1);
    AppDatabase().Execute(QStringLiteral("update keyvalue set Vstr='junk', Vint=7 where KeyId=1"));
    KeyValues().SetDailyTipPrompt(true);
    QVERIFY(KeyValues().DailyTipPrompt());
    QVERIFY(TKeyValue2::ReadBool(kDailyTipPrompt));
    QCOMPARE(Scalar(QStringLiteral("select Vint from keyvalue where KeyId=1")).toInt(), 0);
    QCOMPARE(Scalar(QStringLiteral("select Vstr from keyvalue where KeyId=1")).toString(), QString());
}

void TestSettings::companyFilledByGbkBytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("filled");
    QTest::newRow("4 chinese = 8 bytes") << QStringLiteral("某某公司") << true;
    QTest::newRow("3 chinese = 6 bytes") << QStringLiteral("某公司") << false;
    QTest::newRow("7 ascii") << QStringLiteral("ACME Co") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestSettings::companyFilledByGbkBytes()
{
    QFETCH(QString, name);
    QFETCH(bool, filled);
    TCompany c;
    c.CompanyName = name;
    QCOMPARE(c.IsFilled(), filled);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
