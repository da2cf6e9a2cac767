#include "ui/framework/AInfoDlgFrm.h"
#include "ui/framework/DialogBand.h"
#include <QPushButton>
#include <QVBoxLayout>

TAInfoDlgFrm::TAInfoDlgFrm(QWidget *parent) : TaFrm(parent), m_body(new QWidget(this))
{
    resize(469, 265);
    SetPlacement(TPlacement::CentreOnMain);
    TDialogBand *band = TDialogBand::Attach(this, m_body);
    CloseBtn1 = band->AddButton(QStringLiteral("CloseBtn1"), QStringLiteral("关闭"));
    HelpBtn1 = band->AddButton(QStringLiteral("HelpBtn1"), QStringLiteral("帮助"));
    connect(CloseBtn1, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(HelpBtn1, &QPushButton::clicked, this, [this] { ShowHelp(); });
}
