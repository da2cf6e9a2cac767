#pragma once
#include "data/RecordSet.h"

struct RMethod {
    qint32 Id = 0;
    QString Name;
};

// The depreciation methods, in Id order; opened on construction.
class TMethodSet : public TQuerySet {
public:
    explicit TMethodSet(TDatabase *database = nullptr);
    TField *IdFld, *NameFld;
    void ReadCurrent(RMethod &method) const;
};
