#include "ui/windows/Department.h"
#include "app/Prompter.h"
#include "data/Exceptions.h"

using namespace Qt::StringLiterals;

TDepartmentFrm::TDepartmentFrm(QWidget *parent)
    : TTreeFrm(parent, u"上级"_s,
               {{u"edtManager1"_s, u"联系人"_s}, {u"edtTel1"_s, u"电话"_s}, {u"edtFax1"_s, u"传真"_s},
                {u"edtAddress1"_s, u"地址"_s}, {u"edtNote1"_s, u"备注"_s}},
               false)
{
    setObjectName(u"DepartmentFrm"_s);
    setWindowTitle(u"部门机构"_s);
    LoadNodes();
}

void TDepartmentFrm::SetChoice(const QString &code, const std::function<bool(const RDepartment &)> &choice)
{
    TTreeFrm::SetChoice(code, [choice](const RTreeNode &node) { return choice(ToDepartment(node)); });
}

RDepartment TDepartmentFrm::ToDepartment(const RTreeNode &node)
{
    RDepartment d;
    d.Id = node.Id;
    d.Code = node.Code;
    d.Name = node.Name;
    d.ParentCode = node.ParentCode;
    d.ParentPath = node.ParentPath;
    d.Path = node.Path;
    d.Manager = node.Details.value(0);
    d.Tel = node.Details.value(1);
    d.Fax = node.Details.value(2);
    d.Address = node.Details.value(3);
    d.Note = node.Details.value(4);
    return d;
}

RTreeNode TDepartmentFrm::FromDepartment(const RDepartment &d)
{
    return {d.Id, d.Code, d.Name, d.ParentCode, d.ParentPath, d.Path, {d.Manager, d.Tel, d.Fax, d.Address, d.Note}};
}

QList<RTreeNode> TDepartmentFrm::ReadTree()
{
    TDepartmentSet set;
    set.LoadTree();
    QList<RTreeNode> nodes;
    TDataSet *ds = set.DataSet();
    for (ds->First(); !ds->Eof(); ds->Next())
        nodes.append(FromDepartment(set.AsData()));
    return nodes;
}

bool TDepartmentFrm::InsertNode(RTreeNode &node)
{
    RDepartment d = ToDepartment(node);
    if (!TDepartmentSet::NewChild(d))
        return false;
    node.Id = d.Id;
    node.Code = d.Code;
    return true;
}

bool TDepartmentFrm::WriteNode(const RTreeNode &node) { return TDepartmentSet::UpdateNode(ToDepartment(node)); }

bool TDepartmentFrm::DeleteCode(const QString &code)
{
    try {
        return TDepartmentSet::DeleteSubtree(code);
    } catch (const EDatabaseError &e) {
        Prompter().Message(TPrompter::Icon::Information,
                           u"删除类别失败，可能的原因是该类别下已有资料，这种情况是不能被删除的.\r\n如果是初始使用，请选择“文件”菜单里的初始数据功能来清除. 系统描述如下:\r\n"_s
                               + e.Message());
        return false;
    }
}
