#pragma once
#include "ui/framework/ZoDBGrid.h"

// The grid of the asset list and the analysis windows: a refused right for
// export or layout saving shows its message and the command does nothing.
class TKamoDBGrid : public TzoDBGrid {
    Q_OBJECT
public:
    using TzoDBGrid::TzoDBGrid;
    void SaveToExcelClick() override;
    void SaveToHtmlClick() override;
    void SaveLayoutClick() override;
};
