#pragma once
#include "ledger/Asset.h"
#include <QVariant>

// Conversions between the members of RAsset and the values of fields and
// parameters: optional members travel as NULL when absent.
namespace AssetValue {
QVariant ToVariant(int v);
QVariant ToVariant(const QString &v);
QVariant ToVariant(const std::optional<int> &v);
QVariant ToVariant(const std::optional<double> &v);
QVariant ToVariant(const std::optional<Currency> &v); // as a plain number of currency units
QVariant ToVariant(const std::optional<QDateTime> &v);

void FromVariant(const QVariant &v, int &out);
void FromVariant(const QVariant &v, QString &out);
void FromVariant(const QVariant &v, std::optional<int> &out);
void FromVariant(const QVariant &v, std::optional<double> &out);
void FromVariant(const QVariant &v, std::optional<Currency> &out); // from a currency field's cache
void FromVariant(const QVariant &v, std::optional<QDateTime> &out);
} // namespace AssetValue

// Calls f(columnName, member) for every member of RAsset, in the record's order.
template <class Asset, class F>
void VisitAsset(Asset &a, F &&f)
{
    f(QStringLiteral("Id"), a.Id);
    f(QStringLiteral("CataId"), a.CataId);
    f(QStringLiteral("CataName"), a.CataName);
    f(QStringLiteral("BarCode"), a.BarCode);
    f(QStringLiteral("Code"), a.Code);
    f(QStringLiteral("Name"), a.Name);
    f(QStringLiteral("PartNo"), a.PartNo);
    f(QStringLiteral("GBCode"), a.GBCode);
    f(QStringLiteral("Config"), a.Config);
    f(QStringLiteral("Factory"), a.Factory);
    f(QStringLiteral("BuildDate"), a.BuildDate);
    f(QStringLiteral("Qty"), a.Qty);
    f(QStringLiteral("Price"), a.Price);
    f(QStringLiteral("Unit"), a.Unit);
    f(QStringLiteral("AddKind"), a.AddKind);
    f(QStringLiteral("UseState"), a.UseState);
    f(QStringLiteral("LayPlace"), a.LayPlace);
    f(QStringLiteral("Depositary"), a.Depositary);
    f(QStringLiteral("UseDeptId"), a.UseDeptId);
    f(QStringLiteral("UseDeptName"), a.UseDeptName);
    f(QStringLiteral("AccountDate"), a.AccountDate);
    f(QStringLiteral("OriginValue"), a.OriginValue);
    f(QStringLiteral("EndValue"), a.EndValue);
    f(QStringLiteral("EndValueRate"), a.EndValueRate);
    f(QStringLiteral("UseYears"), a.UseYears);
    f(QStringLiteral("AssetNote"), a.AssetNote);
    f(QStringLiteral("ReduceDate"), a.ReduceDate);
    f(QStringLiteral("ReduceWay"), a.ReduceWay);
    f(QStringLiteral("ReduceHandman"), a.ReduceHandman);
    f(QStringLiteral("ReduceCheckman"), a.ReduceCheckman);
    f(QStringLiteral("ReduceNote"), a.ReduceNote);
    f(QStringLiteral("MethodId"), a.MethodId);
    f(QStringLiteral("MethodName"), a.MethodName);
    f(QStringLiteral("Str1"), a.Str1);
    f(QStringLiteral("Str2"), a.Str2);
    f(QStringLiteral("Str3"), a.Str3);
    f(QStringLiteral("Str4"), a.Str4);
    f(QStringLiteral("Str5"), a.Str5);
    f(QStringLiteral("Str6"), a.Str6);
    f(QStringLiteral("Float1"), a.Float1);
    f(QStringLiteral("Float2"), a.Float2);
    f(QStringLiteral("Float3"), a.Float3);
    f(QStringLiteral("Date1"), a.Date1);
    f(QStringLiteral("Date2"), a.Date2);
    f(QStringLiteral("Date3"), a.Date3);
}
