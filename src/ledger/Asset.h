#pragma once
#include "data/Money.h"
#include "data/RecordSet.h"
#include "ledger/DepreciationCalc.h"
#include <QDateTime>
#include <QStringList>
#include <optional>

struct RAssetWhere;

// One asset as a plain value. Optional members are absent for NULL.
struct RAsset {
    int Id = 0; // 0 or less: not yet stored
    int CataId = 0;
    QString CataName;
    QString BarCode;
    QString Code, Name, PartNo, GBCode, Config, Factory;
    QString BuildDate;
    std::optional<int> Qty;
    std::optional<double> Price;
    QString Unit, AddKind, UseState, LayPlace, Depositary;
    int UseDeptId = 0;
    QString UseDeptName;
    std::optional<QDateTime> AccountDate;
    std::optional<Currency> OriginValue, EndValue;
    std::optional<int> EndValueRate, UseYears;
    QString AssetNote;
    std::optional<QDateTime> ReduceDate;
    QString ReduceWay, ReduceHandman, ReduceCheckman, ReduceNote;
    int MethodId = 0;
    QString MethodName;
    QString Str1, Str2, Str3, Str4, Str5, Str6;
    std::optional<double> Float1, Float2, Float3;
    std::optional<QDateTime> Date1, Date2, Date3;

    bool operator==(const RAsset &) const = default;
};

// The asset list: the rows of the last search, one field per column, and
// the operations on single assets.
class TAssetsSet : public TQuerySet {
public:
    explicit TAssetsSet(TDatabase *database = nullptr);

    TField *IdFld, *CodeFld, *BarCodeFld, *CataIdFld, *CataCodeFld, *CataNameFld, *NameFld, *PartNoFld,
        *GBCodeFld, *ConfigFld, *FactoryFld, *BuildDateFld, *QtyFld, *PriceFld, *UnitFld, *AddKindFld,
        *UseDeptIdFld, *UseDeptCodeFld, *UseDeptNameFld, *UseStateFld, *LayPlaceFld, *DepositaryFld,
        *AccountDateFld, *OriginValueFld, *EndValueFld, *EndValueRateFld, *UseYearsFld, *EndDateCalcFld,
        *AssetNoteFld, *MethodIdFld, *MethodNameFld, *ReduceDateFld, *ReduceWayFld, *ReduceHandmanFld,
        *ReduceCheckmanFld, *ReduceNoteFld, *Str1Fld, *Str2Fld, *Str3Fld, *Str4Fld, *Str5Fld, *Str6Fld,
        *Float1Fld, *Float2Fld, *Float3Fld, *Date1Fld, *Date2Fld, *Date3Fld;

    // Operations on the database alone.
    // direction: 0 next smaller Id, 1 this Id, 2 next larger Id, 3 largest Id.
    static bool FetchAsset(RAsset &asset, int direction);
    static bool SaveAsset(RAsset &asset);
    static bool PurgeAsset(int id);
    static bool SaveReduce(const RAsset &asset);
    static QStringList NameList();
    static QStringList UnitList();

    // Replaces the list with the assets that match; returns the row count.
    int Search(const RAssetWhere &where);

    // The current row as a record, and a record into the current row.
    RAsset AsData() const;
    void SetAsData(const RAsset &asset);
    QString AsBrief() const;

    // Operations that keep the list current; see the register's editor callbacks.
    bool Save(RAsset &asset);
    bool Delete(RAsset &asset);
    bool SaveReduce(RAsset &asset); // the static SaveReduce, then the list row
    bool Refresh(RAsset &asset);
    bool PriorOf(RAsset &asset);
    bool NextOf(RAsset &asset);
    void SetQty(int qty);
    void ApplyLabels();

    // Depreciation of the current row. A failure leaves both amounts at zero
    // and returns false with the reason in LastCalcError().
    int MonthsInUse(int year, int month) const;
    bool CalcDepreciation(int year, int month);
    Currency MonthDepreciation() const { return m_amounts.Month; }
    Currency TotalDepreciation() const { return m_amounts.Total; }
    Currency NetValue() const;
    QString LastCalcError() const { return m_calcError; }

    // The statement Search runs, up to its where-clause.
    static QString SelectText();

private:
    bool stepFrom(RAsset &asset, int step);
    void putInList(const RAsset &asset);
    RDepreciationInput depreciationInput() const;

    RDepreciationAmounts m_amounts;
    QString m_calcError;
};
