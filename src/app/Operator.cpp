#include "app/Operator.h"
#include "app/PasswordHash.h"
#include "app/Prompter.h"
#include "app/Rights.h"

namespace OperatorRights {

QList<TRightItem> AssetRights()
{
    return {{9, QStringLiteral("资产增加权限")},     {12, QStringLiteral("资产修改权限")},     {10, QStringLiteral("资产删除权限")},
            {20, QStringLiteral("资产分类编制")},     {29, QStringLiteral("使用部门编制")},     {26, QStringLiteral("资产附件查看权限")},
            {19, QStringLiteral("资产附件添加权限")}, {21, QStringLiteral("资产附件修改权限")}, {22, QStringLiteral("资产附件删除权限")},
            {23, QStringLiteral("资产图片添加权限")}, {24, QStringLiteral("资产图片修改权限")}, {25, QStringLiteral("资产图片删除权限")},
            {18, QStringLiteral("资产变更管理权限")}, {27, QStringLiteral("资产变更报表查阅权限")}, {13, QStringLiteral("资产维修管理权限")},
            {28, QStringLiteral("资产维修报表查阅权限")}, {11, QStringLiteral("资产减少权限")},  {14, QStringLiteral("固定资产折旧表")},
            {16, QStringLiteral("固定资产构成分析")}, {1, QStringLiteral("选项设定权限")}};
}

QList<TRightItem> GeneralRights()
{
    return {{10000, QStringLiteral("公司信息设置")}, {100001, QStringLiteral("操作员及权限管理")}, {10002, QStringLiteral("打印")},
            {10003, QStringLiteral("打印设计")},     {10004, QStringLiteral("数据导出")},         {10008, QStringLiteral("列选择")},
            {10006, QStringLiteral("列样式保存")},   {10005, QStringLiteral("备份设置")},         {10007, QStringLiteral("工具菜单设置")}};
}

QString Format(const QList<int> &codes)
{
    QString text;
    for (int code : codes)
        text += QStringLiteral(",%1,").arg(code);
    return text;
}

bool Contains(const QString &rights, int code)
{
    return rights.contains(QStringLiteral(",%1,").arg(code));
}

} // namespace OperatorRights

void TOperator::Load(const QString &loginId)
{
    TRecordSet &rs = SharedRecordSet();
    rs.Open(QStringLiteral("select LoginId,Password,Name,Contact,Note,Rights from operator where LoginId=:LoginId"),
            {DBParam(QStringLiteral("LoginId"), loginId)});
    TDataSet *ds = rs.DataSet();
    if (ds->RecordCount() == 1) {
        LoginId = ds->Field(0)->AsString();
        Password = ds->Field(1)->AsString();
        Name = ds->Field(2)->AsString();
        Contact = ds->Field(3)->AsString();
        Note = ds->Field(4)->AsString();
        Rights = ds->Field(5)->AsString();
    } else {
        // A name that does not exist must never leave an earlier operator behind.
        *this = TOperator();
    }
    rs.Close();
}

bool TOperator::CheckPassword(const QString &password) const
{
    return !LoginId.isEmpty() && PasswordHash::Matches(Password, password);
}

bool TOperator::HasRight(int code) const
{
    return IsSa() || OperatorRights::Contains(Rights, code);
}

bool TOperator::RequireRight(int code, bool abortOnDeny) const
{
    return Rights::Enforce(HasRight(code), code, abortOnDeny);
}

void TOperator::RequireSa() const
{
    if (IsSa())
        return;
    ShowInfo(QStringLiteral("只有系统用户(sa)才能执行此操作."));
    throw EAbort();
}

void TOperator::SavePassword(const QString &newPassword)
{
    const QString hash = PasswordHash::Hash(newPassword);
    AppDatabase().Execute(QStringLiteral("update operator set Password=:Password where LoginId=:LoginId"),
                          {DBParam(QStringLiteral("Password"), hash), DBParam(QStringLiteral("LoginId"), LoginId)});
    Password = hash;
}

bool TOperator::LogIn(const QString &loginId, const QString &password)
{
    Load(loginId);
    if (!CheckPassword(password))
        return false;
    if (!PasswordHash::IsHash(Password))
        SavePassword(password);
    return true;
}

TOperatorSet::TOperatorSet()
{
    UserIdField = AddField(TFieldKind::WideString, QStringLiteral("LoginId"), -1, true, QStringLiteral("登陆名"));
    PasswdField = AddField(TFieldKind::WideString, QStringLiteral("Password"), -1, true, QStringLiteral("密码"));
    NameField = AddField(TFieldKind::WideString, QStringLiteral("Name"), -1, true, QStringLiteral("姓名"));
    ContactField = AddField(TFieldKind::WideString, QStringLiteral("Contact"), -1, true, QStringLiteral("联系方式"));
    NoteField = AddField(TFieldKind::WideString, QStringLiteral("Note"), -1, true, QStringLiteral("备注"));
    RightsField = AddField(TFieldKind::Memo, QStringLiteral("Rights"), -1, true, QStringLiteral("权限"));
    Open(QStringLiteral("select * from operator where LoginId<>'sa'"));
}

static void setRow(TOperatorSet &set, const QString &password, const QString &rights, const QString &note,
                   const QString &contact, const QString &name)
{
    set.PasswdField->SetValue(password);
    set.NameField->SetValue(name);
    set.ContactField->SetValue(contact);
    set.NoteField->SetValue(note);
    set.RightsField->SetValue(rights);
    set.DataSet()->Post();
}

void TOperatorSet::AddOperator(const QString &loginId, const QString &password, const QString &rights, const QString &note,
                               const QString &contact, const QString &name)
{
    const QString hash = PasswordHash::Hash(password);
    AppDatabase().Execute(QStringLiteral("insert into operator(LoginId,Password,Name,Contact,Note,Rights)"
                                         "values(:LoginId,:Password,:Name,:Contact,:Note,:Rights)"),
                          {DBParam(QStringLiteral("LoginId"), loginId), DBParam(QStringLiteral("Password"), hash),
                           DBParam(QStringLiteral("Name"), name), DBParam(QStringLiteral("Contact"), contact),
                           DBParam(QStringLiteral("Note"), note), DBParam(QStringLiteral("Rights"), rights)});
    DataSet()->Append();
    UserIdField->SetValue(loginId);
    setRow(*this, hash, rights, note, contact, name);
}

void TOperatorSet::UpdateOperator(const QString &loginId, const QString &password, const QString &rights, const QString &note,
                                  const QString &contact, const QString &name)
{
    TDBParameters params = {DBParam(QStringLiteral("Name"), name), DBParam(QStringLiteral("Contact"), contact),
                            DBParam(QStringLiteral("Note"), note), DBParam(QStringLiteral("Rights"), rights),
                            DBParam(QStringLiteral("LoginId"), loginId)};
    QString sql = QStringLiteral("update operator set Name=:Name,Contact=:Contact,Note=:Note,Rights=:Rights");
    QString hash;
    if (!password.isEmpty()) {
        hash = PasswordHash::Hash(password);
        sql += QStringLiteral(",Password=:Password");
        params.append(DBParam(QStringLiteral("Password"), hash));
    }
    AppDatabase().Execute(sql + QStringLiteral(" where LoginId=:LoginId"), params);
    if (DataSet()->Locate(QStringLiteral("LoginId"), loginId))
        setRow(*this, hash.isEmpty() ? PasswdField->AsString() : hash, rights, note, contact, name);
}

void TOperatorSet::DeleteOperator(const QString &loginId)
{
    AppDatabase().Execute(QStringLiteral("delete from operator where LoginId=:LoginId"), {DBParam(QStringLiteral("LoginId"), loginId)});
    if (DataSet()->Locate(QStringLiteral("LoginId"), loginId))
        DataSet()->Delete();
}

QStringList TOperatorSet::LoginIds() const
{
    QStringList ids;
    for (int r = 0; r < DataSet()->RecordCount(); ++r)
        ids.append(DataSet()->ValueAt(r, UserIdField->Index()).toString());
    return ids;
}

namespace {
std::unique_ptr<TOperator> g_operator;
}

TOperator &CurrentOperator()
{
    if (!g_operator)
        g_operator = std::make_unique<TOperator>();
    return *g_operator;
}

void ResetCurrentOperator() { g_operator.reset(); }

void InstallOperatorRights()
{
    Rights::SetChecker([](int code) { return CurrentOperator().HasRight(code); });
}
