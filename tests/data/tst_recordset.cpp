#include "ZkTest.h"
#include "data/RecordSet.h"
#include "data/RecordSetModel.h"

using namespace ZkTest;

class TestRecordSet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void declaredFieldsAndNulls();
    void cacheChangesNeverWriteBack();
    void joinValues();
    void moneyDisplay_data();
    void moneyDisplay();
    void moneyFromText_data();
    void moneyFromText();
    void clientFieldDefSizes();
    void badStatementShowsTextAndAbandons();
    void modelFollowsTheCache();
    void sortText();
};

static void seedDepartments()
{
    AppDatabase().Execute(QStringLiteral("insert into department (Id, Code, Name, Manager) values (1, '01', '财务部', null)"));
    AppDatabase().Execute(QStringLiteral("insert into department (Id, Code, Name, Manager) values (2, '02', '行政部', '张三')"));
    AppDatabase().Execute(QStringLiteral("insert into department (Id, Code, Name, Manager) values (3, '03', '技术部', '李四')"));
}

void TestRecordSet::declaredFieldsAndNulls()
{
    TLedger ledger;
    AppDatabase().Execute(QStringLiteral("insert into assets (Id) values (1)"));
    TQuerySet qs;
    qs.AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("编号"));
    TField *code = qs.AddField(TFieldKind::WideString, QStringLiteral("Code"), 50, true, QStringLiteral("资产编号"));
    TField *value = qs.AddField(TFieldKind::Currency, QStringLiteral("OriginValue"), -1, true, QStringLiteral("原值"));
    TField *reduced = qs.AddField(TFieldKind::DateTime, QStringLiteral("ReduceDate"), -1, true, QString());
    TField *qty = qs.AddField(TFieldKind::Integer, QStringLiteral("Qty"), -1, true, QString());
    QCOMPARE(qs.Open(QStringLiteral("select * from assets")), 1);
    QCOMPARE(code->DisplayLabel(), QStringLiteral("资产编号"));
    QCOMPARE(reduced->DisplayLabel(), QStringLiteral("ReduceDate"));
    QCOMPARE(code->Size(), 50);
    QCOMPARE(qty->Size(), 20);
    QCOMPARE(code->DisplayWidth(), 75);
    QVERIFY(!qs.FieldByName(QStringLiteral("id"))->Visible());
    QCOMPARE(code->AsString(), QString());
    QCOMPARE(value->AsCurrency(), 0);
    QCOMPARE(qty->AsInteger(), 0);
    QVERIFY(!reduced->AsDateTime().isValid());
    QCOMPARE(reduced->DisplayText(), QString());
    QCOMPARE(qs.FieldByName(QStringLiteral("Id"))->AsBoolean(), true);
}

void TestRecordSet::cacheChangesNeverWriteBack()
{
    TLedger ledger;
    seedDepartments();
    TRecordSet rs;
    QCOMPARE(rs.Open(QStringLiteral("select * from department order by Code")), 3);
    TDataSet *ds = rs.DataSet();
    QVERIFY(ds->Locate(QStringLiteral("Name"), QStringLiteral("行政部")));
    QCOMPARE(ds->RecNo(), 1);
    QVERIFY(!ds->Locate(QStringLiteral("Name"), QStringLiteral("无此部门")));
    rs.FieldByName(QStringLiteral("Manager"))->SetValue(QStringLiteral("王五"));
    ds->Post();
    ds->Append();
    rs.FieldByName(QStringLiteral("Id"))->SetValue(9);
    rs.FieldByName(QStringLiteral("Name"))->SetValue(QStringLiteral("新部门"));
    ds->Post();
    QCOMPARE(ds->RecordCount(), 4);
    ds->First();
    rs.DeleteCurrent();
    QCOMPARE(ds->RecordCount(), 3);
    QVERIFY(ds->Locate(QStringLiteral("Id"), 2));
    QCOMPARE(rs.FieldByName(QStringLiteral("Manager"))->AsString(), QStringLiteral("王五"));
    // The table is untouched.
    QCOMPARE(Scalar(QStringLiteral("select count(*) from department")).toInt(), 3);
    QCOMPARE(Scalar(QStringLiteral("select Manager from department where Id=2")).toString(), QStringLiteral("张三"));
    rs.DeleteAll();
    QVERIFY(ds->IsEmpty());
    rs.DeleteCurrent(); // nothing left: no error
    QCOMPARE(Scalar(QStringLiteral("select count(*) from department")).toInt(), 3);
}

void TestRecordSet::joinValues()
{
    TLedger ledger;
    TRecordSet rs;
    QCOMPARE(rs.JoinValues(QStringLiteral("Name"), QStringLiteral(",")), QString()); // closed
    rs.Open(QStringLiteral("select Name from department"));
    QCOMPARE(rs.JoinValues(QStringLiteral("Name"), QStringLiteral(",")), QString()); // empty
    AppDatabase().Execute(QStringLiteral("insert into department (Id, Code, Name) values (1, '01', 'a')"));
    AppDatabase().Execute(QStringLiteral("insert into department (Id, Code, Name) values (2, '02', 'b')"));
    AppDatabase().Execute(QStringLiteral("insert into department (Id, Code, Name) values (3, '03', 'c')"));
    rs.Open(QStringLiteral("select Name from department order by Id"));
    QCOMPARE(rs.JoinValues(QStringLiteral("Name"), QStringLiteral("\r\n")), QStringLiteral("a\r\nb\r\nc"));
}

void TestRecordSet::moneyDisplay_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("million") << qint64(12345675000) << QStringLiteral("1,234,567.50");
    QTest::newRow("zero") << qint64(0) << QStringLiteral("0.00");
    QTest::newRow("negative") << qint64(-12345000) << QStringLiteral("-1,234.50");
    QTest::newRow("half cent up") << qint64(1050) << QStringLiteral("0.11");
    QTest::newRow("below half") << qint64(1049) << QStringLiteral("0.10");
    QTest::newRow("negative half") << qint64(-1050) << QStringLiteral("-0.11");
    QTest::newRow("hundred") << qint64(1000000) << QStringLiteral("100.00");
}

void TestRecordSet::moneyDisplay()
{
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(Money::Format(value), text);
}

void TestRecordSet::moneyFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<bool>("ok");
    QTest::newRow("plain") << QStringLiteral("1234567.5") << qint64(12345675000) << true;
    QTest::newRow("separators") << QStringLiteral("1,234.56") << qint64(12345600) << true;
    QTest::newRow("tiny") << QStringLiteral("-0.0001") << qint64(-1) << true;
    QTest::newRow("fifth decimal rounds") << QStringLiteral("0.00005") << qint64(1) << true;
    QTest::newRow("exponent") << QStringLiteral("1e3") << qint64(10000000) << true;
    QTest::newRow("empty") << QString() << qint64(0) << true;
    QTest::newRow("word") << QStringLiteral("abc") << qint64(0) << false;
}

void TestRecordSet::moneyFromText()
{
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QFETCH(bool, ok);
    Currency c = 0;
    QCOMPARE(Money::FromText(text, &c), ok);
    if (ok)
        QCOMPARE(c, value);
}

void TestRecordSet::clientFieldDefSizes()
{
    TZoClientDataSet cds;
    TField *wide = cds.AddFieldDef(TFieldKind::WideString, QStringLiteral("Wide"), 200, true, QStringLiteral("宽"));
    TField *narrow = cds.AddFieldDef(TFieldKind::WideString, QStringLiteral("Narrow"), 15, true, QStringLiteral("窄"));
    QCOMPARE(wide->Size(), 140);
    QCOMPARE(narrow->Size(), 20);
    QCOMPARE(cds.FieldDefSize(QStringLiteral("Narrow")), 15);
    TField *amount = cds.AddField(TFieldKind::Currency, QStringLiteral("Amount"), true, QStringLiteral("金额"));
    cds.CreateDataSet();
    cds.DataSet()->Append();
    amount->SetValue(1234567.5);
    QCOMPARE(amount->DisplayText(), QStringLiteral("1,234,567.50"));
    QCOMPARE(amount->AsCurrency(), qint64(12345675000));
}

void TestRecordSet::badStatementShowsTextAndAbandons()
{
    TLedger ledger;
    TRecordSet rs;
    const QString sql = QStringLiteral("select * from nosuchtable");
    QVERIFY_THROWS_EXCEPTION(EAbort, rs.Open(sql));
    QVERIFY(!rs.Active());
    const QString shown = ledger.Prompter().LastText();
    QVERIFY(shown.startsWith(QStringLiteral("\r\nSQL语句错误,原文如下:\r\n") + sql + QStringLiteral("\r\n\r\n错误提示:\r\n")));
    // A declared field missing from the result is refused the same way.
    TRecordSet declared;
    declared.AddField(TFieldKind::Integer, QStringLiteral("Missing"), -1, true, QString());
    QVERIFY_THROWS_EXCEPTION(EAbort, declared.Open(QStringLiteral("select Id from method")));
}

void TestRecordSet::modelFollowsTheCache()
{
    TLedger ledger;
    seedDepartments();
    TRecordSet rs;
    rs.AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false, QString());
    rs.AddField(TFieldKind::WideString, QStringLiteral("Name"), 50, true, QStringLiteral("部门名称"));
    TRecordSetModel model(rs.DataSet());
    rs.Open(QStringLiteral("select Id, Name from department order by Id"));
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("部门名称"));
    QCOMPARE(model.index(2, 1).data().toString(), QStringLiteral("技术部"));
    rs.DataSet()->Append();
    rs.FieldByName(QStringLiteral("Name"))->SetValue(QStringLiteral("新"));
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.index(3, 1).data().toString(), QStringLiteral("新"));
    rs.DataSet()->First();
    rs.DeleteCurrent();
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("行政部"));
}

void TestRecordSet::sortText()
{
    TLedger ledger;
    seedDepartments();
    TRecordSet rs;
    rs.Open(QStringLiteral("select Id, Code, Manager from department"));
    rs.DataSet()->Sort(QStringLiteral("Manager DESC, Code"));
    QCOMPARE(rs.JoinValues(QStringLiteral("Id"), QStringLiteral(",")), QStringLiteral("3,2,1"));
    rs.DataSet()->Sort(QStringLiteral("Code"));
    QCOMPARE(rs.JoinValues(QStringLiteral("Id"), QStringLiteral(",")), QStringLiteral("1,2,3"));
}

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
