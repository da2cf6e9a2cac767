#pragma once
#include "ui/framework/AFrm.h"

// A non-modal window that stays on top and frees itself when closed; the
// opener keeps no reference.
class TWinFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TWinFrm(QWidget *parent = nullptr);
};
