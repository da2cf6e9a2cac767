#pragma once
#include "ledger/Tree.h"
#include "ui/windows/TreeFrm.h"

// The class window (资产分类): maintains the class tree and picks a class.
class TCatalogFrm : public TTreeFrm {
    Q_OBJECT
public:
    explicit TCatalogFrm(QWidget *parent = nullptr);

    // Picking: `code` is selected first; `choice` receives the chosen class
    // (an empty record for 不选) and says whether the window may close.
    void SetChoice(const QString &code, const std::function<bool(const RCatalog &)> &choice);
    static RCatalog ToCatalog(const RTreeNode &node);
    static RTreeNode FromCatalog(const RCatalog &catalog);

protected:
    QList<RTreeNode> ReadTree() override;
    bool InsertNode(RTreeNode &node) override;
    bool WriteNode(const RTreeNode &node) override;
    bool DeleteCode(const QString &code) override;
    bool SwapCodes(const QString &a, const QString &b) override;
    int EditRight() const override { return 20; }
};
