#include "ledger/AssetWhere.h"
#include "app/CustomLabels.h"
#include "data/SqlDialect.h"

using namespace Qt::StringLiterals;

void ClearWhere(RAssetWhere &where) { where = RAssetWhere(); }

namespace {

// Collects the fragments of a where-clause; every value becomes a parameter.
class TWhereBuilder {
public:
    explicit TWhereBuilder(const TSqlDialect &dialect) : m_dialect(dialect) {}

    QString Param(const QVariant &value)
    {
        const QString name = u"w%1"_s.arg(m_query.Params.size() + 1);
        m_query.Params.append(DBParam(name, value));
        return u':' + name;
    }
    void Add(const QString &fragment) { m_parts.append(fragment); }
    void Equals(const QString &column, const QString &value)
    {
        if (!value.isEmpty())
            Add(u"%1=%2"_s.arg(column, Param(value)));
    }
    QString LikeTest(const QString &column, const QString &param) const
    {
        return column + u' ' + m_dialect.LikeOperator() + u' ' + param + TSqlDialect::LikeEscapeClause();
    }
    void Contains(const QString &column, const QString &value)
    {
        if (!value.isEmpty())
            Add(LikeTest(column, Param(u'%' + TSqlDialect::EscapeLike(value) + u'%')));
    }
    // A tree code selects the node and its whole subtree.
    void StartsWith(const QString &column, const QString &code)
    {
        if (!code.isEmpty())
            Add(LikeTest(column, Param(TSqlDialect::EscapeLike(code) + u'%')));
    }
    template <class T>
    void Range(const QString &column, const std::optional<T> &from, const std::optional<T> &to)
    {
        if (from)
            Add(u"%1>=%2"_s.arg(column, Param(QVariant::fromValue(*from))));
        if (to)
            Add(u"%1<=%2"_s.arg(column, Param(QVariant::fromValue(*to))));
    }
    TAssetQuery Result()
    {
        if (!m_parts.isEmpty())
            m_query.WhereClause = u" where "_s + m_parts.join(u" and "_s) + u' ';
        return m_query;
    }

private:
    const TSqlDialect &m_dialect;
    QStringList m_parts;
    TAssetQuery m_query;
};

const QStringList &keywordColumns()
{
    static const QStringList columns = {u"a.Code"_s, u"BarCode"_s, u"a.Name"_s, u"PartNo"_s, u"GBCode"_s,
                                        u"Config"_s, u"Factory"_s, u"AssetNote"_s, u"Str1"_s, u"Str2"_s,
                                        u"Str3"_s, u"Str4"_s, u"Str5"_s, u"Str6"_s};
    return columns;
}

} // namespace

TAssetQuery BuildAssetQuery(const RAssetWhere &w, const TSqlDialect &dialect)
{
    TWhereBuilder b(dialect);
    if (!w.Keyword.isEmpty()) {
        const QString p = b.Param(u'%' + TSqlDialect::EscapeLike(w.Keyword) + u'%');
        QStringList tests;
        for (const QString &column : keywordColumns())
            tests.append(b.LikeTest(column, p));
        b.Add(u'(' + tests.join(u" or "_s) + u')');
    }
    if (w.Id != 0)
        b.Add(u"a.Id="_s + b.Param(w.Id));
    if (w.Depreciating)
        b.Add(*w.Depreciating ? u"MethodId>0"_s : u"MethodId=0"_s);
    if (w.Reduced)
        b.Add(*w.Reduced ? u"ReduceDate is not Null"_s : u"ReduceDate is Null"_s);
    b.Equals(u"AddKind"_s, w.AddKind);
    b.Equals(u"LayPlace"_s, w.LayPlace);
    b.Equals(u"Depositary"_s, w.Depositary);
    b.Contains(u"a.Code"_s, w.Code);
    b.Contains(u"a.Name"_s, w.Name);
    b.Contains(u"PartNo"_s, w.PartNo);
    b.Contains(u"GBCode"_s, w.GBCode);
    b.Contains(u"Factory"_s, w.Factory);
    b.StartsWith(u"c.Code"_s, w.CataCode);
    b.Contains(u"UseState"_s, w.UseState);
    b.Range(u"AccountDate"_s, w.AccountDateFrom, w.AccountDateTo);
    b.Range(u"OriginValue"_s, w.OriginValueFrom, w.OriginValueTo);
    b.Range(u"EndValue"_s, w.EndValueFrom, w.EndValueTo);
    b.Range(u"UseYears"_s, w.UseYearsFrom, w.UseYearsTo);
    b.StartsWith(u"d.Code"_s, w.UseDeptCode);
    if (w.ExpiryYear && w.ExpiryMonth) {
        const QDate first(*w.ExpiryYear, *w.ExpiryMonth, 1);
        if (*w.ExpiryMonth < 1 || *w.ExpiryMonth > 12 || !first.isValid())
            throw EConvertError(u"折旧到期的年月无效: %1年%2月, 月份应在1到12之间."_s.arg(*w.ExpiryYear).arg(*w.ExpiryMonth));
        b.Add(dialect.MonthDiff(u"AccountDate"_s, b.Param(first)) + u" > UseYears*12"_s);
    }
    const QStringList strs = {w.Str1, w.Str2, w.Str3, w.Str4, w.Str5, w.Str6};
    for (int i = 0; i < strs.size(); ++i)
        b.Contains(u"Str%1"_s.arg(i + 1), strs[i]);
    b.Range(u"Float1"_s, w.Float1From, w.Float1To);
    b.Range(u"Float2"_s, w.Float2From, w.Float2To);
    b.Range(u"Float3"_s, w.Float3From, w.Float3To);
    b.Range(u"Date1"_s, w.Date1From, w.Date1To);
    b.Range(u"Date2"_s, w.Date2From, w.Date2To);
    b.Range(u"Date3"_s, w.Date3From, w.Date3To);
    if (w.Changed.value_or(false))
        b.Add(u"a.Id in (select AssetId from modification group by AssetId)"_s);
    if (w.Repaired.value_or(false))
        b.Add(u"a.Id in (select AssetId from repair group by AssetId)"_s);
    return b.Result();
}

namespace {

class TDescription {
public:
    void Add(const QString &phrase) { m_text += u", "_s + phrase; }
    void Is(const QString &label, const QString &value)
    {
        if (!value.isEmpty())
            Add(label + u'是' + value);
    }
    template <class T>
    void Range(const QString &label, const std::optional<T> &from, const std::optional<T> &to)
    {
        if (from)
            Add(label + u">="_s + text(*from));
        if (to)
            Add(label + u"<="_s + text(*to));
    }
    QString Result() const { return m_text.mid(2); }

private:
    static QString text(double v) { return QString::number(v, 'g', 15); }
    static QString text(const QDate &d) { return d.toString(ZoDate::DateFormat()); }
    QString m_text;
};

} // namespace

QString DescribeWhere(const RAssetWhere &w)
{
    TDescription d;
    if (!w.Keyword.isEmpty())
        d.Add(u"关键字包含"_s + w.Keyword);
    if (w.Id > 0)
        d.Add(u"Id是%1"_s.arg(w.Id));
    if (w.Reduced)
        d.Add(*w.Reduced ? u"已减少资产"_s : u"现有资产"_s);
    if (w.Depreciating)
        d.Add(*w.Depreciating ? u"计提折旧"_s : u"不计提折旧"_s);
    if (!w.AddKind.isEmpty())
        d.Add(u"增加方式为"_s + w.AddKind);
    d.Is(u"存放地点"_s, w.LayPlace);
    d.Is(u"保管人员"_s, w.Depositary);
    d.Is(u"资产编码"_s, w.Code);
    d.Is(u"资产名称"_s, w.Name);
    d.Is(u"规格型号"_s, w.PartNo);
    d.Is(u"国标编号"_s, w.GBCode);
    d.Is(u"生产厂家"_s, w.Factory);
    d.Is(u"资产分类"_s, w.CataCode);
    d.Is(u"使用情况"_s, w.UseState);
    d.Is(u"使用部门"_s, w.UseDeptCode);
    d.Range(u"启用日期"_s, w.AccountDateFrom, w.AccountDateTo);
    d.Range(u"原值"_s, w.OriginValueFrom, w.OriginValueTo);
    d.Range(u"残值"_s, w.EndValueFrom, w.EndValueTo);
    d.Range(u"折旧年限"_s, w.UseYearsFrom, w.UseYearsTo);
    if (w.ExpiryYear)
        d.Add(u"折旧到期%1年"_s.arg(*w.ExpiryYear));
    if (w.ExpiryMonth)
        d.Add(u"折旧到期%1月"_s.arg(*w.ExpiryMonth));
    const QStringList strs = {w.Str1, w.Str2, w.Str3, w.Str4, w.Str5, w.Str6};
    for (int i = 0; i < strs.size(); ++i)
        d.Is(CustomLabels::Label(i), strs[i]);
    d.Range(CustomLabels::Label(6), w.Float1From, w.Float1To);
    d.Range(CustomLabels::Label(7), w.Float2From, w.Float2To);
    d.Range(CustomLabels::Label(8), w.Float3From, w.Float3To);
    d.Range(CustomLabels::Label(9), w.Date1From, w.Date1To);
    d.Range(CustomLabels::Label(10), w.Date2From, w.Date2To);
    d.Range(CustomLabels::Label(11), w.Date3From, w.Date3To);
    if (w.Changed.value_or(false))
        d.Add(u"已变更过"_s);
    if (w.Repaired.value_or(false))
        d.Add(u"已维修过"_s);
    return d.Result();
}
