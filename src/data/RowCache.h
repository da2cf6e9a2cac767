#pragma once
#include "data/Field.h"
#include <QVariant>
#include <memory>
#include <vector>

// The cached rows of a data set, kept column by column. A column holds the values of its
// field's cache type unboxed (qint64, double, QDateTime, QString) with NULL as a flag, which
// costs a fraction of a QVariant per value. A value of any other type turns that column
// into plain QVariants, so a value always reads back exactly as it was stored.
class TRowCache {
public:
    using Row = std::vector<QVariant>;

    TRowCache();
    ~TRowCache();
    TRowCache(TRowCache &&) noexcept;
    TRowCache &operator=(TRowCache &&) noexcept;

    // An empty cache with the same columns.
    TRowCache EmptyCopy() const;

    void AddColumn(TFieldKind kind);
    void ClearColumns();
    size_t ColumnCount() const { return m_kinds.size(); }

    size_t RowCount() const { return m_rowCount; }
    void ClearRows();
    void InsertRow(size_t at);        // a row of NULLs
    void AppendRow(const Row &row);   // values in column order; missing ones are NULL
    void RemoveRow(size_t at);
    // Row i becomes the former row order[i].
    void Reorder(const std::vector<int> &order);

    QVariant Value(size_t row, size_t column) const;
    void SetValue(size_t row, size_t column, const QVariant &value);

    class Column;

private:
    std::vector<TFieldKind> m_kinds;
    std::vector<std::unique_ptr<Column>> m_columns;
    size_t m_rowCount = 0;
};
