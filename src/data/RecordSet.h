#pragma once
#include "data/DataSet.h"
#include "data/Database.h"
#include <QHash>
#include <QObject>

// What TQuerySet and TRecordSet share: a cached data set filled from one
// statement on a connection (the application's unless another is given).
class TCachedQuery {
public:
    explicit TCachedQuery(TDatabase *database = nullptr);
    virtual ~TCachedQuery();
    TCachedQuery(const TCachedQuery &) = delete;
    TCachedQuery &operator=(const TCachedQuery &) = delete;

    TDataSet *DataSet() const { return m_dataSet.get(); }
    TDatabase &Database() const;
    QString SqlText() const { return m_sqlText; }

    // Runs the statement and caches its rows; returns the row count. A failing
    // statement shows "SQL语句错误,原文如下:" with the text and the reason,
    // leaves the set closed and abandons the caller's operation (EAbort).
    int Open(const QString &sql, const TDBParameters &params = {});
    void Close() { m_dataSet->Close(); }
    bool Active() const { return m_dataSet->Active(); }

    // Declares a field before the set is first opened; size < 0 keeps the default.
    TField *AddField(TFieldKind kind, const QString &name, int size, bool visible, const QString &label);
    TField *FieldByName(const QString &name) const { return m_dataSet->FieldByName(name); }

protected:
    virtual void InitField(TField *field) {}

private:
    std::unique_ptr<TDataSet> m_dataSet;
    TDatabase *m_database;
    QString m_sqlText;
};

class TQuerySet : public TCachedQuery {
public:
    using TCachedQuery::TCachedQuery;
    int Tag = 0;

protected:
    void InitField(TField *field) override { field->SetDisplayWidth(75); }
};

class TRecordSet : public TCachedQuery {
public:
    using TCachedQuery::TCachedQuery;

    // Removes the current cached row (nothing is written to the database).
    virtual void DeleteCurrent();
    // Removes every cached row.
    virtual void DeleteAll();
    // The field's values of all rows joined by separator; empty for a closed or empty set.
    QString JoinValues(const QString &fieldName, const QString &separator) const;
};

// An in-memory table with no database behind it; computed tables derive from it.
class TZoClientDataSet : public QObject {
    Q_OBJECT
public:
    explicit TZoClientDataSet(QObject *parent = nullptr);
    ~TZoClientDataSet() override;

    TDataSet *DataSet() const { return m_dataSet.get(); }
    TField *AddField(TFieldKind kind, const QString &name, bool visible, const QString &label);
    // A column definition of `defSize` plus its field; sizes above 20 also set
    // the field's size, at most 140.
    TField *AddFieldDef(TFieldKind kind, const QString &name, int defSize, bool visible, const QString &label);
    int FieldDefSize(const QString &name) const;
    // Opens the empty table so that rows can be appended.
    void CreateDataSet() { m_dataSet->EmptyDataSet(); }
    double LostTime() const { return m_lostTime; }

Q_SIGNALS:
    void OnProgress(int count, int position);
    void OnProgress2(int count, int position, const QString &hint);

protected:
    double m_lostTime = 0;

private:
    std::unique_ptr<TDataSet> m_dataSet;
    QHash<QString, int> m_defSizes;
};

// The process-wide scratch set for one-off queries (largest key, counts, single values).
TRecordSet &SharedRecordSet();
// Runs a one-off query on the shared set and returns the first column of the first row (NULL when none).
QVariant QueryValue(const QString &sql, const TDBParameters &params = {});
// Replaces the process-wide connection and scratch set with fresh ones (tests, reconnecting).
void ResetAppDatabase();
