#include "reportengine/ReportSources.h"

void TRptSources::AddDataSet(const QString &name, TDataSet *dataSet)
{
    for (auto &entry : m_dataSets)
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0) {
            entry.second = dataSet;
            return;
        }
    m_dataSets.append({name, dataSet});
}

TDataSet *TRptSources::DataSet(const QString &name) const
{
    for (const auto &entry : m_dataSets)
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return entry.second;
    return nullptr;
}

QStringList TRptSources::DataSetNames() const
{
    QStringList names;
    for (const auto &entry : m_dataSets)
        names.append(entry.first);
    return names;
}

void TRptSources::AddVariable(const QString &name, const QString &value) { m_variables.append({name, value}); }

bool TRptSources::FindVariable(const QString &name, QString *value) const
{
    for (const auto &entry : m_variables)
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0) {
            *value = entry.second;
            return true;
        }
    return false;
}

void TRptSources::Clear()
{
    m_dataSets.clear();
    m_variables.clear();
}
