#include "data/DataSet.h"
#include "data/Exceptions.h"
#include <QSqlField>
#include <QSqlRecord>
#include <algorithm>
#include <string_view>
#include <unordered_set>

TDataSet::TDataSet(QObject *parent) : QObject(parent) {}
TDataSet::~TDataSet() = default;

TField *TDataSet::AddField(TFieldKind kind, const QString &name)
{
    auto field = std::make_unique<TField>(this, kind, name);
    field->m_index = int(m_fields.size());
    m_fields.push_back(std::move(field));
    m_rows.AddColumn(kind);
    return m_fields.back().get();
}

TField *TDataSet::FindField(const QString &name) const
{
    for (const auto &f : m_fields)
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

TField *TDataSet::FieldByName(const QString &name) const
{
    TField *f = FindField(name);
    if (!f)
        throw EDatabaseError(QStringLiteral("找不到字段“%1”").arg(name), QString());
    return f;
}

QList<TField *> TDataSet::Fields() const
{
    QList<TField *> list;
    list.reserve(int(m_fields.size()));
    for (const auto &f : m_fields)
        list.append(f.get());
    return list;
}

void TDataSet::SetActive(bool active)
{
    if (active == m_active)
        return;
    Q_EMIT aboutToReset();
    m_active = active;
    m_rows.ClearRows();
    m_sortText.clear();
    setCursor(-1);
    Q_EMIT reset();
}

static TFieldKind kindOfColumn(const QSqlField &f)
{
    switch (f.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
        return TFieldKind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return TFieldKind::Float;
    case QMetaType::Bool:
        return TFieldKind::Boolean;
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        return TFieldKind::DateTime;
    case QMetaType::QByteArray:
        return TFieldKind::Blob;
    default:
        return TFieldKind::WideString;
    }
}

namespace {

// Class, department, state, place and keeper names repeat down a long list: the rows share
// one copy of each such text. A column whose texts hardly repeat (codes, names) stops
// being pooled once it has shown that, so its texts cost no hashing.
class TTextPool {
public:
    QString Shared(const QString &text)
    {
        if (m_off)
            return text;
        ++m_seen;
        const auto it = m_texts.find(text);
        if (it != m_texts.end())
            return *it;
        m_texts.insert(text);
        if (m_texts.size() > 4096 && qsizetype(m_texts.size()) * 2 > m_seen) {
            m_off = true;
            m_texts.clear();
        }
        return text;
    }

private:
    // Qt's own string hash is keyed (SipHash here) and costs more than the rest of a value.
    struct Hash {
        size_t operator()(const QString &s) const { return std::hash<std::u16string_view>()(std::u16string_view(QStringView(s).utf16(), size_t(s.size()))); }
    };
    std::unordered_set<QString, Hash> m_texts;
    qsizetype m_seen = 0;
    bool m_off = false;
};

} // namespace

void TDataSet::LoadFromQuery(QSqlQuery &query)
{
    const QSqlRecord rec = query.record();
    if (m_fields.empty() || m_fieldsFromQuery) {
        // Without declared fields every statement brings its own columns.
        Q_EMIT aboutToReset();
        m_rows.ClearColumns();
        m_fields.clear();
        for (int c = 0; c < rec.count(); ++c)
            AddField(kindOfColumn(rec.field(c)), rec.fieldName(c));
        m_fieldsFromQuery = true;
        m_active = false;
        setCursor(-1);
        Q_EMIT reset();
        Q_EMIT fieldsChanged();
    }
    // Map each declared field to its result column by name, case-insensitively.
    m_queryColumns.assign(m_fields.size(), -1);
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const TField *f = m_fields[i].get();
        for (int c = 0; c < rec.count(); ++c)
            if (rec.fieldName(c).compare(f->FieldName(), Qt::CaseInsensitive) == 0) {
                m_queryColumns[i] = c;
                break;
            }
        if (m_queryColumns[i] < 0 && !f->Calculated())
            throw EDatabaseError(QStringLiteral("找不到字段“%1”").arg(f->FieldName()), query.lastQuery());
    }

    // The rows are read aside, so views keep showing the old ones until the swap.
    TRowCache rows = m_rows.EmptyCopy();
    const size_t n = m_fields.size();
    std::vector<TTextPool> pools(n);
    const std::function<void()> &tick = LoadTicker();
    while (query.next()) {
        const size_t r = rows.RowCount();
        rows.InsertRow(r);
        for (size_t i = 0; i < n; ++i) {
            if (m_queryColumns[i] < 0)
                continue;
            const QVariant value = query.value(m_queryColumns[i]);
            if (m_fields[i]->IsText() && value.typeId() == QMetaType::QString && !value.isNull())
                rows.SetValue(r, i, QVariant(pools[i].Shared(value.toString())));
            else
                rows.SetValue(r, i, m_fields[i]->Normalize(value));
        }
        if (tick && (rows.RowCount() & 1023) == 0)
            tick();
    }
    Q_EMIT aboutToReset();
    m_rows = std::move(rows);
    m_sortText.clear();
    m_active = true;
    if (m_onCalc)
        for (int r = 0; r < RecordCount(); ++r)
            calcRow(r);
    setCursor(IsEmpty() ? -1 : 0);
    Q_EMIT reset();
}

std::function<void()> &TDataSet::LoadTicker()
{
    static std::function<void()> ticker;
    return ticker;
}

void TDataSet::EmptyDataSet()
{
    Q_EMIT aboutToReset();
    m_rows.ClearRows();
    m_active = true;
    setCursor(-1);
    Q_EMIT reset();
}

void TDataSet::setCursor(int row)
{
    m_recNo = row;
    m_eof = m_bof = (row < 0);
    Q_EMIT currentChanged(row);
}

void TDataSet::SetRecNo(int row)
{
    if (IsEmpty()) {
        setCursor(-1);
        return;
    }
    setCursor(std::clamp(row, 0, RecordCount() - 1));
}

void TDataSet::Next()
{
    if (IsEmpty() || m_recNo >= RecordCount() - 1) {
        m_eof = true;
        return;
    }
    setCursor(m_recNo + 1);
}

void TDataSet::Prior()
{
    if (IsEmpty() || m_recNo <= 0) {
        m_bof = true;
        return;
    }
    setCursor(m_recNo - 1);
}

int TDataSet::IndexOf(const QString &fieldName, const QVariant &value) const
{
    const TField *f = FieldByName(fieldName);
    const QVariant wanted = f->Normalize(value);
    for (int r = 0; r < RecordCount(); ++r) {
        const QVariant v = m_rows.Value(size_t(r), size_t(f->Index()));
        if (v.isValid() == wanted.isValid() && (!v.isValid() || v == wanted))
            return r;
    }
    return -1;
}

bool TDataSet::Locate(const QString &fieldName, const QVariant &value)
{
    const int r = IndexOf(fieldName, value);
    if (r < 0)
        return false;
    setCursor(r);
    return true;
}

void TDataSet::Append()
{
    Insert(RecordCount());
}

void TDataSet::Insert(int row)
{
    m_active = true;
    row = std::clamp(row, 0, RecordCount());
    m_rows.InsertRow(size_t(row));
    Q_EMIT rowInserted(row);
    setCursor(row);
}

void TDataSet::AppendRow(Row row)
{
    m_active = true;
    m_rows.AppendRow(row);
    const int r = RecordCount() - 1;
    calcRow(r);
    Q_EMIT rowInserted(r);
    if (m_recNo < 0)
        setCursor(0);
}

void TDataSet::LoadRows(std::vector<Row> rows)
{
    TRowCache cache = m_rows.EmptyCopy();
    for (const Row &r : rows)
        cache.AppendRow(r);
    rows.clear();
    Q_EMIT aboutToReset();
    m_rows = std::move(cache);
    m_sortText.clear();
    m_active = true;
    setCursor(IsEmpty() ? -1 : 0);
    Q_EMIT reset();
}

void TDataSet::Post()
{
    if (m_recNo < 0)
        return;
    calcRow(m_recNo);
    Q_EMIT rowChanged(m_recNo);
}

void TDataSet::Delete()
{
    if (m_recNo < 0 || IsEmpty())
        return;
    const int r = m_recNo;
    m_rows.RemoveRow(size_t(r));
    Q_EMIT rowRemoved(r);
    setCursor(IsEmpty() ? -1 : std::min(r, RecordCount() - 1));
}

QVariant TDataSet::CurrentValue(int fieldIndex) const
{
    return ValueAt(m_recNo, fieldIndex);
}

void TDataSet::SetCurrentValue(int fieldIndex, const QVariant &value)
{
    if (m_recNo < 0)
        throw EDatabaseError(QStringLiteral("数据集中没有当前记录"), QString());
    SetValueAt(m_recNo, fieldIndex, value);
}

QVariant TDataSet::ValueAt(int row, int fieldIndex) const
{
    if (row < 0 || row >= RecordCount() || fieldIndex < 0 || size_t(fieldIndex) >= m_fields.size())
        return QVariant();
    return m_rows.Value(size_t(row), size_t(fieldIndex));
}

void TDataSet::SetValueAt(int row, int fieldIndex, const QVariant &value)
{
    if (row < 0 || row >= RecordCount())
        return;
    m_rows.SetValue(size_t(row), size_t(fieldIndex), m_fields[size_t(fieldIndex)]->Normalize(value));
    Q_EMIT rowChanged(row);
}

void TDataSet::calcRow(int row)
{
    if (!m_onCalc)
        return;
    const int saved = m_recNo;
    m_recNo = row;
    m_onCalc(*this);
    m_recNo = saved;
}

static int compareValues(const QVariant &a, const QVariant &b)
{
    const bool an = !a.isValid() || a.isNull(), bn = !b.isValid() || b.isNull();
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    switch (a.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return a.toLongLong() < b.toLongLong() ? -1 : (a.toLongLong() > b.toLongLong() ? 1 : 0);
    case QMetaType::Double:
        return a.toDouble() < b.toDouble() ? -1 : (a.toDouble() > b.toDouble() ? 1 : 0);
    case QMetaType::QDateTime:
        return a.toDateTime() < b.toDateTime() ? -1 : (a.toDateTime() > b.toDateTime() ? 1 : 0);
    case QMetaType::Bool:
        return int(a.toBool()) - int(b.toBool());
    default:
        return QString::localeAwareCompare(a.toString(), b.toString());
    }
}

void TDataSet::Sort(const QString &sortText)
{
    struct Key {
        int field;
        bool desc;
    };
    std::vector<Key> keys;
    const QStringList parts = sortText.split(u',', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QStringList words = part.trimmed().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const TField *f = FieldByName(words[0]);
        const bool desc = words.size() > 1 && words[1].compare(QStringLiteral("DESC"), Qt::CaseInsensitive) == 0;
        keys.push_back({f->Index(), desc});
    }
    m_sortText = sortText;
    if (keys.empty())
        return;
    Q_EMIT aboutToReset();
    std::vector<int> order(m_rows.RowCount());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        for (const Key &k : keys) {
            const int c = compareValues(m_rows.Value(size_t(x), size_t(k.field)), m_rows.Value(size_t(y), size_t(k.field)));
            if (c != 0)
                return k.desc ? c > 0 : c < 0;
        }
        return false;
    });
    m_rows.Reorder(order);
    setCursor(IsEmpty() ? -1 : 0);
    Q_EMIT reset();
}
