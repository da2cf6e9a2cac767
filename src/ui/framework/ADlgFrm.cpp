#include "ui/framework/ADlgFrm.h"
#include "ui/framework/DialogBand.h"
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TADlgFrm::TADlgFrm(QWidget *parent) : TaFrm(parent), m_body(new QWidget(this))
{
    resize(469, 270);
    SetPlacement(TPlacement::CentreOnOwner);
    TDialogBand *band = TDialogBand::Attach(this, m_body);
    OkBtn1 = band->AddButton(QStringLiteral("OkBtn1"), QStringLiteral("确定(&O)"));
    CancelBtn1 = band->AddButton(QStringLiteral("CancelBtn1"), QStringLiteral("取消"));
    HelpBtn1 = band->AddButton(QStringLiteral("HelpBtn1"), QStringLiteral("帮助"));
    connect(OkBtn1, &QPushButton::clicked, this, [this] { OkBtn1Click(); });
    connect(CancelBtn1, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(HelpBtn1, &QPushButton::clicked, this, [this] { ShowHelp(); });
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(keys, this), &QShortcut::activated, OkBtn1, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, CancelBtn1, &QPushButton::click);
}

void TADlgFrm::done(int result)
{
    if (result == Accepted && !CheckInput())
        return;
    TaFrm::done(result);
}
