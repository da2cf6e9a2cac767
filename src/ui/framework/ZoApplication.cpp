#include "ui/framework/ZoApplication.h"
#include "app/Identity.h"
#include "app/Prompter.h"
#include "data/Exceptions.h"
#include <QFont>
#include <QFontDatabase>

namespace {
std::function<void(const QString &)> &errorHandler()
{
    static std::function<void(const QString &)> handler = [](const QString &message) {
        Prompter().Message(TPrompter::Icon::Error, message);
    };
    return handler;
}
} // namespace

TZoApplication::TZoApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("zokamo"));
    setApplicationDisplayName(ZoIdentity::AppTitle());
    // A CJK-capable face for every window, whatever the desktop's default is.
    const QStringList families = QFontDatabase::families();
    for (const QString &face : {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")}) {
        if (families.contains(face)) {
            QFont f(face);
            f.setPointSize(10);
            setFont(f);
            break;
        }
    }
}

bool TZoApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException(std::current_exception());
    }
    return false;
}

void TZoApplication::SetErrorHandler(std::function<void(const QString &)> handler)
{
    errorHandler() = std::move(handler);
}

void TZoApplication::HandleException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const EAbort &) {
        // already shown, or nothing to show
    } catch (const EZoError &e) {
        errorHandler()(e.Message());
    } catch (const std::exception &e) {
        errorHandler()(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        errorHandler()(QStringLiteral("未知错误"));
    }
}

bool TZoApplication::Guard(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (...) {
        HandleException(std::current_exception());
    }
    return false;
}
