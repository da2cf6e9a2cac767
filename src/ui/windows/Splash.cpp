#include "ui/windows/Splash.h"
#include "app/Identity.h"
#include "app/Paths.h"
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {
// The picture shown when no splash.jpg is installed.
QPixmap builtInPicture()
{
    QPixmap pm(460, 260);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, pm.height());
    g.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
    g.setColorAt(1, QColor(0x0b, 0x24, 0x47));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::white);
    QFont title = QApplication::font();
    title.setPointSize(22);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 70, pm.width(), 50), Qt::AlignHCenter, ZoIdentity::AppTitle());
    QFont small = QApplication::font();
    small.setPointSize(10);
    p.setFont(small);
    p.setPen(QColor(0xc8, 0xd6, 0xea));
    p.drawText(QRect(0, 130, pm.width(), 30), Qt::AlignHCenter, ZoIdentity::AppEdition());
    return pm;
}
} // namespace

TSplashFrm::TSplashFrm(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashFrm"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    const QString picture = ZoPaths::Resource(QStringLiteral("splash.jpg"));
    QPixmap pm;
    if (!QFileInfo::exists(picture) || !pm.load(picture))
        pm = builtInPicture();
    Image1->setPixmap(pm);
    Label1 = new QLabel(QStringLiteral("正在创建数据连接..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: silver; background: #0b2447; padding: 4px 8px;"));
    layout->addWidget(Image1);
    layout->addWidget(Label1);
    setStyleSheet(QStringLiteral("TSplashFrm { border: 1px solid #555; }"));
    adjustSize();
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TSplashFrm::ShowStep(const QString &text)
{
    Label1->setText(text.isEmpty() ? Label1->text() + u'.' : text);
    Label1->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString TSplashFrm::Caption() const { return Label1->text(); }
