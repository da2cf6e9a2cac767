#include "ui/framework/MessageBoxPrompter.h"
#include "app/Identity.h"
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon toIcon(TPrompter::Icon icon)
{
    switch (icon) {
    case TPrompter::Icon::Warning: return QMessageBox::Warning;
    case TPrompter::Icon::Question: return QMessageBox::Question;
    case TPrompter::Icon::Error: return QMessageBox::Critical;
    default: return QMessageBox::Information;
    }
}

// Returns the index of the pressed button among `captions`, or -1 for Esc.
int ask(TPrompter::Icon icon, const QString &text, const QStringList &captions, int escapeIndex)
{
    QMessageBox box(toIcon(icon), ZoIdentity::AppTitle(), PlainMessageText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    QList<QPushButton *> buttons;
    for (int i = 0; i < captions.size(); ++i)
        buttons.append(box.addButton(captions[i], i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
    box.setDefaultButton(buttons.first());
    box.setEscapeButton(buttons[escapeIndex]);
    box.exec();
    return int(buttons.indexOf(static_cast<QPushButton *>(box.clickedButton())));
}

} // namespace

void TMessageBoxPrompter::Message(Icon icon, const QString &text)
{
    ask(icon, text, {QStringLiteral("确定")}, 0);
}

bool TMessageBoxPrompter::OkCancel(Icon icon, const QString &text)
{
    return ask(icon, text, {QStringLiteral("确定"), QStringLiteral("取消")}, 1) == 0;
}

bool TMessageBoxPrompter::YesNo(Icon icon, const QString &text)
{
    return ask(icon, text, {QStringLiteral("是"), QStringLiteral("否")}, 1) == 0;
}

QString TMessageBoxPrompter::FileName(bool forSaving, const QString &title, const QString &filter, const QString &suggested)
{
    QWidget *parent = QApplication::activeWindow();
    return forSaving ? QFileDialog::getSaveFileName(parent, title, suggested, filter)
                     : QFileDialog::getOpenFileName(parent, title, suggested, filter);
}
