#include "app/Company.h"
#include "app/Gbk.h"
#include "data/RecordSet.h"

void TCompany::Load()
{
    TRecordSet &rs = SharedRecordSet();
    rs.Open(QStringLiteral("select * from Company order by Id"));
    *this = TCompany();
    TDataSet *ds = rs.DataSet();
    if (ds->IsEmpty())
        return;
    ds->First();
    auto text = [ds](const char *name) { return ds->FieldByName(QString::fromLatin1(name))->AsString(); };
    Id = ds->FieldByName(QStringLiteral("Id"))->AsInteger();
    CompanyName = text("CompanyName");
    Manager = text("Manager");
    Tel = text("Tel");
    Fax = text("Fax");
    Address = text("Address");
    Zip = text("Zip");
    Profile = text("Profile");
    UseCount = ds->FieldByName(QStringLiteral("UseCount"))->AsInteger();
    Updated = ds->FieldByName(QStringLiteral("Updated"))->AsBoolean();
}

bool TCompany::IsFilled() const
{
    return Gbk::ByteLength(CompanyName) >= 8;
}

bool TCompany::Exists() const
{
    TRecordSet &rs = SharedRecordSet();
    return rs.Open(QStringLiteral("select 1 from Company where Id=:Id"), {DBParam(QStringLiteral("Id"), Id)}) == 1;
}

void TCompany::Save()
{
    const TDBParameters params = {
        DBParam(QStringLiteral("CompanyName"), CompanyName), DBParam(QStringLiteral("Manager"), Manager),
        DBParam(QStringLiteral("Tel"), Tel), DBParam(QStringLiteral("Fax"), Fax),
        DBParam(QStringLiteral("Address"), Address), DBParam(QStringLiteral("Zip"), Zip),
        DBParam(QStringLiteral("Profile"), Profile), DBParam(QStringLiteral("Updated"), Updated),
        DBParam(QStringLiteral("Id"), Id)};
    if (Exists())
        AppDatabase().Execute(QStringLiteral("update Company set CompanyName=:CompanyName,Manager=:Manager,Tel=:Tel,Fax=:Fax,"
                                             "Address=:Address,Zip=:Zip,Profile=:Profile,Updated=:Updated where Id=:Id"), params);
    else
        AppDatabase().Execute(QStringLiteral("insert into Company (Id,CompanyName,Manager,Tel,Fax,Address,Zip,Profile,Updated) "
                                             "values (:Id,:CompanyName,:Manager,:Tel,:Fax,:Address,:Zip,:Profile,:Updated)"), params);
}

namespace {
std::unique_ptr<TCompany> g_company;
}

TCompany &CurrentCompany()
{
    if (!g_company)
        g_company = std::make_unique<TCompany>();
    return *g_company;
}

void ResetCurrentCompany() { g_company.reset(); }
