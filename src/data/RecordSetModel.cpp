#include "data/RecordSetModel.h"

TRecordSetModel::TRecordSetModel(TDataSet *dataSet, QObject *parent)
    : QAbstractTableModel(parent), m_dataSet(dataSet)
{
    connectDataSet();
}

void TRecordSetModel::SetDataSet(TDataSet *dataSet)
{
    beginResetModel();
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    connectDataSet();
    endResetModel();
}

void TRecordSetModel::connectDataSet()
{
    if (!m_dataSet)
        return;
    connect(m_dataSet, &TDataSet::aboutToReset, this, [this] {
        if (!m_resetting) {
            m_resetting = true;
            beginResetModel();
        }
    });
    connect(m_dataSet, &TDataSet::reset, this, [this] {
        if (m_resetting) {
            m_resetting = false;
            endResetModel();
        }
    });
    connect(m_dataSet, &TDataSet::rowInserted, this, [this](int row) {
        beginInsertRows({}, row, row);
        endInsertRows();
    });
    connect(m_dataSet, &TDataSet::rowRemoved, this, [this](int row) {
        beginRemoveRows({}, row, row);
        endRemoveRows();
    });
    connect(m_dataSet, &TDataSet::rowChanged, this, [this](int row) {
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(m_dataSet, &TDataSet::fieldsChanged, this, [this] {
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, qMax(0, columnCount() - 1));
    });
    connect(m_dataSet, &QObject::destroyed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

TField *TRecordSetModel::FieldAt(int column) const
{
    if (!m_dataSet || column < 0 || column >= m_dataSet->FieldCount())
        return nullptr;
    return m_dataSet->Field(column);
}

int TRecordSetModel::ColumnOf(const QString &fieldName) const
{
    const TField *f = m_dataSet ? m_dataSet->FindField(fieldName) : nullptr;
    return f ? f->Index() : -1;
}

int TRecordSetModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_dataSet || m_resetting)
        return 0;
    return m_dataSet->RecordCount();
}

int TRecordSetModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_dataSet)
        return 0;
    return m_dataSet->FieldCount();
}

QVariant TRecordSetModel::data(const QModelIndex &index, int role) const
{
    const TField *f = FieldAt(index.column());
    if (!f || index.row() >= m_dataSet->RecordCount())
        return {};
    const QVariant v = m_dataSet->ValueAt(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return f->FormatValue(v);
    case Qt::EditRole:
        return v;
    case Qt::TextAlignmentRole:
        return f->IsNumeric() ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TRecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const TField *f = FieldAt(section);
    return f ? f->DisplayLabel() : QVariant();
}
