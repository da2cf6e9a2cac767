#include "ui/framework/Title1Fra.h"
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

TTitle1Fra::TTitle1Fra(QWidget *parent)
    : QFrame(parent), Image1(new QLabel(this)), LblTitle1(new QLabel(this)), Shape1(new QFrame(this))
{
    setObjectName(QStringLiteral("Title1Fra"));
    setFixedHeight(49);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 410, 48);
    Image1->setPixmap(TitlePicture(QSize(410, 48)));
    StyleTitleLabel(LblTitle1);
    LblTitle1->setAttribute(Qt::WA_TranslucentBackground);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::HLine);
    Shape1->setStyleSheet(QStringLiteral("color: gray;"));
    Shape1->setGeometry(0, 48, 4000, 1);
}

QPixmap TTitle1Fra::TitlePicture(const QSize &size)
{
    QPixmap pm(size);
    QPainter painter(&pm);
    QLinearGradient g(0, 0, size.width(), 0);
    g.setColorAt(0, QColor(0x3A, 0x6E, 0xA5));
    g.setColorAt(0.08, QColor(0xC8, 0xDC, 0xF0));
    g.setColorAt(1, Qt::white);
    painter.fillRect(pm.rect(), g);
    return pm;
}

void TTitle1Fra::StyleTitleLabel(QLabel *label)
{
    label->setObjectName(QStringLiteral("LblTitle1"));
    QFont f = label->font();
    f.setBold(true);
    f.setPixelSize(12);
    label->setFont(f);
    label->move(48, 17);
}
