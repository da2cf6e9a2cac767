#pragma once

class QWidget;

namespace ZoEntry {
// Connects with the stored settings; while that fails shows the connection
// dialog and tries again after OK. False when the operator cancels.
bool ConnectDatabase(QWidget *dialogParent = nullptr);
// The whole program: splash, connection, settings, main window, message loop.
int Run();
} // namespace ZoEntry
