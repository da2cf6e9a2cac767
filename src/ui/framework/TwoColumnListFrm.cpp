#include "ui/framework/TwoColumnListFrm.h"
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

TTwoColumnListFrm::TTwoColumnListFrm(const QString &caption, QWidget *parent)
    : TaFrm(parent), List(new QTreeWidget(this)), btnUp(new QPushButton(QStringLiteral("上移(&U)"), this)),
      btnDown(new QPushButton(QStringLiteral("下移(&D)"), this)), btnOk(new QPushButton(QStringLiteral("确定(&Y)"), this)),
      btnCancel(new QPushButton(QStringLiteral("取消(&Q)"), this)), lblNote(new QLabel(this))
{
    setWindowTitle(caption);
    List->setObjectName(QStringLiteral("List"));
    btnUp->setObjectName(QStringLiteral("btnUp"));
    btnDown->setObjectName(QStringLiteral("btnDown"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    lblNote->setObjectName(QStringLiteral("lblNote"));
    List->setColumnCount(2);
    List->setHeaderHidden(true);
    List->setRootIsDecorated(false);
    List->setColumnWidth(0, 120);
    List->setColumnWidth(1, 120);
    List->setToolTip(QStringLiteral("双击可改变当前值"));
    List->setUniformRowHeights(true);
    List->setStyleSheet(QStringLiteral("QTreeView::item { height: 22px; }"));
    lblNote->setWordWrap(true);
    lblNote->setEnabled(false);
    for (QPushButton *b : {btnUp, btnDown, btnOk, btnCancel})
        b->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(List, 0, 0, 5, 1);
    grid->addWidget(btnUp, 0, 1);
    grid->addWidget(btnDown, 1, 1);
    grid->setRowStretch(2, 1);
    grid->addWidget(btnOk, 3, 1);
    grid->addWidget(btnCancel, 4, 1);
    grid->addWidget(lblNote, 5, 0, 1, 2);
    resize(380, 320);

    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnUp, &QPushButton::clicked, this, [this] { MoveCurrent(-1); });
    connect(btnDown, &QPushButton::clicked, this, [this] { MoveCurrent(1); });
    connect(List, &QTreeWidget::currentItemChanged, this, [this] { UpdateButtons(); });
    connect(List->model(), &QAbstractItemModel::rowsInserted, this, [this] { UpdateButtons(); });
}

QTreeWidgetItem *TTwoColumnListFrm::AddRow(const QString &left, const QString &right)
{
    auto *item = new QTreeWidgetItem(List, {left, right});
    // Rows can be dragged between rows, never into one another.
    item->setFlags(item->flags() & ~Qt::ItemIsDropEnabled);
    return item;
}

void TTwoColumnListFrm::MoveCurrent(int delta)
{
    const int row = List->indexOfTopLevelItem(List->currentItem());
    const int to = row + delta;
    if (row < 0 || to < 0 || to >= List->topLevelItemCount())
        return;
    QTreeWidgetItem *item = List->takeTopLevelItem(row);
    List->insertTopLevelItem(to, item);
    List->setCurrentItem(item);
    UpdateButtons();
}

void TTwoColumnListFrm::UpdateButtons()
{
    const int row = List->indexOfTopLevelItem(List->currentItem());
    btnUp->setEnabled(row > 0);
    btnDown->setEnabled(row >= 0 && row < List->topLevelItemCount() - 1);
}
