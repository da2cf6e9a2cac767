#include "ui/commands/ListCommands.h"
#include "app/Prompter.h"
#include "app/Rights.h"
#include "ledger/Asset.h"
#include "ui/framework/KamoDBGrid.h"
#include "ui/windows/main.h"
#include <QAction>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace ListCommands {

bool DeleteAsset(TmainFrm &frm)
{
    Rights::Require(10);
    TAssetsSet &assets = frm.Assets();
    if (assets.DataSet()->RecNo() < 0)
        return false;
    RAsset asset = assets.AsData();
    if (!Prompter().OkCancel(TPrompter::Icon::Warning, u"\r\n您确定要删除资产%1的档案资料吗?"_s.arg(asset.Code)))
        return false;
    return assets.Delete(asset);
}

void Bind(TmainFrm &frm)
{
    frm.Bind(u"N_Find"_s, [&frm] { frm.OpenFinder(); });
    frm.Bind(u"N_DeleteAsset"_s, [&frm] { DeleteAsset(frm); });
    frm.Bind(u"N_ViewTree"_s, [&frm] { frm.Tree()->setVisible(frm.Action(u"N_ViewTree"_s)->isChecked()); });
    frm.Bind(u"N_Sort"_s, [&frm] { frm.Grid()->SortClick(); });
    frm.Bind(u"N_ChooseColumns"_s, [&frm] { frm.Grid()->PickColumnsClick(); });
    frm.Bind(u"N_SaveListStyle"_s, [&frm] { frm.Grid()->SaveLayoutClick(); });
}

} // namespace ListCommands
