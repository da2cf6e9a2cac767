#include "ui/framework/DialogBand.h"
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TDialogBand::TDialogBand(QWidget *parent) : QWidget(parent)
{
    setFixedHeight(48);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("BgBevel1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    outer->addWidget(line);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(8, 0, 9, 10);
    row->setSpacing(5);
    row->addStretch(1);
    outer->addLayout(row);
}

QPushButton *TDialogBand::AddButton(const QString &objectName, const QString &caption)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(objectName);
    b->setFixedSize(75, 25);
    // No default button: Enter moves between fields, Ctrl+Enter confirms.
    b->setAutoDefault(false);
    b->setDefault(false);
    static_cast<QHBoxLayout *>(layout()->itemAt(1)->layout())->addWidget(b);
    return b;
}

TDialogBand *TDialogBand::Attach(QWidget *form, QWidget *body)
{
    auto *layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(body, 1);
    auto *band = new TDialogBand(form);
    layout->addWidget(band);
    return band;
}
