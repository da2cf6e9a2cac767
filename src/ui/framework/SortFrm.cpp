#include "ui/framework/SortFrm.h"
#include "data/DataSet.h"
#include "data/SortText.h"
#include <QLabel>
#include <QTreeWidget>

namespace {
const int FieldRole = Qt::UserRole;
const int DirectionRole = Qt::UserRole + 1;

QString directionCaption(const QString &direction)
{
    if (direction == QStringLiteral("ASC"))
        return QStringLiteral("升序");
    if (direction == QStringLiteral("DESC"))
        return QStringLiteral("降序");
    return QString();
}
} // namespace

TSortFrm::TSortFrm(const TDataSet *dataSet, QWidget *parent) : TTwoColumnListFrm(QStringLiteral("排序"), parent)
{
    setObjectName(QStringLiteral("SortFrm"));
    lblNote->setText(QStringLiteral("提示:双击空白处切换排序方式(升/降/无),单击上下移动键调整优先顺序"));
    List->setDragDropMode(QAbstractItemView::InternalMove);
    for (const TField *f : dataSet->Fields()) {
        if (f->Calculated() || f->Kind() == TFieldKind::Memo || f->Kind() == TFieldKind::Blob)
            continue;
        QTreeWidgetItem *item = AddRow(f->DisplayLabel(), QString());
        item->setData(0, FieldRole, f->FieldName());
        item->setData(0, DirectionRole, QString());
    }
    // The fields of the current order come first, in that order; unknown words are skipped.
    int position = 0;
    for (const auto &[name, direction] : SortText::Parse(dataSet->SortText())) {
        for (int r = position; r < List->topLevelItemCount(); ++r) {
            QTreeWidgetItem *item = List->topLevelItem(r);
            if (item->data(0, FieldRole).toString().compare(name, Qt::CaseInsensitive) != 0)
                continue;
            item->setData(0, DirectionRole, direction);
            item->setText(1, directionCaption(direction));
            List->insertTopLevelItem(position++, List->takeTopLevelItem(r));
            break;
        }
    }
    connect(List, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { CycleDirection(List->indexOfTopLevelItem(item)); });
    UpdateButtons();
}

void TSortFrm::CycleDirection(int row)
{
    QTreeWidgetItem *item = List->topLevelItem(row);
    if (!item)
        return;
    const QString now = item->data(0, DirectionRole).toString();
    const QString next = now.isEmpty() ? QStringLiteral("ASC") : now == QStringLiteral("ASC") ? QStringLiteral("DESC") : QString();
    item->setData(0, DirectionRole, next);
    item->setText(1, directionCaption(next));
}

QString TSortFrm::SortText() const
{
    QList<QPair<QString, QString>> rows;
    for (int r = 0; r < List->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *item = List->topLevelItem(r);
        rows.append({item->data(0, FieldRole).toString(), item->data(0, DirectionRole).toString()});
    }
    return SortText::FromDirections(rows);
}
