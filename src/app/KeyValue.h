#pragma once
#include "data/RecordSet.h"

// Key ids of the keyvalue table.
enum TKeyId {
    kFeedbackPrompt = 0,
    kDailyTipPrompt = 1,
    kGetStartPrompt = 2,
    kExportColumns = 3,
    kFirstLabel = 4, // 4..15: the twelve custom-field labels
    kPickStaff = 16,
    kPickAddKind = 17,
    kPickLayPlace = 18,
    kPickUseState = 19,
    kPickReduceWay = 20,
    kPickRepairKind = 21,
    kPickRepairDept = 22,
};

// The keyvalue table: single settings, labels and pick lists.
class TKeyValue2 : public TRecordSet {
public:
    TKeyValue2();

    // Stored text of a key; `def` when there is no row or the text is empty.
    static QString ReadStr(int keyId, const QString &def);
    static bool ReadBool(int keyId);
    // Update, else insert; true when the last statement affected exactly one row.
    static bool WriteValues(int keyId, const QString &vstr, bool vbool, double vfloat, int vint);

    // Locates the key in the cached table, inserting an empty row for a missing key.
    void Find(int keyId);
    bool Flag(int keyId);
    void SetFlag(int keyId, bool value);

    bool FeedbackPrompt() { return Flag(kFeedbackPrompt); }
    void SetFeedbackPrompt(bool v) { SetFlag(kFeedbackPrompt, v); }
    bool DailyTipPrompt() { return Flag(kDailyTipPrompt); }
    void SetDailyTipPrompt(bool v) { SetFlag(kDailyTipPrompt, v); }
    bool GetStartPrompt() { return Flag(kGetStartPrompt); }
    void SetGetStartPrompt(bool v) { SetFlag(kGetStartPrompt, v); }
};

TKeyValue2 &KeyValues();
void ResetKeyValues();
