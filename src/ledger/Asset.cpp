#include "ledger/Asset.h"
#include "app/CustomLabels.h"
#include "app/Gbk.h"
#include "app/Prompter.h"
#include "ledger/AssetFields.h"
#include "ledger/AssetWhere.h"
#include <QHash>
#include <utility>

using namespace Qt::StringLiterals;

namespace AssetValue {
QVariant ToVariant(int v) { return v; }
QVariant ToVariant(const QString &v) { return v; }
QVariant ToVariant(const std::optional<int> &v) { return v ? QVariant(*v) : QVariant(); }
QVariant ToVariant(const std::optional<double> &v) { return v ? QVariant(*v) : QVariant(); }
QVariant ToVariant(const std::optional<Currency> &v) { return v ? QVariant(Money::ToDouble(*v)) : QVariant(); }
QVariant ToVariant(const std::optional<QDateTime> &v) { return v && v->isValid() ? QVariant(*v) : QVariant(); }

static bool isNull(const QVariant &v) { return !v.isValid() || v.isNull(); }
void FromVariant(const QVariant &v, int &out) { out = isNull(v) ? 0 : v.toInt(); }
void FromVariant(const QVariant &v, QString &out) { out = isNull(v) ? QString() : v.toString(); }
void FromVariant(const QVariant &v, std::optional<int> &out) { out = isNull(v) ? std::nullopt : std::optional<int>(v.toInt()); }
void FromVariant(const QVariant &v, std::optional<double> &out) { out = isNull(v) ? std::nullopt : std::optional<double>(v.toDouble()); }
void FromVariant(const QVariant &v, std::optional<Currency> &out) { out = isNull(v) ? std::nullopt : std::optional<Currency>(v.toLongLong()); }
void FromVariant(const QVariant &v, std::optional<QDateTime> &out)
{
    const QDateTime dt = ZoDate::Parse(v);
    out = dt.isValid() ? std::optional<QDateTime>(dt) : std::nullopt;
}
} // namespace AssetValue

namespace {

struct FieldDef {
    TField *TAssetsSet::*member;
    TFieldKind kind;
    QString name;
    int size;
    bool visible;
    QString label;
};

// The columns written by SaveAsset, in the order of its statements.
const QStringList &savedColumns()
{
    static const QStringList columns = {
        u"Code"_s, u"BarCode"_s, u"CataId"_s, u"Name"_s, u"PartNo"_s, u"GBCode"_s, u"Config"_s, u"Factory"_s,
        u"BuildDate"_s, u"Qty"_s, u"Price"_s, u"Unit"_s, u"AddKind"_s, u"UseDeptId"_s, u"UseState"_s,
        u"LayPlace"_s, u"Depositary"_s, u"AccountDate"_s, u"OriginValue"_s, u"EndValue"_s, u"EndValueRate"_s,
        u"UseYears"_s, u"MethodId"_s, u"AssetNote"_s, u"Str1"_s, u"Str2"_s, u"Str3"_s, u"Str4"_s, u"Str5"_s,
        u"Str6"_s, u"Float1"_s, u"Float2"_s, u"Float3"_s, u"Date1"_s, u"Date2"_s, u"Date3"_s};
    return columns;
}

QHash<QString, QVariant> memberValues(const RAsset &asset)
{
    QHash<QString, QVariant> values;
    VisitAsset(asset, [&](const QString &name, const auto &member) { values.insert(name, AssetValue::ToVariant(member)); });
    return values;
}

QVariant positiveOrNull(int id) { return id > 0 ? QVariant(id) : QVariant(); }

TDBParameters saveParameters(const RAsset &asset)
{
    const QHash<QString, QVariant> values = memberValues(asset);
    TDBParameters params;
    for (const QString &column : savedColumns())
        params.append(DBParam(column, values.value(column)));
    for (TDBParameter &p : params) {
        if (p.Name == u"BarCode"_s && asset.BarCode.isEmpty())
            p.Value = QVariant();
        else if (p.Name == u"CataId"_s)
            p.Value = positiveOrNull(asset.CataId);
        else if (p.Name == u"UseDeptId"_s)
            p.Value = positiveOrNull(asset.UseDeptId);
    }
    return params;
}

QString updateStatement()
{
    QStringList sets;
    for (const QString &c : savedColumns())
        sets.append(c + u"=:"_s + c);
    return u"update assets set "_s + sets.join(u", "_s) + u" where Id=:Id"_s;
}

QString insertStatement()
{
    const QStringList columns = savedColumns() + QStringList{u"Id"_s};
    return u"insert into assets("_s + columns.join(u", "_s) + u")values(:"_s + columns.join(u", :"_s) + u')';
}

} // namespace

TAssetsSet::TAssetsSet(TDatabase *database) : TQuerySet(database)
{
    using K = TFieldKind;
    const QList<FieldDef> defs = {
        {&TAssetsSet::IdFld, K::Integer, u"Id"_s, -1, true, u"Id"_s},
        {&TAssetsSet::CodeFld, K::WideString, u"Code"_s, 50, true, u"资产编码"_s},
        {&TAssetsSet::BarCodeFld, K::WideString, u"BarCode"_s, 50, true, u"条形码"_s},
        {&TAssetsSet::CataIdFld, K::Integer, u"CataId"_s, -1, false, QString()},
        {&TAssetsSet::CataCodeFld, K::WideString, u"CataCode"_s, 50, false, QString()},
        {&TAssetsSet::CataNameFld, K::WideString, u"CataName"_s, 250, true, u"资产分类"_s},
        {&TAssetsSet::NameFld, K::WideString, u"Name"_s, 50, true, u"资产名称"_s},
        {&TAssetsSet::PartNoFld, K::WideString, u"PartNo"_s, 50, true, u"规格型号"_s},
        {&TAssetsSet::GBCodeFld, K::WideString, u"GBCode"_s, 50, true, u"国标编号"_s},
        {&TAssetsSet::ConfigFld, K::WideString, u"Config"_s, 250, true, u"详细配置"_s},
        {&TAssetsSet::FactoryFld, K::WideString, u"Factory"_s, 50, true, u"生产厂家"_s},
        {&TAssetsSet::BuildDateFld, K::WideString, u"BuildDate"_s, 20, true, u"出厂日期"_s},
        {&TAssetsSet::QtyFld, K::Integer, u"Qty"_s, -1, true, u"数量"_s},
        {&TAssetsSet::PriceFld, K::Float, u"Price"_s, -1, true, u"单价"_s},
        {&TAssetsSet::UnitFld, K::WideString, u"Unit"_s, 10, true, u"单位"_s},
        {&TAssetsSet::AddKindFld, K::WideString, u"AddKind"_s, 50, true, u"增加方式"_s},
        {&TAssetsSet::UseDeptIdFld, K::Integer, u"UseDeptId"_s, -1, false, QString()},
        {&TAssetsSet::UseDeptCodeFld, K::WideString, u"UseDeptCode"_s, 50, false, QString()},
        {&TAssetsSet::UseDeptNameFld, K::WideString, u"UseDeptName"_s, 50, true, u"使用部门"_s},
        {&TAssetsSet::UseStateFld, K::WideString, u"UseState"_s, 50, true, u"使用情况"_s},
        {&TAssetsSet::LayPlaceFld, K::WideString, u"LayPlace"_s, 50, true, u"存放地点"_s},
        {&TAssetsSet::DepositaryFld, K::WideString, u"Depositary"_s, 50, true, u"保管人员"_s},
        {&TAssetsSet::AccountDateFld, K::DateTime, u"AccountDate"_s, -1, true, u"启用日期"_s},
        {&TAssetsSet::OriginValueFld, K::Currency, u"OriginValue"_s, -1, true, u"原值"_s},
        {&TAssetsSet::EndValueFld, K::Currency, u"EndValue"_s, -1, true, u"残值"_s},
        {&TAssetsSet::EndValueRateFld, K::Integer, u"EndValueRate"_s, -1, true, u"残值率"_s},
        {&TAssetsSet::UseYearsFld, K::Integer, u"UseYears"_s, -1, true, u"折旧年限"_s},
        {&TAssetsSet::EndDateCalcFld, K::DateTime, u"EndDateCalc"_s, -1, true, u"折旧到期"_s},
        {&TAssetsSet::AssetNoteFld, K::WideString, u"AssetNote"_s, 250, true, u"备注"_s},
        {&TAssetsSet::MethodIdFld, K::Integer, u"MethodId"_s, -1, false, u"折旧法代码"_s},
        {&TAssetsSet::MethodNameFld, K::WideString, u"MethodName"_s, 50, true, u"折旧法"_s},
        {&TAssetsSet::ReduceDateFld, K::DateTime, u"ReduceDate"_s, -1, true, u"减少日期"_s},
        {&TAssetsSet::ReduceWayFld, K::WideString, u"ReduceWay"_s, 20, true, u"减少方式"_s},
        {&TAssetsSet::ReduceHandmanFld, K::WideString, u"ReduceHandman"_s, 20, true, u"减少经手人"_s},
        {&TAssetsSet::ReduceCheckmanFld, K::WideString, u"ReduceCheckman"_s, 20, true, u"减少批准人"_s},
        {&TAssetsSet::ReduceNoteFld, K::WideString, u"ReduceNote"_s, 20, true, u"减少备注"_s},
        {&TAssetsSet::Str1Fld, K::WideString, u"Str1"_s, 50, true, QString()},
        {&TAssetsSet::Str2Fld, K::WideString, u"Str2"_s, 50, true, QString()},
        {&TAssetsSet::Str3Fld, K::WideString, u"Str3"_s, 50, true, QString()},
        {&TAssetsSet::Str4Fld, K::WideString, u"Str4"_s, 50, true, QString()},
        {&TAssetsSet::Str5Fld, K::WideString, u"Str5"_s, 50, true, QString()},
        {&TAssetsSet::Str6Fld, K::WideString, u"Str6"_s, 50, true, QString()},
        {&TAssetsSet::Float1Fld, K::Float, u"Float1"_s, -1, true, QString()},
        {&TAssetsSet::Float2Fld, K::Float, u"Float2"_s, -1, true, QString()},
        {&TAssetsSet::Float3Fld, K::Float, u"Float3"_s, -1, true, QString()},
        {&TAssetsSet::Date1Fld, K::DateTime, u"Date1"_s, -1, true, QString()},
        {&TAssetsSet::Date2Fld, K::DateTime, u"Date2"_s, -1, true, QString()},
        {&TAssetsSet::Date3Fld, K::DateTime, u"Date3"_s, -1, true, QString()},
    };
    for (const FieldDef &d : defs)
        this->*d.member = AddField(d.kind, d.name, d.size, d.visible, d.label);
    EndDateCalcFld->SetCalculated(true);
    ApplyLabels();
    const int accountDate = AccountDateFld->Index(), useYears = UseYearsFld->Index(), endDate = EndDateCalcFld->Index();
    DataSet()->SetOnCalcFields([=](TDataSet &ds) {
        const QDateTime start = ds.CurrentValue(accountDate).toDateTime();
        const QDateTime end = Depreciation::EndDate(start, ds.CurrentValue(useYears).toInt());
        ds.SetValueAt(ds.RecNo(), endDate, end.isValid() ? QVariant(end) : QVariant());
    });
}

QString TAssetsSet::SelectText()
{
    return u"select a.*, c.Code as CataCode, c.Name as CataName, d.Code as UseDeptCode, d.Name as UseDeptName, "
           "m.Name as MethodName from assets a left join department d on a.UseDeptId=d.Id "
           "left join catalog c on a.CataId=c.Id left join method m on a.MethodId=m.Id "_s;
}

int TAssetsSet::Search(const RAssetWhere &where)
{
    const TAssetQuery q = BuildAssetQuery(where, Database().Dialect());
    return Open(SelectText() + q.WhereClause + u" order by a.Id"_s, q.Params);
}

bool TAssetsSet::FetchAsset(RAsset &asset, int direction)
{
    static const QStringList clauses = {u"where a.Id<:Id order by a.Id desc limit 1"_s, u"where a.Id=:Id"_s,
                                        u"where a.Id>:Id order by a.Id limit 1"_s, u"order by a.Id desc limit 1"_s};
    if (direction < 0 || direction >= clauses.size())
        return false;
    TAssetsSet found;
    const TDBParameters params = direction == 3 ? TDBParameters{} : TDBParameters{DBParam(u"Id"_s, asset.Id)};
    if (found.Open(SelectText() + clauses[direction], params) != 1)
        return false;
    asset = found.AsData();
    return true;
}

bool TAssetsSet::SaveAsset(RAsset &asset)
{
    TDBParameters params = saveParameters(asset);
    TDatabase &db = AppDatabase();
    if (asset.Id > 0) {
        params.append(DBParam(u"Id"_s, asset.Id));
        return db.ExecSQL(updateStatement(), params) == 1;
    }
    int affected = 0;
    const int id = db.InsertWithNewId(u"assets"_s, [&](int newId) {
        TDBParameters withId = params;
        withId.append(DBParam(u"Id"_s, newId));
        affected = db.ExecSQL(insertStatement(), withId);
    });
    if (affected != 1)
        return false;
    asset.Id = id;
    return true;
}

bool TAssetsSet::PurgeAsset(int id)
{
    static const QStringList dependants = {u"modification"_s, u"accessories"_s, u"assetimages"_s,
                                           u"reduce"_s, u"repair"_s, u"depreciation"_s};
    TDatabase &db = AppDatabase();
    try {
        TTransaction trans(db);
        for (const QString &table : dependants)
            db.Execute(u"delete from %1 where AssetId=:AssetId"_s.arg(table), {DBParam(u"AssetId"_s, id)});
        if (db.ExecSQL(u"delete from assets where Id=:Code"_s, {DBParam(u"Code"_s, id)}) != 1)
            return false; // the guard rolls the dependants back
        trans.Commit();
        return true;
    } catch (const EDatabaseError &e) {
        ShowInfo(e.Message());
        return false;
    }
}

bool TAssetsSet::SaveReduce(const RAsset &asset)
{
    return AppDatabase().ExecSQL(
               u"update assets set ReduceDate=:ReduceDate, ReduceWay=:ReduceWay, ReduceHandman=:ReduceHandman, "
               "ReduceCheckman=:ReduceCheckman, ReduceNote=:ReduceNote where Id=:Id"_s,
               {DBParam(u"ReduceDate"_s, AssetValue::ToVariant(asset.ReduceDate)), DBParam(u"ReduceWay"_s, asset.ReduceWay),
                DBParam(u"ReduceHandman"_s, asset.ReduceHandman), DBParam(u"ReduceCheckman"_s, asset.ReduceCheckman),
                DBParam(u"ReduceNote"_s, asset.ReduceNote), DBParam(u"Id"_s, asset.Id)})
        == 1;
}

static QStringList distinctValues(const QString &column)
{
    TRecordSet rs;
    rs.Open(u"select %1 from assets group by %1"_s.arg(column));
    QStringList values;
    for (int r = 0; r < rs.DataSet()->RecordCount(); ++r) {
        const QString v = rs.DataSet()->ValueAt(r, 0).toString();
        if (!v.isEmpty()) // NULL and "" offer nothing to choose
            values.append(v);
    }
    return values;
}

QStringList TAssetsSet::NameList() { return distinctValues(u"Name"_s); }
QStringList TAssetsSet::UnitList() { return distinctValues(u"Unit"_s); }

RAsset TAssetsSet::AsData() const
{
    RAsset asset;
    const TDataSet *ds = DataSet();
    if (ds->RecNo() < 0)
        return asset;
    VisitAsset(asset, [&](const QString &name, auto &member) {
        AssetValue::FromVariant(ds->CurrentValue(ds->FieldByName(name)->Index()), member);
    });
    return asset;
}

void TAssetsSet::SetAsData(const RAsset &asset)
{
    VisitAsset(asset, [&](const QString &name, const auto &member) {
        FieldByName(name)->SetValue(AssetValue::ToVariant(member));
    });
}

QString TAssetsSet::AsBrief() const
{
    if (DataSet()->IsEmpty())
        return {};
    const QList<TField *> fields = {CodeFld, NameFld, PartNoFld, GBCodeFld, ConfigFld, FactoryFld,
                                    BuildDateFld, UnitFld, AddKindFld, UseStateFld, LayPlaceFld,
                                    DepositaryFld, AccountDateFld, OriginValueFld, UseYearsFld, AssetNoteFld};
    QString text;
    for (const TField *f : fields) {
        const QString label = f->DisplayLabel();
        text += RepeatChar(u' ', 10 - Gbk::ByteLength(label)) + label + u": "_s + f->DisplayText() + u"\r\n"_s;
    }
    return text;
}

void TAssetsSet::putInList(const RAsset &asset)
{
    TDataSet *ds = DataSet();
    const int row = ds->IndexOf(u"Id"_s, asset.Id);
    if (row < 0)
        ds->Append();
    else
        ds->SetRecNo(row);
    SetAsData(asset);
    // The codes are not part of the record; the trees may filter on them.
    CataCodeFld->SetValue(asset.CataId > 0 ? QueryValue(u"select Code from catalog where Id=:Id"_s, {DBParam(u"Id"_s, asset.CataId)}) : QVariant());
    UseDeptCodeFld->SetValue(asset.UseDeptId > 0 ? QueryValue(u"select Code from department where Id=:Id"_s, {DBParam(u"Id"_s, asset.UseDeptId)}) : QVariant());
    ds->Post();
}

bool TAssetsSet::Save(RAsset &asset)
{
    if (!SaveAsset(asset))
        return false;
    putInList(asset);
    return true;
}

bool TAssetsSet::Delete(RAsset &asset)
{
    if (!PurgeAsset(asset.Id))
        return false;
    if (DataSet()->Locate(u"Id"_s, asset.Id))
        DataSet()->Delete();
    return true;
}

bool TAssetsSet::SaveReduce(RAsset &asset)
{
    if (!SaveReduce(std::as_const(asset)))
        return false;
    putInList(asset);
    return true;
}

bool TAssetsSet::Refresh(RAsset &asset)
{
    RAsset fresh = asset;
    if (!FetchAsset(fresh, 1))
        return false;
    if (DataSet()->IndexOf(u"Id"_s, fresh.Id) >= 0)
        putInList(fresh);
    return true;
}

bool TAssetsSet::stepFrom(RAsset &asset, int step)
{
    TDataSet *ds = DataSet();
    if (ds->IsEmpty())
        return false;
    const int saved = ds->RecNo();
    const int row = ds->IndexOf(u"Id"_s, asset.Id);
    if (row >= 0)
        ds->SetRecNo(row + step); // clamps at the first and last row
    asset = AsData();
    ds->SetRecNo(saved);
    return true;
}

bool TAssetsSet::PriorOf(RAsset &asset) { return stepFrom(asset, -1); }
bool TAssetsSet::NextOf(RAsset &asset) { return stepFrom(asset, 1); }

void TAssetsSet::SetQty(int qty)
{
    const QVariant old = QtyFld->Value();
    QtyFld->SetValue(qty);
    try {
        Database().Execute(u"update assets set Qty=:Qty where Id=:Id"_s, {DBParam(u"Qty"_s, qty), DBParam(u"Id"_s, IdFld->AsInteger())});
    } catch (...) {
        QtyFld->SetValue(old);
        throw;
    }
    DataSet()->Post();
}

void TAssetsSet::ApplyLabels()
{
    for (const QString &name : CustomLabels::FieldNames())
        FieldByName(name)->SetDisplayLabel(CustomLabels::LabelOf(name));
    DataSet()->NotifyFieldsChanged();
}

RDepreciationInput TAssetsSet::depreciationInput() const
{
    RDepreciationInput in;
    in.AccountDate = AccountDateFld->AsDateTime();
    in.OriginValue = OriginValueFld->AsCurrency();
    in.EndValue = EndValueFld->AsCurrency();
    in.UseYears = UseYearsFld->AsInteger();
    in.MethodId = MethodIdFld->AsInteger();
    return in;
}

int TAssetsSet::MonthsInUse(int year, int month) const
{
    return Depreciation::MonthsInUse(AccountDateFld->AsDateTime(), year, month);
}

bool TAssetsSet::CalcDepreciation(int year, int month)
{
    m_amounts = {};
    m_calcError.clear();
    try {
        m_amounts = Depreciation::Calculate(depreciationInput(), year, month);
        return true;
    } catch (const EZoError &e) {
        m_calcError = e.Message();
        return false;
    }
}

Currency TAssetsSet::NetValue() const
{
    return OriginValueFld->AsCurrency() - m_amounts.Total;
}
