#pragma once
#include "ui/framework/AFrm.h"

class QPushButton;

// The information dialog base: a body above a band with Close (Esc) and Help.
class TAInfoDlgFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TAInfoDlgFrm(QWidget *parent = nullptr);
    QWidget *Body() const { return m_body; }
    QPushButton *CloseBtn1 = nullptr;
    QPushButton *HelpBtn1 = nullptr;

private:
    QWidget *m_body;
};
