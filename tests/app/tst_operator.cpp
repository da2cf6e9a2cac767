#include "ZkTest.h"
#include "app/Operator.h"
#include "app/PasswordHash.h"
#include "app/Rights.h"

using namespace ZkTest;

class TestOperator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rightsFormat_data();
    void rightsFormat();
    void refusalMessageAndAbort();
    void loginChecksExactlyAndUpgradesLegacyPasswords_data() { AddBackendRows(); }
    void loginChecksExactlyAndUpgradesLegacyPasswords();
    void operatorSetMirrorsItsStatements_data() { AddBackendRows(); }
    void operatorSetMirrorsItsStatements();
};

void TestOperator::rightsFormat_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("rights");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("held");
    QTest::newRow("10000 alone, not 1") << "kim" << ",10000," << 1 << false;
    QTest::newRow("10000 alone, not 10") << "kim" << ",10000," << 10 << false;
    QTest::newRow("10000 alone, 10000") << "kim" << ",10000," << 10000 << true;
    QTest::newRow("9 and 12: 12") << "kim" << ",9,,12," << 12 << true;
    QTest::newRow("9 and 12: 1") << "kim" << ",9,,12," << 1 << false;
    QTest::newRow("9 and 12: 2") << "kim" << ",9,,12," << 2 << false;
    QTest::newRow("none") << "kim" << "" << 9 << false;
    QTest::newRow("sa unknown code") << "sa" << "" << 4242 << true;
    QTest::newRow("SA is not sa") << "SA" << "" << 9 << false;
}

void TestOperator::rightsFormat()
{
    QFETCH(QString, login);
    QFETCH(QString, rights);
    QFETCH(int, code);
    QFETCH(bool, held);
    TOperator op;
    op.LoginId = login;
    op.Rights = rights;
    QCOMPARE(op.HasRight(code), held);
    QCOMPARE(OperatorRights::Format({9, 12}), QStringLiteral(",9,,12,"));
    QCOMPARE(OperatorRights::AssetRights().size() + OperatorRights::GeneralRights().size(), 29);
}

void TestOperator::refusalMessageAndAbort()
{
    TFreshHome home;
    TOperator op;
    op.LoginId = QStringLiteral("kim");
    op.Rights = QStringLiteral(",9,");
    QVERIFY(op.RequireRight(9, true));
    QVERIFY(!op.RequireRight(10, false));
    QCOMPARE(home.Prompter().LastText(), QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(10).\t"));
    QVERIFY_THROWS_EXCEPTION(EAbort, op.RequireRight(100001, true));
    QVERIFY(home.Prompter().LastText().contains(QStringLiteral("(100001)")));
    QVERIFY_THROWS_EXCEPTION(EAbort, op.RequireSa());
    QCOMPARE(home.Prompter().LastText(), QStringLiteral("\r\n只有系统用户(sa)才能执行此操作.\t"));
    // The program-wide test asks the logged-in operator once installed.
    CurrentOperator() = op;
    InstallOperatorRights();
    QVERIFY(Rights::Has(9));
    QVERIFY(!Rights::Has(1));
}

void TestOperator::loginChecksExactlyAndUpgradesLegacyPasswords()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    AppDatabase().Execute(QStringLiteral("insert into operator (LoginId, Password, Rights) values ('kim', 'Secret', ',9,')"));
    TOperator op;
    QVERIFY(!op.LogIn(QStringLiteral("kim"), QStringLiteral("secret")));
    QVERIFY(!op.LogIn(QStringLiteral("kim"), QStringLiteral("Secret ")));
    QVERIFY(!op.LogIn(QStringLiteral("nobody"), QString()));
    QVERIFY(op.LoginId.isEmpty()); // the earlier attempt left nobody behind
    QVERIFY(op.LogIn(QStringLiteral("kim"), QStringLiteral("Secret")));
    const QString stored = Scalar(QStringLiteral("select Password from operator where LoginId='kim'")).toString();
    QVERIFY(PasswordHash::IsHash(stored));
    QVERIFY(!stored.contains(QStringLiteral("Secret")));
    QVERIFY(op.LogIn(QStringLiteral("kim"), QStringLiteral("Secret")));
    QVERIFY(!op.LogIn(QStringLiteral("kim"), QStringLiteral("SECRET")));
    // The seeded sa has an empty password: empty matches empty, and is hashed from then on.
    QVERIFY(!op.LogIn(QStringLiteral("sa"), QStringLiteral("x")));
    QVERIFY(op.LogIn(QStringLiteral("sa"), QString()));
    QVERIFY(PasswordHash::IsHash(Scalar(QStringLiteral("select Password from operator where LoginId='sa'")).toString()));
    QVERIFY(op.LogIn(QStringLiteral("sa"), QString()));
    op.SavePassword(QStringLiteral("新密码"));
    QVERIFY(op.CheckPassword(QStringLiteral("新密码")));
    QVERIFY(!op.CheckPassword(QString()));
}

void TestOperator::operatorSetMirrorsItsStatements()
{
    QFETCH(QString, backend);
    TLedger ledger(backend);
    TOperatorSet set;
    QCOMPARE(set.DataSet()->RecordCount(), 0); // sa is never listed
    set.AddOperator(QStringLiteral("kim"), QStringLiteral("pw"), QStringLiteral(",9,"), QStringLiteral("备注"), QStringLiteral("123"), QStringLiteral("金"));
    QCOMPARE(set.LoginIds(), QStringList{QStringLiteral("kim")});
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, set.AddOperator(QStringLiteral("kim"), QString(), QString(), QString(), QString(), QString()));
    QCOMPARE(set.DataSet()->RecordCount(), 1);
    // An empty password keeps the stored one.
    set.UpdateOperator(QStringLiteral("kim"), QString(), QStringLiteral(",9,,12,"), QString(), QString(), QStringLiteral("金二"));
    TOperator op;
    QVERIFY(op.LogIn(QStringLiteral("kim"), QStringLiteral("pw")));
    QCOMPARE(op.Rights, QStringLiteral(",9,,12,"));
    QCOMPARE(set.NameField->AsString(), QStringLiteral("金二"));
    set.UpdateOperator(QStringLiteral("kim"), QStringLiteral("pw2"), QStringLiteral(",9,"), QString(), QString(), QString());
    QVERIFY(op.LogIn(QStringLiteral("kim"), QStringLiteral("pw2")));
    set.DeleteOperator(QStringLiteral("kim"));
    QCOMPARE(set.DataSet()->RecordCount(), 0);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from operator")).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestOperator)
#include "tst_operator.moc"
