#include "app/Startup.h"
#include "data/DataSet.h"
#include "ui/Entry.h"
#include "ui/framework/MessageBoxPrompter.h"
#include "ui/framework/ZoApplication.h"
#include <QElapsedTimer>

int main(int argc, char *argv[])
{
    TZoApplication app(argc, argv);
    ZoStartup::InitProcess();
    SetPrompter(std::make_unique<TMessageBoxPrompter>());
    // Long lists keep the windows painted while they load; input waits until the list is there.
    TDataSet::LoadTicker() = [] {
        static QElapsedTimer sinceLast;
        if (!sinceLast.isValid() || sinceLast.elapsed() > 80) {
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sinceLast.restart();
        }
    };
    int rc = 0;
    try {
        rc = ZoEntry::Run();
    } catch (...) {
        TZoApplication::HandleException(std::current_exception());
        rc = 1;
    }
    return rc;
}
