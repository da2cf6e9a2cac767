#include "ZkTest.h"
#include "data/RecordSet.h"

using namespace ZkTest;

// The cache keeps values column by column, unboxed, with texts shared between rows.
class TestRowCache : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sharedTextEditedInOneRow();
    void nullAndEmptyTextStayApart();
    void valueReadsBackAsStored_data();
    void valueReadsBackAsStored();
    void rowsStayWholeWhenMoved();
};

void TestRowCache::sharedTextEditedInOneRow()
{
    TLedger ledger;
    for (int id = 1; id <= 3; ++id)
        AppDatabase().Execute(QStringLiteral("insert into department (Id, Code, Name, Manager) values (%1, '0%1', '部门%1', '张三')").arg(id));
    TQuerySet qs;
    qs.AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, true, QString());
    TField *manager = qs.AddField(TFieldKind::WideString, QStringLiteral("Manager"), 20, true, QString());
    QCOMPARE(qs.Open(QStringLiteral("select Id, Manager from department order by Id")), 3);
    TDataSet *ds = qs.DataSet();
    ds->SetValueAt(1, manager->Index(), QStringLiteral("李四"));
    QCOMPARE(ds->ValueAt(0, manager->Index()).toString(), QStringLiteral("张三"));
    QCOMPARE(ds->ValueAt(1, manager->Index()).toString(), QStringLiteral("李四"));
    QCOMPARE(ds->ValueAt(2, manager->Index()).toString(), QStringLiteral("张三"));
}

void TestRowCache::nullAndEmptyTextStayApart()
{
    TLedger ledger;
    AppDatabase().Execute(QStringLiteral("insert into department (Id, Code, Name, Manager) values (1, '01', '甲', null)"));
    AppDatabase().Execute(QStringLiteral("insert into department (Id, Code, Name, Manager) values (2, '02', '乙', '')"));
    TQuerySet qs;
    TField *manager = qs.AddField(TFieldKind::WideString, QStringLiteral("Manager"), 20, true, QString());
    qs.AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, true, QString());
    QCOMPARE(qs.Open(QStringLiteral("select Id, Manager from department order by Id")), 2);
    QVERIFY(!qs.DataSet()->ValueAt(0, manager->Index()).isValid());
    const QVariant empty = qs.DataSet()->ValueAt(1, manager->Index());
    QVERIFY(empty.isValid());
    QCOMPARE(empty.toString(), QString());
    qs.DataSet()->SetRecNo(0);
    QVERIFY(manager->IsNull());
    qs.DataSet()->SetRecNo(1);
    QVERIFY(!manager->IsNull());
}

void TestRowCache::valueReadsBackAsStored_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QVariant>("value");
    using K = TFieldKind;
    QTest::newRow("integer") << int(K::Integer) << QVariant(qint64(42));
    QTest::newRow("int in integer field") << int(K::Integer) << QVariant(7);
    QTest::newRow("money") << int(K::Currency) << QVariant(qint64(12345678));
    QTest::newRow("float") << int(K::Float) << QVariant(2.5);
    QTest::newRow("date") << int(K::DateTime) << QVariant(QDateTime(QDate(2024, 2, 29), QTime(8, 30)));
    QTest::newRow("text") << int(K::WideString) << QVariant(QStringLiteral("仓库"));
    QTest::newRow("empty text") << int(K::WideString) << QVariant(QStringLiteral(""));
    QTest::newRow("typed null text") << int(K::WideString) << QVariant(QMetaType::fromType<QString>());
    QTest::newRow("number in text field") << int(K::WideString) << QVariant(3);
    QTest::newRow("boolean") << int(K::Boolean) << QVariant(true);
    QTest::newRow("null") << int(K::Integer) << QVariant();
}

// Rows handed over already in cache form keep their values' exact types, also when a
// value does not match its field's kind; the other rows of that column are not touched.
void TestRowCache::valueReadsBackAsStored()
{
    QFETCH(int, kind);
    QFETCH(QVariant, value);
    TDataSet ds;
    ds.AddField(TFieldKind(kind), QStringLiteral("V"));
    const QVariant before = TFieldKind(kind) == TFieldKind::WideString ? QVariant(QStringLiteral("前")) : QVariant();
    ds.LoadRows({{before}, {value}, {}});
    QCOMPARE(ds.RecordCount(), 3);
    const QVariant got = ds.ValueAt(1, 0);
    QCOMPARE(got.isValid(), value.isValid());
    QCOMPARE(got.isNull(), value.isNull());
    QCOMPARE(got.metaType(), value.metaType());
    QCOMPARE(got, value);
    QCOMPARE(ds.ValueAt(0, 0), before);
    QVERIFY(!ds.ValueAt(2, 0).isValid());
}

void TestRowCache::rowsStayWholeWhenMoved()
{
    TDataSet ds;
    ds.AddField(TFieldKind::Integer, QStringLiteral("Id"));
    ds.AddField(TFieldKind::WideString, QStringLiteral("Name"));
    ds.AddField(TFieldKind::DateTime, QStringLiteral("Day"));
    const QDateTime day(QDate(2025, 1, 2), QTime(0, 0));
    ds.LoadRows({{qint64(3), QStringLiteral("丙"), day}, {qint64(1), QVariant(), QVariant()}, {qint64(2), QStringLiteral("乙")}});
    ds.Sort(QStringLiteral("Id"));
    QCOMPARE(ds.ValueAt(0, 0), QVariant(qint64(1)));
    QVERIFY(!ds.ValueAt(0, 1).isValid());
    QCOMPARE(ds.ValueAt(2, 1), QVariant(QStringLiteral("丙")));
    QCOMPARE(ds.ValueAt(2, 2), QVariant(day));
    ds.Insert(1);
    for (int f = 0; f < 3; ++f)
        QVERIFY(!ds.ValueAt(1, f).isValid());
    QCOMPARE(ds.ValueAt(2, 1), QVariant(QStringLiteral("乙")));
    ds.SetRecNo(0);
    ds.Delete();
    QCOMPARE(ds.RecordCount(), 3);
    QVERIFY(!ds.ValueAt(0, 0).isValid());
    QCOMPARE(ds.ValueAt(2, 0), QVariant(qint64(3)));
    QCOMPARE(ds.ValueAt(2, 2), QVariant(day));
    ds.AddField(TFieldKind::Currency, QStringLiteral("Late"));
    QVERIFY(!ds.ValueAt(2, 3).isValid());
}

QTEST_GUILESS_MAIN(TestRowCache)
#include "tst_rowcache.moc"
