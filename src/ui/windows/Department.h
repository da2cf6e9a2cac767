#pragma once
#include "ledger/Tree.h"
#include "ui/windows/TreeFrm.h"

// The department window (部门机构): maintains the department tree and picks a department.
class TDepartmentFrm : public TTreeFrm {
    Q_OBJECT
public:
    explicit TDepartmentFrm(QWidget *parent = nullptr);

    void SetChoice(const QString &code, const std::function<bool(const RDepartment &)> &choice);
    static RDepartment ToDepartment(const RTreeNode &node);
    static RTreeNode FromDepartment(const RDepartment &department);

protected:
    QList<RTreeNode> ReadTree() override;
    bool InsertNode(RTreeNode &node) override;
    bool WriteNode(const RTreeNode &node) override;
    bool DeleteCode(const QString &code) override;
    int EditRight() const override { return 29; }
};
