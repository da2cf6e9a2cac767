#pragma once
#include "data/DataSet.h"
#include <QAbstractTableModel>
#include <QPointer>

// A table model over a data set's cached rows: one column per field, in
// field order (views hide the invisible ones). The model follows every
// change of the cache; it never touches the database.
class TRecordSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TRecordSetModel(TDataSet *dataSet, QObject *parent = nullptr);

    TDataSet *DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet *dataSet);
    TField *FieldAt(int column) const;
    int ColumnOf(const QString &fieldName) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void connectDataSet();
    QPointer<TDataSet> m_dataSet;
    bool m_resetting = false;
};
