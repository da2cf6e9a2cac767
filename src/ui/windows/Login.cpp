#include "ui/windows/Login.h"
#include "app/Configer.h"
#include "app/Identity.h"
#include "app/Operator.h"
#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TLoginFrm::TLoginFrm(QWidget *parent) : TADlgFrm(parent)
{
    setObjectName(QStringLiteral("LoginFrm"));
    setWindowTitle(QStringLiteral("登陆"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    SetPlacement(TPlacement::CentreOnMain);
    auto *layout = new QVBoxLayout(Body());
    auto *Label3 = new QLabel(ZoIdentity::AppTitle(), Body());
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont f = Label3->font();
    f.setBold(true);
    f.setPixelSize(16);
    Label3->setFont(f);
    layout->addWidget(Label3);
    layout->addWidget(new QLabel(QStringLiteral("请输入您的用户名和密码:"), Body()));
    auto *form = new QFormLayout;
    edtLoginId1 = new QComboBox(Body());
    edtLoginId1->setObjectName(QStringLiteral("edtLoginId1"));
    edtLoginId1->setEditable(true);
    edtPassword1 = new QLineEdit(Body());
    edtPassword1->setObjectName(QStringLiteral("edtPassword1"));
    edtPassword1->setEchoMode(QLineEdit::Password);
    auto *userLabel = new QLabel(QStringLiteral("用户名(&U)"), Body());
    userLabel->setBuddy(edtLoginId1);
    auto *passLabel = new QLabel(QStringLiteral("密码(&P)"), Body());
    passLabel->setBuddy(edtPassword1);
    form->addRow(userLabel, edtLoginId1);
    form->addRow(passLabel, edtPassword1);
    layout->addLayout(form);
    layout->addStretch();

    TOperatorSet operators;
    edtLoginId1->addItems(operators.LoginIds());
    const QString last = TConfiger::ReadLastLoginId();
    edtLoginId1->setEditText(last.isEmpty() ? QStringLiteral("sa") : last);
    edtPassword1->installEventFilter(this);
    resize(360, 230);
    edtPassword1->setFocus();
}

bool TLoginFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtPassword1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OkBtn1->click();
            return true;
        }
    }
    return TADlgFrm::eventFilter(watched, event);
}

bool TLoginFrm::CheckInput()
{
    const QString loginId = edtLoginId1->currentText();
    TOperator candidate;
    if (!candidate.LogIn(loginId, edtPassword1->text())) {
        edtPassword1->setFocus();
        edtPassword1->selectAll();
        return false;
    }
    CurrentOperator() = candidate;
    TConfiger::WriteLastLoginId(loginId);
    return true;
}
