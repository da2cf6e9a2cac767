#include "app/Launcher.h"
#include <QDesktopServices>
#include <QUrl>

namespace Launcher {

static bool openWithDesktop(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

static Opener &current()
{
    static Opener opener = openWithDesktop;
    return opener;
}

Opener SetOpener(Opener opener)
{
    Opener previous = current();
    current() = opener ? std::move(opener) : Opener(openWithDesktop);
    return previous;
}

bool OpenFile(const QString &path)
{
    return current()(path);
}

} // namespace Launcher
