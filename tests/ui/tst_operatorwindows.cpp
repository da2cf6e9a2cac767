#include "ZkTest.h"
#include "app/AppEvents.h"
#include "app/Company.h"
#include "app/Configer.h"
#include "app/CustomLabels.h"
#include "app/KeyValue.h"
#include "app/Operator.h"
#include "data/RecordSet.h"
#include "ui/windows/CompanyInfo.h"
#include "ui/windows/Login.h"
#include "ui/windows/OperatorEditor.h"
#include "ui/windows/Operators.h"
#include "ui/windows/OptionEditor.h"
#include "ui/windows/PasswordChanger.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using namespace ZkTest;

// Runs each step on the modal dialog of type T that is showing, one step per showing.
template <typename T>
static void onEachShowing(QList<std::function<void(T *)>> steps)
{
    auto *timer = new QTimer;
    timer->setInterval(15);
    auto seen = std::make_shared<QPointer<QWidget>>();
    auto pending = std::make_shared<QList<std::function<void(T *)>>>(std::move(steps));
    QObject::connect(timer, &QTimer::timeout, timer, [timer, seen, pending] {
        auto *dlg = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dlg || !dlg->isVisible()) {
            *seen = nullptr;
            return;
        }
        if (*seen == dlg)
            return; // still the same showing
        *seen = dlg;
        // A dialog shown again after it closed is a new showing.
        QObject::connect(dlg, &QDialog::finished, timer, [seen] { *seen = nullptr; });
        auto step = pending->takeFirst();
        if (pending->isEmpty()) {
            timer->stop();
            timer->deleteLater();
        }
        step(dlg);
    });
    timer->start();
}

template <typename W>
static W *child(QWidget *w, const char *name)
{
    W *c = w->findChild<W *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

static void pressOk(QWidget *dlg) { QTest::mouseClick(child<QPushButton>(dlg, "OkBtn1"), Qt::LeftButton); }

class TestOperatorWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loginDialog();
    void passwordChange();
    void operatorAdministration();
    void optionsWindowRenamesLabels();
    void failedCompanySaveRestoresTheCompany();
};

void TestOperatorWindows::loginDialog()
{
    TLedger ledger;
    TOperatorSet().AddOperator(QStringLiteral("kim"), QStringLiteral("Pw"), QStringLiteral(",9,"), QString(), QString(), QString());
    TLoginFrm dlg;
    dlg.show();
    auto *name = child<QComboBox>(&dlg, "edtLoginId1");
    auto *pw = child<QLineEdit>(&dlg, "edtPassword1");
    QCOMPARE(name->currentText(), QStringLiteral("sa")); // nothing remembered yet
    QCOMPARE(name->count(), 1);                          // sa is not listed
    if (const QString dir = qEnvironmentVariable("ZK_SHOT_DIR"); !dir.isEmpty())
        dlg.grab().save(dir + QStringLiteral("/login.png"));
    struct Attempt {
        const char *name;
        const char *password;
    };
    for (const Attempt &a : {Attempt{"nobody", ""}, Attempt{"kim", "pw"}, Attempt{"kim", ""}, Attempt{"sa", "x"}}) {
        name->setEditText(QString::fromLatin1(a.name));
        pw->setText(QString::fromLatin1(a.password));
        pressOk(&dlg);
        QVERIFY2(dlg.isVisible(), a.name);
        QCOMPARE(pw->selectedText(), pw->text());
    }
    QVERIFY(ledger.Prompter().Messages.isEmpty()); // a wrong login says nothing
    name->setEditText(QStringLiteral("kim"));
    pw->setText(QStringLiteral("Pw"));
    QTest::keyClick(pw, Qt::Key_Return);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(CurrentOperator().LoginId, QStringLiteral("kim"));
    QCOMPARE(TConfiger::ReadLastLoginId(), QStringLiteral("kim"));
    TLoginFrm again;
    QCOMPARE(child<QComboBox>(&again, "edtLoginId1")->currentText(), QStringLiteral("kim"));
    // The empty seeded password of sa matches an empty entry.
    child<QComboBox>(&again, "edtLoginId1")->setEditText(QStringLiteral("sa"));
    again.show();
    pressOk(&again);
    QCOMPARE(again.result(), int(QDialog::Accepted));
    QCOMPARE(CurrentOperator().LoginId, QStringLiteral("sa"));
}

void TestOperatorWindows::passwordChange()
{
    TLedger ledger;
    QVERIFY(CurrentOperator().LogIn(QStringLiteral("sa"), QString()));
    onEachShowing<TPasswordChangerFrm>({
        [](TPasswordChangerFrm *d) {
            child<QLineEdit>(d, "edtNewPassword1")->setText(QStringLiteral("abc"));
            child<QLineEdit>(d, "edtNewPassword2")->setText(QStringLiteral("abd"));
            pressOk(d);
            QVERIFY(d->isVisible());
            QVERIFY(child<QLineEdit>(d, "edtNewPassword1")->text().isEmpty());
            child<QLineEdit>(d, "edtPassword1")->setText(QStringLiteral("wrong"));
            child<QLineEdit>(d, "edtNewPassword1")->setText(QStringLiteral("abc"));
            child<QLineEdit>(d, "edtNewPassword2")->setText(QStringLiteral("abc"));
            pressOk(d);
        },
        [](TPasswordChangerFrm *d) {
            child<QLineEdit>(d, "edtPassword1")->clear();
            child<QLineEdit>(d, "edtNewPassword1")->setText(QStringLiteral("abc"));
            child<QLineEdit>(d, "edtNewPassword2")->setText(QStringLiteral("abc"));
            pressOk(d);
        },
    });
    TPasswordChangerFrm::ChangePassword(nullptr);
    const QStringList shown = ledger.Prompter().Texts();
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown[0], QStringLiteral("两次输入的新密码不一样,请确认并重新输入."));
    QCOMPARE(shown[1], QStringLiteral("\r\n当前密码验证失败,请确认并重新输入.\t"));
    QCOMPARE(shown[2], QStringLiteral("\r\n密码更改成功! 下次登陆时请使用新密码.\t"));
    TOperator check;
    QVERIFY(check.LogIn(QStringLiteral("sa"), QStringLiteral("abc")));
}

void TestOperatorWindows::operatorAdministration()
{
    TLedger ledger;
    TOperatorSet().AddOperator(QStringLiteral("kim"), QStringLiteral("pw"), QStringLiteral(",9,"), QString(), QString(), QString());
    for (int round = 0; round < 2; ++round) {
        TOperatorsFrm frm;
        for (const TRightItem &r : OperatorRights::AssetRights())
            frm.Editor()->AddRight(r.Caption, r.Code);
        frm.show();
        QCOMPARE(frm.Editor()->RightCount(), 29);
        QCOMPARE(frm.Editor()->RightCaptions().first(), QStringLiteral("资产增加权限"));
        QCOMPARE(frm.Editor()->RightCaptions().last(), QStringLiteral("工具菜单设置"));
        if (round == 1)
            break;
        auto *list = child<QListWidget>(&frm, "ListView1");
        QCOMPARE(list->count(), 1);
        QVERIFY(!child<QPushButton>(&frm, "btnProp1")->isEnabled());
        // Adding a duplicate shows the key error and keeps the editor open for a new name.
        onEachShowing<TOperatorEditorFrm>({
            [](TOperatorEditorFrm *e) {
                child<QLineEdit>(e, "edtUserId1")->setText(QStringLiteral("kim"));
                pressOk(e);
            },
            [](TOperatorEditorFrm *e) {
                child<QLineEdit>(e, "edtUserId1")->setText(QStringLiteral("lee"));
                child<QLineEdit>(e, "edtPassword1")->setText(QStringLiteral("1"));
                child<QLineEdit>(e, "edtPassword2")->setText(QStringLiteral("1"));
                e->SetRights(QStringLiteral(",12,,10000,"));
                pressOk(e);
            },
        });
        frm.Button2Click();
        QCOMPARE(ledger.Prompter().Messages.size(), 1);
        QVERIFY(ledger.Prompter().LastText().contains(QStringLiteral("insert into operator")));
        QCOMPARE(list->count(), 2);
        QCOMPARE(Scalar(QStringLiteral("select Rights from operator where LoginId='lee'")).toString(), QStringLiteral(",12,,10000,"));
        // Properties: the login name is fixed and empty password boxes keep the password.
        list->setCurrentRow(1);
        onEachShowing<TOperatorEditorFrm>({[](TOperatorEditorFrm *e) {
            QVERIFY(!child<QLineEdit>(e, "edtUserId1")->isEnabled());
            QVERIFY(child<QLineEdit>(e, "edtPassword1")->text().isEmpty());
            QCOMPARE(e->Rights(), QStringLiteral(",12,,10000,"));
            child<QLineEdit>(e, "edtName1")->setText(QStringLiteral("李"));
            pressOk(e);
        }});
        frm.btnProp1Click();
        QCOMPARE(Scalar(QStringLiteral("select Name from operator where LoginId='lee'")).toString(), QStringLiteral("李"));
        TOperator lee;
        QVERIFY(lee.LogIn(QStringLiteral("lee"), QStringLiteral("1")));
        if (const QString dir = qEnvironmentVariable("ZK_SHOT_DIR"); !dir.isEmpty()) {
            frm.grab().save(dir + QStringLiteral("/operators.png"));
            frm.Editor()->SetRights(QStringLiteral(",9,,12,,10000,"));
            frm.Editor()->show();
            frm.Editor()->grab().save(dir + QStringLiteral("/operatoreditor.png"));
            frm.Editor()->hide();
        }
        ledger.Prompter().Answers = {true};
        frm.btnDelete1Click();
        QCOMPARE(list->count(), 1);
        QCOMPARE(Scalar(QStringLiteral("select count(*) from operator where LoginId='lee'")).toInt(), 0);
    }
}

void TestOperatorWindows::optionsWindowRenamesLabels()
{
    TLedger ledger;
    QSignalSpy labels(&TAppEvents::Instance(), &TAppEvents::labelsChanged);
    QSignalSpy lists(&TAppEvents::Instance(), &TAppEvents::pickListsChanged);
    TOptionEditorFrm frm;
    frm.show();
    child<QLineEdit>(&frm, "edtStr1")->setText(QStringLiteral("品牌"));
    child<QLineEdit>(&frm, "edtStr2")->clear();
    auto *listBox = child<QListWidget>(&frm, "ListBox1");
    QCOMPARE(listBox->count(), 7);
    listBox->setCurrentRow(1);
    QCOMPARE(child<QLabel>(&frm, "Label4")->text(), QStringLiteral("使用情况(一行一个选项，请不要留空行):"));
    child<QPlainTextEdit>(&frm, "Memo1")->setPlainText(QStringLiteral("在用\n闲置"));
    listBox->setCurrentRow(0);
    if (const QString dir = qEnvironmentVariable("ZK_SHOT_DIR"); !dir.isEmpty())
        frm.grab().save(dir + QStringLiteral("/options.png"));
    QTest::mouseClick(child<QPushButton>(&frm, "btnOk1"), Qt::LeftButton);
    QCOMPARE(labels.count(), 1);
    QCOMPARE(lists.count(), 1);
    QCOMPARE(CustomLabels::LabelOf(QStringLiteral("Str1")), QStringLiteral("品牌"));
    QCOMPARE(CustomLabels::LabelOf(QStringLiteral("Str2")), QStringLiteral("字符型2"));
    QCOMPARE(TKeyValue2::ReadStr(kPickUseState, QString()), QStringLiteral("在用\n闲置"));
    QCOMPARE(Scalar(QStringLiteral("select Vstr from keyvalue where KeyId=5")).toString(), QString());
}

void TestOperatorWindows::failedCompanySaveRestoresTheCompany()
{
    TLedger ledger;
    CurrentCompany().Load();
    AppDatabase().Execute(QStringLiteral("update Company set CompanyName='旧公司名称'"));
    CurrentCompany().Load();
    AppDatabase().Execute(QStringLiteral("create trigger company_locked before update on Company begin select raise(abort, '公司信息已锁定'); end"));
    onEachShowing<TCompanyInfoFrm>({
        [](TCompanyInfoFrm *d) {
            child<QLineEdit>(d, "EdtCompany1")->setText(QStringLiteral("新公司名称"));
            pressOk(d);
        },
        [](TCompanyInfoFrm *d) {
            QCOMPARE(child<QLineEdit>(d, "EdtCompany1")->text(), QStringLiteral("新公司名称")); // the input as left
            QTest::mouseClick(child<QPushButton>(d, "CancelBtn1"), Qt::LeftButton);
        },
    });
    TCompanyInfoFrm::Edit(false, nullptr);
    QVERIFY(ledger.Prompter().LastText().contains(QStringLiteral("公司信息已锁定")));
    QCOMPARE(CurrentCompany().CompanyName, QStringLiteral("旧公司名称"));
    TCompanyInfoFrm readOnly(true);
    QVERIFY(!child<QPushButton>(&readOnly, "OkBtn1")->isEnabled());
}

QTEST_MAIN(TestOperatorWindows)
#include "tst_operatorwindows.moc"
