#pragma once
#include <QApplication>
#include <exception>
#include <functional>

// The application object. An exception that escapes an event handler goes
// to the error handler instead of ending the program; a silent abort (a
// refused right, a failure already shown) is dropped.
class TZoApplication : public QApplication {
    Q_OBJECT
public:
    TZoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Replaces the handler (the error-report window installs its own).
    static void SetErrorHandler(std::function<void(const QString &message)> handler);
    // Shows an escaped exception through the current handler.
    static void HandleException(std::exception_ptr error);
    // Runs a command of a button or menu; an escaping error goes to the handler. True when it finished.
    static bool Guard(const std::function<void()> &command);
};
