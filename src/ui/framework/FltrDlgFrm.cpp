#include "ui/framework/FltrDlgFrm.h"
#include "data/DataSet.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

namespace {
QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}
} // namespace

TFltrDlgFrm::TFltrDlgFrm(const TDataSet *dataSet, QWidget *parent)
    : TaFrm(parent), lstFields(new QListWidget(this)), edtKeyword(new QLineEdit(this)), m_pages(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("FltrDlgFrm"));
    setWindowTitle(QStringLiteral("过滤"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    lstFields->setObjectName(QStringLiteral("lstFields"));
    edtKeyword->setObjectName(QStringLiteral("edtKeyword"));
    for (const TField *f : dataSet->Fields())
        if (f->Visible() && !f->Calculated() && (f->Kind() == TFieldKind::String || f->Kind() == TFieldKind::WideString)) {
            auto *item = new QListWidgetItem(f->DisplayLabel(), lstFields);
            item->setData(Qt::UserRole, f->FieldName());
        }

    auto *page1 = new QWidget(m_pages);
    auto *g1 = new QGridLayout(page1);
    g1->addWidget(new QLabel(QStringLiteral("请选择过滤项目"), page1), 0, 0, 1, 2);
    g1->addWidget(lstFields, 1, 0, 1, 2);
    auto *hint = new QLabel(QStringLiteral("双击选择快捷确认"), page1);
    hint->setEnabled(false);
    g1->addWidget(hint, 2, 0, 1, 2);
    btnNext = button(QStringLiteral("btnNext"), QStringLiteral("下一步"), page1);
    btnNext->setEnabled(false);
    g1->addWidget(btnNext, 3, 0);
    g1->addWidget(button(QStringLiteral("btnCancel1"), QStringLiteral("取消"), page1), 3, 1);

    auto *page2 = new QWidget(m_pages);
    auto *g2 = new QGridLayout(page2);
    g2->addWidget(new QLabel(QStringLiteral("请输入关键字"), page2), 0, 0, 1, 2);
    g2->addWidget(edtKeyword, 1, 0, 1, 2);
    g2->setRowStretch(2, 1);
    btnOk = button(QStringLiteral("btnOk"), QStringLiteral("确定"), page2);
    g2->addWidget(btnOk, 3, 0);
    g2->addWidget(button(QStringLiteral("btnCancel2"), QStringLiteral("取消"), page2), 3, 1);

    m_pages->addWidget(page1);
    m_pages->addWidget(page2);
    (new QGridLayout(this))->addWidget(m_pages);
    resize(300, 320);

    for (auto *cancel : findChildren<QPushButton *>())
        if (cancel->text() == QStringLiteral("取消"))
            connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstFields, &QListWidget::currentRowChanged, this, [this](int row) { btnNext->setEnabled(row >= 0); });
    connect(lstFields, &QListWidget::itemDoubleClicked, this, [this] { showKeywordPage(); });
    connect(btnNext, &QPushButton::clicked, this, [this] { showKeywordPage(); });
    connect(edtKeyword, &QLineEdit::returnPressed, btnOk, &QPushButton::click);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TFltrDlgFrm::showKeywordPage()
{
    if (!lstFields->currentItem())
        return;
    m_pages->setCurrentIndex(1);
    edtKeyword->setFocus();
}

QString TFltrDlgFrm::FieldName() const
{
    return lstFields->currentItem() ? lstFields->currentItem()->data(Qt::UserRole).toString() : QString();
}

QString TFltrDlgFrm::Keyword() const
{
    return edtKeyword->text();
}
