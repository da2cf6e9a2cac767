#include "ZkTest.h"
#include "app/Project.h"
#include <QFile>

using namespace ZkTest;

class TestProject : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findsTheFirstInstalledProgram();
    void missingCalculatorIsReported();
};

// A PATH holding only the given executables.
static QByteArray fakePath(const QTemporaryDir &dir, const QStringList &programs)
{
    for (const QString &p : programs) {
        QFile f(dir.filePath(p));
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\nexit 0\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return dir.path().toUtf8();
}

void TestProject::findsTheFirstInstalledProgram()
{
    const QByteArray saved = qgetenv("PATH");
    QTemporaryDir dir;
    qputenv("PATH", fakePath(dir, {QStringLiteral("kcalc"), QStringLiteral("xcalc"), QStringLiteral("mousepad")}));
    QCOMPARE(TProject::FindProgram(TProject::CalculatorCandidates()), dir.filePath(QStringLiteral("kcalc")));
    QCOMPARE(TProject::FindProgram(TProject::EditorCandidates()), dir.filePath(QStringLiteral("mousepad")));
    qputenv("PATH", saved);
}

void TestProject::missingCalculatorIsReported()
{
    TFreshHome home;
    const QByteArray saved = qgetenv("PATH");
    QTemporaryDir dir;
    qputenv("PATH", fakePath(dir, {}));
    QVERIFY(!TProject::Calculator());
    QCOMPARE(home.Prompter().LastText(), QStringLiteral("\r\n没有找到计算器程序,请先安装(例如 gnome-calculator).\t"));
    qputenv("PATH", saved);
}

QTEST_GUILESS_MAIN(TestProject)
#include "tst_project.moc"
