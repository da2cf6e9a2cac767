#include "LedgerUi.h"
#include "data/DataSet.h"
#include "data/RecordSet.h"
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace LedgerUi {

void Seed()
{
    using LedgerFixture::Node;
    Node(u"catalog"_s, 1, u"01"_s, u"办公设备"_s);
    Node(u"catalog"_s, 2, u"0100"_s, u"电脑"_s);
    Node(u"catalog"_s, 3, u"0101"_s, u"打印机"_s);
    Node(u"catalog"_s, 4, u"02"_s, u"车辆"_s);
    Node(u"department"_s, 1, u"01"_s, u"财务部"_s);
    Node(u"department"_s, 2, u"0100"_s, u"出纳组"_s);
    Node(u"department"_s, 3, u"02"_s, u"行政部"_s);
    struct Row {
        const char *code;
        int cataId;
        bool disposed;
        const char *useState;
    };
    const Row rows[] = {{"A001", 2, false, "在用"}, {"A002", 3, true, "在用"}, {"A003", 4, false, "闲置"},
                        {"A004", 4, true, "在用"}, {"A005", 1, false, "在用"}};
    int n = 0;
    for (const Row &r : rows) {
        RAsset a = LedgerFixture::Asset(QString::fromLatin1(r.code), 1, QDate(2020, 1, 1), 5, 100.0 * ++n, 0);
        a.CataId = r.cataId;
        a.UseState = QString::fromUtf8(r.useState);
        a.UseDeptId = n == 1 ? 2 : 3;
        if (n == 5)
            a.PartNo = u"HP LaserJet"_s;
        a.Id = LedgerFixture::Save(a);
        if (r.disposed) {
            a.ReduceDate = QDateTime(QDate(2024, 6, 30), QTime(0, 0));
            TAssetsSet::SaveReduce(std::as_const(a));
        }
    }
}

QStringList Codes(const TDataSet *ds)
{
    QStringList codes;
    const int col = ds->FieldByName(u"Code"_s)->Index();
    for (int r = 0; r < ds->RecordCount(); ++r)
        codes.append(ds->ValueAt(r, col).toString());
    return codes;
}

void TypeText(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void WhenModal(const char *className, std::function<void(QWidget *)> step)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, step, className] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->inherits(className)) {
            timer->stop();
            timer->deleteLater();
            step(w);
        }
    });
    timer->start();
}

} // namespace LedgerUi
