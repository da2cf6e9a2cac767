#include "data/RecordSet.h"
#include "app/Prompter.h"
#include <QHash>

TCachedQuery::TCachedQuery(TDatabase *database)
    : m_dataSet(std::make_unique<TDataSet>()), m_database(database)
{
}

TCachedQuery::~TCachedQuery() = default;

TDatabase &TCachedQuery::Database() const
{
    return m_database ? *m_database : AppDatabase();
}

int TCachedQuery::Open(const QString &sql, const TDBParameters &params)
{
    m_dataSet->Close();
    m_sqlText = sql;
    try {
        QSqlQuery q = Database().Select(sql, params);
        m_dataSet->LoadFromQuery(q);
    } catch (const EDatabaseError &e) {
        m_dataSet->Close();
        ShowInfo(QStringLiteral("SQL语句错误,原文如下:\r\n%1\r\n\r\n错误提示:\r\n%2").arg(sql, e.ProviderMessage()));
        throw EAbort();
    }
    return m_dataSet->RecordCount();
}

TField *TCachedQuery::AddField(TFieldKind kind, const QString &name, int size, bool visible, const QString &label)
{
    TField *f = m_dataSet->AddField(kind, name);
    f->SetDisplayLabel(label);
    f->SetVisible(visible);
    if (size >= 0)
        f->SetSize(size);
    InitField(f);
    return f;
}

void TRecordSet::DeleteCurrent()
{
    if (!DataSet()->IsEmpty())
        DataSet()->Delete();
}

void TRecordSet::DeleteAll()
{
    TDataSet *ds = DataSet();
    if (ds->IsEmpty())
        return;
    ds->EmptyDataSet();
}

QString TRecordSet::JoinValues(const QString &fieldName, const QString &separator) const
{
    const TDataSet *ds = DataSet();
    if (!ds->Active() || ds->IsEmpty())
        return {};
    const TField *f = ds->FieldByName(fieldName);
    QString out;
    for (int r = 0; r < ds->RecordCount(); ++r) {
        if (r > 0)
            out += separator;
        out += f->FormatValue(ds->ValueAt(r, f->Index()));
    }
    return out;
}

TZoClientDataSet::TZoClientDataSet(QObject *parent)
    : QObject(parent), m_dataSet(std::make_unique<TDataSet>())
{
}

TZoClientDataSet::~TZoClientDataSet()
{
    m_dataSet->Close();
}

TField *TZoClientDataSet::AddField(TFieldKind kind, const QString &name, bool visible, const QString &label)
{
    TField *f = m_dataSet->AddField(kind, name);
    f->SetDisplayLabel(label);
    f->SetVisible(visible);
    return f;
}

TField *TZoClientDataSet::AddFieldDef(TFieldKind kind, const QString &name, int defSize, bool visible, const QString &label)
{
    m_defSizes.insert(name.toLower(), defSize);
    TField *f = AddField(kind, name, visible, label);
    if (defSize > 20)
        f->SetSize(std::min(defSize, 140));
    return f;
}

int TZoClientDataSet::FieldDefSize(const QString &name) const
{
    return m_defSizes.value(name.toLower(), -1);
}

namespace {
std::unique_ptr<TDatabase> g_database;
std::unique_ptr<TRecordSet> g_shared;
} // namespace

TDatabase &AppDatabase()
{
    if (!g_database)
        g_database = std::make_unique<TDatabase>(QStringLiteral("zokamo"));
    return *g_database;
}

TRecordSet &SharedRecordSet()
{
    if (!g_shared)
        g_shared = std::make_unique<TRecordSet>();
    return *g_shared;
}

QVariant QueryValue(const QString &sql, const TDBParameters &params)
{
    TRecordSet &rs = SharedRecordSet();
    rs.Open(sql, params);
    return rs.DataSet()->IsEmpty() ? QVariant() : rs.DataSet()->ValueAt(0, 0);
}

void ResetAppDatabase()
{
    g_shared.reset();
    g_database.reset();
}
