#include "reports/Rep.h"
#include "app/Company.h"
#include "app/Operator.h"
#include "app/Prompter.h"
#include "app/Rights.h"
#include "data/Database.h"
#include "reportengine/ReportEngine.h"
#include "reportengine/ReportXml.h"
#include "reports/ReportFrontEnd.h"
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace {
const QString FileSuffix = QStringLiteral("zrt");
}

TRep::TRep() = default;
TRep::~TRep() = default;

void TRep::AddVariable(const QString &name, const QString &value)
{
    if (name.isEmpty())
        return;
    const QString stored = value.isEmpty() ? QStringLiteral(" ") : value;
    m_names.append(name);
    m_values.append(stored);
    m_sources.AddVariable(name, stored);
}

void TRep::AddDataSet(const QString &name, TDataSet *dataSet) { m_sources.AddDataSet(name, dataSet); }

void TRep::AddDataSets(const QList<TDataSet *> &dataSets)
{
    for (int k = 0; k < dataSets.size(); ++k)
        AddDataSet(QStringLiteral("d%1").arg(k), dataSets[k]);
}

void TRep::Load(int id)
{
    m_report.Clear();
    m_tag = id;
    QSqlQuery q = AppDatabase().Select(QStringLiteral("select * from report where Id=:Id"), {DBParam(QStringLiteral("Id"), id)});
    if (q.next())
        m_report = ReportXml::Load(q.value(QStringLiteral("Fr3File")).toByteArray());
}

TRptDocument TRep::Prepare() const { return ReportEngine::Render(m_report, m_sources); }

void TRep::Preview(int id)
{
    Load(id);
    const TRptDocument document = Prepare();
    if (TReportFrontEnd *ui = ReportFrontEnd())
        ui->Preview(*this, document);
}

void TRep::Design(int id)
{
    Load(id);
    if (TReportFrontEnd *ui = ReportFrontEnd())
        ui->Design(*this);
}

int TRep::AddReport(const QString &title, int groupId)
{
    return AppDatabase().InsertWithNewId(QStringLiteral("report"), [&](int id) {
        AppDatabase().Execute(QStringLiteral("insert into report(Id,GrpId,Title)values(:Id,:GroupId,:Title)"),
                              {DBParam(QStringLiteral("Id"), id), DBParam(QStringLiteral("GroupId"), groupId),
                               DBParam(QStringLiteral("Title"), title)});
    });
}

void TRep::RenameReport(int id, const QString &title)
{
    AppDatabase().Execute(QStringLiteral("update report set Title=:Title where Id=:Id"),
                          {DBParam(QStringLiteral("Title"), title), DBParam(QStringLiteral("Id"), id)});
}

void TRep::DeleteReport(int id)
{
    AppDatabase().Execute(QStringLiteral("delete from report where Id=:Id"), {DBParam(QStringLiteral("Id"), id)});
}

QString TRep::FileFilter() { return QStringLiteral("报表模板文件 (*.zrt);;所有文件 (*)"); }

bool TRep::DesignerOpen()
{
    const QString path = Prompter().FileName(false, QStringLiteral("打开"), FileFilter(), QString());
    if (path.isEmpty())
        return false;
    const int id = m_tag;
    m_report.Clear();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        m_report = ReportXml::Load(file.readAll());
    m_tag = id;
    return true;
}

void TRep::DesignerSave()
{
    TDatabase &db = AppDatabase();
    const TxDBParameters blob{DBBlobParam(QStringLiteral("Fr3File"), ReportXml::Save(m_report))};
    const TDBParameters id{DBParam(QStringLiteral("Id"), m_tag)};
    QSqlQuery exists = db.Select(QStringLiteral("select 1 from report where Id=:Id"), id);
    if (exists.next())
        db.Execute(QStringLiteral("update report set Fr3File=:Fr3File where Id=:Id"), id, blob);
    else
        db.Execute(QStringLiteral("insert into report (Fr3File,Id)values(:Fr3File,:Id)"), id, blob);
}

bool TRep::DesignerSaveAs()
{
    QString path = Prompter().FileName(true, QStringLiteral("另存为"), FileFilter(), QString());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + FileSuffix;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ReportXml::Save(m_report)) < 0) {
        ShowInfo(QStringLiteral("无法写入文件 %1").arg(path));
        return false;
    }
    return true;
}

TProjRep::TProjRep()
{
    const TCompany &company = CurrentCompany();
    AddVariable(QStringLiteral("u_Company"), company.CompanyName);
    AddVariable(QStringLiteral("u_Tel"), company.Tel);
    AddVariable(QStringLiteral("u_Fax"), company.Fax);
    AddVariable(QStringLiteral("u_Address"), company.Address);
    AddVariable(QStringLiteral("u_Zip"), company.Zip);
    AddVariable(QStringLiteral("u_Operator"), CurrentOperator().LoginId);
}

void TKamoRep::Preview(int id)
{
    if (Rights::Require(RepRights::Print, false))
        TProjRep::Preview(id);
}

void TKamoRep::Design(int id)
{
    if (Rights::Require(RepRights::Design, false))
        TProjRep::Design(id);
}
