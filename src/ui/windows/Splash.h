#pragma once
#include <QWidget>

class QLabel;

// The borderless window shown while the program reaches its database.
class TSplashFrm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashFrm(QWidget *parent = nullptr);
    // A non-empty text replaces the caption; an empty one appends ".". Repaints at once.
    void ShowStep(const QString &text);
    QString Caption() const;

private:
    QLabel *Image1;
    QLabel *Label1;
};
