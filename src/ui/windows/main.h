#pragma once
#include <QMainWindow>
#include <QHash>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TAssetsSet;
class TComboBox;
class TKamoDBGrid;
class TzoEdit;
struct RAssetWhere;
struct RCatalog;

// The main window: menus, tool bar, the asset list with the class tree and
// its filters, and the status bar. Commands are bound to actions found by
// their object names.
class TmainFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TmainFrm(QWidget *parent = nullptr);
    ~TmainFrm() override;

    // Runs the list's search and shows the row count; the finder's choice function too.
    bool ApplyWhere(const RAssetWhere &where);
    // The class tree from the class table; the root lists every class.
    void BuildTree();
    // The list under the two filters, for every class or for one class and its sub-classes.
    void ShowAll();
    void ShowCatalog(const RCatalog &catalog);
    // 查找: the keyword alone, whatever the tree and the filters say.
    void KeywordSearch();
    // The search window, feeding the list.
    void OpenFinder();

    TAssetsSet &Assets() const { return *m_assets; }
    TKamoDBGrid *Grid() const { return DBGrid1; }
    QTreeWidget *Tree() const { return TreeView1; }

    // The action of a menu item or tool button by its object name (nullptr when unknown).
    QAction *Action(const QString &name) const { return m_actions.value(name); }
    QMenu *Menu(const QString &name) const { return m_menus.value(name); }
    // Binds a command to an action and enables it.
    void Bind(const QString &actionName, const std::function<void()> &command);
    void SetStatusText(int panel, const QString &text);
    QString StatusText(int panel) const;
    QWidget *WorkArea() const { return m_workArea; }

    // The close step runs once: hide, the registered steps, disconnect.
    void AddCloseStep(std::function<void()> step) { m_closeSteps.push_back(std::move(step)); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {});
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void layoutStatusPanels();
    void buildWorkArea();
    void buildListMenu();
    void runNodeHandler(QTreeWidgetItem *item);
    void onClassesChanged();

    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QList<QLabel *> m_panels;
    QWidget *m_workArea = nullptr;
    QToolBar *ToolBar1 = nullptr;
    std::unique_ptr<TAssetsSet> m_assets;
    TComboBox *cmbState1 = nullptr;
    TComboBox *cmbUseState1 = nullptr;
    TzoEdit *cmbPartNo1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QTreeWidget *TreeView1 = nullptr;
    TKamoDBGrid *DBGrid1 = nullptr;
    std::vector<std::function<void()>> m_closeSteps;
    bool m_closed = false;
};
