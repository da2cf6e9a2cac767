#include "ui/windows/main.h"
#include "app/Identity.h"
#include "data/RecordSet.h"
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TmainFrm::TmainFrm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mainFrm"));
    setWindowTitle(ZoIdentity::AppTitle());
    resize(1024, 700);
    m_workArea = new QWidget(this);
    m_workArea->setObjectName(QStringLiteral("WorkArea"));
    m_workArea->setAutoFillBackground(true);
    QPalette pal = m_workArea->palette();
    pal.setColor(QPalette::Window, Qt::white);
    m_workArea->setPalette(pal);
    new QVBoxLayout(m_workArea);
    setCentralWidget(m_workArea);
    buildMenus();
    buildToolBar();
    buildStatusBar();
    SetStatusText(0, AppDatabase().DataSourceName());

    Bind(QStringLiteral("N_Exit"), [this] { close(); });
    Bind(QStringLiteral("ToolButton9"), [this] { close(); });
    Bind(QStringLiteral("N_ViewStatusBar"), [this] { statusBar()->setVisible(Action(QStringLiteral("N_ViewStatusBar"))->isChecked()); });
    Bind(QStringLiteral("N_ViewToolBar"), [this] { ToolBar1->setVisible(Action(QStringLiteral("N_ViewToolBar"))->isChecked()); });
}

QAction *TmainFrm::addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *a = caption == QStringLiteral("-") ? menu->addSeparator() : menu->addAction(caption);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    if (!a->isSeparator())
        a->setEnabled(false); // until a command is bound to it
    m_actions.insert(name, a);
    return a;
}

void TmainFrm::buildMenus()
{
    struct Item {
        const char *name;
        const char *caption;
        QKeySequence shortcut;
    };
    struct MenuDef {
        const char *name;
        const char *caption;
        std::vector<Item> items;
    };
    const std::vector<MenuDef> menus = {
        {"N_File", "文件(&F)",
         {{"N_Company", "公司信息", {}}, {"N_Operators", "操作员及权限", {}}, {"N_sep11", "-", {}},
          {"N_Catalog", "资产分类编制", {}}, {"N_Department", "资产使用部门设置", {}}, {"N_Options", "选项...", {}},
          {"N_sep12", "-", {}}, {"N_ClearData", "初始化数据...", {}}, {"N_Backup", "自动备份与恢复", {}},
          {"N_Upgrade", "从旧版本升级...", {}}, {"N_sep13", "-", {}}, {"N_Relogin", "重新登陆", {}},
          {"N_ChangePassword", "更改我的密码", {}}, {"N_sep14", "-", {}}, {"N_Exit", "退出系统", {}}}},
        {"N_Asset", "资产(&M)",
         {{"N_AddAsset", "增加", QKeySequence(Qt::Key_Insert)}, {"N_CopyAddAsset", "复制增加", {}},
          {"N_ImportAssets", "从 Excel 批量导入", {}}, {"N_ImportRepairs", "从 Excel 导入维修记录", {}},
          {"N_sep21", "-", {}}, {"N_OpenAsset", "详细情况", QKeySequence(Qt::CTRL | Qt::Key_E)},
          {"N_DeleteAsset", "删除", {}}, {"N_sep22", "-", {}}, {"N_ChangeAsset", "变更", {}},
          {"N_RepairAsset", "维修", {}}, {"N_ReduceAsset", "减少", {}}, {"N_sep23", "-", {}},
          {"N_Depreciation", "折旧表", {}}, {"N_Find", "查找...", {}}}},
        {"N_View", "视图(&V)",
         {{"N_ViewTree", "分类列表", {}}, {"N_ViewStatusBar", "状态栏", {}}, {"N_ViewToolBar", "工具栏", {}},
          {"N_sep31", "-", {}}, {"N_Sort", "排序", {}}, {"N_ChooseColumns", "栏目选择", {}},
          {"N_SaveListStyle", "保存当前列表样式", {}}}},
        {"N_Output", "输出(&O)", {{"N_Export", "导出", {}}, {"N_ReportDesign", "报表设计...", {}}, {"N_sep41", "-", {}}}},
        {"N_Reports", "报表(&J)",
         {{"N_Composition", "资产构成分析表", {}}, {"N_RepairReport", "资产维修报表", {}}, {"N_ChangeReport", "资产变更报表", {}}}},
        {"N_Tools", "工具(&T)",
         {{"N_Notepad", "记事本", {}}, {"N_Calculator", "计算器", {}}, {"N_sep61", "-", {}},
          {"N_ToolLinks", "配置工具...", {}}, {"N_sep62", "-", {}}}},
        {"N_Help", "帮助(&H)",
         {{"N_HelpFile", "帮助文件", QKeySequence(Qt::CTRL | Qt::Key_F1)}, {"N_Tips", "每日一贴", {}},
          {"N_Faq", "常见问题", {}}, {"N_sep71", "-", {}}, {"N_Readme", "自述文件", {}},
          {"N_WhatsNew", "最新功能", {}}, {"N_sep72", "-", {}}, {"N_WebSite", "浏览作者的网站", {}},
          {"N_Mail", "给作者发电子邮件", {}}, {"N_Feedback", "在线反馈...", {}}, {"N_sep73", "-", {}},
          {"N_About", "关于...", {}}}},
    };
    for (const MenuDef &def : menus) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(def.caption));
        menu->setObjectName(QString::fromLatin1(def.name));
        m_menus.insert(menu->objectName(), menu);
        for (const Item &item : def.items)
            addItem(menu, QString::fromLatin1(item.name), QString::fromUtf8(item.caption), item.shortcut);
    }
    // The stocktaking sub-menu sits after "减少".
    QMenu *stock = new QMenu(QStringLiteral("盘点"), this);
    stock->setObjectName(QStringLiteral("N_Stocktaking"));
    Menu(QStringLiteral("N_Asset"))->insertMenu(Action(QStringLiteral("N_sep23")), stock);
    addItem(stock, QStringLiteral("N_StockByCollector"), QStringLiteral("通过数据采集器盘点..."));
    for (const char *checked : {"N_ViewTree", "N_ViewStatusBar", "N_ViewToolBar"}) {
        QAction *a = Action(QString::fromLatin1(checked));
        a->setCheckable(true);
        a->setChecked(true);
    }
    Action(QStringLiteral("N_ViewToolBar"))->setVisible(false);
}

void TmainFrm::buildToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    struct Button {
        const char *name;
        const char *caption;
        QStyle::StandardPixmap icon;
    };
    const std::vector<Button> buttons = {
        {"btnAdd1", "增加", QStyle::SP_FileIcon}, {nullptr, nullptr, {}},
        {"ToolButton4", "打开", QStyle::SP_DialogOpenButton}, {"btnModify1", "变更", QStyle::SP_BrowserReload},
        {"tbRepair1", "维修", QStyle::SP_DialogResetButton}, {"btnReduce1", "减少", QStyle::SP_TrashIcon},
        {nullptr, nullptr, {}}, {"ToolButton1", "打印", QStyle::SP_FileDialogDetailedView},
        {"btnExport1", "导出", QStyle::SP_DialogSaveButton}, {nullptr, nullptr, {}},
        {"ToolButton9", "退出系统", QStyle::SP_DialogCloseButton}};
    for (const Button &b : buttons) {
        if (!b.name) {
            ToolBar1->addSeparator();
            continue;
        }
        QAction *a = ToolBar1->addAction(style()->standardIcon(b.icon), QString::fromUtf8(b.caption));
        a->setObjectName(QString::fromLatin1(b.name));
        a->setEnabled(false);
        m_actions.insert(a->objectName(), a);
        if (QWidget *w = ToolBar1->widgetForAction(a)) {
            w->setObjectName(QString::fromLatin1(b.name));
            w->setMinimumSize(55, 51);
        }
    }
    // "打印" drops down the report list.
    auto *print = qobject_cast<QToolButton *>(ToolBar1->widgetForAction(Action(QStringLiteral("ToolButton1"))));
    auto *PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    m_menus.insert(PopupMenu2->objectName(), PopupMenu2);
    if (print) {
        print->setMenu(PopupMenu2);
        print->setPopupMode(QToolButton::InstantPopup);
    }
}

void TmainFrm::buildStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i == 2)
            panel->setAlignment(Qt::AlignCenter);
        statusBar()->addWidget(panel, i == 0 ? 1 : 0);
        m_panels.append(panel);
    }
    layoutStatusPanels();
}

void TmainFrm::layoutStatusPanels()
{
    m_panels[1]->setFixedWidth(50 * 2);
    m_panels[2]->setFixedWidth(80 * 2);
    m_panels[3]->setFixedWidth(200);
}

void TmainFrm::Bind(const QString &actionName, const std::function<void()> &command)
{
    QAction *a = Action(actionName);
    if (!a)
        return;
    disconnect(a, &QAction::triggered, nullptr, nullptr);
    connect(a, &QAction::triggered, this, [command] { command(); });
    a->setEnabled(true);
}

void TmainFrm::SetStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < m_panels.size())
        m_panels[panel]->setText(text);
}

QString TmainFrm::StatusText(int panel) const
{
    return (panel >= 0 && panel < m_panels.size()) ? m_panels[panel]->text() : QString();
}

void TmainFrm::showEvent(QShowEvent *event)
{
    setWindowTitle(QStringLiteral("%1 - %2").arg(ZoIdentity::AppTitle(), ZoIdentity::AppEdition()));
    QMainWindow::showEvent(event);
}

void TmainFrm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
}

void TmainFrm::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        hide();
        for (const auto &step : m_closeSteps)
            step();
        AppDatabase().SetConnected(false);
    }
    event->accept();
}
