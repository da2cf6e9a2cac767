#pragma once
#include "reportengine/ReportModel.h"
#include "ui/framework/ReportDesignCommands.h"
#include <QDialog>
#include <functional>

class TRep;
class TReportCanvas;
class QTableWidget;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QUndoStack;

// The visual designer of one template: palette of bands and items, the page
// with its bands, the property table, the structure tree and the data fields
// that can be dragged onto a band. Saving goes to the template store.
class TReportDesigner : public QDialog {
    Q_OBJECT
public:
    explicit TReportDesigner(TRep &rep, QWidget *parent = nullptr);
    ~TReportDesigner() override;

    const TRptReport &Report() const { return m_report; }
    QUndoStack *UndoStack() const { return m_undo; }
    TReportCanvas *Canvas() const { return m_canvas; }

    // Commands (also on the tool bar).
    void AddBand(TRptBandKind kind);
    void AddItem(TRptItemKind kind);
    void AddFieldText(int band, double x, double y, const QString &text);
    void DeleteSelection();
    void CopySelection();
    void CutSelection();
    void Paste();
    void MoveSelection(double dx, double dy, double dw, double dh);
    void Align(TAlignCommand::Mode mode);
    void Distribute(Qt::Orientation orientation);
    void ResizeBand(int band, double height);
    // Deletes the bands of the selection (bands or items in them) with their items.
    void DeleteBands();
    // Turns the field references of the selected texts into totals: "Sum", "Count", "Avg", "Min", "Max".
    void WrapInAggregate(const QString &function);
    void SetProperty(const TRptRef &ref, const QString &property, const QVariant &value);
    void OpenFile();
    void Save();
    void SaveAs();
    void Preview();

private:
    QToolBar *buildFileBar();
    QToolBar *buildLayoutBar();
    QWidget *buildPanes();
    QAction *toolAction(QToolBar *bar, const QString &name, const QString &text, std::function<void()> slot,
                       const QKeySequence &key = {});
    QToolButton *addMenuButton(QToolBar *bar, const QString &name, const QString &text);
    void apply(const TRptReport &report);
    void push(QUndoCommand *command);
    void refreshTree();
    void refreshProperties();
    void fillDataTree();
    void propertyEdited(int row, int column);
    int targetBand() const;
    TReportDesignCommand::TApply applier();

    TRep &m_rep;
    TRptReport m_report;
    QUndoStack *m_undo;
    TReportCanvas *m_canvas;
    QTreeWidget *m_structure;
    QTreeWidget *m_data;
    QTableWidget *m_props;
    bool m_filling = false;
};
