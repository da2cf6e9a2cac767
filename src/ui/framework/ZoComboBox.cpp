#include "ui/framework/ZoComboBox.h"
#include "ui/framework/ZoColors.h"
#include "ui/framework/ZoKeys.h"
#include <QKeyEvent>
#include <QRegularExpression>

TzoComboBox::TzoComboBox(QWidget *parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
}

QString TzoComboBox::SelectedText() const
{
    return currentIndex() < 0 ? QString() : itemText(currentIndex());
}

void TzoComboBox::SelectText(const QString &text)
{
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TzoComboBox::LoadItems(const QStringList &values, const QString &fallback)
{
    clear();
    addItems(values);
    if (count() == 0)
        addItems(fallback.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts));
}

void TzoComboBox::keyPressEvent(QKeyEvent *event)
{
    if (ZoKeys::IsEnter(event)) {
        ZoKeys::MoveFocus(this, event->modifiers() & Qt::ShiftModifier);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
    if (event->key() == Qt::Key_Delete && !isEditable())
        setCurrentIndex(-1);
}

void TzoComboBox::focusInEvent(QFocusEvent *event)
{
    ZoColors::SetBackground(this, ZoColors::Aqua());
    QComboBox::focusInEvent(event);
}

void TzoComboBox::focusOutEvent(QFocusEvent *event)
{
    ZoColors::SetBackground(this, ZoColors::White());
    QComboBox::focusOutEvent(event);
}
