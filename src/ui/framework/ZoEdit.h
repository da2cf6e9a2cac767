#pragma once
#include <QColor>
#include <QLineEdit>
#include <QVariant>

// A single-line edit that knows whether it holds free text, a decimal number
// or an integer: it filters typed characters, moves the focus on Enter and
// converts its text with fixed messages (EConvertError).
class TzoEdit : public QLineEdit {
    Q_OBJECT
public:
    enum TEditType { etFree, etNumber, etInteger };
    Q_ENUM(TEditType)

    explicit TzoEdit(QWidget *parent = nullptr);

    TEditType EditType() const { return m_editType; }
    void SetEditType(TEditType type) { m_editType = type; }
    bool TabOnEnter() const { return m_tabOnEnter; }
    void SetTabOnEnter(bool on) { m_tabOnEnter = on; }
    QColor ColorOnEnter() const { return m_colorOnEnter; }
    void SetColorOnEnter(const QColor &c) { m_colorOnEnter = c; }
    QColor ColorOnReadOnly() const { return m_colorOnReadOnly; }
    void SetColorOnReadOnly(const QColor &c) { m_colorOnReadOnly = c; }

    // Empty text reads as 0; 0 is written as empty text.
    double AsDouble() const;
    void SetAsDouble(double value);
    int AsInteger() const;
    void SetAsInteger(int value);
    // Empty text reads as Null (an invalid QVariant); a QDate / QDateTime otherwise.
    QVariant AsDate() const;
    void SetAsDate(const QVariant &value);
    QVariant AsDateTime() const;
    void SetAsDateTime(const QVariant &value);
    // Converted by EditType: double, qint64 or the text; Null when empty.
    QVariant AsVariant() const;
    void SetAsVariant(const QVariant &value);

    // Whether `c`, typed into an edit holding `text`, passes the filter of `type`.
    static bool Accepts(TEditType type, const QString &text, QChar c);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    TEditType m_editType = etFree;
    bool m_tabOnEnter = true;
    QColor m_colorOnEnter;
    QColor m_colorOnReadOnly;
    QColor m_savedColor;
};
