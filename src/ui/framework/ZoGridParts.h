#pragma once
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QWidget>

class TzoDBGrid;

// Column titles: sort markers, and two-level titles for captions "Top|Bottom"
// whose top part spans the neighbouring columns that share it.
class TzoGridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit TzoGridHeader(TzoDBGrid *grid);
    bool HasTwoLevels() const;
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logical) const override;

private:
    QString title(int logical) const;
    QRect groupRect(int logical, const QString &top, const QRect &rect) const;
    void paintCell(QPainter *painter, const QRect &rect, const QString &text, int logical, bool marker) const;
    TzoDBGrid *m_grid;
};

// The indicator column: record numbers, the current record in bold.
class TzoGridIndicator : public QHeaderView {
    Q_OBJECT
public:
    explicit TzoGridIndicator(TzoDBGrid *grid);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logical) const override;

private:
    TzoDBGrid *m_grid;
};

// The footer row under the data: sums of the columns that asked for one.
class TzoGridFooter : public QWidget {
    Q_OBJECT
public:
    explicit TzoGridFooter(TzoDBGrid *grid);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TzoDBGrid *m_grid;
};

// Cells: cream background on every other record, and the window's own drawing hook.
class TzoGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TzoGridDelegate(TzoDBGrid *grid);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    TzoDBGrid *m_grid;
};
