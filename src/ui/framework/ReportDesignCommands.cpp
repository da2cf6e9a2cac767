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
            if (p.Name == property)
                p.Set(object, value);
    };
    if (ref.Band < 0)
        set(m_after.Page, PageProps());
    else if (ref.Item < 0)
        set(m_after.Bands[ref.Band], BandProps(m_after.Bands[ref.Band].Kind));
    else
        set(m_after.Bands[ref.Band].Items[ref.Item], ItemProps(m_after.Bands[ref.Band].Items[ref.Item].Kind));
}

TAlignCommand::TAlignCommand(const TRptReport &before, const QList<TRptRef> &refs, Mode mode, TApply apply)
    : TReportDesignCommand(QStringLiteral("对齐"), before, std::move(apply))
{
    QList<TRptItem *> items;
    for (const TRptRef &r : refs)
        if (r.Item >= 0)
            items.append(&m_after.Bands[r.Band].Items[r.Item]);
    if (items.size() < 2)
        return;
    const TRptItem first = *items.first();
    if (mode == SpreadHorizontally || mode == SpreadVertically) {
        const bool h = mode == SpreadHorizontally;
        std::sort(items.begin(), items.end(), [h](auto *a, auto *b) { return h ? a->X < b->X : a->Y < b->Y; });
        const double start = h ? items.first()->X : items.first()->Y;
        const double end = h ? items.last()->X : items.last()->Y;
        for (int k = 0; k < items.size(); ++k)
            (h ? items[k]->X : items[k]->Y) = start + (end - start) * k / (items.size() - 1);
        return;
    }
    for (TRptItem *i : items) {
        switch (mode) {
        case Left: i->X = first.X; break;
        case Top: i->Y = first.Y; break;
        case Right: i->X = first.X + first.W - i->W; break;
        case Bottom: i->Y = first.Y + first.H - i->H; break;
        default: break;
        }
    }
}
