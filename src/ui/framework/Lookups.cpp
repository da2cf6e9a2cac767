#include "ui/framework/Lookups.h"
#include "app/KeyValue.h"
#include "ledger/Asset.h"

using namespace Qt::StringLiterals;

namespace {

const QString rememberedHint = u"具有自动记忆功能\r\n只要录入过一次就可以选择"_s;

// The index of the first item whose record satisfies `match`, -1 when none.
template <typename R, typename Match>
int findRecord(const QComboBox &box, Match match)
{
    for (int i = 0; i < box.count(); ++i) {
        const QVariant v = box.itemData(i);
        if (v.canConvert<R>() && match(v.value<R>()))
            return i;
    }
    return -1;
}

template <typename R>
R selectedRecord(const QComboBox &box, R empty)
{
    const QVariant v = box.currentIndex() < 0 ? QVariant() : box.itemData(box.currentIndex());
    return v.canConvert<R>() ? v.value<R>() : empty;
}

template <typename Set, typename R>
void loadTree(TComboBox &box)
{
    box.FreeItems();
    Set set;
    set.LoadTree();
    TDataSet *ds = set.DataSet();
    for (ds->First(); !ds->Eof(); ds->Next()) {
        const R node = set.AsData();
        box.addItem(node.Path, QVariant::fromValue(node));
    }
    box.setCurrentIndex(-1);
}

} // namespace

void TComboBox::LoadMethods()
{
    FreeItems();
    TMethodSet methods;
    TDataSet *ds = methods.DataSet();
    for (ds->First(); !ds->Eof(); ds->Next()) {
        RMethod m;
        methods.ReadCurrent(m);
        addItem(m.Name, QVariant::fromValue(m));
    }
    setCurrentIndex(-1);
}

void TComboBox::LoadCatalogs() { loadTree<TCatalogSet, RCatalog>(*this); }
void TComboBox::LoadDepartments() { loadTree<TDepartmentSet, RDepartment>(*this); }
void TComboBox::LoadAssetNames() { LoadItems(TAssetsSet::NameList(), rememberedHint); }
void TComboBox::LoadAssetUnits() { LoadItems(TAssetsSet::UnitList(), rememberedHint); }

void TComboBox::LoadPickList(int listId)
{
    LoadItems({}, TKeyValue2::ReadStr(listId, u"请在文件菜单下\r\n选项中设置"_s));
}

void TComboBox::LoadAssetStates()
{
    LoadItems({u"不限"_s, u"现有资产"_s, u"已减少资产"_s}, {});
    setCurrentIndex(1);
}

void TComboBox::GetMethod(RMethod &method) const
{
    RMethod none;
    none.Id = -1;
    method = selectedRecord(*this, none);
}

void TComboBox::GetCatalog(RCatalog &catalog) const { catalog = selectedRecord(*this, RCatalog{}); }
void TComboBox::GetDepartment(RDepartment &department) const { department = selectedRecord(*this, RDepartment{}); }

void TComboBox::SelectMethod(int id)
{
    setCurrentIndex(findRecord<RMethod>(*this, [id](const RMethod &m) { return m.Id == id; }));
}

void TComboBox::SelectCatalogById(int id)
{
    setCurrentIndex(findRecord<RCatalog>(*this, [id](const RCatalog &c) { return c.Id == id; }));
}

void TComboBox::SelectDepartment(int id)
{
    setCurrentIndex(findRecord<RDepartment>(*this, [id](const RDepartment &d) { return d.Id == id; }));
}

void TComboBox::SelectCatalog(const RCatalog &catalog)
{
    int index = findRecord<RCatalog>(*this, [&](const RCatalog &c) { return c.Code == catalog.Code; });
    if (index < 0) {
        addItem(catalog.Path, QVariant::fromValue(catalog));
        index = count() - 1;
    }
    setCurrentIndex(index);
}

void TComboBox::FreeItems()
{
    // The records live in the items' data; removing the items frees them.
    clear();
}
