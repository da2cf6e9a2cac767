#pragma once
#include <QString>
#include <QStringList>

// Desktop helpers of the Tools menu: a text editor and a calculator, the
// first of the usual Linux desktop programs that is installed.
class TProject {
public:
    static bool Notepad();
    static bool Calculator();
    // The first of `candidates` found on PATH; empty when none is.
    static QString FindProgram(const QStringList &candidates);
    static QStringList EditorCandidates();
    static QStringList CalculatorCandidates();
};
