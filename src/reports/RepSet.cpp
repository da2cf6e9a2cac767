#include "reports/RepSet.h"

TRepSet::TRepSet(TDatabase *database) : TRecordSet(database)
{
    IdField = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, true, QStringLiteral("Id"));
    TitleField = AddField(TFieldKind::WideString, QStringLiteral("Title"), -1, true, QStringLiteral("标题"));
}

void TRepSet::OpenGroup(int groupId)
{
    Open(QStringLiteral("select Id,Title from report where GrpId=:GroupId order by Title"),
         {DBParam(QStringLiteral("GroupId"), groupId)});
}
