#pragma once
class QKeyEvent;
class QWidget;

// The keyboard conventions of entry controls: Enter moves to the next
// control, Shift+Enter to the previous one.
namespace ZoKeys {
bool IsEnter(const QKeyEvent *event);
void MoveFocus(QWidget *from, bool backwards);
} // namespace ZoKeys
