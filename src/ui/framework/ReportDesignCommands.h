#pragma once
#include "reportengine/ReportModel.h"
#include <QUndoCommand>
#include <functional>

// The designer's edits. Each command keeps the template before and after its
// edit, so undo and redo just put one of them back.
class TReportDesignCommand : public QUndoCommand {
public:
    using TApply = std::function<void(const TRptReport &)>;
    TReportDesignCommand(const QString &text, const TRptReport &before, TApply apply);
    void undo() override { m_apply(m_before); }
    void redo() override { m_apply(m_after); }

protected:
    TRptReport m_before, m_after;
    TApply m_apply;
};

// An item address: band index and item index (-1: the band itself).
struct TRptRef {
    int Band = -1;
    int Item = -1;
    bool operator==(const TRptRef &) const = default;
};

class TAddBandCommand : public TReportDesignCommand {
public:
    TAddBandCommand(const TRptReport &before, TRptBandKind kind, TApply apply);
};

class TAddItemsCommand : public TReportDesignCommand {
public:
    // Adds `items` to band `band` (names made unique); used for new items and for pasting.
    TAddItemsCommand(const QString &text, const TRptReport &before, int band, const QList<TRptItem> &items, TApply apply);
};

class TDeleteCommand : public TReportDesignCommand {
public:
    TDeleteCommand(const TRptReport &before, const QList<TRptRef> &refs, TApply apply);
};

class TMoveItemsCommand : public TReportDesignCommand {
public:
    // Moves by (dx, dy) and grows by (dw, dh) millimetres.
    TMoveItemsCommand(const TRptReport &before, const QList<TRptRef> &refs, double dx, double dy, double dw, double dh, TApply apply);
};

class TSetPropertyCommand : public TReportDesignCommand {
public:
    // Sets a property of an item, a band (ref.Item < 0) or the page (ref.Band < 0).
    TSetPropertyCommand(const TRptReport &before, const TRptRef &ref, const QString &property, const QVariant &value, TApply apply);
};

class TAlignCommand : public TReportDesignCommand {
public:
    // Lines the selected items up with the first one selected.
    enum Mode { Left, HCentre, Right, Top, VCentre, Bottom };
    TAlignCommand(const TRptReport &before, const QList<TRptRef> &refs, Mode mode, TApply apply);
};

class TDistributeCommand : public TReportDesignCommand {
public:
    // Leaves the outermost items where they are and spaces the others with equal gaps between them.
    TDistributeCommand(const TRptReport &before, const QList<TRptRef> &refs, Qt::Orientation orientation, TApply apply);
};

class TResizeBandCommand : public TReportDesignCommand {
public:
    TResizeBandCommand(const TRptReport &before, int band, double height, TApply apply);
};
