#pragma once
#include "app/GridLayout.h"
#include "data/SortText.h"
#include <QPointer>
#include <QStyle>
#include <QTableView>
#include <functional>

class QAction;
class TDataSet;
class TField;
class TRecordSetModel;
class TzoPopupMenu;
class TzoGridFooter;
class TzoGridHeader;

// The grid of every list: one column per visible field of a data set, title
// clicks that sort, a column layout kept in syscols, footer sums, an
// indicator column, a popup menu with sort, column choice, layout saving and
// export, a batch update and a quick filter.
class TzoDBGrid : public QTableView {
    Q_OBJECT
public:
    explicit TzoDBGrid(QWidget *parent = nullptr);
    ~TzoDBGrid() override;

    void SetDataSet(TDataSet *dataSet);
    TDataSet *DataSet() const;
    TRecordSetModel *RecordModel() const { return m_model; }

    // Layout key: writing it loads the stored layout at once. Tag is the key when LayoutId <= 0.
    int LayoutId() const { return m_layoutId; }
    void SetLayoutId(int id);
    int Tag = 0;
    int LayoutKey() const { return m_layoutId > 0 ? m_layoutId : Tag; }
    // False (default): a column missing from a stored layout stays visible at
    // the end; true: it is hidden.
    void SetHideMissingColumns(bool hide) { m_hideMissing = hide; }

    // Columns: the visible fields, in the order they are shown.
    RLayoutColumns Columns() const { return m_columns; }
    TField *ColumnField(int column) const;
    int ColumnCountShown() const { return int(m_columns.size()); }
    bool IsColumnVisible(const QString &fieldName) const;
    void SetColumnVisible(const QString &fieldName, bool visible);
    void SetColumnWidth(const QString &fieldName, int width);
    void DefaultColumns();
    QString LayoutText() const { return GridLayout::Text(m_columns); }
    // Applies a layout text over the default columns (never throws).
    void ApplyLayout(const QString &text);
    void LoadLayout(int key);
    bool SaveLayout(int key);
    void RefreshTitles();
    // The model column of the field's column, -1 when the grid has none.
    int FindColumn(const TField *field) const;

    // Footer row
    void SetFooterVisible(bool visible);
    bool FooterVisible() const { return m_footerVisible; }
    // The column of `field` shows its sum in the field's own format.
    void SetFooterSum(TField *field);
    // The same with the format "0" for integers and "0.##" otherwise; switches the footer on.
    void AddFooterSum(TField *field);
    QString FooterText(int modelColumn) const;

    // Title-click sorting
    RSortKeys SortMarkers() const { return m_sortKeys; }
    void TitleClick(int modelColumn);

    // Records selected in the grid, ascending.
    QList<int> SelectedRows() const;

    TzoPopupMenu *PopupMenuZo() const { return m_menu; }
    QAction *ActionExport, *ActionExport2Excel, *ActionExport2Html, *ActionColVisible, *ActionTableStyleSave,
        *ActionSort;

    // Called after each record that a batch update changed (the current record is that one).
    std::function<void()> BatchProc;
    std::function<void(TField *)> OnCellClick;
    // Called before a cell is drawn in the normal way.
    std::function<void(QPainter *, const QRect &, int column, QStyle::State, TField *)> OnDrawColumnCell;

    // Commands; refused rights and failed checks end them with a message.
    void SortClick();
    void FilterClick();
    virtual void PickColumnsClick();
    virtual void SaveLayoutClick();
    virtual void SaveToExcelClick();
    virtual void SaveToHtmlClick();
    void ExportClick();
    void BatchUpdateClick();
    void PopupButtonClick(QWidget *control);
    // Writes the visible columns to a new workbook and opens it; returns its path.
    virtual QString ExportToExcel();
    virtual void ExportToHtml();

    // Quick filter: keeps the records whose field contains the keyword; an empty keyword shows all.
    void SetQuickFilter(const QString &fieldName, const QString &keyword);
    QString FilterText() const { return m_filterText; }

Q_SIGNALS:
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void updateGeometries() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // False, with the message, when there is no open data set to work on.
    bool DataCheck() const;

private:
    friend class TzoGridHeader;
    friend class TzoGridFooter;
    void createActions();
    void applyColumns();
    void syncFromHeader();
    void applyFilter();
    void followDataSetCursor(int row);
    QList<int> visibleModelColumns() const;
    int columnIndexOf(const QString &fieldName) const;

    TRecordSetModel *m_model;
    TzoPopupMenu *m_menu;
    TzoGridHeader *m_header;
    TzoGridFooter *m_footer;
    RLayoutColumns m_columns;
    RSortKeys m_sortKeys;
    QHash<QString, QString> m_footerFormats; // field name (lower case) -> number format, "" = field's own
    QString m_filterText;
    QString m_filterField;
    QString m_filterKeyword;
    int m_layoutId = 0;
    int m_fieldCount = -1;
    bool m_hideMissing = false;
    bool m_footerVisible = false;
    bool m_applying = false;
    bool m_syncingCursor = false;
};
