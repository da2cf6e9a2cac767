#include "ui/windows/Operators.h"
#include "app/Prompter.h"
#include "data/Exceptions.h"
#include "ui/windows/OperatorEditor.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TOperatorsFrm::TOperatorsFrm(QWidget *parent)
    : TAInfoDlgFrm(parent), m_operators(std::make_unique<TOperatorSet>()), m_editor(new TOperatorEditorFrm(this))
{
    setObjectName(QStringLiteral("OperatorsFrm"));
    setWindowTitle(QStringLiteral("操作员及权限"));
    auto *row = new QHBoxLayout(Body());
    auto *picture = new QLabel(Body());
    picture->setPixmap(style()->standardIcon(QStyle::SP_DirHomeIcon).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    row->addWidget(picture);
    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(new QLabel(QStringLiteral("用户列表"), Body()));
    ListView1 = new QListWidget(Body());
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setViewMode(QListView::IconMode);
    ListView1->setIconSize(QSize(32, 32));
    ListView1->setGridSize(QSize(90, 64));
    listColumn->addWidget(ListView1, 1);
    row->addLayout(listColumn, 1);
    auto *buttons = new QVBoxLayout;
    auto button = [this, buttons](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, Body());
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    btnProp1 = button("btnProp1", QStringLiteral("属性"));
    Button2 = button("Button2", QStringLiteral("添加"));
    btnDelete1 = button("btnDelete1", QStringLiteral("删除"));
    buttons->addStretch();
    row->addLayout(buttons);

    const QIcon userIcon = style()->standardIcon(QStyle::SP_FileDialogContentsView);
    for (const QString &id : m_operators->LoginIds())
        new QListWidgetItem(userIcon, id, ListView1);
    connect(ListView1, &QListWidget::itemSelectionChanged, this, &TOperatorsFrm::updateButtons);
    connect(ListView1, &QListWidget::itemDoubleClicked, this, [this] { btnProp1Click(); });
    connect(btnProp1, &QPushButton::clicked, this, &TOperatorsFrm::btnProp1Click);
    connect(Button2, &QPushButton::clicked, this, &TOperatorsFrm::Button2Click);
    connect(btnDelete1, &QPushButton::clicked, this, &TOperatorsFrm::btnDelete1Click);
    updateButtons();
    resize(520, 340);
}

TOperatorsFrm::~TOperatorsFrm() = default;

void TOperatorsFrm::showEvent(QShowEvent *event)
{
    if (!m_generalRightsAdded) {
        m_generalRightsAdded = true;
        for (const TRightItem &r : OperatorRights::GeneralRights())
            m_editor->AddRight(r.Caption, r.Code);
    }
    TAInfoDlgFrm::showEvent(event);
}

void TOperatorsFrm::updateButtons()
{
    const bool selected = ListView1->currentItem() && ListView1->currentItem()->isSelected();
    btnProp1->setEnabled(selected);
    btnDelete1->setEnabled(selected);
}

bool TOperatorsFrm::runEditor(const std::function<void()> &save)
{
    while (m_editor->exec() == QDialog::Accepted) {
        try {
            save();
            return true;
        } catch (const EZoError &e) {
            ShowInfo(e.Message());
        }
    }
    return false;
}

void TOperatorsFrm::btnProp1Click()
{
    QListWidgetItem *item = ListView1->currentItem();
    if (!item || !m_operators->DataSet()->Locate(QStringLiteral("LoginId"), item->text()))
        return;
    m_editor->Reset();
    m_editor->SetUserId(m_operators->UserIdField->AsString());
    m_editor->SetPasswd(QString());
    m_editor->SetEmpName(m_operators->NameField->AsString());
    m_editor->SetEmpTel(m_operators->ContactField->AsString());
    m_editor->SetEmpNote(m_operators->NoteField->AsString());
    m_editor->SetRights(m_operators->RightsField->AsString());
    runEditor([this] {
        m_operators->UpdateOperator(m_editor->UserId(), m_editor->Passwd(), m_editor->Rights(), m_editor->EmpNote(),
                                    m_editor->EmpTel(), m_editor->EmpName());
    });
}

void TOperatorsFrm::Button2Click()
{
    m_editor->Reset();
    const bool added = runEditor([this] {
        m_operators->AddOperator(m_editor->UserId(), m_editor->Passwd(), m_editor->Rights(), m_editor->EmpNote(),
                                 m_editor->EmpTel(), m_editor->EmpName());
    });
    if (added)
        new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogContentsView), m_editor->UserId(), ListView1);
}

void TOperatorsFrm::btnDelete1Click()
{
    QListWidgetItem *item = ListView1->currentItem();
    if (!item || !ConfirmDelete(item->text()))
        return;
    m_operators->DeleteOperator(item->text());
    delete item;
    updateButtons();
}
