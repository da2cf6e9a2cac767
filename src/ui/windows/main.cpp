#include "ui/windows/main.h"
#include "app/AppEvents.h"
#include "app/Identity.h"
#include "app/KeyValue.h"
#include "data/RecordSet.h"
#include "ledger/Asset.h"
#include "ledger/AssetWhere.h"
#include "ui/commands/ListCommands.h"
#include "ui/commands/HelpCommands.h"
#include "ui/commands/OutputCommands.h"
#include "ui/commands/TreeCommands.h"
#include "ui/framework/KamoDBGrid.h"
#include "ui/framework/Lookups.h"
#include "ui/framework/ZoApplication.h"
#include "ui/framework/ZoEdit.h"
#include "ui/framework/ZoPopupMenu.h"
#include "ui/windows/Finder.h"
#include <QAction>
#include <QApplication>
#include <QScopeGuard>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

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
    buildWorkArea(); // the two filters are filled here
    SetStatusText(0, AppDatabase().DataSourceName());
    m_assets = std::make_unique<TAssetsSet>();
    DBGrid1->SetDataSet(m_assets->DataSet());
    DBGrid1->Tag = 1;
    DBGrid1->SetLayoutId(1);
    DBGrid1->SetFooterSum(m_assets->OriginValueFld);
    DBGrid1->SetFooterSum(m_assets->EndValueFld);
    DBGrid1->SetFooterVisible(true);
    buildListMenu();
    connect(&TAppEvents::Instance(), &TAppEvents::labelsChanged, this, [this] {
        m_assets->ApplyLabels();
        DBGrid1->RefreshTitles();
    });
    connect(&TAppEvents::Instance(), &TAppEvents::classesChanged, this, &TmainFrm::onClassesChanged);
    onClassesChanged();

    Bind(QStringLiteral("N_Exit"), [this] { close(); });
    Bind(QStringLiteral("ToolButton9"), [this] { close(); });
    Bind(QStringLiteral("N_ViewStatusBar"), [this] { statusBar()->setVisible(Action(QStringLiteral("N_ViewStatusBar"))->isChecked()); });
    Bind(QStringLiteral("N_ViewToolBar"), [this] { ToolBar1->setVisible(Action(QStringLiteral("N_ViewToolBar"))->isChecked()); });
    ListCommands::Bind(*this);
    OutputCommands::Bind(*this);
    HelpCommands::Bind(*this);
    TreeCommands::Bind(*this);
    TreeView1->setCurrentItem(TreeView1->topLevelItem(0)); // lists every class
}

TmainFrm::~TmainFrm() = default;

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
    connect(a, &QAction::triggered, this, [command] { TZoApplication::Guard(command); });
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

// ---- the asset list ----

namespace {

QPixmap bannerPicture()
{
    QPixmap pix(1600, 56);
    QPainter p(&pix);
    QLinearGradient g(0, 0, pix.width(), 0);
    g.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
    g.setColorAt(1, Qt::white);
    p.fillRect(pix.rect(), g);
    QFont f = p.font();
    f.setPixelSize(24);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(pix.rect().adjusted(16, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, ZoIdentity::AppTitle());
    return pix;
}

} // namespace

void TmainFrm::buildWorkArea()
{
    auto *layout = static_cast<QVBoxLayout *>(m_workArea->layout());
    layout->setContentsMargins(0, 0, 0, 0);
    auto *Image1 = new QLabel(m_workArea);
    Image1->setObjectName(u"Image1"_s);
    Image1->setPixmap(bannerPicture());
    Image1->setFixedHeight(56);
    Image1->setMinimumWidth(1);
    layout->addWidget(Image1);

    auto *filters = new QHBoxLayout;
    filters->setContentsMargins(8, 4, 8, 4);
    layout->addLayout(filters);
    cmbState1 = new TComboBox(m_workArea);
    cmbState1->setObjectName(u"cmbState1"_s);
    cmbState1->LoadAssetStates();
    cmbUseState1 = new TComboBox(m_workArea);
    cmbUseState1->setObjectName(u"cmbUseState1"_s);
    cmbUseState1->LoadPickList(kPickUseState);
    cmbUseState1->insertItem(0, u"所有"_s);
    cmbUseState1->setCurrentIndex(0);
    cmbPartNo1 = new TzoEdit(m_workArea);
    cmbPartNo1->setObjectName(u"cmbPartNo1"_s);
    cmbPartNo1->SetTabOnEnter(false); // Enter searches
    Button1 = new QPushButton(u"查找"_s, m_workArea);
    Button1->setObjectName(u"Button1"_s);
    Button2 = new QPushButton(u"高级"_s, m_workArea);
    Button2->setObjectName(u"Button2"_s);
    filters->addWidget(new QLabel(u"范围"_s, m_workArea));
    filters->addWidget(cmbState1);
    filters->addSpacing(12);
    filters->addWidget(new QLabel(u"使用情况"_s, m_workArea));
    filters->addWidget(cmbUseState1);
    filters->addSpacing(12);
    filters->addWidget(new QLabel(u"关键字搜索"_s, m_workArea));
    filters->addWidget(cmbPartNo1);
    filters->addWidget(Button1);
    filters->addWidget(Button2);
    filters->addStretch();

    auto *splitter = new QSplitter(Qt::Horizontal, m_workArea);
    splitter->setObjectName(u"Splitter1"_s);
    layout->addWidget(splitter, 1);
    TreeView1 = new QTreeWidget(splitter);
    TreeView1->setObjectName(u"TreeView1"_s);
    TreeView1->setHeaderHidden(true);
    TreeView1->setRootIsDecorated(false);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1 = new TKamoDBGrid(splitter);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({161, 900});

    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) { runNodeHandler(item); });
    connect(TreeView1, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem *item) {
        if (item == TreeView1->topLevelItem(0))
            item->setExpanded(true); // the root stays open
    });
    for (TComboBox *filter : {cmbState1, cmbUseState1})
        connect(filter, &QComboBox::activated, this, [this] { runNodeHandler(TreeView1->currentItem()); });
    connect(Button1, &QPushButton::clicked, this, &TmainFrm::KeywordSearch);
    connect(cmbPartNo1, &QLineEdit::returnPressed, this, &TmainFrm::KeywordSearch);
    connect(Button2, &QPushButton::clicked, this, &TmainFrm::OpenFinder);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this] {
        if (QAction *open = Action(u"ToolButton4"_s); open && open->isEnabled())
            open->trigger();
    });
}

void TmainFrm::buildListMenu()
{
    TzoPopupMenu *menu = DBGrid1->PopupMenuZo();
    for (const char *name : {"-", "N_ReduceAsset", "N_RepairAsset", "N_ChangeAsset", "-", "ToolButton4", "N_CopyAddAsset", "N_AddAsset"}) {
        if (qstrcmp(name, "-") == 0)
            menu->AddSeparator(0);
        else
            menu->AddActionItem(Action(QString::fromLatin1(name)), 0);
    }
    menu->AddSeparator();
    menu->AddActionItem(Action(u"N_DeleteAsset"_s));
}

void TmainFrm::BuildTree()
{
    const QSignalBlocker quiet(TreeView1); // rebuilding selects nothing and lists nothing
    TreeView1->clear();
    QIcon rootIcon(style()->standardIcon(QStyle::SP_DirClosedIcon));
    rootIcon.addPixmap(style()->standardPixmap(QStyle::SP_DirOpenIcon), QIcon::Selected);
    const QIcon classIcon = style()->standardIcon(QStyle::SP_FileDialogContentsView);
    auto *root = new QTreeWidgetItem(TreeView1, {u"资产分类"_s});
    root->setIcon(0, rootIcon);

    TCatalogSet classes;
    classes.LoadTree();
    // A class hangs under the node of its parent code; one without a parent node under the root.
    QHash<QString, QTreeWidgetItem *> byCode;
    TDataSet *ds = classes.DataSet();
    for (ds->First(); !ds->Eof(); ds->Next()) {
        const RCatalog c = classes.AsData();
        auto *item = new QTreeWidgetItem(byCode.value(c.ParentCode, root), {c.Name});
        item->setIcon(0, classIcon);
        item->setData(0, Qt::UserRole, QVariant::fromValue(c));
        byCode.insert(c.Code, item);
    }
    root->setExpanded(true);
}

void TmainFrm::onClassesChanged()
{
    BuildTree();
    if (QTreeWidgetItem *first = TreeView1->topLevelItem(0))
        first->setExpanded(true);
}

void TmainFrm::runNodeHandler(QTreeWidgetItem *item)
{
    const QVariant c = item ? item->data(0, Qt::UserRole) : QVariant();
    if (item)
        item->setExpanded(true);
    if (c.canConvert<RCatalog>())
        ShowCatalog(c.value<RCatalog>());
    else
        ShowAll(); // the root, or no node after the tree was rebuilt
}

namespace {
// The default conditions narrowed by the two filters.
RAssetWhere filteredWhere(const TComboBox *state, const TComboBox *useState)
{
    RAssetWhere where;
    ClearWhere(where);
    if (state->currentIndex() > 0)
        where.Reduced = state->currentIndex() == 2;
    if (useState->currentIndex() > 0)
        where.UseState = useState->currentText();
    return where;
}
} // namespace

void TmainFrm::ShowAll()
{
    ApplyWhere(filteredWhere(cmbState1, cmbUseState1));
}

void TmainFrm::ShowCatalog(const RCatalog &catalog)
{
    RAssetWhere where = filteredWhere(cmbState1, cmbUseState1);
    where.CataCode = catalog.Code;
    ApplyWhere(where);
}

void TmainFrm::KeywordSearch()
{
    RAssetWhere where;
    ClearWhere(where);
    where.Keyword = cmbPartNo1->text();
    ApplyWhere(where);
}

bool TmainFrm::ApplyWhere(const RAssetWhere &where)
{
    // A hundred thousand assets take a moment: the pointer says so.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    const int count = m_assets->Search(where);
    SetStatusText(2, u"共 %1 条"_s.arg(count));
    return true;
}

void TmainFrm::OpenFinder()
{
    TFinderFrm dlg([this](const RAssetWhere &where) { return ApplyWhere(where); }, this);
    dlg.exec();
}
