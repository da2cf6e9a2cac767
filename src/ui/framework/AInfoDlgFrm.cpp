#include "ui/framework/AInfoDlgFrm.h"
#include "ui/framework/DialogBand.h"
#include <QPushButton>
#include <QVBoxLayout>

TAInfoDlgFrm::TAInfoDlgFrm(QWidget *parent) : TaFrm(parent), m_body(new QWidget(this))
{
    resize(469, 265);
    SetPlacement(TPlacement::CentreOnMain);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_body, 1);
    auto *band = new TDialogBand(this);
    layout->addWidget(band);
    CloseBtn1 = band->AddButton(QStringLiteral("CloseBtn1"), QStringLiteral("关闭"));
    HelpBtn1 = band->AddButton(QStringLiteral("HelpBtn1"), QStringLiteral("帮助"));
    connect(CloseBtn1, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(HelpBtn1, &QPushButton::clicked, this, [this] { ShowHelp(); });
}
