#pragma once
#include "ui/framework/AFrm.h"

class QPushButton;
class QFrame;

// The dialog base: a body above a bottom band with OK, Cancel (Esc) and
// Help. Ctrl+Enter presses OK. Closing with OK asks CheckInput() first and
// stays open while it refuses.
class TADlgFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TADlgFrm(QWidget *parent = nullptr);

    QWidget *Body() const { return m_body; }
    QPushButton *OkBtn1 = nullptr;
    QPushButton *CancelBtn1 = nullptr;
    QPushButton *HelpBtn1 = nullptr;

    void done(int result) override;

protected:
    // Derived dialogs check their input here (showing a message) and return false to stay open.
    virtual bool CheckInput() { return true; }
    virtual void OkBtn1Click() { done(Accepted); }

private:
    QWidget *m_body;
};
