#include "ui/commands/TreeCommands.h"
#include "app/AppEvents.h"
#include "ui/windows/Catalog.h"
#include "ui/windows/Department.h"
#include "ui/windows/main.h"

using namespace Qt::StringLiterals;

namespace TreeCommands {

void Bind(TmainFrm &frm)
{
    frm.Bind(u"N_Catalog"_s, [&frm] {
        {
            TCatalogFrm dlg(&frm);
            dlg.exec();
        }
        Q_EMIT TAppEvents::Instance().classesChanged(); // the main tree follows the edits
    });
    frm.Bind(u"N_Department"_s, [&frm] {
        TDepartmentFrm dlg(&frm);
        dlg.exec();
    });
}

} // namespace TreeCommands
