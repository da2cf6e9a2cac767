#pragma once
#include <QMainWindow>
#include <QHash>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

// The main window: menus, tool bar, the work area and the status bar.
// Commands are bound to actions found by their object names.
class TmainFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TmainFrm(QWidget *parent = nullptr);

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
    void resizeEvent(QResizeEvent *event) override;

private:
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut = {});
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void layoutStatusPanels();

    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QList<QLabel *> m_panels;
    QWidget *m_workArea = nullptr;
    QToolBar *ToolBar1 = nullptr;
    std::vector<std::function<void()>> m_closeSteps;
    bool m_closed = false;
};
