#include "LedgerFixture.h"
#include <QtTest>

namespace LedgerFixture {

Currency Yuan(double value) { return Money::FromDouble(value); }

RAsset Asset(const QString &code, int methodId, const QDate &start, int years, double origin, double end)
{
    RAsset a;
    a.Code = code;
    a.Name = QStringLiteral("资产") + code;
    a.MethodId = methodId;
    a.AccountDate = QDateTime(start, QTime(0, 0));
    a.UseYears = years;
    a.OriginValue = Yuan(origin);
    a.EndValue = Yuan(end);
    return a;
}

int Save(RAsset asset)
{
    asset.Id = 0;
    if (!TAssetsSet::SaveAsset(asset))
        qFatal("could not save asset %s", qPrintable(asset.Code));
    return asset.Id;
}

void Node(const QString &table, int id, const QString &code, const QString &name)
{
    AppDatabase().Execute(QStringLiteral("insert into %1(Id, Code, Name) values(:Id, :Code, :Name)").arg(table),
                          {DBParam(QStringLiteral("Id"), id), DBParam(QStringLiteral("Code"), code), DBParam(QStringLiteral("Name"), name)});
}

} // namespace LedgerFixture
