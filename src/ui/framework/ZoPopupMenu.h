#pragma once
#include <QMenu>
#include <functional>

// The right-click menu of grids and lists; windows add their own items.
class TzoPopupMenu : public QMenu {
    Q_OBJECT
public:
    explicit TzoPopupMenu(QWidget *parent = nullptr);

    // Inserts `action` into `parent` (the top level when null) at `index`; -1 appends.
    QAction *AddActionItem(QAction *action, int index = -1, QMenu *parent = nullptr);
    // An item whose click calls `handler`; "-" makes a separator.
    QAction *AddItem(const QString &caption, bool atTop, std::function<void()> handler);
    QAction *AddSeparator(int index = -1, QMenu *parent = nullptr);
    void ClearItems() { clear(); }

private:
    static void insertAt(QMenu *menu, QAction *action, int index);
};
