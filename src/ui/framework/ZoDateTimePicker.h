#pragma once
#include <QDateTime>
#include <QVariant>
#include <QWidget>

class QCheckBox;
class QDateTimeEdit;

// A date (or time) picker with an optional check box. Unticked, the picker
// has no value and every As* property reads Null.
class TzoDateTimePicker : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Date, Time, DateTime };
    explicit TzoDateTimePicker(QWidget *parent = nullptr, Kind kind = Kind::Date);

    bool ShowCheckbox() const { return m_showCheckbox; }
    void SetShowCheckbox(bool show);
    bool Checked() const;
    void SetChecked(bool checked);
    QDateTime DateTime() const;
    void SetDateTime(const QDateTime &value);
    QDateTimeEdit *Editor() const { return m_edit; }
    QCheckBox *CheckBox() const { return m_check; }

    QVariant AsDate() const;
    void SetAsDate(const QVariant &value);
    QVariant AsTime() const;
    void SetAsTime(const QVariant &value);
    QVariant AsDateTime() const;
    void SetAsDateTime(const QVariant &value) { SetAsDate(value); }
    // Back to now and no value.
    void Clear();

Q_SIGNALS:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool hasValue() const { return !m_showCheckbox || Checked(); }
    QCheckBox *m_check;
    QDateTimeEdit *m_edit;
    bool m_showCheckbox = false;
};
