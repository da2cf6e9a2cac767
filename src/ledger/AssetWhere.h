#pragma once
#include "data/Database.h"
#include <QDate>
#include <optional>

class TSqlDialect;

// The conditions of an asset search. A text takes part when not empty, Id
// when not 0, an optional member when present.
struct RAssetWhere {
    QString Keyword;
    int Id = 0;
    std::optional<bool> Reduced, Depreciating;
    QString AddKind, LayPlace, Depositary, Code, Name, PartNo, GBCode, Factory, CataCode, UseState, UseDeptCode;
    std::optional<QDate> AccountDateFrom, AccountDateTo;
    std::optional<double> OriginValueFrom, OriginValueTo, EndValueFrom, EndValueTo, UseYearsFrom, UseYearsTo;
    std::optional<int> ExpiryYear, ExpiryMonth;
    QString Str1, Str2, Str3, Str4, Str5, Str6;
    std::optional<double> Float1From, Float1To, Float2From, Float2To, Float3From, Float3To;
    std::optional<QDate> Date1From, Date1To, Date2From, Date2To, Date3From, Date3To;
    std::optional<bool> Changed, Repaired;
};

void ClearWhere(RAssetWhere &where);
// The conditions in Chinese, e.g. "关键字包含电脑, 现有资产".
QString DescribeWhere(const RAssetWhere &where);

// The where-clause of an asset search (" where ... " or empty) with its bound values.
struct TAssetQuery {
    QString WhereClause;
    TDBParameters Params;
};
// Throws EConvertError for an expiry month outside 1..12.
TAssetQuery BuildAssetQuery(const RAssetWhere &where, const TSqlDialect &dialect);
