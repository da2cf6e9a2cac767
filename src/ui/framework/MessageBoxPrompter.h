#pragma once
#include "app/Prompter.h"

// The prompter of the program: modal message boxes with Chinese buttons.
class TMessageBoxPrompter : public TPrompter {
public:
    void Message(Icon icon, const QString &text) override;
    bool OkCancel(Icon icon, const QString &text) override;
    bool YesNo(Icon icon, const QString &text) override;
    QString FileName(bool forSaving, const QString &title, const QString &filter, const QString &suggested) override;
};
