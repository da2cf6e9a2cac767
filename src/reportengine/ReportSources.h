#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class TDataSet;

// What a template prints from: data sets registered by name ("d", "d0", ...)
// and text variables ("u_Company", ...). The data sets belong to the caller.
class TRptSources {
public:
    void AddDataSet(const QString &name, TDataSet *dataSet);
    TDataSet *DataSet(const QString &name) const; // names compare without case
    QStringList DataSetNames() const;
    void AddVariable(const QString &name, const QString &value);
    bool FindVariable(const QString &name, QString *value) const;
    const QList<QPair<QString, QString>> &Variables() const { return m_variables; }
    void Clear();

private:
    QList<QPair<QString, TDataSet *>> m_dataSets;
    QList<QPair<QString, QString>> m_variables;
};
