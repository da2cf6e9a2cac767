#include "ui/framework/TblFrm.h"
#include "ui/framework/Title1Fra.h"
#include "ui/framework/ZoDBGrid.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

TTblFrm::TTblFrm(QWidget *parent)
    : TWinFrm(parent), Image1(new QLabel(this)), LblTitle1(new QLabel(Image1)), DBGrid1(new TzoDBGrid(this)),
      StatusPanel1(new QFrame(this)), StatusText(new QLabel(StatusPanel1)), ProgressBar1(new QProgressBar(StatusPanel1))
{
    resize(750, 550);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedHeight(49);
    Image1->setPixmap(TTitle1Fra::TitlePicture(QSize(2000, 49)));
    TTitle1Fra::StyleTitleLabel(LblTitle1);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setFrameShape(QFrame::Panel);
    StatusPanel1->setFrameShadow(QFrame::Sunken);
    StatusPanel1->setFixedHeight(18);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setFixedWidth(188);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    auto *status = new QHBoxLayout(StatusPanel1);
    status->setContentsMargins(2, 0, 0, 0);
    status->addWidget(StatusText, 1);
    status->addWidget(ProgressBar1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Image1);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(StatusPanel1);
}

void TTblFrm::showEvent(QShowEvent *event)
{
    TWinFrm::showEvent(event);
    setWindowState(windowState() | Qt::WindowMaximized);
}
