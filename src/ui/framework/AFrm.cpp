#include "ui/framework/AFrm.h"
#include "app/Launcher.h"
#include "app/Paths.h"
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

TaFrm::TaFrm(QWidget *parent) : QDialog(parent)
{
    // A window shortcut sees F1 before the focused control does.
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { ShowHelp(); });
}

QString TaFrm::HelpPage(const QString &topic) const
{
    QString t = topic;
    if (t.isEmpty())
        t = objectName().left(qMax(0, int(objectName().size()) - 3));
    return TopicPage(t);
}

QString TaFrm::TopicPage(const QString &topic)
{
    const QString page = ZoPaths::Resource(QStringLiteral("help/%1.htm").arg(topic));
    // Topics without a page of their own land on the contents page.
    return QFileInfo::exists(page) ? page : ZoPaths::Resource(QStringLiteral("help/index.htm"));
}

void TaFrm::ShowHelp(const QString &topic)
{
    Launcher::OpenFile(HelpPage(topic));
}

QPoint TaFrm::PointerPlacement(const QPoint &pointer, const QSize &size, const QRect &screen)
{
    const int sw = screen.width(), sh = screen.height();
    int top = pointer.y() - size.height() / 2;
    if (top < 0)
        top = 20;
    if (top + size.height() > sh - 50)
        top = sh - size.height() - 50;
    int left = pointer.x() - size.width() / 2;
    if (left < 0)
        left = 20;
    if (left > sw - size.width() - 20)
        left = sw - size.width() - 20;
    return {screen.left() + left, screen.top() + top};
}

Qt::Edges TaFrm::BorderlessEdges(int x, int y, int w, int h)
{
    if (x < 10 && y < 10) return Qt::TopEdge | Qt::LeftEdge;
    if (x > w - 10 && y < 10) return Qt::TopEdge | Qt::RightEdge;
    if (x > w - 10 && y > h - 10) return Qt::BottomEdge | Qt::RightEdge;
    if (x < 10 && y > h - 10) return Qt::BottomEdge | Qt::LeftEdge;
    if (x <= 4) return Qt::LeftEdge;
    if (y <= 4) return Qt::TopEdge;
    if (x > w - 5) return Qt::RightEdge;
    if (y > h - 5) return Qt::BottomEdge;
    return {};
}

void TaFrm::place()
{
    const bool centre = m_placement != TPlacement::AtPointer && !m_shownBefore;
    m_shownBefore = true;
    if (centre) {
        QWidget *anchor = m_placement == TPlacement::CentreOnOwner ? parentWidget() : nullptr;
        if (m_placement == TPlacement::CentreOnMain)
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->objectName() == QStringLiteral("mainFrm"))
                    anchor = top;
        if (anchor) {
            const QRect r = anchor->window()->frameGeometry();
            move(r.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
            return;
        }
    }
    const QPoint pointer = QCursor::pos();
    const QScreen *screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        move(PointerPlacement(pointer, frameGeometry().size(), screen->availableGeometry()));
}

void TaFrm::showEvent(QShowEvent *event)
{
    if (!isMaximized())
        place();
    QDialog::showEvent(event);
}

void TaFrm::mousePressEvent(QMouseEvent *event)
{
    if ((windowFlags() & Qt::FramelessWindowHint) && windowHandle()) {
        const QPoint p = event->position().toPoint();
        const Qt::Edges edges = BorderlessEdges(p.x(), p.y(), width(), height());
        if (edges && windowHandle()->startSystemResize(edges))
            return;
    }
    QDialog::mousePressEvent(event);
}
