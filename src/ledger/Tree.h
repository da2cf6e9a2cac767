#pragma once
#include "data/RecordSet.h"

// One node of the class tree.
struct RCatalog {
    QString ParentCode, ParentPath;
    int Id = 0;
    QString Code, Name, Description;
    int FatherIdx = 0; // 1-based position of the parent in the code-sorted list; 0 = top level
    QString Path;
};

// One node of the department tree.
struct RDepartment {
    QString ParentCode, ParentPath;
    int Id = 0;
    QString Code, Name, Manager, Tel, Fax, Address, Note;
    int FatherIdx = 0;
    QString Path;
};

// A whole tree in code order, each node with its parent's position and its
// full name. Codes carry the tree: two digits per level.
class TTreeSet : public TZoClientDataSet {
    Q_OBJECT
public:
    TField *IdFld = nullptr, *CodeFld = nullptr, *NameFld = nullptr, *NoteFld = nullptr,
           *FatherIndexFld = nullptr, *PathFld = nullptr;

    void LoadTree();
    // The code of the parent: the code less its last two digits.
    static QString ParentCodeOf(const QString &code);

protected:
    TTreeSet(const QString &table, const QStringList &columns, QObject *parent);
    QString parentPath() const;

private:
    QString m_table;
    QStringList m_columns; // the columns between Code and FatherIdx
};

class TCatalogSet : public TTreeSet {
    Q_OBJECT
public:
    explicit TCatalogSet(QObject *parent = nullptr);
    RCatalog AsData() const;

    // Adds the node under node.ParentCode with the next free code; fills Id and Code.
    static bool NewChild(RCatalog &node);
    static bool UpdateNode(const RCatalog &node);
    // Detaches the assets of the subtree and deletes it, in one transaction.
    static bool DeleteSubtree(const QString &code);
    // Exchanges the places of two sibling subtrees, in one transaction.
    static bool SwapSiblings(const QString &codeA, const QString &codeB);
};

class TDepartmentSet : public TTreeSet {
    Q_OBJECT
public:
    explicit TDepartmentSet(QObject *parent = nullptr);
    RDepartment AsData() const;

    static bool NewChild(RDepartment &node);
    static bool UpdateNode(const RDepartment &node);
    static bool DeleteSubtree(const QString &code);
};
