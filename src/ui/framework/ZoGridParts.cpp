#include "ui/framework/ZoGridParts.h"
#include "data/DataSet.h"
#include "data/RecordSetModel.h"
#include "ui/framework/ZoColors.h"
#include "ui/framework/ZoDBGrid.h"
#include <QPainter>
#include <QStyleOptionHeader>

// ---- titles ----

TzoGridHeader::TzoGridHeader(TzoDBGrid *grid) : QHeaderView(Qt::Horizontal, grid), m_grid(grid) {}

QString TzoGridHeader::title(int logical) const
{
    return model() ? model()->headerData(logical, Qt::Horizontal).toString() : QString();
}

bool TzoGridHeader::HasTwoLevels() const
{
    for (int c = 0; c < count(); ++c)
        if (!isSectionHidden(c) && title(c).contains(u'|'))
            return true;
    return false;
}

QSize TzoGridHeader::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    const int line = qMax(20, fontMetrics().height() + 6);
    s.setHeight(HasTwoLevels() ? 2 * line : line);
    return s;
}

// The span of the visible neighbours whose titles start with the same top part.
QRect TzoGridHeader::groupRect(int logical, const QString &top, const QRect &rect) const
{
    auto sameTop = [&](int l) { return !isSectionHidden(l) && title(l).section(u'|', 0, 0) == top && title(l).contains(u'|'); };
    int left = rect.left(), right = rect.right();
    for (int v = visualIndex(logical) - 1; v >= 0; --v) {
        const int l = logicalIndex(v);
        if (isSectionHidden(l))
            continue;
        if (!sameTop(l))
            break;
        left -= sectionSize(l);
    }
    for (int v = visualIndex(logical) + 1; v < count(); ++v) {
        const int l = logicalIndex(v);
        if (isSectionHidden(l))
            continue;
        if (!sameTop(l))
            break;
        right += sectionSize(l);
    }
    return QRect(QPoint(left, rect.top()), QPoint(right, rect.top() + rect.height() / 2 - 1));
}

void TzoGridHeader::paintCell(QPainter *painter, const QRect &rect, const QString &text, int logical, bool marker) const
{
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = rect;
    opt.section = logical;
    opt.text = text;
    opt.textAlignment = Qt::AlignCenter;
    opt.position = QStyleOptionHeader::Middle;
    if (marker) {
        const TField *f = m_grid->RecordModel()->FieldAt(logical);
        for (const RSortKey &k : m_grid->SortMarkers())
            if (f && k.FieldName == f->FieldName())
                opt.sortIndicator = k.Descending ? QStyleOptionHeader::SortDown : QStyleOptionHeader::SortUp;
    }
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
}

void TzoGridHeader::paintSection(QPainter *painter, const QRect &rect, int logical) const
{
    const QString text = title(logical);
    if (!text.contains(u'|')) {
        paintCell(painter, rect, text, logical, true);
        return;
    }
    const QString top = text.section(u'|', 0, 0);
    const QRect band = groupRect(logical, top, rect);
    painter->save();
    painter->setClipRect(QRect(rect.left(), band.top(), rect.width(), band.height()));
    paintCell(painter, band, top, logical, false);
    painter->restore();
    paintCell(painter, QRect(QPoint(rect.left(), band.bottom() + 1), rect.bottomRight()), text.section(u'|', 1), logical, true);
}

// ---- indicator column ----

TzoGridIndicator::TzoGridIndicator(TzoDBGrid *grid) : QHeaderView(Qt::Vertical, grid), m_grid(grid)
{
    setFixedWidth(30);
    setDefaultAlignment(Qt::AlignCenter);
}

void TzoGridIndicator::paintSection(QPainter *painter, const QRect &rect, int logical) const
{
    const TDataSet *ds = m_grid->DataSet();
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = rect;
    opt.section = logical;
    opt.text = QString::number(logical + 1);
    opt.textAlignment = Qt::AlignCenter;
    painter->save();
    QFont f = font();
    f.setBold(ds && ds->RecNo() == logical);
    painter->setFont(f);
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
    painter->restore();
}

// ---- footer ----

TzoGridFooter::TzoGridFooter(TzoDBGrid *grid) : QWidget(grid), m_grid(grid) {}

void TzoGridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);
    const QHeaderView *header = m_grid->horizontalHeader();
    const int offset = m_grid->viewport()->geometry().left();
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    for (int v = 0; v < header->count(); ++v) {
        const int logical = header->logicalIndex(v);
        if (header->isSectionHidden(logical))
            continue;
        const QRect cell(offset + header->sectionViewportPosition(logical), 1, header->sectionSize(logical), height() - 1);
        painter.setPen(palette().color(QPalette::Midlight));
        painter.drawLine(cell.topRight(), cell.bottomRight());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(cell.adjusted(2, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, m_grid->FooterText(logical));
    }
}

// ---- cells ----

TzoGridDelegate::TzoGridDelegate(TzoDBGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void TzoGridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.row() % 2 == 0 && !(option->state & QStyle::State_Selected))
        option->backgroundBrush = ZoColors::Cream();
}

void TzoGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (m_grid->OnDrawColumnCell)
        m_grid->OnDrawColumnCell(painter, option.rect, index.column(), option.state,
                                 m_grid->RecordModel()->FieldAt(index.column()));
    QStyledItemDelegate::paint(painter, option, index);
}
