#include "ui/framework/ZoPopupMenu.h"

TzoPopupMenu::TzoPopupMenu(QWidget *parent) : QMenu(parent) {}

void TzoPopupMenu::insertAt(QMenu *menu, QAction *action, int index)
{
    const QList<QAction *> items = menu->actions();
    if (index < 0 || index >= items.size())
        menu->addAction(action);
    else
        menu->insertAction(items[index], action);
}

QAction *TzoPopupMenu::AddActionItem(QAction *action, int index, QMenu *parent)
{
    insertAt(parent ? parent : this, action, index);
    return action;
}

QAction *TzoPopupMenu::AddItem(const QString &caption, bool atTop, std::function<void()> handler)
{
    auto *action = new QAction(caption, this);
    if (caption == QStringLiteral("-"))
        action->setSeparator(true);
    else if (handler)
        connect(action, &QAction::triggered, this, [handler] { handler(); });
    insertAt(this, action, atTop ? 0 : -1);
    return action;
}

QAction *TzoPopupMenu::AddSeparator(int index, QMenu *parent)
{
    auto *action = new QAction(this);
    action->setSeparator(true);
    insertAt(parent ? parent : this, action, index);
    return action;
}
