#pragma once
#include <QString>
#include <QWidget>

class QPushButton;

// The 48-pixel band along the bottom of dialogs: a top line (BgBevel1) and
// 75 x 25 buttons at the right.
class TDialogBand : public QWidget {
    Q_OBJECT
public:
    explicit TDialogBand(QWidget *parent);
    QPushButton *AddButton(const QString &objectName, const QString &caption);
    // Lays `form` out as `body` over a new band and returns the band.
    static TDialogBand *Attach(QWidget *form, QWidget *body);
};
