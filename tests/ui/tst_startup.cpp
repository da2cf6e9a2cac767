#include "ZkTest.h"
#include "app/Configer.h"
#include "app/Paths.h"
#include "data/ConnectionString.h"
#include "data/RecordSet.h"
#include "ui/Entry.h"
#include "ui/windows/DBConfig.h"
#include "ui/windows/Splash.h"
#include "ui/windows/main.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using namespace ZkTest;

// Runs `step` on the connection dialog as soon as it is shown modally.
static void whenDialogShows(std::function<void(TDBConfigFrm *)> step)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
        if (auto *dlg = qobject_cast<TDBConfigFrm *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            step(dlg);
        }
    });
    timer->start();
}

static void saveUnreachableServer()
{
    TConfiger c;
    c.ProviderIdx = piServer;
    c.MssqlServer = QStringLiteral("127.0.0.1");
    c.MssqlPort = 1;
    c.MssqlDb = QStringLiteral("ledger");
    c.MssqlUser = QStringLiteral("kamo");
    QVERIFY(c.Save());
}

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstRunCreatesTheEmbeddedDatabase();
    void unreachableServerThenLocalDefault();
    void cancellingTheDialogGivesUp();
    void wrongPortKeepsTheDialogOpen();
    void splashSteps();
    void mainWindowShell();
};

void TestStartup::firstRunCreatesTheEmbeddedDatabase()
{
    TFreshHome home;
    QVERIFY(ZoEntry::ConnectDatabase());
    QVERIFY(QFile::exists(home.Path() + QStringLiteral("/zokamo.db")));
    QCOMPARE(AppDatabase().ProviderName(), QStringLiteral("SQLite"));
    QCOMPARE(Scalar(QStringLiteral("select count(*) from method")).toInt(), 4);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from operator where LoginId='sa'")).toInt(), 1);
    QVERIFY(home.Prompter().Messages.isEmpty());
}

void TestStartup::unreachableServerThenLocalDefault()
{
    TFreshHome home;
    saveUnreachableServer();
    bool dialogSeen = false;
    whenDialogShows([&](TDBConfigFrm *dlg) {
        dialogSeen = true;
        auto *provider = dlg->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        QCOMPARE(provider->currentIndex(), 0);
        QCOMPARE(dlg->findChild<QLineEdit *>(QStringLiteral("mssqlPortEdit1"))->text(), QStringLiteral("1"));
        QVERIFY(!dlg->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->isVisible());
        provider->setCurrentIndex(1);
        auto *useDefault = dlg->findChild<QCheckBox *>(QStringLiteral("jetDefaultCheckBox1"));
        useDefault->setChecked(true);
        QVERIFY(!dlg->findChild<QLineEdit *>(QStringLiteral("jetfileEdit1"))->isEnabled());
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    QVERIFY(ZoEntry::ConnectDatabase());
    QVERIFY(dialogSeen);
    QVERIFY(home.Prompter().Messages.first().text.startsWith(QStringLiteral("\r\n连接时失败,提示如下:\r\n")));
    QCOMPARE(AppDatabase().DataSourceName(), ZoPaths::DefaultDatabase());
    TConfiger saved;
    QCOMPARE(saved.ProviderIdx, int(piLocalFile));
    QVERIFY(saved.DefaultCon);
    QCOMPARE(saved.MssqlServer, QStringLiteral("127.0.0.1")); // the other page keeps its values
}

void TestStartup::cancellingTheDialogGivesUp()
{
    TFreshHome home;
    saveUnreachableServer();
    whenDialogShows([](TDBConfigFrm *dlg) {
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
    });
    QVERIFY(!ZoEntry::ConnectDatabase());
    QVERIFY(!AppDatabase().Connected());
    QVERIFY(!QFile::exists(ZoPaths::DefaultDatabase()));
}

void TestStartup::wrongPortKeepsTheDialogOpen()
{
    TFreshHome home;
    TDBConfigFrm dlg;
    dlg.show();
    auto *port = dlg.findChild<QLineEdit *>(QStringLiteral("mssqlPortEdit1"));
    port->setText(QStringLiteral("54x"));
    QTest::mouseClick(dlg.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(home.Prompter().LastText().contains(QStringLiteral("54x")));
    QVERIFY(!QFile::exists(ZoPaths::ConfigFile()));
    // Enter walks through the inputs instead of closing.
    dlg.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setCurrentIndex(0);
    auto *server = dlg.findChild<QLineEdit *>(QStringLiteral("mssqlServerEdit1"));
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    server->setFocus();
    QTest::keyClick(server, Qt::Key_Return);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.focusWidget(), static_cast<QWidget *>(port));
}

void TestStartup::splashSteps()
{
    TFreshHome home;
    TSplashFrm splash;
    QCOMPARE(splash.Caption(), QStringLiteral("正在创建数据连接..."));
    splash.ShowStep(QStringLiteral("正在连接数据库,请稍候..."));
    splash.ShowStep(QString());
    QCOMPARE(splash.Caption(), QStringLiteral("正在连接数据库,请稍候...."));
    if (const QString dir = qEnvironmentVariable("ZK_SHOT_DIR"); !dir.isEmpty()) {
        splash.show();
        splash.grab().save(dir + QStringLiteral("/splash.png"));
        TDBConfigFrm dlg;
        dlg.show();
        dlg.grab().save(dir + QStringLiteral("/dbconfig.png"));
    }
}

void TestStartup::mainWindowShell()
{
    TLedger ledger;
    auto *frm = new TmainFrm;
    frm->show();
    QCOMPARE(frm->StatusText(0), AppDatabase().DataSourceName());
    QStringList menus;
    const auto actions = frm->menuBar()->actions();
    for (const QAction *a : actions)
        menus.append(a->text());
    QCOMPARE(menus, (QStringList{QStringLiteral("文件(&F)"), QStringLiteral("资产(&M)"), QStringLiteral("视图(&V)"), QStringLiteral("输出(&O)"),
                                 QStringLiteral("报表(&J)"), QStringLiteral("工具(&T)"), QStringLiteral("帮助(&H)")}));
    QVERIFY(frm->Action(QStringLiteral("N_Exit"))->isEnabled());
    if (const QString dir = qEnvironmentVariable("ZK_SHOT_DIR"); !dir.isEmpty())
        frm->grab().save(dir + QStringLiteral("/main.png"));
    frm->Action(QStringLiteral("N_Exit"))->trigger();
    QVERIFY(!frm->isVisible());
    QVERIFY(!AppDatabase().Connected());
    delete frm;
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
