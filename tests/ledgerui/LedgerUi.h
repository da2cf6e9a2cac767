#pragma once
#include "LedgerFixture.h"
#include <QStringList>
#include <functional>

class QWidget;

// A small seeded ledger and helpers shared by the window tests.
namespace LedgerUi {
// Classes 01 办公设备 (0100 电脑, 0101 打印机) and 02 车辆; departments 01 财务部
// (0100 出纳组) and 02 行政部; five assets:
//   A001 电脑 held 在用 100, A002 打印机 disposed 在用 200, A003 车辆 held 闲置 300,
//   A004 车辆 disposed 400, A005 办公设备 held 在用 500 (model "HP LaserJet").
void Seed();
// The codes of the rows a data set holds, in row order.
QStringList Codes(const class TDataSet *ds);
// Types `text` key by key into `w`; works for Chinese text as well.
void TypeText(QWidget *w, const QString &text);
// Runs `step` on the next modal dialog of type T as soon as it is active.
void WhenModal(const char *className, std::function<void(QWidget *)> step);
} // namespace LedgerUi
