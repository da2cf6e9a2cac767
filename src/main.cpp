#include "app/Startup.h"
#include "ui/Entry.h"
#include "ui/framework/MessageBoxPrompter.h"
#include "ui/framework/ZoApplication.h"

int main(int argc, char *argv[])
{
    TZoApplication app(argc, argv);
    ZoStartup::InitProcess();
    SetPrompter(std::make_unique<TMessageBoxPrompter>());
    int rc = 0;
    try {
        rc = ZoEntry::Run();
    } catch (...) {
        TZoApplication::HandleException(std::current_exception());
        rc = 1;
    }
    return rc;
}
