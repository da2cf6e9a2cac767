#pragma once
#include <QString>
#include <QStringList>
#include <memory>

// Everything that domain code shows to or asks of the user goes through the
// process-wide prompter: message boxes in the program, a script in tests,
// standard error in the command-line tool.
class TPrompter {
public:
    enum class Icon { Information, Warning, Question, Error };
    virtual ~TPrompter() = default;
    // A box with an OK button.
    virtual void Message(Icon icon, const QString &text) = 0;
    // A box with OK and Cancel; true for OK.
    virtual bool OkCancel(Icon icon, const QString &text) = 0;
    // A box with Yes and No; true for Yes.
    virtual bool YesNo(Icon icon, const QString &text) = 0;
    // A file to open or save; empty when the user cancels.
    virtual QString FileName(bool forSaving, const QString &title, const QString &filter, const QString &suggested) = 0;
};

// Installs `prompter` (owned from then on) and returns the previous one.
std::unique_ptr<TPrompter> SetPrompter(std::unique_ptr<TPrompter> prompter);
TPrompter &Prompter();

// "\r\n" + text + "\t" with an information icon.
void ShowInfo(const QString &text);
// "\r您确定要删除 %s 吗?\t\t"; an empty `what` reads "当前记录". True only for OK.
bool ConfirmDelete(const QString &what = QString());
// "\r您确定要 %s 吗?\t\t". True only for OK.
bool Confirm(const QString &action);
QString RepeatChar(QChar c, int count);

// Answers nothing and writes every message to standard error (command line, batch runs).
class TStderrPrompter : public TPrompter {
public:
    void Message(Icon icon, const QString &text) override;
    bool OkCancel(Icon icon, const QString &text) override;
    bool YesNo(Icon icon, const QString &text) override;
    QString FileName(bool, const QString &, const QString &, const QString &) override { return {}; }
};

// Removes the padding ("\r", "\t") that the texts carry for their boxes.
QString PlainMessageText(const QString &text);
