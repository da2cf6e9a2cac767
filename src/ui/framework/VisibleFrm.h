#pragma once
#include "ui/framework/TwoColumnListFrm.h"

// One grid column as the column chooser shows it.
struct RColItem {
    int Index = -1;
    QString Caption;
    bool Visible = true;
};
using RColItems = QList<RColItem>;

// The column chooser: one row per column, "√" for a visible one; a click toggles it.
class TxVisibleFrm : public TTwoColumnListFrm {
    Q_OBJECT
public:
    TxVisibleFrm(const RColItems &items, QWidget *parent = nullptr);
    // The items with the marks of the rows (each mark stays with its column).
    RColItems Items() const;
    void Toggle(int row);
};
