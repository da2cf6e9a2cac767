#include "app/Project.h"
#include "app/Prompter.h"
#include <QProcess>
#include <QStandardPaths>

QString TProject::FindProgram(const QStringList &candidates)
{
    for (const QString &name : candidates) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

QStringList TProject::EditorCandidates()
{
    return {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("mousepad"), QStringLiteral("pluma"),
            QStringLiteral("xed"), QStringLiteral("kate"), QStringLiteral("kwrite"), QStringLiteral("featherpad")};
}

QStringList TProject::CalculatorCandidates()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
}

static bool startFirst(const QStringList &candidates, const QString &what)
{
    const QString program = TProject::FindProgram(candidates);
    if (program.isEmpty() || !QProcess::startDetached(program, {})) {
        ShowInfo(QStringLiteral("没有找到%1程序,请先安装(例如 %2).").arg(what, candidates.first()));
        return false;
    }
    return true;
}

bool TProject::Notepad() { return startFirst(EditorCandidates(), QStringLiteral("文本编辑")); }
bool TProject::Calculator() { return startFirst(CalculatorCandidates(), QStringLiteral("计算器")); }
