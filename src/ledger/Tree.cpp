#include "ledger/Tree.h"
#include "app/Prompter.h"
#include "data/SqlDialect.h"
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

const QString catalogTable = u"catalog"_s;
const QString departmentTable = u"department"_s;

QString subtreePattern(const QString &code) { return TSqlDialect::EscapeLike(code) + u'%'; }

// The code for a new child of `parentCode`: the highest suffix plus one.
// Empty, with a message, when the parent has no free two-digit suffix left.
QString nextChildCode(const QString &table, const QString &parentCode)
{
    TRecordSet children;
    children.Open(u"select Code from %1 where Code like :Father%2 order by Code desc"_s.arg(table, TSqlDialect::LikeEscapeClause()),
                  {DBParam(u"Father"_s, TSqlDialect::EscapeLike(parentCode) + u"__"_s)});
    if (children.DataSet()->IsEmpty())
        return parentCode + u"00"_s;
    const QString highest = children.DataSet()->ValueAt(0, 0).toString();
    bool ok = false;
    const int suffix = highest.right(2).toInt(&ok);
    if (!ok) {
        ShowInfo(u"编码“%1”不是两位数字结尾, 无法在其下添加新的项目."_s.arg(highest));
        return {};
    }
    if (suffix >= 99) {
        ShowInfo(u"“%1”下已有编号到99的子项, 同一级别最多只能有100个项目, 不能再添加."_s.arg(parentCode.isEmpty() ? u"顶层"_s : parentCode));
        return {};
    }
    return parentCode + u"%1"_s.arg(suffix + 1, 2, 10, QLatin1Char('0'));
}

// Inserts a node with the given non-key columns; fills id and code.
bool insertNode(const QString &table, const QString &parentCode, const TDBParameters &values, int *id, QString *code)
{
    const QString newCode = nextChildCode(table, parentCode);
    if (newCode.isEmpty())
        return false;
    QStringList columns{u"Id"_s, u"Code"_s};
    for (const TDBParameter &p : values)
        columns.append(p.Name);
    const QString sql = u"insert into %1(%2)values(:%3)"_s.arg(table, columns.join(u", "_s), columns.join(u", :"_s));
    TDatabase &db = AppDatabase();
    int affected = 0;
    const int newId = db.InsertWithNewId(table, [&](int key) {
        affected = db.ExecSQL(sql, TDBParameters{DBParam(u"Id"_s, key), DBParam(u"Code"_s, newCode)} + values);
    });
    if (affected != 1)
        return false;
    *id = newId;
    *code = newCode;
    return true;
}

bool updateNode(const QString &table, const QString &code, const TDBParameters &values)
{
    QStringList sets;
    for (const TDBParameter &p : values)
        sets.append(p.Name + u"=:"_s + p.Name);
    return AppDatabase().ExecSQL(u"update %1 set %2 where Code=:Code"_s.arg(table, sets.join(u", "_s)),
                                 values + TDBParameters{DBParam(u"Code"_s, code)})
        == 1;
}

bool deleteSubtree(const QString &table, const QString &assetColumn, const QString &code)
{
    if (code.isEmpty())
        return false; // an empty prefix would select the whole tree
    TDatabase &db = AppDatabase();
    const TDBParameters pattern{DBParam(u"Code"_s, subtreePattern(code))};
    const QString like = u"Code like :Code"_s + TSqlDialect::LikeEscapeClause();
    TTransaction trans(db);
    db.Execute(u"update assets set %1=null where %1 in (select Id from %2 where %3)"_s.arg(assetColumn, table, like), pattern);
    const int deleted = db.ExecSQL(u"delete from %1 where %2"_s.arg(table, like), pattern);
    trans.Commit();
    return deleted > 0;
}

TDBParameters catalogValues(const RCatalog &n)
{
    return {DBParam(u"Name"_s, n.Name), DBParam(u"Description"_s, n.Description)};
}

TDBParameters departmentValues(const RDepartment &n)
{
    return {DBParam(u"Name"_s, n.Name), DBParam(u"Manager"_s, n.Manager), DBParam(u"Tel"_s, n.Tel),
            DBParam(u"Fax"_s, n.Fax), DBParam(u"Address"_s, n.Address), DBParam(u"Note"_s, n.Note)};
}

} // namespace

TTreeSet::TTreeSet(const QString &table, const QStringList &columns, QObject *parent)
    : TZoClientDataSet(parent), m_table(table), m_columns(columns)
{
}

QString TTreeSet::ParentCodeOf(const QString &code) { return code.left(std::max<qsizetype>(0, code.size() - 2)); }

void TTreeSet::LoadTree()
{
    TRecordSet source;
    source.Open(u"select Code, %1, (select count(Code) from %2 where Code<=substr(a.Code, 1, length(a.Code)-2)) as FatherIdx, "
                "Id from %2 a order by a.Code"_s.arg(m_columns.join(u", "_s), m_table));
    const TDataSet *src = source.DataSet();
    QHash<QString, QString> names;
    for (int r = 0; r < src->RecordCount(); ++r)
        names.insert(src->ValueAt(r, 0).toString(), src->ValueAt(r, 1).toString());

    TDataSet *ds = DataSet();
    ds->EmptyDataSet();
    for (int r = 0; r < src->RecordCount(); ++r) {
        const QString code = src->ValueAt(r, 0).toString();
        QString path;
        for (int len = 2; len <= code.size(); len += 2)
            path += names.value(code.left(len));
        TDataSet::Row row(size_t(ds->FieldCount()));
        for (int c = 0; c < src->FieldCount(); ++c)
            row[size_t(ds->FieldByName(src->Field(c)->FieldName())->Index())] = src->ValueAt(r, c);
        row[size_t(PathFld->Index())] = path;
        ds->AppendRow(std::move(row));
    }
    ds->First();
}

QString TTreeSet::parentPath() const
{
    const int father = FatherIndexFld->AsInteger();
    return father > 0 ? DataSet()->ValueAt(father - 1, PathFld->Index()).toString() : QString();
}

TCatalogSet::TCatalogSet(QObject *parent) : TTreeSet(catalogTable, {u"Name"_s, u"Description"_s}, parent)
{
    IdFld = AddField(TFieldKind::Integer, u"Id"_s, false, QString());
    CodeFld = AddFieldDef(TFieldKind::WideString, u"Code"_s, 50, true, u"编码"_s);
    NameFld = AddFieldDef(TFieldKind::WideString, u"Name"_s, 250, true, u"分类名称"_s);
    NoteFld = AddField(TFieldKind::Memo, u"Description"_s, true, u"说明"_s);
    FatherIndexFld = AddField(TFieldKind::Integer, u"FatherIdx"_s, true, u"父节点位置"_s);
    PathFld = AddField(TFieldKind::Memo, u"Path"_s, true, u"所有分类"_s);
}

RCatalog TCatalogSet::AsData() const
{
    RCatalog n;
    n.Id = IdFld->AsInteger();
    n.Code = CodeFld->AsString();
    n.ParentCode = ParentCodeOf(n.Code);
    n.ParentPath = parentPath();
    n.Name = NameFld->AsString();
    n.Description = NoteFld->AsString();
    n.FatherIdx = FatherIndexFld->AsInteger();
    n.Path = PathFld->AsString();
    return n;
}

bool TCatalogSet::NewChild(RCatalog &node)
{
    return insertNode(catalogTable, node.ParentCode, catalogValues(node), &node.Id, &node.Code);
}

bool TCatalogSet::UpdateNode(const RCatalog &node) { return updateNode(catalogTable, node.Code, catalogValues(node)); }

bool TCatalogSet::DeleteSubtree(const QString &code) { return deleteSubtree(catalogTable, u"CataId"_s, code); }

bool TCatalogSet::SwapSiblings(const QString &codeA, const QString &codeB)
{
    if (codeA.isEmpty() || codeA == codeB || codeA.size() != codeB.size() || ParentCodeOf(codeA) != ParentCodeOf(codeB))
        throw EZoError(u"“%1”和“%2”不是同一级别的两个分类, 不能交换位置."_s.arg(codeA, codeB));
    // A's subtree is parked under "aa", which no real code begins with.
    const QString park = u"aa"_s;
    const QString move = u"update catalog set Code=:To||substr(Code, :Keep) where Code like :From"_s + TSqlDialect::LikeEscapeClause();
    auto moveSubtree = [&](const QString &from, const QString &to) {
        AppDatabase().Execute(move, {DBParam(u"To"_s, to), DBParam(u"Keep"_s, int(from.size()) + 1), DBParam(u"From"_s, subtreePattern(from))});
    };
    TTransaction trans(AppDatabase());
    moveSubtree(codeA, park);
    moveSubtree(codeB, codeA);
    moveSubtree(park, codeB);
    trans.Commit();
    return true;
}

TDepartmentSet::TDepartmentSet(QObject *parent)
    : TTreeSet(departmentTable, {u"Name"_s, u"Manager"_s, u"Tel"_s, u"Fax"_s, u"Address"_s, u"Note"_s}, parent)
{
    IdFld = AddField(TFieldKind::Integer, u"Id"_s, false, QString());
    CodeFld = AddFieldDef(TFieldKind::WideString, u"Code"_s, 50, true, u"编码"_s);
    NameFld = AddFieldDef(TFieldKind::WideString, u"Name"_s, 50, true, u"名称"_s);
    AddFieldDef(TFieldKind::WideString, u"Manager"_s, 30, true, u"联系人"_s);
    AddFieldDef(TFieldKind::WideString, u"Tel"_s, 30, true, u"电话"_s);
    AddFieldDef(TFieldKind::WideString, u"Fax"_s, 30, true, u"传真"_s);
    AddFieldDef(TFieldKind::WideString, u"Address"_s, 50, true, u"地址"_s);
    NoteFld = AddFieldDef(TFieldKind::WideString, u"Note"_s, 50, true, u"备注"_s);
    FatherIndexFld = AddField(TFieldKind::Integer, u"FatherIdx"_s, true, u"父节点位置"_s);
    PathFld = AddField(TFieldKind::Memo, u"Path"_s, true, u"全称"_s);
}

RDepartment TDepartmentSet::AsData() const
{
    auto text = [this](const char16_t *name) { return DataSet()->FieldByName(QString::fromUtf16(name))->AsString(); };
    RDepartment n;
    n.Id = IdFld->AsInteger();
    n.Code = CodeFld->AsString();
    n.ParentCode = ParentCodeOf(n.Code);
    n.ParentPath = parentPath();
    n.Name = NameFld->AsString();
    n.Manager = text(u"Manager");
    n.Tel = text(u"Tel");
    n.Fax = text(u"Fax");
    n.Address = text(u"Address");
    n.Note = NoteFld->AsString();
    n.FatherIdx = FatherIndexFld->AsInteger();
    n.Path = PathFld->AsString();
    return n;
}

bool TDepartmentSet::NewChild(RDepartment &node)
{
    return insertNode(departmentTable, node.ParentCode, departmentValues(node), &node.Id, &node.Code);
}

bool TDepartmentSet::UpdateNode(const RDepartment &node) { return updateNode(departmentTable, node.Code, departmentValues(node)); }

bool TDepartmentSet::DeleteSubtree(const QString &code) { return deleteSubtree(departmentTable, u"UseDeptId"_s, code); }
