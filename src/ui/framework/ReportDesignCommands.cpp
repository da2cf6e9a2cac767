#include "ui/framework/ReportDesignCommands.h"
#include "reportengine/ReportProps.h"
#include <algorithm>

TReportDesignCommand::TReportDesignCommand(const QString &text, const TRptReport &before, TApply apply)
    : QUndoCommand(text), m_before(before), m_after(before), m_apply(std::move(apply))
{
}

TAddBandCommand::TAddBandCommand(const TRptReport &before, TRptBandKind kind, TApply apply)
    : TReportDesignCommand(QStringLiteral("添加") + BandKindCaption(kind), before, std::move(apply))
{
    TRptBand band;
    band.Kind = kind;
    band.Name = m_after.UniqueName(BandKindName(kind));
    if (IsDataBand(kind))
        band.DataSet = QStringLiteral("d");
    // Bands go where they print: page bands by kind order, data bands at the end of the body.
    int at = int(m_after.Bands.size());
    for (int i = 0; i < m_after.Bands.size(); ++i)
        if (int(m_after.Bands[i].Kind) > int(kind) && !IsDataBand(kind)) {
            at = i;
            break;
        }
    m_after.Bands.insert(at, band);
}

TAddItemsCommand::TAddItemsCommand(const QString &text, const TRptReport &before, int band, const QList<TRptItem> &items, TApply apply)
    : TReportDesignCommand(text, before, std::move(apply))
{
    if (band < 0 || band >= m_after.Bands.size())
        return;
    for (TRptItem item : items) {
        item.Name = m_after.UniqueName(ItemKindName(item.Kind));
        m_after.Bands[band].Items.append(item);
    }
}

TDeleteCommand::TDeleteCommand(const TRptReport &before, const QList<TRptRef> &refs, TApply apply)
    : TReportDesignCommand(QStringLiteral("删除"), before, std::move(apply))
{
    QList<TRptRef> sorted = refs;
    // Last first, so that the earlier indexes stay valid.
    std::sort(sorted.begin(), sorted.end(), [](const TRptRef &a, const TRptRef &b) {
        return a.Band != b.Band ? a.Band > b.Band : a.Item > b.Item;
    });
    for (const TRptRef &r : sorted) {
        if (r.Band < 0 || r.Band >= m_after.Bands.size())
            continue;
        if (r.Item < 0)
            m_after.Bands.removeAt(r.Band);
        else if (r.Item < m_after.Bands[r.Band].Items.size())
            m_after.Bands[r.Band].Items.removeAt(r.Item);
    }
}

TMoveItemsCommand::TMoveItemsCommand(const TRptReport &before, const QList<TRptRef> &refs, double dx, double dy, double dw,
                                     double dh, TApply apply)
    : TReportDesignCommand(dw || dh ? QStringLiteral("改变大小") : QStringLiteral("移动"), before, std::move(apply))
{
    for (const TRptRef &r : refs) {
        if (r.Item < 0) {
            m_after.Bands[r.Band].Height = qMax(1.0, m_after.Bands[r.Band].Height + dh);
            continue;
        }
        TRptItem &i = m_after.Bands[r.Band].Items[r.Item];
        i.X = qMax(0.0, i.X + dx);
        i.Y = qMax(0.0, i.Y + dy);
        i.W = i.Kind == TRptItemKind::Line ? i.W + dw : qMax(1.0, i.W + dw);
        i.H = i.Kind == TRptItemKind::Line ? i.H + dh : qMax(1.0, i.H + dh);
    }
}

TSetPropertyCommand::TSetPropertyCommand(const TRptReport &before, const TRptRef &ref, const QString &property,
                                         const QVariant &value, TApply apply)
    : TReportDesignCommand(QStringLiteral("修改") + property, before, std::move(apply))
{
    auto set = [&](auto &object, const auto &props) {
        for (const auto &p : props)
            if (p.Name == property) {
                p.Set(object, value);
                setText(QStringLiteral("修改") + p.Caption); // the user's word for it in the undo tip
            }
    };
    if (ref.Band < 0)
        set(m_after.Page, PageProps());
    else if (ref.Item < 0)
        set(m_after.Bands[ref.Band], BandProps(m_after.Bands[ref.Band].Kind));
    else
        set(m_after.Bands[ref.Band].Items[ref.Item], ItemProps(m_after.Bands[ref.Band].Items[ref.Item].Kind));
}

namespace {
QList<TRptItem *> selectedItems(TRptReport &report, const QList<TRptRef> &refs)
{
    QList<TRptItem *> items;
    for (const TRptRef &r : refs)
        if (r.Item >= 0)
            items.append(&report.Bands[r.Band].Items[r.Item]);
    return items;
}
} // namespace

TAlignCommand::TAlignCommand(const TRptReport &before, const QList<TRptRef> &refs, Mode mode, TApply apply)
    : TReportDesignCommand(QStringLiteral("对齐"), before, std::move(apply))
{
    const QList<TRptItem *> items = selectedItems(m_after, refs);
    if (items.size() < 2)
        return;
    const TRptItem first = *items.first();
    for (TRptItem *i : items) {
        switch (mode) {
        case Left: i->X = first.X; break;
        case HCentre: i->X = first.X + (first.W - i->W) / 2; break;
        case Right: i->X = first.X + first.W - i->W; break;
        case Top: i->Y = first.Y; break;
        case VCentre: i->Y = first.Y + (first.H - i->H) / 2; break;
        case Bottom: i->Y = first.Y + first.H - i->H; break;
        }
        i->X = qMax(0.0, i->X);
        i->Y = qMax(0.0, i->Y);
    }
}

TDistributeCommand::TDistributeCommand(const TRptReport &before, const QList<TRptRef> &refs, Qt::Orientation orientation,
                                       TApply apply)
    : TReportDesignCommand(QStringLiteral("等距分布"), before, std::move(apply))
{
    QList<TRptItem *> items = selectedItems(m_after, refs);
    if (items.size() < 3)
        return;
    const bool h = orientation == Qt::Horizontal;
    auto start = [h](TRptItem *i) -> double & { return h ? i->X : i->Y; };
    auto size = [h](const TRptItem *i) { return h ? i->W : i->H; };
    std::stable_sort(items.begin(), items.end(), [&](TRptItem *a, TRptItem *b) { return start(a) < start(b); });
    double span = start(items.last()) + size(items.last()) - start(items.first());
    for (const TRptItem *i : items)
        span -= size(i);
    // Overlapping items get a negative gap and stay overlapped evenly.
    const double gap = span / (items.size() - 1);
    double at = start(items.first());
    for (TRptItem *i : items) {
        start(i) = at;
        at += size(i) + gap;
    }
}

TResizeBandCommand::TResizeBandCommand(const TRptReport &before, int band, double height, TApply apply)
    : TReportDesignCommand(QStringLiteral("改变带区高度"), before, std::move(apply))
{
    if (band >= 0 && band < m_after.Bands.size())
        m_after.Bands[band].Height = qMax(1.0, height);
}
