#pragma once
#include <QString>

// Fills an empty ledger with a realistic demonstration: class and department
// trees three levels deep, the seven pick lists, and assets spread over the
// methods, start dates, states, keepers and places, some disposed, some
// with changes and repairs. The same seed gives the same ledger.
namespace DemoLedger {
// Throws EZoError when the ledger already holds assets or classes.
void Fill(int assetCount, quint32 seed = 20261101);
} // namespace DemoLedger
