#pragma once
#include "ledger/Asset.h"

// Small builders shared by the ledger tests.
namespace LedgerFixture {
// A depreciating asset; the caller adjusts what the case needs.
RAsset Asset(const QString &code, int methodId, const QDate &start, int years, double origin, double end);
// Saves the asset and returns its Id; fails the test when the save does not.
int Save(RAsset asset);
// Inserts a class or department node with a fixed code and Id.
void Node(const QString &table, int id, const QString &code, const QString &name);
Currency Yuan(double value);
} // namespace LedgerFixture
