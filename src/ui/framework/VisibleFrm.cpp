#include "ui/framework/VisibleFrm.h"
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {
const QString Tick = QStringLiteral("√");
}

TxVisibleFrm::TxVisibleFrm(const RColItems &items, QWidget *parent) : TTwoColumnListFrm(QStringLiteral("列选择"), parent)
{
    setObjectName(QStringLiteral("xVisibleFrm"));
    btnUp->hide();
    btnDown->hide();
    lblNote->hide();
    for (const RColItem &item : items)
        AddRow(item.Caption, item.Visible ? Tick : QString())->setData(0, Qt::UserRole, item.Index);
    connect(List, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { Toggle(List->indexOfTopLevelItem(item)); });
}

void TxVisibleFrm::Toggle(int row)
{
    if (QTreeWidgetItem *item = List->topLevelItem(row))
        item->setText(1, item->text(1) == Tick ? QString() : Tick);
}

RColItems TxVisibleFrm::Items() const
{
    RColItems items;
    for (int r = 0; r < List->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *row = List->topLevelItem(r);
        items.append({row->data(0, Qt::UserRole).toInt(), row->text(0), row->text(1) == Tick});
    }
    return items;
}
