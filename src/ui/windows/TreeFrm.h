#pragma once
#include "ui/framework/AFrm.h"
#include <QMetaType>
#include <QStringList>
#include <functional>

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TzoEdit;

// One node of a code tree as the tree windows handle it: the class and the
// department records differ only in their detail columns.
struct RTreeNode {
    int Id = 0;
    QString Code, Name, ParentCode, ParentPath, Path;
    QStringList Details; // in the order of the window's detail fields
};
Q_DECLARE_METATYPE(RTreeNode)

// The window that maintains a code tree and lets other windows pick a node:
// the tree on the left, the selected node's details on the right, which
// become the edit panel while a node is added or edited.
class TTreeFrm : public TaFrm {
    Q_OBJECT
public:
    using TChoice = std::function<bool(const RTreeNode &)>;

    // Picking: shows 选定 and 不选, selects `code` first; the window closes
    // when `choice` accepts the node.
    void SetChoice(const QString &code, TChoice choice);

    QTreeWidget *TreeView1 = nullptr;
    QToolButton *btnAdd1 = nullptr;
    QAction *N_AddChild = nullptr, *N_AddSibling = nullptr, *N_Edit = nullptr, *N_Delete = nullptr;
    QPushButton *btnEdit1 = nullptr, *btnDelete1 = nullptr, *btnUp1 = nullptr, *btnDown1 = nullptr;
    QPushButton *btnSelect1 = nullptr, *btnNone1 = nullptr, *btnClose1 = nullptr;
    QPushButton *btnOk1 = nullptr, *btnCancel1 = nullptr;
    TzoEdit *edtParent1 = nullptr, *edtCode1 = nullptr, *edtName1 = nullptr;

    // The selected node's record (empty when none is selected).
    RTreeNode Selected() const;
    bool Editing() const { return m_mode != Mode::View; }

    // Commands, as the buttons and the tree's menu run them.
    void AddChild();
    void AddSibling();
    void EditNode();
    void DeleteNode();
    void MoveUp() { move(-1); }
    void MoveDown() { move(+1); }
    void Confirm();
    void CancelEdit();

protected:
    struct TDetailField {
        QString objectName;
        QString caption;
        bool memo = false;
    };
    // parentCaption: the label of the parent's full name in the edit panel.
    TTreeFrm(QWidget *parent, const QString &parentCaption, const QList<TDetailField> &details, bool canMove);
    // Fills the tree; derived windows call it at the end of their constructor.
    void LoadNodes();

    virtual QList<RTreeNode> ReadTree() = 0;
    virtual bool InsertNode(RTreeNode &node) = 0;
    virtual bool WriteNode(const RTreeNode &node) = 0;
    virtual bool DeleteCode(const QString &code) = 0;
    virtual bool SwapCodes(const QString &, const QString &) { return false; }
    virtual int EditRight() const = 0;

private:
    enum class Mode { View, Add, Edit };
    QTreeWidgetItem *addItem(const RTreeNode &node, QTreeWidgetItem *parent);
    QTreeWidgetItem *current() const;
    void showNode(const RTreeNode &node);
    void setMode(Mode mode);
    void openPanel(Mode mode, const RTreeNode &parent, const RTreeNode &node);
    void updateCommands();
    void move(int step);
    void choose(const RTreeNode &node);
    static void rewriteCodes(QTreeWidgetItem *item, const QString &from, const QString &to);

    QList<QWidget *> m_details;
    Mode m_mode = Mode::View;
    RTreeNode m_parent; // of the node being added or edited
    TChoice m_choice;
    bool m_canMove;
};
