#include "ledger/DepreciationTable.h"
#include "app/Prompter.h"
#include "ledger/Asset.h"
#include "ledger/AssetWhere.h"

using namespace Qt::StringLiterals;

namespace {
// The thirteen columns both tables start with, and the asset field each copies.
struct DescriptiveColumn {
    QString Name;
    TFieldKind Kind;
    int Size;
    QString Title;
    TField *TAssetsSet::*Source;
};

const QList<DescriptiveColumn> &descriptiveColumns()
{
    using K = TFieldKind;
    static const QList<DescriptiveColumn> columns = {
        {u"AssetId"_s, K::Integer, 0, u"ID"_s, &TAssetsSet::IdFld},
        {u"AssetCode"_s, K::WideString, 50, u"资产编码"_s, &TAssetsSet::CodeFld},
        {u"AssetName"_s, K::WideString, 50, u"资产名称"_s, &TAssetsSet::NameFld},
        {u"AssetPartNo"_s, K::WideString, 50, u"规格型号"_s, &TAssetsSet::PartNoFld},
        {u"AssetKind"_s, K::WideString, 50, u"资产分类"_s, &TAssetsSet::CataNameFld},
        {u"AssetUsedept"_s, K::WideString, 50, u"使用部门"_s, &TAssetsSet::UseDeptNameFld},
        {u"AccountDate"_s, K::DateTime, 0, u"启用日期"_s, &TAssetsSet::AccountDateFld},
        {u"OriginValue"_s, K::Currency, 0, u"原值"_s, &TAssetsSet::OriginValueFld},
        {u"EndValue"_s, K::Currency, 0, u"残值"_s, &TAssetsSet::EndValueFld},
        {u"EndValueRate"_s, K::Float, 0, u"残值率"_s, &TAssetsSet::EndValueRateFld},
        {u"UseYears"_s, K::Float, 0, u"折旧年限"_s, &TAssetsSet::UseYearsFld},
        {u"AddKind"_s, K::WideString, 50, u"增加方式"_s, &TAssetsSet::AddKindFld},
        {u"DepreMethod"_s, K::WideString, 50, u"折旧法"_s, &TAssetsSet::MethodNameFld},
    };
    return columns;
}

QVariant money(Currency value) { return QVariant(qint64(value)); }
} // namespace

TDepreciationTableBase::TDepreciationTableBase(QObject *parent) : TZoClientDataSet(parent)
{
    for (const DescriptiveColumn &c : descriptiveColumns())
        AddFieldDef(c.Kind, c.Name, c.Size, true, c.Title);
}

TField *TDepreciationTableBase::addMoney(const QString &name, const QString &title)
{
    return AddFieldDef(TFieldKind::Currency, name, 0, true, title);
}

void TDepreciationTableBase::calc(TAssetsSet &assets, int year, int month)
{
    if (!assets.CalcDepreciation(year, month))
        fail(assets, assets.LastCalcError());
}

void TDepreciationTableBase::fail(TAssetsSet &assets, const QString &message)
{
    const int id = assets.IdFld->AsInteger();
    if (m_failures.isEmpty() || m_failures.last().AssetId != id) // one line per asset, not per month
        m_failures.append({id, assets.CodeFld->AsString(), message});
}

void TDepreciationTableBase::build(const QString &catalogCode, const QString &departmentCode,
                                   const std::function<void(TAssetsSet &, TDataSet::Row &)> &fillRow)
{
    m_failures.clear();
    DataSet()->EmptyDataSet();
    RAssetWhere where;
    ClearWhere(where);
    where.Reduced = false;
    where.Depreciating = true;
    where.CataCode = catalogCode;
    where.UseDeptCode = departmentCode;
    TAssetsSet assets;
    assets.Search(where);

    TDataSet *source = assets.DataSet();
    const QList<DescriptiveColumn> &columns = descriptiveColumns();
    std::vector<int> sourceIndex;
    for (const DescriptiveColumn &c : columns)
        sourceIndex.push_back((assets.*c.Source)->Index());
    std::vector<TDataSet::Row> rows;
    rows.reserve(size_t(source->RecordCount()));
    for (int r = 0; r < source->RecordCount(); ++r) {
        source->SetRecNo(r);
        TDataSet::Row row(size_t(DataSet()->FieldCount()));
        for (size_t c = 0; c < sourceIndex.size(); ++c) {
            const QVariant v = source->ValueAt(r, sourceIndex[c]);
            row[c] = columns[int(c)].Kind == TFieldKind::Float && v.isValid() ? QVariant(v.toDouble()) : v;
        }
        fillRow(assets, row);
        rows.push_back(std::move(row));
    }
    DataSet()->LoadRows(std::move(rows));

    if (!m_failures.isEmpty()) {
        QString text = u"以下%1项资产计算折旧时出错, 其折旧额按0列出:"_s.arg(m_failures.size());
        for (const RDepreciationFailure &f : std::as_const(m_failures))
            text += u"\r\nId %1 (%2): %3"_s.arg(f.AssetId).arg(f.AssetCode, f.Message);
        ShowInfo(text);
    }
}

TDepreciation::TDepreciation(QObject *parent) : TDepreciationTableBase(parent)
{
    AssetIdFld = DataSet()->FieldByName(u"AssetId"_s);
    AdditionalFld = AddFieldDef(TFieldKind::Float, u"Additional"_s, 0, true, u"本月增加"_s);
    DepreciatedFld = addMoney(u"Depreciated"_s, u"本月折旧"_s);
    TotalDepreciationFld = addMoney(u"TotalDepreciation"_s, u"累计折旧"_s);
    NetValueFld = addMoney(u"NetValue"_s, u"净值"_s);
}

void TDepreciation::BuildTable(int year, int month, const QString &catalogCode, const QString &departmentCode)
{
    build(catalogCode, departmentCode, [&](TAssetsSet &assets, TDataSet::Row &row) {
        calc(assets, year, month);
        row[size_t(DepreciatedFld->Index())] = money(assets.MonthDepreciation());
        row[size_t(TotalDepreciationFld->Index())] = money(assets.TotalDepreciation());
        row[size_t(NetValueFld->Index())] = money(assets.NetValue());
    });
}

TDepreciationByYear::TDepreciationByYear(QObject *parent) : TDepreciationTableBase(parent)
{
    for (int m = 1; m <= 12; ++m)
        m_depre[size_t(m - 1)] = addMoney(u"Depre%1"_s.arg(m), u"折旧|%1月"_s.arg(m));
    DepreYearFld = addMoney(u"DepreYear"_s, u"折旧|年度累计"_s);
}

void TDepreciationByYear::BuildTable(int year, const QString &catalogCode, const QString &departmentCode)
{
    build(catalogCode, departmentCode, [&](TAssetsSet &assets, TDataSet::Row &row) {
        Currency yearTotal = 0;
        bool overflow = false;
        for (int m = 1; m <= 12; ++m) {
            calc(assets, year, m);
            row[size_t(DepreFld(m)->Index())] = money(assets.MonthDepreciation());
            if (__builtin_add_overflow(yearTotal, assets.MonthDepreciation(), &yearTotal))
                yearTotal = 0, overflow = true;
        }
        if (overflow)
            fail(assets, u"年度累计折旧溢出"_s);
        row[size_t(DepreYearFld->Index())] = overflow ? QVariant() : money(yearTotal);
    });
}
