#include "ui/windows/OperatorEditor.h"
#include "app/Operator.h"
#include "app/Prompter.h"
#include "ui/framework/FormRows.h"
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

TOperatorEditorFrm::TOperatorEditorFrm(QWidget *parent) : TADlgFrm(parent)
{
    setObjectName(QStringLiteral("OperatorEditorFrm"));
    setWindowTitle(QStringLiteral("操作员属性"));
    auto *row = new QHBoxLayout(Body());
    auto *form = new QFormLayout;
    row->addLayout(form, 1);
    auto edit = [form](const char *name, const QString &caption, bool masked) { return AddFormEdit(form, name, caption, masked); };
    edtUserId1 = edit("edtUserId1", QStringLiteral("登陆名"), false);
    edtName1 = edit("edtName1", QStringLiteral("姓名"), false);
    edtContact1 = edit("edtContact1", QStringLiteral("联系方式"), false);
    edtNote1 = edit("edtNote1", QStringLiteral("备注"), false);
    edtPassword1 = edit("edtPassword1", QStringLiteral("密码"), true);
    edtPassword2 = edit("edtPassword2", QStringLiteral("验证密码"), true);
    auto *hint = new QLabel(QStringLiteral("修改时密码留空则保持原密码"), Body());
    hint->setStyleSheet(QStringLiteral("color: gray;"));
    form->addRow(QString(), hint);
    auto *rights = new QVBoxLayout;
    rights->addWidget(new QLabel(QStringLiteral("权限"), Body()));
    CheckListBox1 = new QListWidget(Body());
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    rights->addWidget(CheckListBox1, 1);
    row->addLayout(rights, 1);
    connect(CheckListBox1, &QListWidget::itemDoubleClicked, this, [](QListWidgetItem *item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    resize(560, 380);
}

void TOperatorEditorFrm::AddRight(const QString &caption, int code)
{
    auto *item = new QListWidgetItem(caption, CheckListBox1);
    item->setData(Qt::UserRole, code);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
}

int TOperatorEditorFrm::RightCount() const { return CheckListBox1->count(); }

QStringList TOperatorEditorFrm::RightCaptions() const
{
    QStringList list;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        list.append(CheckListBox1->item(i)->text());
    return list;
}

void TOperatorEditorFrm::Reset()
{
    for (QLineEdit *e : {edtUserId1, edtName1, edtContact1, edtNote1, edtPassword1, edtPassword2})
        e->clear();
    for (int i = 0; i < CheckListBox1->count(); ++i)
        CheckListBox1->item(i)->setCheckState(Qt::Unchecked);
    edtUserId1->setEnabled(true);
}

QString TOperatorEditorFrm::UserId() const { return edtUserId1->text(); }

void TOperatorEditorFrm::SetUserId(const QString &id)
{
    edtUserId1->setText(id);
    // An existing operator keeps its login name.
    if (!id.isEmpty())
        edtUserId1->setEnabled(false);
}

QString TOperatorEditorFrm::Passwd() const { return edtPassword1->text(); }

void TOperatorEditorFrm::SetPasswd(const QString &password)
{
    edtPassword1->setText(password);
    edtPassword2->setText(password);
}

QString TOperatorEditorFrm::Rights() const
{
    QList<int> codes;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        if (CheckListBox1->item(i)->checkState() == Qt::Checked)
            codes.append(CheckListBox1->item(i)->data(Qt::UserRole).toInt());
    return OperatorRights::Format(codes);
}

void TOperatorEditorFrm::SetRights(const QString &rights)
{
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        QListWidgetItem *item = CheckListBox1->item(i);
        item->setCheckState(OperatorRights::Contains(rights, item->data(Qt::UserRole).toInt()) ? Qt::Checked : Qt::Unchecked);
    }
}

QString TOperatorEditorFrm::EmpName() const { return edtName1->text(); }
void TOperatorEditorFrm::SetEmpName(const QString &v) { edtName1->setText(v); }
QString TOperatorEditorFrm::EmpTel() const { return edtContact1->text(); }
void TOperatorEditorFrm::SetEmpTel(const QString &v) { edtContact1->setText(v); }
QString TOperatorEditorFrm::EmpNote() const { return edtNote1->text(); }
void TOperatorEditorFrm::SetEmpNote(const QString &v) { edtNote1->setText(v); }

bool TOperatorEditorFrm::CheckInput()
{
    if (edtUserId1->text().isEmpty()) {
        ShowInfo(QStringLiteral("必须填写登陆名."));
        edtUserId1->setFocus();
        return false;
    }
    if (edtPassword1->text() != edtPassword2->text()) {
        ShowInfo(QStringLiteral("两次输入的密码不一样,请重新输入."));
        edtPassword1->clear();
        edtPassword2->clear();
        edtPassword1->setFocus();
        return false;
    }
    return true;
}
