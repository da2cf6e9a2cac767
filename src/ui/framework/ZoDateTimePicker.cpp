#include "ui/framework/ZoDateTimePicker.h"
#include "ui/framework/ZoColors.h"
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QHBoxLayout>

namespace {
bool isNull(const QVariant &v) { return !v.isValid() || v.isNull(); }

QDateTime toDateTime(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    if (v.typeId() == QMetaType::QTime)
        return QDateTime(QDate::currentDate(), v.toTime());
    return v.toDateTime();
}
} // namespace

TzoDateTimePicker::TzoDateTimePicker(QWidget *parent, Kind kind)
    : QWidget(parent), m_check(new QCheckBox(this)), m_edit(new QDateTimeEdit(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_check);
    layout->addWidget(m_edit, 1);
    m_check->setObjectName(QStringLiteral("CheckBox"));
    m_check->setVisible(false);
    m_check->setChecked(false);
    m_edit->setCalendarPopup(kind != Kind::Time);
    m_edit->setDisplayFormat(kind == Kind::Date   ? QStringLiteral("yyyy-MM-dd")
                             : kind == Kind::Time ? QStringLiteral("hh:mm:ss")
                                                  : QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    m_edit->setDateTime(QDateTime::currentDateTime());
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);
    connect(m_edit, &QDateTimeEdit::dateTimeChanged, this, &TzoDateTimePicker::changed);
    connect(m_check, &QCheckBox::toggled, this, &TzoDateTimePicker::changed);
}

void TzoDateTimePicker::SetShowCheckbox(bool show)
{
    m_showCheckbox = show;
    m_check->setVisible(show);
}

bool TzoDateTimePicker::Checked() const { return m_check->isChecked(); }
void TzoDateTimePicker::SetChecked(bool checked) { m_check->setChecked(checked); }
QDateTime TzoDateTimePicker::DateTime() const { return m_edit->dateTime(); }
void TzoDateTimePicker::SetDateTime(const QDateTime &value) { m_edit->setDateTime(value); }

QVariant TzoDateTimePicker::AsDate() const
{
    return hasValue() ? QVariant(m_edit->date()) : QVariant();
}

QVariant TzoDateTimePicker::AsTime() const
{
    return hasValue() ? QVariant(m_edit->time()) : QVariant();
}

QVariant TzoDateTimePicker::AsDateTime() const
{
    return hasValue() ? QVariant(m_edit->dateTime()) : QVariant();
}

void TzoDateTimePicker::SetAsDate(const QVariant &value)
{
    if (!isNull(value)) {
        m_edit->setDateTime(toDateTime(value));
        return;
    }
    m_edit->setDateTime(QDateTime::currentDateTime());
    if (m_showCheckbox)
        m_check->setChecked(false);
}

void TzoDateTimePicker::SetAsTime(const QVariant &value)
{
    if (!isNull(value))
        m_edit->setDateTime(toDateTime(value));
    else if (m_showCheckbox)
        m_check->setChecked(false);
    else
        m_edit->setDateTime(QDateTime::currentDateTime());
}

void TzoDateTimePicker::Clear()
{
    m_edit->setDateTime(QDateTime::currentDateTime());
    SetAsDate(QVariant());
}

bool TzoDateTimePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::FocusIn)
        ZoColors::SetBackground(m_edit, ZoColors::Aqua());
    else if (watched == m_edit && event->type() == QEvent::FocusOut)
        ZoColors::SetBackground(m_edit, ZoColors::White());
    return QWidget::eventFilter(watched, event);
}
