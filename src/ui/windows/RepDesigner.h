#pragma once
#include "reports/PrintMenu.h"
#include "reports/Rep.h"
#include "ui/framework/AInfoDlgFrm.h"

class QListWidget;

// The report manager: the templates of a group with 添加/修改/删除/设计/预览.
class TRepDesignerFrm : public TAInfoDlgFrm {
    Q_OBJECT
public:
    explicit TRepDesignerFrm(QWidget *parent = nullptr);
    void SetGroupId(int groupId);
    int GroupId() const { return m_menu.GroupId(); }
    TProjRep &Rep() { return m_rep; }

private:
    void refill();
    void run(void (TPrintMenu::*command)());
    TProjRep m_rep;
    TPrintMenu m_menu;
    QListWidget *m_list;
};
