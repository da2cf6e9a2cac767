#include "ui/framework/KamoDBGrid.h"
#include "app/Rights.h"

void TKamoDBGrid::SaveToExcelClick()
{
    if (Rights::Require(10004, false))
        TzoDBGrid::SaveToExcelClick();
}

void TKamoDBGrid::SaveToHtmlClick()
{
    if (Rights::Require(10004, false))
        TzoDBGrid::SaveToHtmlClick();
}

void TKamoDBGrid::SaveLayoutClick()
{
    if (Rights::Require(10006, false))
        TzoDBGrid::SaveLayoutClick();
}
