#pragma once
#include <QComboBox>
#include <QStringList>

// A choice box without automatic completion; Enter moves the focus and
// Delete returns a list-only box to no selection.
class TzoComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TzoComboBox(QWidget *parent = nullptr);

    // The selected item's text, "" when nothing is selected.
    QString SelectedText() const;
    // Selects the first item equal to `text`; none when there is no such item.
    void SelectText(const QString &text);
    // Replaces the items with `values`; when that leaves the list empty, the
    // lines of `fallback` become the items.
    void LoadItems(const QStringList &values, const QString &fallback);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
