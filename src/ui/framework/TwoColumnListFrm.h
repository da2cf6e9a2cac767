#pragma once
#include "ui/framework/AFrm.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The frame of the sort dialog and the column chooser: a two-column list
// (120 pixels each, no titles), 上移/下移, 确定/取消 and a note.
class TTwoColumnListFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TTwoColumnListFrm(const QString &caption, QWidget *parent = nullptr);
    QTreeWidget *List;
    QPushButton *btnUp, *btnDown, *btnOk, *btnCancel;
    QLabel *lblNote;

protected:
    QTreeWidgetItem *AddRow(const QString &left, const QString &right);
    void MoveCurrent(int delta);
    void UpdateButtons();
};
