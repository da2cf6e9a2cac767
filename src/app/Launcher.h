#pragma once
#include <QString>
#include <functional>

// Opens files and pages with the desktop's default application. Tests
// install their own opener so that nothing is launched.
namespace Launcher {
using Opener = std::function<bool(const QString &path)>;
// Installs `opener` and returns the previous one; an empty opener restores the desktop's.
Opener SetOpener(Opener opener);
// True when some application accepted the file.
bool OpenFile(const QString &path);
} // namespace Launcher
