#pragma once
#include "ui/framework/AFrm.h"

class TPrintMenu;
class QListWidget;
class QToolButton;

// The print menu: the group's templates with 新建/删除/重命名/设计 and 预览.
class TReporterFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TReporterFrm(TPrintMenu &menu, QWidget *parent = nullptr);
    // Puts the menu near the mouse pointer, inside the screen.
    void PlaceAtPointer();

protected:
    // The menu's own placement follows the base form's.
    void showEvent(QShowEvent *event) override;

private:
    void refill();
    void run(void (TPrintMenu::*command)());
    TPrintMenu &m_menu;
    QListWidget *m_list;
};

// Asks for a text in a small input box over `parent`; the windows hand this to their print-menu logic.
bool AskReportTitle(QWidget *parent, const QString &caption, const QString &prompt, QString &text);

// Installs the report windows (preview, designer, print menu) as the program's report front end.
void InstallReportWindows();
