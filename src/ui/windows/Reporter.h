#pragma once
#include <QDialog>

class TPrintMenu;
class QListWidget;
class QToolButton;

// The print menu: the group's templates with 新建/删除/重命名/设计 and 预览.
class TReporterFrm : public QDialog {
    Q_OBJECT
public:
    explicit TReporterFrm(TPrintMenu &menu, QWidget *parent = nullptr);
    // Puts the menu near the mouse pointer, inside the screen.
    void PlaceAtPointer();

private:
    void refill();
    void run(void (TPrintMenu::*command)());
    TPrintMenu &m_menu;
    QListWidget *m_list;
};

// Installs the report windows (preview, designer, print menu) as the program's report front end.
void InstallReportWindows();
