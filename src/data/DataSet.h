#pragma once
#include "data/Field.h"
#include "data/RowCache.h"
#include <QObject>
#include <QSqlQuery>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// A client-side table: declared fields, cached rows and a cursor. Changes
// made here stay in memory; the owner writes the database with explicit SQL
// and mirrors the change here (the grids follow through the signals).
class TDataSet : public QObject {
    Q_OBJECT
public:
    using Row = TRowCache::Row;

    explicit TDataSet(QObject *parent = nullptr);
    ~TDataSet() override;

    // Fields
    TField *AddField(TFieldKind kind, const QString &name);
    int FieldCount() const { return int(m_fields.size()); }
    TField *Field(int index) const { return m_fields[size_t(index)].get(); }
    TField *FindField(const QString &name) const;
    // Throws EDatabaseError when the set has no such field.
    TField *FieldByName(const QString &name) const;
    QList<TField *> Fields() const;
    // Fires when labels, visibility or widths of fields change.
    void NotifyFieldsChanged() { Q_EMIT fieldsChanged(); }

    // Calculated fields are filled by this handler for the current row.
    void SetOnCalcFields(std::function<void(TDataSet &)> handler) { m_onCalc = std::move(handler); }

    // Rows
    bool Active() const { return m_active; }
    void SetActive(bool active);
    void Close() { SetActive(false); }
    // Replaces the rows with the result of an executed query. Without declared
    // fields the columns of the result become the fields.
    void LoadFromQuery(QSqlQuery &query);
    // Called every thousand rows while a long result is read, so that the
    // program can repaint its windows; not set by default.
    static std::function<void()> &LoadTicker();
    void EmptyDataSet();
    int RecordCount() const { return int(m_rows.RowCount()); }
    bool IsEmpty() const { return m_rows.RowCount() == 0; }

    // Cursor
    int RecNo() const { return m_recNo; }
    void SetRecNo(int row);
    void First() { SetRecNo(0); }
    void Last() { SetRecNo(RecordCount() - 1); }
    void Next();
    void Prior();
    bool Eof() const { return m_eof || IsEmpty(); }
    bool Bof() const { return m_bof || IsEmpty(); }

    // Moves to the first row whose field equals value (texts compare exactly); false when none.
    bool Locate(const QString &fieldName, const QVariant &value);
    int IndexOf(const QString &fieldName, const QVariant &value) const;

    // Editing the cache
    void Append();          // a new empty row at the end becomes current
    void Insert(int row);   // a new empty row at `row` becomes current
    void Post();            // recalculates the current row and tells the views
    void Delete();          // removes the current row
    void SetCurrentValue(int fieldIndex, const QVariant &value);
    QVariant CurrentValue(int fieldIndex) const;
    QVariant ValueAt(int row, int fieldIndex) const;
    void SetValueAt(int row, int fieldIndex, const QVariant &value);
    // Appends a finished row (values in field order, already in cache form: money as
    // Currency) without cursor moves: the fast path for bulk fills.
    void AppendRow(Row row);
    // Replaces all rows at once (values already in cache form, calculated fields
    // included) with one reset for the views: the path of computed tables.
    void LoadRows(std::vector<Row> rows);

    // Client-side sort: "Code, Name DESC" style; an empty text keeps the order.
    void Sort(const QString &sortText);
    QString SortText() const { return m_sortText; }

Q_SIGNALS:
    void aboutToReset();
    void reset();
    void rowInserted(int row);
    void rowRemoved(int row);
    void rowChanged(int row);
    void currentChanged(int row);
    void fieldsChanged();

private:
    void calcRow(int row);
    void setCursor(int row);

    std::vector<std::unique_ptr<TField>> m_fields;
    TRowCache m_rows;
    std::vector<int> m_queryColumns;
    std::function<void(TDataSet &)> m_onCalc;
    QString m_sortText;
    int m_recNo = -1;
    bool m_active = false;
    bool m_fieldsFromQuery = false;
    bool m_eof = true;
    bool m_bof = true;
};
