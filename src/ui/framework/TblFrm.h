#pragma once
#include "ui/framework/WinFrm.h"

class QLabel;
class QProgressBar;
class QFrame;
class TzoDBGrid;

// A table window: a title band, the grid and a status line with a progress bar; shown maximised.
class TTblFrm : public TWinFrm {
    Q_OBJECT
public:
    explicit TTblFrm(QWidget *parent = nullptr);
    QLabel *Image1;
    QLabel *LblTitle1;
    TzoDBGrid *DBGrid1;
    QFrame *StatusPanel1;
    QLabel *StatusText;
    QProgressBar *ProgressBar1;

protected:
    void showEvent(QShowEvent *event) override;
};
