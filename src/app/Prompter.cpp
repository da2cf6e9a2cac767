#include "app/Prompter.h"
#include <cstdio>

namespace {
std::unique_ptr<TPrompter> &slot()
{
    static std::unique_ptr<TPrompter> prompter = std::make_unique<TStderrPrompter>();
    return prompter;
}
} // namespace

std::unique_ptr<TPrompter> SetPrompter(std::unique_ptr<TPrompter> prompter)
{
    std::unique_ptr<TPrompter> old = std::move(slot());
    slot() = prompter ? std::move(prompter) : std::make_unique<TStderrPrompter>();
    return old;
}

TPrompter &Prompter() { return *slot(); }

void ShowInfo(const QString &text)
{
    Prompter().Message(TPrompter::Icon::Information, QStringLiteral("\r\n") + text + u'\t');
}

bool ConfirmDelete(const QString &what)
{
    const QString subject = what.isEmpty() ? QStringLiteral("当前记录") : what;
    return Prompter().OkCancel(TPrompter::Icon::Warning, QStringLiteral("\r您确定要删除 %1 吗?\t\t").arg(subject));
}

bool Confirm(const QString &action)
{
    return Prompter().OkCancel(TPrompter::Icon::Question, QStringLiteral("\r您确定要 %1 吗?\t\t").arg(action));
}

QString RepeatChar(QChar c, int count)
{
    return count > 0 ? QString(count, c) : QString();
}

QString PlainMessageText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.remove(u'\r');
    t.replace(u'\t', QStringLiteral("    "));
    return t.trimmed();
}

void TStderrPrompter::Message(Icon, const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(PlainMessageText(text)));
}

bool TStderrPrompter::OkCancel(Icon icon, const QString &text)
{
    Message(icon, text);
    return false;
}

bool TStderrPrompter::YesNo(Icon icon, const QString &text)
{
    Message(icon, text);
    return false;
}
