#include "ui/framework/ZoDBGrid.h"
#include "app/Launcher.h"
#include "app/Prompter.h"
#include "app/Rights.h"
#include "data/DataSet.h"
#include "data/RecordSetModel.h"
#include "reports/ExportWriters.h"
#include "ui/framework/BatchUpdateFrm.h"
#include "ui/framework/DataExporterFrm.h"
#include "ui/framework/FltrDlgFrm.h"
#include "ui/framework/SortFrm.h"
#include "ui/framework/VisibleFrm.h"
#include "ui/framework/ZoApplication.h"
#include "ui/framework/ZoGridParts.h"
#include "ui/framework/ZoPopupMenu.h"
#include <QAbstractButton>
#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QKeyEvent>
#include <QStandardPaths>

namespace {
enum RightCode { rightExport = 10004, rightSaveStyle = 10006, rightPickColumns = 10008 };
const int kDefaultWidth = 64;
} // namespace

TzoDBGrid::TzoDBGrid(QWidget *parent)
    : QTableView(parent), m_model(new TRecordSetModel(nullptr, this)), m_menu(new TzoPopupMenu(this)),
      m_header(new TzoGridHeader(this)), m_footer(new TzoGridFooter(this))
{
    setHorizontalHeader(m_header);
    setVerticalHeader(new TzoGridIndicator(this));
    setModel(m_model);
    setItemDelegate(new TzoGridDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_header->setSectionsClickable(true);
    m_header->setSectionsMovable(true);
    m_header->setHighlightSections(false);
    m_header->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultSectionSize(qMax(16, fontMetrics().height() + 4));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_footer->hide();
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_menu->popup(viewport()->mapToGlobal(pos)); });
    createActions();

    // The corner above the indicator column reads "NO".
    if (auto *corner = findChild<QAbstractButton *>())
        corner->installEventFilter(this);

    connect(m_header, &QHeaderView::sectionClicked, this, &TzoDBGrid::TitleClick);
    connect(m_header, &QHeaderView::sectionMoved, this, [this] { syncFromHeader(); });
    connect(m_header, &QHeaderView::sectionResized, this, [this] { syncFromHeader(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        const TDataSet *ds = DataSet();
        if (ds && ds->FieldCount() != m_fieldCount)
            DefaultColumns();
        else
            applyColumns();
        applyFilter();
    });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_model, signal, m_footer, qOverload<>(&QWidget::update));
    connect(m_model, &QAbstractItemModel::dataChanged, m_footer, qOverload<>(&QWidget::update));
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (OnCellClick)
            OnCellClick(m_model->FieldAt(index.column()));
    });
}

TzoDBGrid::~TzoDBGrid() = default;

void TzoDBGrid::createActions()
{
    auto make = [this](const QString &caption, void (TzoDBGrid::*command)()) {
        auto *action = new QAction(caption, this);
        connect(action, &QAction::triggered, this, [this, command] { TZoApplication::Guard([this, command] { (this->*command)(); }); });
        return action;
    };
    ActionExport = make(QStringLiteral("导出"), &TzoDBGrid::ExportClick);
    ActionExport2Excel = make(QStringLiteral("导出到Excel文档"), &TzoDBGrid::SaveToExcelClick);
    ActionExport2Html = make(QStringLiteral("导出到Html网页文件"), &TzoDBGrid::SaveToHtmlClick);
    ActionColVisible = make(QStringLiteral("列选择"), &TzoDBGrid::PickColumnsClick);
    ActionTableStyleSave = make(QStringLiteral("保存表格样式"), &TzoDBGrid::SaveLayoutClick);
    ActionSort = make(QStringLiteral("排序"), &TzoDBGrid::SortClick);
    m_menu->AddActionItem(ActionSort);
    m_menu->AddSeparator();
    m_menu->AddActionItem(ActionColVisible);
    m_menu->AddActionItem(ActionTableStyleSave);
    m_menu->AddSeparator();
    m_menu->AddActionItem(ActionExport2Excel);
    m_menu->AddActionItem(ActionExport2Html);
}

// ---- data set and cursor ----

void TzoDBGrid::SetDataSet(TDataSet *dataSet)
{
    if (TDataSet *old = DataSet())
        disconnect(old, nullptr, this, nullptr);
    m_sortKeys.clear();
    m_fieldCount = -1;
    m_model->SetDataSet(dataSet);
    if (dataSet) {
        connect(dataSet, &TDataSet::currentChanged, this, &TzoDBGrid::followDataSetCursor);
        connect(dataSet, &TDataSet::fieldsChanged, this, [this] { m_header->viewport()->update(); });
    }
    if (m_fieldCount < 0)
        DefaultColumns();
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        TDataSet *ds = DataSet();
        if (!ds || m_syncingCursor || !current.isValid() || current.row() == ds->RecNo())
            return;
        m_syncingCursor = true;
        ds->SetRecNo(current.row());
        m_syncingCursor = false;
        verticalHeader()->viewport()->update();
    });
    followDataSetCursor(dataSet ? dataSet->RecNo() : -1);
}

TDataSet *TzoDBGrid::DataSet() const
{
    return m_model->DataSet();
}

void TzoDBGrid::followDataSetCursor(int row)
{
    verticalHeader()->viewport()->update();
    if (m_syncingCursor || row < 0 || row >= m_model->rowCount())
        return;
    int column = currentIndex().isValid() ? currentIndex().column() : -1;
    if (column < 0 || isColumnHidden(column)) {
        const QList<int> shown = visibleModelColumns();
        column = shown.isEmpty() ? 0 : shown.first();
    }
    m_syncingCursor = true;
    selectionModel()->setCurrentIndex(m_model->index(row, column),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_syncingCursor = false;
}

QList<int> TzoDBGrid::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &i : selectionModel()->selectedRows())
        rows.append(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

// ---- columns and layouts ----

void TzoDBGrid::DefaultColumns()
{
    m_columns.clear();
    const TDataSet *ds = DataSet();
    m_fieldCount = ds ? ds->FieldCount() : -1;
    if (ds)
        for (const TField *f : ds->Fields())
            if (f->Visible())
                m_columns.append({f->FieldName(), true, f->DisplayWidth() > 0 ? f->DisplayWidth() : kDefaultWidth});
    applyColumns();
}

// Puts the header into the state of m_columns: order, widths, hidden sections.
void TzoDBGrid::applyColumns()
{
    const TDataSet *ds = DataSet();
    if (!ds)
        return;
    m_applying = true;
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_header->setSectionHidden(c, true);
    int visual = 0;
    for (const RLayoutColumn &col : std::as_const(m_columns)) {
        const int logical = m_model->ColumnOf(col.FieldName);
        if (logical < 0)
            continue;
        m_header->moveSection(m_header->visualIndex(logical), visual++);
        m_header->resizeSection(logical, col.Width);
        m_header->setSectionHidden(logical, !col.Visible);
    }
    m_applying = false;
    m_header->updateGeometry();
    updateGeometries();
    m_footer->update();
}

// The user moved or resized a column: take the header's state over.
void TzoDBGrid::syncFromHeader()
{
    if (m_applying)
        return;
    RLayoutColumns ordered;
    for (int v = 0; v < m_header->count(); ++v) {
        const int logical = m_header->logicalIndex(v);
        const TField *f = m_model->FieldAt(logical);
        const int i = f ? columnIndexOf(f->FieldName()) : -1;
        if (i < 0)
            continue;
        RLayoutColumn c = m_columns[i];
        if (!m_header->isSectionHidden(logical))
            c.Width = m_header->sectionSize(logical);
        ordered.append(c);
    }
    m_columns = ordered;
    m_footer->update();
}

int TzoDBGrid::columnIndexOf(const QString &fieldName) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].FieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

TField *TzoDBGrid::ColumnField(int column) const
{
    const TDataSet *ds = DataSet();
    return ds && column >= 0 && column < m_columns.size() ? ds->FindField(m_columns[column].FieldName) : nullptr;
}

bool TzoDBGrid::IsColumnVisible(const QString &fieldName) const
{
    const int i = columnIndexOf(fieldName);
    return i >= 0 && m_columns[i].Visible;
}

void TzoDBGrid::SetColumnVisible(const QString &fieldName, bool visible)
{
    const int i = columnIndexOf(fieldName);
    if (i < 0)
        return;
    m_columns[i].Visible = visible;
    applyColumns();
}

void TzoDBGrid::SetColumnWidth(const QString &fieldName, int width)
{
    const int i = columnIndexOf(fieldName);
    if (i < 0)
        return;
    m_columns[i].Width = width;
    applyColumns();
}

void TzoDBGrid::ApplyLayout(const QString &text)
{
    DefaultColumns();
    if (text.isEmpty())
        return;
    GridLayout::Apply(m_columns, text, m_hideMissing);
    applyColumns();
}

void TzoDBGrid::SetLayoutId(int id)
{
    m_layoutId = id;
    LoadLayout(LayoutKey());
}

void TzoDBGrid::LoadLayout(int key)
{
    ApplyLayout(GridLayout::Load(key));
}

bool TzoDBGrid::SaveLayout(int key)
{
    return GridLayout::Save(key, LayoutText());
}

void TzoDBGrid::RefreshTitles()
{
    m_header->viewport()->update();
}

int TzoDBGrid::FindColumn(const TField *field) const
{
    if (!field || columnIndexOf(field->FieldName()) < 0)
        return -1;
    return m_model->ColumnOf(field->FieldName());
}

QList<int> TzoDBGrid::visibleModelColumns() const
{
    QList<int> shown;
    for (int v = 0; v < m_header->count(); ++v) {
        const int logical = m_header->logicalIndex(v);
        if (!m_header->isSectionHidden(logical))
            shown.append(logical);
    }
    return shown;
}

// ---- footer ----

void TzoDBGrid::SetFooterVisible(bool visible)
{
    m_footerVisible = visible;
    m_footer->setVisible(visible);
    updateGeometries();
}

void TzoDBGrid::SetFooterSum(TField *field)
{
    if (field)
        m_footerFormats.insert(field->FieldName().toLower(), QString());
    m_footer->update();
}

void TzoDBGrid::AddFooterSum(TField *field)
{
    if (!field)
        return;
    m_footerFormats.insert(field->FieldName().toLower(),
                           field->Kind() == TFieldKind::Integer ? QStringLiteral("0") : QStringLiteral("0.##"));
    SetFooterVisible(true);
}

QString TzoDBGrid::FooterText(int modelColumn) const
{
    const TField *f = m_model->FieldAt(modelColumn);
    if (!f || !m_footerFormats.contains(f->FieldName().toLower()))
        return QString();
    const TDataSet *ds = DataSet();
    const QString format = m_footerFormats.value(f->FieldName().toLower());
    // Money and integers add up exactly; the float sum is rounded only when shown.
    qint64 whole = 0;
    double real = 0;
    for (int r = 0; r < ds->RecordCount(); ++r) {
        const QVariant v = ds->ValueAt(r, modelColumn);
        if (f->Kind() == TFieldKind::Float)
            real += v.toDouble();
        else
            whole += v.toLongLong();
    }
    if (f->Kind() == TFieldKind::Float)
        return format.isEmpty() ? f->FormatValue(real) : FormatFloat(format, real);
    if (format.isEmpty())
        return f->FormatValue(whole);
    return FormatFloat(format, f->Kind() == TFieldKind::Currency ? Money::ToDouble(whole) : double(whole));
}

void TzoDBGrid::updateGeometries()
{
    const int footerHeight = m_footerVisible ? verticalHeader()->defaultSectionSize() + 4 : 0;
    setViewportMargins(verticalHeader()->isVisible() ? verticalHeader()->width() : 0,
                       m_header->isVisible() ? m_header->height() : 0, 0, footerHeight);
    QTableView::updateGeometries();
    if (m_footerVisible) {
        const QRect vp = viewport()->geometry();
        m_footer->setGeometry(0, vp.bottom() + 1, vp.right() + 1, footerHeight);
    }
}

// ---- sorting ----

void TzoDBGrid::TitleClick(int modelColumn)
{
    TDataSet *ds = DataSet();
    const TField *f = m_model->FieldAt(modelColumn);
    if (!ds || !ds->Active() || !f || f->Calculated())
        return;
    // None, ascending, descending, none; the text keeps the order of marking.
    auto it = std::find_if(m_sortKeys.begin(), m_sortKeys.end(),
                           [&](const RSortKey &k) { return k.FieldName == f->FieldName(); });
    if (it == m_sortKeys.end())
        m_sortKeys.append({f->FieldName(), false});
    else if (!it->Descending)
        it->Descending = true;
    else
        m_sortKeys.erase(it);
    ds->Sort(SortText::FromTitleClicks(m_sortKeys));
    m_header->viewport()->update();
}

// ---- keyboard ----

void TzoDBGrid::keyPressEvent(QKeyEvent *event)
{
    TDataSet *ds = DataSet();
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const QList<int> shown = visibleModelColumns();
        const int at = int(shown.indexOf(currentIndex().column()));
        const int to = at + (event->key() == Qt::Key_Left ? -1 : 1);
        if (at >= 0 && to >= 0 && to < shown.size())
            selectionModel()->setCurrentIndex(m_model->index(currentIndex().row(), shown[to]), QItemSelectionModel::NoUpdate);
        break;
    }
    case Qt::Key_Up:
        if (ds)
            ds->Prior();
        break;
    case Qt::Key_Down:
        if (ds)
            ds->Next();
        break;
    default:
        break;
    }
    Q_EMIT KeyDown(event->key(), event->modifiers());
    event->accept();
}

bool TzoDBGrid::eventFilter(QObject *watched, QEvent *event)
{
    auto *corner = qobject_cast<QAbstractButton *>(watched);
    if (corner && event->type() == QEvent::Paint) {
        QPainter painter(corner);
        QStyleOptionHeader opt;
        opt.initFrom(corner);
        opt.rect = corner->rect();
        opt.text = QStringLiteral("NO");
        opt.textAlignment = Qt::AlignCenter;
        opt.position = QStyleOptionHeader::OnlyOneSection;
        style()->drawControl(QStyle::CE_Header, &opt, &painter, corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

// ---- commands ----

bool TzoDBGrid::DataCheck() const
{
    const TDataSet *ds = DataSet();
    if (!ds) {
        ShowInfo(QStringLiteral("系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!"));
        return false;
    }
    if (!ds->Active()) {
        ShowInfo(QStringLiteral("系统提示: 请先打开数据再操作!"));
        return false;
    }
    return true;
}

void TzoDBGrid::SortClick()
{
    if (!DataCheck())
        return;
    TSortFrm dlg(DataSet(), this);
    if (dlg.exec() == QDialog::Accepted) {
        m_sortKeys.clear();
        DataSet()->Sort(dlg.SortText());
        m_header->viewport()->update();
    }
}

void TzoDBGrid::FilterClick()
{
    if (!DataCheck())
        return;
    TFltrDlgFrm dlg(DataSet(), this);
    if (dlg.exec() == QDialog::Accepted)
        SetQuickFilter(dlg.FieldName(), dlg.Keyword());
}

void TzoDBGrid::SetQuickFilter(const QString &fieldName, const QString &keyword)
{
    m_filterField = fieldName;
    m_filterKeyword = keyword;
    QString quoted = keyword;
    quoted.replace(u'\'', QStringLiteral("''"));
    m_filterText = keyword.isEmpty() ? QString() : QStringLiteral("%1 like '%%2%'").arg(fieldName, quoted);
    applyFilter();
}

void TzoDBGrid::applyFilter()
{
    const TDataSet *ds = DataSet();
    const TField *f = ds && !m_filterKeyword.isEmpty() ? ds->FindField(m_filterField) : nullptr;
    for (int r = 0; r < m_model->rowCount(); ++r)
        setRowHidden(r, f && !f->FormatValue(ds->ValueAt(r, f->Index())).contains(m_filterKeyword, Qt::CaseInsensitive));
}

void TzoDBGrid::PickColumnsClick()
{
    Rights::Require(rightPickColumns, true);
    if (!DataCheck())
        return;
    RColItems items;
    for (int i = 0; i < m_columns.size(); ++i) {
        const TField *f = ColumnField(i);
        items.append({i, f ? f->DisplayLabel() : m_columns[i].FieldName, m_columns[i].Visible});
    }
    TxVisibleFrm dlg(items, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    for (const RColItem &item : dlg.Items())
        if (item.Index >= 0 && item.Index < m_columns.size())
            m_columns[item.Index].Visible = item.Visible;
    applyColumns();
}

void TzoDBGrid::SaveLayoutClick()
{
    Rights::Require(rightSaveStyle, true);
    SaveLayout(LayoutKey());
    ShowInfo(QStringLiteral("列样式保存成功."));
}

void TzoDBGrid::SaveToExcelClick()
{
    Rights::Require(rightExport, true);
    ExportToExcel();
}

void TzoDBGrid::SaveToHtmlClick()
{
    Rights::Require(rightExport, true);
    ExportToHtml();
}

void TzoDBGrid::ExportClick()
{
    Rights::Require(rightExport, true);
    if (DataSet() && DataSet()->Active()) {
        TDataExporterFrm wizard(DataSet(), this);
        wizard.exec();
    }
}

void TzoDBGrid::BatchUpdateClick()
{
    if (!DataSet()) {
        ShowInfo(QStringLiteral("没有指定数据集DataSet, 操作被取消."));
        return;
    }
    if (!BatchProc) {
        ShowInfo(QStringLiteral("没有指定更新过程BatchProc, 操作被取消."));
        return;
    }
    QList<TField *> fields;
    for (int i = 0; i < m_columns.size(); ++i)
        if (TField *f = ColumnField(i); f && f->Visible() && !f->Calculated())
            fields.append(f);
    TBatchUpdateFrm dlg(fields, this);
    if (dlg.exec() == QDialog::Accepted)
        TBatchUpdateFrm::Apply(*DataSet(), dlg.Field(), dlg.Value(), SelectedRows(), BatchProc);
}

void TzoDBGrid::PopupButtonClick(QWidget *control)
{
    if (control)
        m_menu->popup(control->mapToGlobal(QPoint(0, control->height())));
}

static RExportColumns exportColumns(const TzoDBGrid &grid)
{
    RExportColumns columns;
    for (int i = 0; i < grid.ColumnCountShown(); ++i)
        if (grid.Columns()[i].Visible)
            if (const TField *f = grid.ColumnField(i))
                columns.append({f->DisplayLabel(), f->Index()});
    return columns;
}

QString TzoDBGrid::ExportToExcel()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString path = QDir(dir).filePath(
        QStringLiteral("zokamo-%1.xlsx").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmsszzz"))));
    ExportWriters::WriteXlsx(TExportTable(DataSet(), exportColumns(*this)), path);
    if (!Launcher::OpenFile(path))
        Prompter().Message(TPrompter::Icon::Error, QStringLiteral("Excel 没有正确安装!"));
    return path;
}

void TzoDBGrid::ExportToHtml()
{
    QString path = Prompter().FileName(true, QStringLiteral("导出到Html网页文件"),
                                       QStringLiteral("网页文件(*.htm *.html)"), QString());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".html");
    ExportWriters::WriteHtml(TExportTable(DataSet(), exportColumns(*this)), path);
    if (Prompter().OkCancel(TPrompter::Icon::Question, QStringLiteral("\r\n导出成功,是否现在就打开?    ")))
        Launcher::OpenFile(path);
}
