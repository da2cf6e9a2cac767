#include "ui/windows/Reporter.h"
#include "reports/PrintMenu.h"
#include "reports/Rep.h"
#include "reports/ReportFrontEnd.h"
#include "ui/framework/ReportDesigner.h"
#include "ui/framework/ReportPreview.h"
#include <QApplication>
#include <QCursor>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

TReporterFrm::TReporterFrm(TPrintMenu &menu, QWidget *parent) : TaFrm(parent), m_menu(menu)
{
    setObjectName(QStringLiteral("ReporterFrm"));
    setWindowTitle(QStringLiteral("打印"));
    auto *bar = new QToolBar(this);
    auto add = [&](const QString &name, const QString &text, void (TPrintMenu::*command)()) {
        QAction *a = bar->addAction(text, this, [this, command] { run(command); });
        a->setObjectName(name);
        a->setEnabled(m_menu.CanDesign());
    };
    add(QStringLiteral("btnNew"), QStringLiteral("新建"), &TPrintMenu::New);
    add(QStringLiteral("btnDelete"), QStringLiteral("删除"), &TPrintMenu::Delete);
    add(QStringLiteral("btnRename"), QStringLiteral("重命名"), &TPrintMenu::Rename);
    add(QStringLiteral("btnDesign"), QStringLiteral("设计"), &TPrintMenu::Design);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstReports"));
    auto *preview = new QPushButton(QStringLiteral("预览"), this);
    preview->setObjectName(QStringLiteral("btnPreview"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("请选择一种打印样式"), this));
    layout->addWidget(bar);
    layout->addWidget(m_list);
    layout->addWidget(preview);
    auto doPreview = [this] {
        m_menu.SetSelected(m_list->currentRow());
        if (m_menu.Preview())
            accept();
    };
    connect(preview, &QPushButton::clicked, this, doPreview);
    connect(m_list, &QListWidget::itemDoubleClicked, this, doPreview);
    m_menu.SetInputQuery([this](const QString &caption, const QString &prompt, QString &text) {
        return AskReportTitle(this, caption, prompt, text);
    });
    refill();
    resize(300, 360);
}

bool AskReportTitle(QWidget *parent, const QString &caption, const QString &prompt, QString &text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, text, &ok);
    if (ok)
        text = answer;
    return ok;
}

void TReporterFrm::refill()
{
    m_list->clear();
    for (const TPrintMenu::TEntry &e : m_menu.Entries()) {
        auto *item = new QListWidgetItem(e.Title, m_list);
        item->setData(Qt::UserRole, e.Id);
    }
    m_list->setCurrentRow(m_menu.Selected());
}

void TReporterFrm::run(void (TPrintMenu::*command)())
{
    m_menu.SetSelected(m_list->currentRow());
    (m_menu.*command)();
    refill();
}

void TReporterFrm::PlaceAtPointer()
{
    const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    move(PrintMenuPosition(screen->geometry(), frameGeometry().size(), QCursor::pos()));
}

void TReporterFrm::showEvent(QShowEvent *event)
{
    TaFrm::showEvent(event);
    PlaceAtPointer();
}

namespace {
class TReportWindows : public TReportFrontEnd {
public:
    void Preview(TRep &, const TRptDocument &document) override
    {
        TReportPreview preview(document, QApplication::activeWindow());
        preview.exec();
    }
    void Design(TRep &rep) override
    {
        // Stay-on-top windows would cover the designer: they step back while it is open.
        QList<QWidget *> onTop;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint)) {
                onTop.append(w);
                w->setWindowFlag(Qt::WindowStaysOnTopHint, false);
                w->show();
            }
        struct TRestore {
            QList<QWidget *> &list;
            ~TRestore()
            {
                for (QWidget *w : list) {
                    w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
                    w->show();
                }
            }
        } restore{onTop};
        TReportDesigner designer(rep, QApplication::activeWindow());
        designer.exec();
    }
    void ShowPrintMenu(TPrintMenu &menu) override
    {
        TReporterFrm frm(menu, QApplication::activeWindow());
        frm.exec();
    }
};
} // namespace

void InstallReportWindows() { SetReportFrontEnd(std::make_unique<TReportWindows>()); }
