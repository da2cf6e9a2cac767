#pragma once
#include "ui/framework/TwoColumnListFrm.h"

class TDataSet;

// The sort dialog: one row per data field, a direction per row (double
// click cycles none, 升序, 降序), rows ordered by priority.
class TSortFrm : public TTwoColumnListFrm {
    Q_OBJECT
public:
    explicit TSortFrm(const TDataSet *dataSet, QWidget *parent = nullptr);
    // "Code ASC,Name DESC": the rows with a direction, in order.
    QString SortText() const;
    // Double-click handling, also for tests and keyboard use.
    void CycleDirection(int row);
};
