#include "data/RowCache.h"
#include <QDateTime>
#include <QString>

class TRowCache::Column {
public:
    virtual ~Column() = default;
    virtual QVariant Value(size_t row) const = 0;
    // False when the value is of another type than this column keeps.
    virtual bool SetValue(size_t row, const QVariant &value) = 0;
    virtual void Insert(size_t at) = 0;
    virtual void Remove(size_t at) = 0;
    virtual void Resize(size_t rows) = 0;
    virtual void Reorder(const std::vector<int> &order) = 0;
};

namespace {

template <class T>
class TTypedColumn final : public TRowCache::Column {
public:
    QVariant Value(size_t row) const override
    {
        return m_null[row] ? QVariant() : QVariant::fromValue(m_values[row]);
    }

    bool SetValue(size_t row, const QVariant &value) override
    {
        if (!value.isValid()) {
            m_values[row] = T();
            m_null[row] = true;
            return true;
        }
        // A typed null (isValid but isNull) is not a NULL of the cache: keep it boxed.
        if (value.metaType() != QMetaType::fromType<T>() || value.isNull())
            return false;
        m_values[row] = *static_cast<const T *>(value.constData());
        m_null[row] = false;
        return true;
    }

    void Insert(size_t at) override
    {
        if (at == m_values.size()) { // appending, the common case while loading
            m_values.emplace_back();
            m_null.push_back(true);
            return;
        }
        m_values.insert(m_values.begin() + std::ptrdiff_t(at), T());
        m_null.insert(m_null.begin() + std::ptrdiff_t(at), true);
    }

    void Remove(size_t at) override
    {
        m_values.erase(m_values.begin() + std::ptrdiff_t(at));
        m_null.erase(m_null.begin() + std::ptrdiff_t(at));
    }

    void Resize(size_t rows) override
    {
        m_values.resize(rows);
        m_null.resize(rows, true);
    }

    void Reorder(const std::vector<int> &order) override
    {
        std::vector<T> values;
        std::vector<bool> null;
        values.reserve(order.size());
        null.reserve(order.size());
        for (int from : order) {
            values.push_back(std::move(m_values[size_t(from)]));
            null.push_back(m_null[size_t(from)]);
        }
        m_values = std::move(values);
        m_null = std::move(null);
    }

private:
    std::vector<T> m_values;
    std::vector<bool> m_null;
};

// The fallback: any QVariant, NULL being the invalid one.
class TVariantColumn final : public TRowCache::Column {
public:
    QVariant Value(size_t row) const override { return m_values[row]; }
    bool SetValue(size_t row, const QVariant &value) override
    {
        m_values[row] = value;
        return true;
    }
    void Insert(size_t at) override { m_values.insert(m_values.begin() + std::ptrdiff_t(at), QVariant()); }
    void Remove(size_t at) override { m_values.erase(m_values.begin() + std::ptrdiff_t(at)); }
    void Resize(size_t rows) override { m_values.resize(rows); }
    void Reorder(const std::vector<int> &order) override
    {
        std::vector<QVariant> values;
        values.reserve(order.size());
        for (int from : order)
            values.push_back(std::move(m_values[size_t(from)]));
        m_values = std::move(values);
    }

private:
    std::vector<QVariant> m_values;
};

std::unique_ptr<TRowCache::Column> makeColumn(TFieldKind kind)
{
    switch (kind) {
    case TFieldKind::Integer:
    case TFieldKind::Currency:
        return std::make_unique<TTypedColumn<qint64>>();
    case TFieldKind::Float:
        return std::make_unique<TTypedColumn<double>>();
    case TFieldKind::DateTime:
        return std::make_unique<TTypedColumn<QDateTime>>();
    case TFieldKind::String:
    case TFieldKind::WideString:
    case TFieldKind::Memo:
        return std::make_unique<TTypedColumn<QString>>();
    default:
        return std::make_unique<TVariantColumn>();
    }
}

} // namespace

TRowCache::TRowCache() = default;
TRowCache::~TRowCache() = default;
TRowCache::TRowCache(TRowCache &&) noexcept = default;
TRowCache &TRowCache::operator=(TRowCache &&) noexcept = default;

TRowCache TRowCache::EmptyCopy() const
{
    TRowCache copy;
    for (TFieldKind kind : m_kinds)
        copy.AddColumn(kind);
    return copy;
}

void TRowCache::AddColumn(TFieldKind kind)
{
    m_kinds.push_back(kind);
    m_columns.push_back(makeColumn(kind));
    m_columns.back()->Resize(m_rowCount);
}

void TRowCache::ClearColumns()
{
    m_kinds.clear();
    m_columns.clear();
    m_rowCount = 0;
}

void TRowCache::ClearRows()
{
    *this = EmptyCopy();
}

void TRowCache::InsertRow(size_t at)
{
    for (auto &c : m_columns)
        c->Insert(at);
    ++m_rowCount;
}

void TRowCache::AppendRow(const Row &row)
{
    const size_t r = m_rowCount++;
    for (auto &c : m_columns)
        c->Resize(m_rowCount);
    for (size_t i = 0; i < row.size() && i < m_columns.size(); ++i)
        SetValue(r, i, row[i]);
}

void TRowCache::RemoveRow(size_t at)
{
    for (auto &c : m_columns)
        c->Remove(at);
    --m_rowCount;
}

void TRowCache::Reorder(const std::vector<int> &order)
{
    for (auto &c : m_columns)
        c->Reorder(order);
}

QVariant TRowCache::Value(size_t row, size_t column) const
{
    return m_columns[column]->Value(row);
}

void TRowCache::SetValue(size_t row, size_t column, const QVariant &value)
{
    if (m_columns[column]->SetValue(row, value))
        return;
    auto boxed = std::make_unique<TVariantColumn>();
    boxed->Resize(m_rowCount);
    for (size_t r = 0; r < m_rowCount; ++r)
        boxed->SetValue(r, m_columns[column]->Value(r));
    boxed->SetValue(row, value);
    m_columns[column] = std::move(boxed);
}
