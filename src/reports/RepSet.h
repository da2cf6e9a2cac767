#pragma once
#include "data/RecordSet.h"

// The templates of one report group, by title.
class TRepSet : public TRecordSet {
public:
    explicit TRepSet(TDatabase *database = nullptr);
    void OpenGroup(int groupId);
    TField *IdField = nullptr;
    TField *TitleField = nullptr;
};
