#include "ui/commands/OutputCommands.h"
#include "app/KeyValue.h"
#include "app/Rights.h"
#include "ledger/Asset.h"
#include "reports/Rep.h"
#include "reports/RepSet.h"
#include "ui/framework/DataExporterFrm.h"
#include "ui/framework/ZoApplication.h"
#include "ui/windows/RepDesigner.h"
#include "ui/windows/main.h"
#include <QAction>
#include <QMenu>

namespace OutputCommands {

namespace {

// The wizard starts with the columns chosen last time and remembers the new choice.
void exportList(TmainFrm &frm)
{
    Rights::Require(10004);
    TDataExporterFrm wizard(frm.Assets().DataSet(), &frm);
    wizard.SetSelectedFields(TKeyValue2::ReadStr(kExportColumns, QString()));
    wizard.exec();
    TKeyValue2::WriteValues(kExportColumns, wizard.SelectedFields(), false, 0, 0);
}

void designReports(TmainFrm &frm)
{
    Rights::Require(10003);
    TRepDesignerFrm manager(&frm);
    manager.Rep().AddDataSet(QStringLiteral("d"), frm.Assets().DataSet());
    manager.SetGroupId(ListReportGroup);
    manager.exec();
    BuildReportMenus(frm);
}

void printReport(TmainFrm &frm, int id)
{
    TKamoRep rep;
    rep.AddDataSet(QStringLiteral("d"), frm.Assets().DataSet());
    rep.Preview(id);
}

} // namespace

void Bind(TmainFrm &frm)
{
    frm.Bind(QStringLiteral("N_Export"), [&frm] { exportList(frm); });
    frm.Bind(QStringLiteral("btnExport1"), [&frm] { exportList(frm); });
    frm.Bind(QStringLiteral("N_ReportDesign"), [&frm] { designReports(frm); });
    // The tool button only drops its menu down.
    if (QAction *print = frm.Action(QStringLiteral("ToolButton1")))
        print->setEnabled(true);
}

void BuildReportMenus(TmainFrm &frm)
{
    QMenu *output = frm.Menu(QStringLiteral("N_Output"));
    QMenu *popup = frm.Menu(QStringLiteral("PopupMenu2"));
    popup->clear();
    const QList<QAction *> items = output->actions();
    for (int i = 3; i < items.size(); ++i) {
        output->removeAction(items[i]);
        items[i]->deleteLater();
    }
    TRepSet reports;
    reports.OpenGroup(ListReportGroup);
    TDataSet *ds = reports.DataSet();
    for (int r = 0; r < ds->RecordCount(); ++r) {
        const int id = ds->ValueAt(r, reports.IdField->Index()).toInt();
        const QString title = ds->ValueAt(r, reports.TitleField->Index()).toString();
        for (QMenu *menu : {output, popup}) {
            QAction *a = menu->addAction(title);
            a->setData(id);
            QObject::connect(a, &QAction::triggered, &frm, [&frm, id] { TZoApplication::Guard([&frm, id] { printReport(frm, id); }); });
        }
    }
}

} // namespace OutputCommands
