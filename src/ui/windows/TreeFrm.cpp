#include "ui/windows/TreeFrm.h"
#include "app/Prompter.h"
#include "app/Rights.h"
#include "ui/framework/ZoApplication.h"
#include "ui/framework/ZoEdit.h"
#include "ui/framework/ZoMemo.h"
#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

RTreeNode nodeOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, Qt::UserRole).value<RTreeNode>() : RTreeNode{};
}

void setNode(QTreeWidgetItem *item, const RTreeNode &node)
{
    item->setText(0, node.Name);
    item->setData(0, Qt::UserRole, QVariant::fromValue(node));
}

QString textOf(const QWidget *w)
{
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(w))
        return memo->toPlainText();
    return static_cast<const QLineEdit *>(w)->text();
}

void setText(QWidget *w, const QString &text)
{
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        memo->setPlainText(text);
    else
        static_cast<QLineEdit *>(w)->setText(text);
}

void setReadOnly(QWidget *w, bool readOnly)
{
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        memo->setReadOnly(readOnly);
    else
        static_cast<QLineEdit *>(w)->setReadOnly(readOnly);
}

QPushButton *button(QWidget *parent, QLayout *row, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}

} // namespace

TTreeFrm::TTreeFrm(QWidget *parent, const QString &parentCaption, const QList<TDetailField> &details, bool canMove)
    : TaFrm(parent), m_canMove(canMove)
{
    resize(620, 420);
    auto *root = new QVBoxLayout(this);
    auto *body = new QHBoxLayout;
    root->addLayout(body, 1);

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(u"TreeView1"_s);
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setContextMenuPolicy(Qt::ActionsContextMenu);
    TreeView1->setMinimumWidth(220);
    body->addWidget(TreeView1, 1);

    auto *panel = new QWidget(this);
    panel->setObjectName(u"Panel1"_s);
    auto *form = new QFormLayout(panel);
    edtParent1 = new TzoEdit(panel);
    edtParent1->setObjectName(u"edtParent1"_s);
    edtParent1->setReadOnly(true);
    form->addRow(parentCaption, edtParent1);
    edtCode1 = new TzoEdit(panel);
    edtCode1->setObjectName(u"edtCode1"_s);
    edtCode1->setReadOnly(true);
    form->addRow(u"编码"_s, edtCode1);
    edtName1 = new TzoEdit(panel);
    edtName1->setObjectName(u"edtName1"_s);
    form->addRow(u"名称"_s, edtName1);
    for (const TDetailField &d : details) {
        QWidget *w = d.memo ? static_cast<QWidget *>(new TzoMemo(panel)) : new TzoEdit(panel);
        w->setObjectName(d.objectName);
        form->addRow(d.caption, w);
        m_details.append(w);
    }
    auto *okRow = new QHBoxLayout;
    okRow->addStretch();
    btnOk1 = button(panel, okRow, u"btnOk1"_s, u"确定"_s);
    btnCancel1 = button(panel, okRow, u"btnCancel1"_s, u"取消"_s);
    form->addRow(okRow);
    body->addWidget(panel, 1);

    auto *commands = new QHBoxLayout;
    root->addLayout(commands);
    btnAdd1 = new QToolButton(this);
    btnAdd1->setObjectName(u"btnAdd1"_s);
    btnAdd1->setText(u"添加"_s);
    btnAdd1->setPopupMode(QToolButton::InstantPopup);
    btnAdd1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *addMenu = new QMenu(btnAdd1);
    N_AddChild = addMenu->addAction(QString());
    N_AddChild->setObjectName(u"N_AddChild"_s);
    N_AddSibling = addMenu->addAction(QString());
    N_AddSibling->setObjectName(u"N_AddSibling"_s);
    btnAdd1->setMenu(addMenu);
    commands->addWidget(btnAdd1);
    btnEdit1 = button(this, commands, u"btnEdit1"_s, u"修改"_s);
    btnDelete1 = button(this, commands, u"btnDelete1"_s, u"删除"_s);
    btnUp1 = button(this, commands, u"btnUp1"_s, u"上移"_s);
    btnDown1 = button(this, commands, u"btnDown1"_s, u"下移"_s);
    btnUp1->setVisible(canMove);
    btnDown1->setVisible(canMove);
    commands->addStretch();
    btnSelect1 = button(this, commands, u"btnSelect1"_s, u"选定"_s);
    btnNone1 = button(this, commands, u"btnNone1"_s, u"不选"_s);
    btnClose1 = button(this, commands, u"btnClose1"_s, u"关闭"_s);
    btnSelect1->hide();
    btnNone1->hide();

    N_Edit = new QAction(u"修改"_s, this);
    N_Edit->setObjectName(u"N_Edit"_s);
    N_Delete = new QAction(u"删除"_s, this);
    N_Delete->setObjectName(u"N_Delete"_s);
    TreeView1->addActions({N_AddChild, N_AddSibling, N_Edit, N_Delete});

    // A refused right or a failed statement ends the command with its message.
    const auto guarded = [this](void (TTreeFrm::*command)()) {
        return [this, command] { TZoApplication::Guard([this, command] { (this->*command)(); }); };
    };
    connect(N_AddChild, &QAction::triggered, this, guarded(&TTreeFrm::AddChild));
    connect(N_AddSibling, &QAction::triggered, this, guarded(&TTreeFrm::AddSibling));
    connect(N_Edit, &QAction::triggered, this, guarded(&TTreeFrm::EditNode));
    connect(N_Delete, &QAction::triggered, this, guarded(&TTreeFrm::DeleteNode));
    connect(btnEdit1, &QPushButton::clicked, this, guarded(&TTreeFrm::EditNode));
    connect(btnDelete1, &QPushButton::clicked, this, guarded(&TTreeFrm::DeleteNode));
    connect(btnUp1, &QPushButton::clicked, this, guarded(&TTreeFrm::MoveUp));
    connect(btnDown1, &QPushButton::clicked, this, guarded(&TTreeFrm::MoveDown));
    connect(btnOk1, &QPushButton::clicked, this, guarded(&TTreeFrm::Confirm));
    connect(btnCancel1, &QPushButton::clicked, this, &TTreeFrm::CancelEdit);
    connect(btnClose1, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSelect1, &QPushButton::clicked, this, [this] { choose(Selected()); });
    connect(btnNone1, &QPushButton::clicked, this, [this] { choose(RTreeNode{}); });
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this] {
        showNode(Selected());
        updateCommands();
    });
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (m_choice && item->childCount() == 0)
            choose(nodeOf(item));
    });
    setMode(Mode::View);
}

void TTreeFrm::LoadNodes()
{
    TreeView1->clear();
    // A node hangs under the node with its parent code; an orphan becomes top level.
    QHash<QString, QTreeWidgetItem *> byCode;
    const QList<RTreeNode> nodes = ReadTree();
    for (RTreeNode node : nodes) {
        QTreeWidgetItem *parent = byCode.value(node.ParentCode);
        if (parent) {
            node.ParentPath = nodeOf(parent).Path;
        } else {
            node.ParentCode.clear();
            node.ParentPath.clear();
        }
        byCode.insert(node.Code, addItem(node, parent));
    }
    if (TreeView1->topLevelItemCount() > 0) {
        TreeView1->setCurrentItem(TreeView1->topLevelItem(0));
        TreeView1->topLevelItem(0)->setExpanded(true);
    }
    showNode(Selected());
    updateCommands();
}

QTreeWidgetItem *TTreeFrm::addItem(const RTreeNode &node, QTreeWidgetItem *parent)
{
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TreeView1);
    setNode(item, node);
    return item;
}

void TTreeFrm::SetChoice(const QString &code, TChoice choice)
{
    m_choice = std::move(choice);
    btnSelect1->show();
    btnNone1->show();
    for (QTreeWidgetItemIterator it(TreeView1); *it; ++it) {
        if (!code.isEmpty() && nodeOf(*it).Code == code) {
            TreeView1->setCurrentItem(*it);
            TreeView1->scrollToItem(*it);
            break;
        }
    }
    updateCommands();
}

QTreeWidgetItem *TTreeFrm::current() const
{
    QTreeWidgetItem *item = TreeView1->currentItem();
    return item && item->isSelected() ? item : nullptr;
}

RTreeNode TTreeFrm::Selected() const { return nodeOf(current()); }

void TTreeFrm::showNode(const RTreeNode &node)
{
    edtParent1->setText(node.ParentPath);
    edtCode1->setText(node.Code);
    edtName1->setText(node.Name);
    for (int i = 0; i < m_details.size(); ++i)
        setText(m_details[i], node.Details.value(i));
}

void TTreeFrm::setMode(Mode mode)
{
    m_mode = mode;
    const bool editing = mode != Mode::View;
    edtName1->setReadOnly(!editing);
    for (QWidget *w : std::as_const(m_details))
        setReadOnly(w, !editing);
    btnOk1->setVisible(editing);
    btnCancel1->setVisible(editing);
    TreeView1->setEnabled(!editing);
    updateCommands();
}

void TTreeFrm::updateCommands()
{
    const bool view = m_mode == Mode::View;
    const RTreeNode node = Selected();
    const bool has = view && node.Id != 0;
    N_AddChild->setEnabled(has);
    N_AddSibling->setEnabled(view);
    btnAdd1->setEnabled(view);
    for (QObject *o : std::initializer_list<QObject *>{N_Edit, N_Delete, btnEdit1, btnDelete1, btnUp1, btnDown1, btnSelect1})
        o->setProperty("enabled", has);
    btnNone1->setEnabled(view);
    N_AddChild->setText(has ? u"添加 \"%1\" 的子项..."_s.arg(node.Name) : u"添加子项目"_s);
    N_AddSibling->setText(has ? u"添加 \"%1\" 的同级项目..."_s.arg(node.Name) : u"添加同级项目"_s);
}

void TTreeFrm::openPanel(Mode mode, const RTreeNode &parent, const RTreeNode &node)
{
    m_parent = parent;
    showNode(node);
    edtParent1->setText(parent.Path);
    setMode(mode);
    edtName1->setFocus();
}

void TTreeFrm::AddChild()
{
    const RTreeNode parent = Selected();
    if (parent.Id == 0)
        return;
    Rights::Require(EditRight());
    openPanel(Mode::Add, parent, RTreeNode{});
}

void TTreeFrm::AddSibling()
{
    Rights::Require(EditRight());
    QTreeWidgetItem *item = current();
    openPanel(Mode::Add, nodeOf(item ? item->parent() : nullptr), RTreeNode{});
}

void TTreeFrm::EditNode()
{
    QTreeWidgetItem *item = current();
    if (!item)
        return;
    Rights::Require(EditRight());
    openPanel(Mode::Edit, nodeOf(item->parent()), nodeOf(item));
}

void TTreeFrm::CancelEdit()
{
    setMode(Mode::View);
    showNode(Selected());
}

void TTreeFrm::Confirm()
{
    if (m_mode == Mode::View)
        return;
    if (edtName1->text().trimmed().isEmpty()) {
        Prompter().Message(TPrompter::Icon::Information, u"\r对不起, 名称必须填写.\t"_s);
        edtName1->setFocus();
        return;
    }
    RTreeNode node = m_mode == Mode::Edit ? Selected() : RTreeNode{};
    node.Name = edtName1->text();
    node.Details.clear();
    for (const QWidget *w : std::as_const(m_details))
        node.Details.append(textOf(w));
    node.ParentCode = m_parent.Code;
    node.ParentPath = m_parent.Path;
    node.Path = m_parent.Path + node.Name;
    if (m_mode == Mode::Add) {
        if (!InsertNode(node))
            return;
        QTreeWidgetItem *parentItem = nullptr;
        for (QTreeWidgetItemIterator it(TreeView1); *it && !parentItem; ++it)
            if (!m_parent.Code.isEmpty() && nodeOf(*it).Code == m_parent.Code)
                parentItem = *it;
        QTreeWidgetItem *item = addItem(node, parentItem);
        if (parentItem)
            parentItem->setExpanded(true);
        setMode(Mode::View);
        TreeView1->setCurrentItem(item);
    } else {
        if (!WriteNode(node))
            return;
        setNode(current(), node);
        setMode(Mode::View);
    }
    showNode(Selected());
    updateCommands();
}

void TTreeFrm::DeleteNode()
{
    QTreeWidgetItem *item = current();
    if (!item)
        return;
    Rights::Require(EditRight());
    if (!ConfirmDelete(item->text(0)))
        return;
    if (!DeleteCode(nodeOf(item).Code))
        return;
    QTreeWidgetItem *next = TreeView1->itemBelow(item);
    while (next && next->parent() && (next->parent() == item || nodeOf(next).Code.startsWith(nodeOf(item).Code)))
        next = TreeView1->itemBelow(next);
    if (!next)
        next = TreeView1->itemAbove(item);
    delete item;
    TreeView1->setCurrentItem(next);
    showNode(Selected());
    updateCommands();
}

void TTreeFrm::rewriteCodes(QTreeWidgetItem *item, const QString &from, const QString &to)
{
    RTreeNode node = nodeOf(item);
    node.Code = to + node.Code.mid(from.size());
    node.ParentCode = node.Code.left(node.Code.size() - 2);
    setNode(item, node);
    for (int i = 0; i < item->childCount(); ++i)
        rewriteCodes(item->child(i), from, to);
}

void TTreeFrm::move(int step)
{
    QTreeWidgetItem *item = current();
    if (!item || !m_canMove)
        return;
    QTreeWidgetItem *parent = item->parent();
    const int index = parent ? parent->indexOfChild(item) : TreeView1->indexOfTopLevelItem(item);
    const int count = parent ? parent->childCount() : TreeView1->topLevelItemCount();
    const int other = index + step;
    if (other < 0 || other >= count) {
        Prompter().Message(TPrompter::Icon::Information, step < 0 ? u"\r\n已经到顶了,只允许在同一个级别内移动."_s
                                                                    : u"\r\n已经到尾了,只允许在同一个级别内移动."_s);
        return;
    }
    QTreeWidgetItem *sibling = parent ? parent->child(other) : TreeView1->topLevelItem(other);
    const QString code = nodeOf(item).Code, siblingCode = nodeOf(sibling).Code;
    if (!SwapCodes(code, siblingCode))
        return;
    rewriteCodes(item, code, siblingCode);
    rewriteCodes(sibling, siblingCode, code);
    const bool expanded = item->isExpanded();
    QTreeWidgetItem *taken = parent ? parent->takeChild(index) : TreeView1->takeTopLevelItem(index);
    if (parent)
        parent->insertChild(other, taken);
    else
        TreeView1->insertTopLevelItem(other, taken);
    taken->setExpanded(expanded);
    TreeView1->setCurrentItem(taken);
}

void TTreeFrm::choose(const RTreeNode &node)
{
    if (m_choice && m_choice(node))
        accept();
}
