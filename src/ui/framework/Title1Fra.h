#pragma once
#include <QFrame>

class QLabel;

// The white title band at the top of report windows.
class TTitle1Fra : public QFrame {
    Q_OBJECT
public:
    explicit TTitle1Fra(QWidget *parent = nullptr);
    QLabel *Image1;
    QLabel *LblTitle1;
    QFrame *Shape1;
    // The picture behind the titles of tables and report windows.
    static QPixmap TitlePicture(const QSize &size);
    // The bold 12-pixel caption drawn over the picture at (48, 17).
    static void StyleTitleLabel(QLabel *label);
};
