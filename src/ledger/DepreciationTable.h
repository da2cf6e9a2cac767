#pragma once
#include "data/RecordSet.h"
#include <array>
#include <functional>

class TAssetsSet;

// An asset whose depreciation could not be computed, and why.
struct RDepreciationFailure {
    int AssetId = 0;
    QString AssetCode;
    QString Message;
};

// What the monthly and the yearly table share: the descriptive columns, the
// query of the held, depreciating assets of a class and department, and the
// collection of failures that are reported once per build.
class TDepreciationTableBase : public TZoClientDataSet {
    Q_OBJECT
public:
    const QList<RDepreciationFailure> &Failures() const { return m_failures; }

protected:
    explicit TDepreciationTableBase(QObject *parent);
    // Runs the search and calls fillRow for every asset row; the rows are posted in one go.
    void build(const QString &catalogCode, const QString &departmentCode,
               const std::function<void(TAssetsSet &, TDataSet::Row &)> &fillRow);
    // Computes the current asset; a failure is recorded and the amounts stay zero.
    void calc(TAssetsSet &assets, int year, int month);
    void fail(TAssetsSet &assets, const QString &message);
    TField *addMoney(const QString &name, const QString &title);

private:
    QList<RDepreciationFailure> m_failures;
};

// The depreciation of one month for every held, depreciating asset.
class TDepreciation : public TDepreciationTableBase {
    Q_OBJECT
public:
    explicit TDepreciation(QObject *parent = nullptr);
    TField *AssetIdFld, *AdditionalFld, *DepreciatedFld, *TotalDepreciationFld, *NetValueFld;
    void BuildTable(int year, int month, const QString &catalogCode, const QString &departmentCode);
};

// The depreciation of each month of one year, and the year's sum.
class TDepreciationByYear : public TDepreciationTableBase {
    Q_OBJECT
public:
    explicit TDepreciationByYear(QObject *parent = nullptr);
    // Depre1 ... Depre12 (month 1 to 12) and DepreYear.
    TField *DepreFld(int month) const { return m_depre[size_t(month - 1)]; }
    TField *DepreYearFld;
    void BuildTable(int year, const QString &catalogCode, const QString &departmentCode);

private:
    std::array<TField *, 12> m_depre{};
};
