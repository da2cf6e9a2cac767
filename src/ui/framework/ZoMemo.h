#pragma once
#include <QPlainTextEdit>

// A multi-line edit: Enter starts a new line; the focus colours of the entry controls.
class TzoMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TzoMemo(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
