#include "ui/windows/AssetPick.h"
#include "app/Prompter.h"
#include "ledger/AssetWhere.h"
#include "ui/framework/ZoApplication.h"
#include "ui/framework/ZoDBGrid.h"
#include "ui/framework/ZoEdit.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
QPushButton *button(QWidget *parent, QHBoxLayout *row, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}
} // namespace

TAssetPickFrm::TAssetPickFrm(TChoice choice, QWidget *parent)
    : TaFrm(parent), m_choice(std::move(choice)), m_assets(std::make_unique<TAssetsSet>())
{
    setObjectName(u"AssetPickFrm"_s);
    setWindowTitle(u"查找"_s);
    m_pages = new QStackedWidget(this);
    (new QVBoxLayout(this))->addWidget(m_pages);

    auto *searchPage = new QWidget(m_pages);
    searchPage->setObjectName(u"TabSheet1"_s);
    auto *searchLayout = new QVBoxLayout(searchPage);
    auto *keywordRow = new QHBoxLayout;
    keywordRow->addWidget(new QLabel(u"关键字"_s, searchPage));
    edtKeyword1 = new TzoEdit(searchPage);
    edtKeyword1->setObjectName(u"edtKeyword1"_s);
    edtKeyword1->SetTabOnEnter(false);
    keywordRow->addWidget(edtKeyword1, 1);
    searchLayout->addStretch();
    searchLayout->addLayout(keywordRow);
    searchLayout->addStretch();
    auto *searchButtons = new QHBoxLayout;
    searchButtons->addStretch();
    btnFind1 = button(searchPage, searchButtons, u"btnFind1"_s, u"查找"_s);
    btnCancel1 = button(searchPage, searchButtons, u"btnCancel1"_s, u"取消"_s);
    searchLayout->addLayout(searchButtons);
    m_pages->addWidget(searchPage);

    auto *listPage = new QWidget(m_pages);
    listPage->setObjectName(u"TabSheet2"_s);
    auto *listLayout = new QVBoxLayout(listPage);
    DBGrid1 = new TzoDBGrid(listPage);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid1->SetDataSet(m_assets->DataSet());
    DBGrid1->SetLayoutId(12);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    listLayout->addWidget(DBGrid1, 1);
    auto *listButtons = new QHBoxLayout;
    btnBack1 = button(listPage, listButtons, u"btnBack1"_s, u"返回"_s);
    listButtons->addStretch();
    btnOk1 = button(listPage, listButtons, u"btnOk1"_s, u"确定"_s);
    btnCancel2 = button(listPage, listButtons, u"btnCancel2"_s, u"取消"_s);
    listLayout->addLayout(listButtons);
    m_pages->addWidget(listPage);

    const auto find = [this] { TZoApplication::Guard([this] { FindClick(); }); };
    const auto ok = [this] { TZoApplication::Guard([this] { OkClick(); }); };
    connect(btnFind1, &QPushButton::clicked, this, find);
    connect(edtKeyword1, &QLineEdit::returnPressed, this, find);
    connect(btnOk1, &QPushButton::clicked, this, ok);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, ok);
    connect(btnBack1, &QPushButton::clicked, this, [this] { m_pages->setCurrentIndex(0); });
    for (QPushButton *b : {btnCancel1, btnCancel2})
        connect(b, &QPushButton::clicked, this, &QDialog::reject);
    resize(640, 420);
}

TAssetPickFrm::~TAssetPickFrm() = default;

bool TAssetPickFrm::OnListPage() const { return m_pages->currentIndex() == 1; }

void TAssetPickFrm::FindClick()
{
    RAssetWhere where;
    ClearWhere(where);
    where.Keyword = edtKeyword1->text();
    where.Reduced = false;
    if (m_assets->Search(where) == 0) {
        Prompter().Message(TPrompter::Icon::Information, u"\r\n没有找到任何相关记录,请重新指定查询条件."_s);
        return;
    }
    m_pages->setCurrentIndex(1);
    DBGrid1->setFocus();
}

void TAssetPickFrm::OkClick()
{
    if (m_assets->DataSet()->RecNo() < 0)
        return;
    if (m_choice(m_assets->AsData()))
        accept();
}
