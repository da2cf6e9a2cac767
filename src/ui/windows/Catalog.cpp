#include "ui/windows/Catalog.h"

using namespace Qt::StringLiterals;

TCatalogFrm::TCatalogFrm(QWidget *parent)
    : TTreeFrm(parent, u"上级分类"_s, {{u"edtDescription1"_s, u"说明"_s, true}}, true)
{
    setObjectName(u"CatalogFrm"_s);
    setWindowTitle(u"资产分类"_s);
    LoadNodes();
}

void TCatalogFrm::SetChoice(const QString &code, const std::function<bool(const RCatalog &)> &choice)
{
    TTreeFrm::SetChoice(code, [choice](const RTreeNode &node) { return choice(ToCatalog(node)); });
}

RCatalog TCatalogFrm::ToCatalog(const RTreeNode &node)
{
    RCatalog c;
    c.Id = node.Id;
    c.Code = node.Code;
    c.Name = node.Name;
    c.ParentCode = node.ParentCode;
    c.ParentPath = node.ParentPath;
    c.Path = node.Path;
    c.Description = node.Details.value(0);
    return c;
}

RTreeNode TCatalogFrm::FromCatalog(const RCatalog &c)
{
    return {c.Id, c.Code, c.Name, c.ParentCode, c.ParentPath, c.Path, {c.Description}};
}

QList<RTreeNode> TCatalogFrm::ReadTree()
{
    TCatalogSet set;
    set.LoadTree();
    QList<RTreeNode> nodes;
    TDataSet *ds = set.DataSet();
    for (ds->First(); !ds->Eof(); ds->Next())
        nodes.append(FromCatalog(set.AsData()));
    return nodes;
}

bool TCatalogFrm::InsertNode(RTreeNode &node)
{
    RCatalog c = ToCatalog(node);
    if (!TCatalogSet::NewChild(c))
        return false;
    node.Id = c.Id;
    node.Code = c.Code;
    return true;
}

bool TCatalogFrm::WriteNode(const RTreeNode &node) { return TCatalogSet::UpdateNode(ToCatalog(node)); }
bool TCatalogFrm::DeleteCode(const QString &code) { return TCatalogSet::DeleteSubtree(code); }
bool TCatalogFrm::SwapCodes(const QString &a, const QString &b) { return TCatalogSet::SwapSiblings(a, b); }
