#pragma once
#include "ledger/Method.h"
#include "ledger/Tree.h"
#include "ui/framework/ZoComboBox.h"

Q_DECLARE_METATYPE(RMethod)
Q_DECLARE_METATYPE(RCatalog)
Q_DECLARE_METATYPE(RDepartment)

// The choice box of the entry windows: the shared lookup loaders and the
// selection of the records its items carry (methods, classes, departments).
class TComboBox : public TzoComboBox {
    Q_OBJECT
public:
    using TzoComboBox::TzoComboBox;

    // Each loader replaces the items.
    void LoadMethods();
    void LoadCatalogs();
    void LoadDepartments();
    void LoadAssetNames();
    void LoadAssetUnits();
    // One item per line of the stored pick list; the hint to fill it when empty.
    void LoadPickList(int listId);
    // 不限, 现有资产, 已减少资产 with 现有资产 selected.
    void LoadAssetStates();

    // The selected item's record; with nothing selected an empty record (a method's Id is -1).
    void GetMethod(RMethod &method) const;
    void GetCatalog(RCatalog &catalog) const;
    void GetDepartment(RDepartment &department) const;
    // Clear the selection, then select the first item whose record id matches.
    void SelectMethod(int id);
    void SelectCatalogById(int id);
    void SelectDepartment(int id);
    // Selects the class by code; a class not in the list is appended first.
    void SelectCatalog(const RCatalog &catalog);
    void FreeItems();
};
