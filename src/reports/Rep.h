#pragma once
#include "reportengine/ReportDocument.h"
#include "reportengine/ReportModel.h"
#include "reportengine/ReportSources.h"
#include <QList>
#include <QStringList>

class TDataSet;

// Rights of printing.
namespace RepRights {
constexpr int Print = 10002;  // 打印
constexpr int Design = 10003; // 打印设计
} // namespace RepRights

// One printing action: the template being printed (its Id is the tag), the
// data sets handed over by name and the text variables. Templates live in the
// table `report`, grouped by the window that prints them.
class TRep {
public:
    TRep();
    virtual ~TRep();
    TRep(const TRep &) = delete;
    TRep &operator=(const TRep &) = delete;

    // Ignored for an empty name; an empty value is stored as " ". The name is also a field of "u".
    void AddVariable(const QString &name, const QString &value);
    void AddDataSet(const QString &name, TDataSet *dataSet);
    // "d0", "d1", ... in order.
    void AddDataSets(const QList<TDataSet *> &dataSets);

    // Reads the template `id` (an empty one stays empty); the tag becomes `id` in any case.
    void Load(int id);
    virtual void Preview(int id);
    virtual void Design(int id);
    // Lays the loaded template out over the data.
    TRptDocument Prepare() const;

    // The template store. AddReport returns the new Id.
    static int AddReport(const QString &title, int groupId);
    static void RenameReport(int id, const QString &title);
    static void DeleteReport(int id);

    // The designer's file commands. Open loads a template file (a missing file
    // leaves the report empty) and keeps the tag, so that Save stores the file's
    // content under the template being designed; SaveAs writes only the file.
    // Each returns false when the user cancelled.
    bool DesignerOpen();
    void DesignerSave();
    bool DesignerSaveAs();
    static QString FileFilter();

    TRptReport &Report() { return m_report; }
    const TRptReport &Report() const { return m_report; }
    int Tag() const { return m_tag; }
    void SetTag(int id) { m_tag = id; }
    const TRptSources &Sources() const { return m_sources; }
    QStringList VariableNames() const { return m_names; }
    QStringList VariableValues() const { return m_values; }

private:
    TRptReport m_report;
    TRptSources m_sources;
    QStringList m_names, m_values;
    int m_tag = 0;
};

// A report with the company's and the operator's variables (u_Company, u_Tel,
// u_Fax, u_Address, u_Zip, u_Operator), taken when it is created.
class TProjRep : public TRep {
public:
    TProjRep();
};

// Previewing needs right 10002 and designing 10003; a refusal shows the denial and does nothing else.
class TKamoRep : public TProjRep {
public:
    void Preview(int id) override;
    void Design(int id) override;
};
