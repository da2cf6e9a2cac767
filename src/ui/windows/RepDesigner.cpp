#include "ui/windows/RepDesigner.h"
#include "ui/windows/Reporter.h"
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TRepDesignerFrm::TRepDesignerFrm(QWidget *parent) : TAInfoDlgFrm(parent)
{
    setObjectName(QStringLiteral("RepDesignerFrm"));
    setWindowTitle(QStringLiteral("报表管理器"));
    m_menu.SetReper(&m_rep);
    m_menu.SetCanDesign(true);
    m_menu.SetInputQuery([this](const QString &caption, const QString &prompt, QString &text) {
        return AskReportTitle(this, caption, prompt, text);
    });
    m_list = new QListWidget(Body());
    m_list->setObjectName(QStringLiteral("lstReports"));
    auto *layout = new QGridLayout(Body());
    layout->addWidget(m_list, 0, 0, 6, 1);
    const QList<std::tuple<QString, QString, void (TPrintMenu::*)()>> buttons{
        {QStringLiteral("btnAdd"), QStringLiteral("添加"), &TPrintMenu::New},
        {QStringLiteral("btnEdit"), QStringLiteral("修改"), &TPrintMenu::Rename},
        {QStringLiteral("btnDelete"), QStringLiteral("删除"), &TPrintMenu::Delete},
        {QStringLiteral("btnDesign"), QStringLiteral("设计"), &TPrintMenu::Design}};
    int row = 0;
    for (const auto &[name, text, command] : buttons) {
        auto *b = new QPushButton(text, Body());
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, [this, c = command] { run(c); });
        layout->addWidget(b, row++, 1);
    }
    auto *preview = new QPushButton(QStringLiteral("预览"), Body());
    preview->setObjectName(QStringLiteral("btnPreview"));
    connect(preview, &QPushButton::clicked, this, [this] {
        m_menu.SetSelected(m_list->currentRow());
        m_menu.Preview(); // the manager stays open
    });
    layout->addWidget(preview, row++, 1);
    layout->setRowStretch(row, 1);
    layout->addWidget(new QLabel(QStringLiteral("要创建新的报表,请点击\"添加\""), Body()), 6, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("要修改标题、删节、设计或预览报表,请先在列表框中选中后再操作"), Body()), 7, 0, 1, 2);
    resize(480, 340);
}

void TRepDesignerFrm::SetGroupId(int groupId)
{
    m_menu.SetGroupId(groupId);
    refill();
}

void TRepDesignerFrm::refill()
{
    m_list->clear();
    for (const TPrintMenu::TEntry &e : m_menu.Entries())
        new QListWidgetItem(e.Title, m_list);
    m_list->setCurrentRow(m_menu.Selected());
}

void TRepDesignerFrm::run(void (TPrintMenu::*command)())
{
    m_menu.SetSelected(m_list->currentRow());
    (m_menu.*command)();
    refill();
}
