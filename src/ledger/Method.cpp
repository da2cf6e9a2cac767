#include "ledger/Method.h"

using namespace Qt::StringLiterals;

TMethodSet::TMethodSet(TDatabase *database) : TQuerySet(database)
{
    IdFld = AddField(TFieldKind::Integer, u"Id"_s, -1, false, u"Id"_s);
    NameFld = AddField(TFieldKind::WideString, u"Name"_s, 50, true, u"折旧法"_s);
    Open(u"select * from method order by Id"_s);
}

void TMethodSet::ReadCurrent(RMethod &method) const
{
    method.Id = IdFld->AsInteger();
    method.Name = NameFld->AsString();
}
