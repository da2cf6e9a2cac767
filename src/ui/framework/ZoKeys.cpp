#include "ui/framework/ZoKeys.h"
#include <QKeyEvent>
#include <QWidget>

namespace ZoKeys {

bool IsEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

void MoveFocus(QWidget *from, bool backwards)
{
    // Walk the window's tab chain to the next control that can take the focus.
    QWidget *w = from;
    do {
        w = backwards ? w->previousInFocusChain() : w->nextInFocusChain();
        if (w->focusProxy())
            continue;
        if (w != from && w->window() == from->window() && (w->focusPolicy() & Qt::TabFocus)
            && w->isVisibleTo(from->window()) && w->isEnabled()) {
            w->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return;
        }
    } while (w != from);
}

} // namespace ZoKeys
