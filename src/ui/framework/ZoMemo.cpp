#include "ui/framework/ZoMemo.h"
#include "ui/framework/ZoColors.h"

TzoMemo::TzoMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

void TzoMemo::focusInEvent(QFocusEvent *event)
{
    ZoColors::SetBackground(this, isReadOnly() ? ZoColors::Yellow() : ZoColors::Aqua());
    QPlainTextEdit::focusInEvent(event);
}

void TzoMemo::focusOutEvent(QFocusEvent *event)
{
    ZoColors::SetBackground(this, ZoColors::White());
    QPlainTextEdit::focusOutEvent(event);
}
