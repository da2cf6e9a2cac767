#include "ui/framework/ReportDesigner.h"
#include "app/Prompter.h"
#include "data/DataSet.h"
#include "reportengine/ReportEngine.h"
#include "reportengine/ReportProps.h"
#include "reportengine/ReportXml.h"
#include "reports/Rep.h"
#include "ui/framework/ReportCanvas.h"
#include "ui/framework/ReportPreview.h"
#include "ui/framework/ReportRuler.h"
#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSplitter>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {
const QString ItemsMime = QStringLiteral("application/x-zokamo-report-items");

// Field rows drag their expression as plain text.
class TFieldTree : public QTreeWidget {
protected:
    QMimeData *mimeData(const QList<QTreeWidgetItem *> &items) const override
    {
        auto *data = new QMimeData;
        if (!items.isEmpty())
            data->setText(items.first()->data(0, Qt::UserRole).toString());
        return data;
    }
};

// A new template starts with the bands nearly every list needs.
TRptReport starterReport()
{
    TRptReport r;
    for (auto [kind, height] : {std::pair{TRptBandKind::ReportTitle, 15.0}, {TRptBandKind::DataHeader, 7.0},
                                {TRptBandKind::MasterData, 6.0}, {TRptBandKind::PageFooter, 8.0}}) {
        TRptBand b;
        b.Kind = kind;
        b.Name = BandKindName(kind) + u'1';
        b.Height = height;
        if (kind == TRptBandKind::MasterData)
            b.DataSet = QStringLiteral("d");
        r.Bands.append(b);
    }
    return r;
}

template <class Prop>
QString propText(const Prop &p, const QVariant &v)
{
    switch (p.Kind) {
    case Prop::Bool: return v.toBool() ? QStringLiteral("是") : QStringLiteral("否");
    case Prop::Color: { const QColor c = v.value<QColor>(); return c.isValid() ? c.name() : QString(); }
    case Prop::Bytes: return v.toByteArray().isEmpty() ? QString() : QStringLiteral("(%1字节)").arg(v.toByteArray().size());
    default: return v.toString();
    }
}

template <class Prop>
QVariant propValue(const Prop &p, const QString &text)
{
    switch (p.Kind) {
    case Prop::Number: return text.toDouble();
    case Prop::Bool: return text == QStringLiteral("是") || text == QStringLiteral("1") || text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
    case Prop::Color: return QVariant::fromValue(text.isEmpty() ? QColor() : QColor(text));
    default: return text;
    }
}
} // namespace

TReportDesigner::TReportDesigner(TRep &rep, QWidget *parent)
    : QDialog(parent), m_rep(rep), m_report(rep.Report().IsEmpty() ? starterReport() : rep.Report()), m_undo(new QUndoStack(this))
{
    setObjectName(QStringLiteral("ReportDesigner"));
    setWindowTitle(QStringLiteral("报表设计"));
    resize(1280, 820);
    m_canvas = new TReportCanvas;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildFileBar());
    layout->addWidget(buildLayoutBar());
    layout->addWidget(buildPanes(), 1);

    connect(m_canvas, &TReportCanvas::selectionChanged, this, [this] { refreshProperties(); });
    connect(m_canvas, &TReportCanvas::moveRequested, this, &TReportDesigner::MoveSelection);
    connect(m_canvas, &TReportCanvas::bandResizeRequested, this, &TReportDesigner::ResizeBand);
    connect(m_canvas, &TReportCanvas::fieldDropped, this, &TReportDesigner::AddFieldText);
    connect(m_props, &QTableWidget::cellChanged, this, &TReportDesigner::propertyEdited);
    connect(m_structure, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        const QPoint ref = item->data(0, Qt::UserRole).toPoint();
        m_canvas->SetSelection(ref.x() >= 0 ? QList<TRptRef>{{ref.x(), ref.y()}} : QList<TRptRef>{});
    });
    fillDataTree();
    apply(m_report);
    m_canvas->setFocus();
}

QAction *TReportDesigner::toolAction(QToolBar *bar, const QString &name, const QString &text, std::function<void()> slot,
                                    const QKeySequence &key)
{
    QAction *a = bar->addAction(text, this, std::move(slot));
    a->setObjectName(name);
    a->setShortcut(key);
    return a;
}

QToolButton *TReportDesigner::addMenuButton(QToolBar *bar, const QString &name, const QString &text)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(text);
    button->setMenu(new QMenu(button));
    button->setPopupMode(QToolButton::InstantPopup);
    bar->addWidget(button);
    return button;
}

QToolBar *TReportDesigner::buildFileBar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbDesigner"));
    toolAction(bar, QStringLiteral("actOpen"), QStringLiteral("打开"), [this] { OpenFile(); }, QKeySequence::Open);
    toolAction(bar, QStringLiteral("actSave"), QStringLiteral("保存"), [this] { Save(); }, QKeySequence::Save);
    toolAction(bar, QStringLiteral("actSaveAs"), QStringLiteral("另存为"), [this] { SaveAs(); });
    bar->addSeparator();
    // Fixed captions keep the tool bar still; what would be undone shows as the tip.
    QAction *undo = toolAction(bar, QStringLiteral("actUndo"), QStringLiteral("撤消"), [this] { m_undo->undo(); }, QKeySequence::Undo);
    QAction *redo = toolAction(bar, QStringLiteral("actRedo"), QStringLiteral("重做"), [this] { m_undo->redo(); }, QKeySequence::Redo);
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(m_undo, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(m_undo, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(m_undo, &QUndoStack::undoTextChanged, undo, [undo](const QString &t) { undo->setToolTip(QStringLiteral("撤消 ") + t); });
    connect(m_undo, &QUndoStack::redoTextChanged, redo, [redo](const QString &t) { redo->setToolTip(QStringLiteral("重做 ") + t); });
    toolAction(bar, QStringLiteral("actCut"), QStringLiteral("剪切"), [this] { CutSelection(); }, QKeySequence::Cut);
    toolAction(bar, QStringLiteral("actCopy"), QStringLiteral("复制"), [this] { CopySelection(); }, QKeySequence::Copy);
    toolAction(bar, QStringLiteral("actPaste"), QStringLiteral("粘贴"), [this] { Paste(); }, QKeySequence::Paste);
    toolAction(bar, QStringLiteral("actDelete"), QStringLiteral("删除"), [this] { DeleteSelection(); }, QKeySequence::Delete);
    bar->addSeparator();
    toolAction(bar, QStringLiteral("actPreview"), QStringLiteral("预览"), [this] { Preview(); });
    return bar;
}

QToolBar *TReportDesigner::buildLayoutBar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbLayout"));
    QMenu *bands = addMenuButton(bar, QStringLiteral("btnAddBand"), QStringLiteral("添加带区"))->menu();
    for (TRptBandKind k : {TRptBandKind::ReportTitle, TRptBandKind::PageHeader, TRptBandKind::DataHeader, TRptBandKind::GroupHeader,
                           TRptBandKind::MasterData, TRptBandKind::DetailData, TRptBandKind::GroupFooter, TRptBandKind::Summary,
                           TRptBandKind::PageFooter, TRptBandKind::Overlay})
        bands->addAction(BandKindCaption(k), this, [this, k] { AddBand(k); })->setObjectName(QStringLiteral("actBand") + BandKindName(k));
    toolAction(bar, QStringLiteral("actDeleteBand"), QStringLiteral("删除带区"), [this] { DeleteBands(); });
    bar->addSeparator();
    for (TRptItemKind k : {TRptItemKind::Text, TRptItemKind::Line, TRptItemKind::Rect, TRptItemKind::Image, TRptItemKind::Barcode,
                           TRptItemKind::CheckBox})
        toolAction(bar, QStringLiteral("actItem") + ItemKindName(k), ItemKindCaption(k), [this, k] { AddItem(k); });
    bar->addSeparator();
    QMenu *align = addMenuButton(bar, QStringLiteral("btnAlign"), QStringLiteral("对齐"))->menu();
    const QList<std::tuple<const char *, TAlignCommand::Mode, QString>> modes{
        {"actAlignLeft", TAlignCommand::Left, QStringLiteral("左对齐")},
        {"actAlignHCentre", TAlignCommand::HCentre, QStringLiteral("水平居中")},
        {"actAlignRight", TAlignCommand::Right, QStringLiteral("右对齐")},
        {"actAlignTop", TAlignCommand::Top, QStringLiteral("顶端对齐")},
        {"actAlignVCentre", TAlignCommand::VCentre, QStringLiteral("垂直居中")},
        {"actAlignBottom", TAlignCommand::Bottom, QStringLiteral("底端对齐")}};
    for (const auto &[name, mode, text] : modes)
        align->addAction(text, this, [this, m = mode] { Align(m); })->setObjectName(QString::fromLatin1(name));
    align->addSeparator();
    align->addAction(QStringLiteral("水平等距分布"), this, [this] { Distribute(Qt::Horizontal); })
        ->setObjectName(QStringLiteral("actDistributeH"));
    align->addAction(QStringLiteral("垂直等距分布"), this, [this] { Distribute(Qt::Vertical); })
        ->setObjectName(QStringLiteral("actDistributeV"));
    QMenu *totals = addMenuButton(bar, QStringLiteral("btnAggregate"), QStringLiteral("汇总"))->menu();
    const QList<std::pair<QString, QString>> functions{{QStringLiteral("Sum"), QStringLiteral("合计")},
                                                       {QStringLiteral("Count"), QStringLiteral("计数")},
                                                       {QStringLiteral("Avg"), QStringLiteral("平均值")},
                                                       {QStringLiteral("Min"), QStringLiteral("最小值")},
                                                       {QStringLiteral("Max"), QStringLiteral("最大值")}};
    for (const auto &[function, text] : functions)
        totals->addAction(QStringLiteral("%1 (%2)").arg(text, function), this, [this, f = function] { WrapInAggregate(f); })
            ->setObjectName(QStringLiteral("act") + function);
    bar->addSeparator();
    bar->addWidget(new QLabel(QStringLiteral(" 网格(mm) "), bar));
    auto *grid = new QDoubleSpinBox(bar);
    grid->setObjectName(QStringLiteral("spnGrid"));
    grid->setRange(0, 10);
    grid->setSingleStep(0.5);
    grid->setValue(1);
    connect(grid, &QDoubleSpinBox::valueChanged, this, [this](double v) { m_canvas->SetGrid(v); });
    bar->addWidget(grid);
    bar->addSeparator();
    QToolButton *zoom = addMenuButton(bar, QStringLiteral("btnZoom"), QStringLiteral("100%"));
    zoom->setToolTip(QStringLiteral("缩放(Ctrl+滚轮)"));
    QAction *in = zoom->menu()->addAction(QStringLiteral("放大"), this, [this] { m_canvas->SetZoom(m_canvas->Zoom() * 1.25); });
    in->setObjectName(QStringLiteral("actZoomIn"));
    in->setShortcut(QKeySequence::ZoomIn);
    QAction *out = zoom->menu()->addAction(QStringLiteral("缩小"), this, [this] { m_canvas->SetZoom(m_canvas->Zoom() * 0.8); });
    out->setObjectName(QStringLiteral("actZoomOut"));
    out->setShortcut(QKeySequence::ZoomOut);
    addActions({in, out}); // shortcuts work while the menu is closed
    zoom->menu()->addSeparator();
    for (int percent : {50, 75, 100, 150, 200})
        zoom->menu()->addAction(QStringLiteral("%1%").arg(percent), this, [this, percent] { m_canvas->SetZoom(percent / 100.0); });
    connect(m_canvas, &TReportCanvas::zoomChanged, zoom,
            [zoom](double z) { zoom->setText(QStringLiteral("%1%").arg(qRound(z * 100))); });
    return bar;
}

QWidget *TReportDesigner::buildPanes()
{
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("sbPage"));
    scroll->setWidget(m_canvas);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    auto *corner = new QWidget(page);
    corner->setFixedSize(TReportRuler::Thickness, TReportRuler::Thickness);
    grid->addWidget(corner, 0, 0);
    grid->addWidget(new TReportRuler(Qt::Horizontal, m_canvas, page), 0, 1);
    grid->addWidget(new TReportRuler(Qt::Vertical, m_canvas, page), 1, 0);
    grid->addWidget(scroll, 1, 1);

    m_structure = new QTreeWidget;
    m_structure->setObjectName(QStringLiteral("tvStructure"));
    m_structure->setHeaderLabel(QStringLiteral("报表结构"));
    m_data = new TFieldTree;
    m_data->setObjectName(QStringLiteral("tvData"));
    m_data->setHeaderLabel(QStringLiteral("数据与变量(拖到带区上)"));
    m_data->setDragEnabled(true);
    m_props = new QTableWidget(0, 2);
    m_props->setObjectName(QStringLiteral("tblProps"));
    m_props->setHorizontalHeaderLabels({QStringLiteral("属性"), QStringLiteral("值")});
    m_props->horizontalHeader()->setStretchLastSection(true);
    m_props->verticalHeader()->hide();
    auto *left = new QSplitter(Qt::Vertical);
    left->addWidget(m_structure);
    left->addWidget(m_data);
    auto *split = new QSplitter;
    split->addWidget(left);
    split->addWidget(page);
    split->addWidget(m_props);
    split->setStretchFactor(1, 1);
    split->setSizes({240, 760, 280});
    return split;
}

TReportDesigner::~TReportDesigner() = default;

TReportDesignCommand::TApply TReportDesigner::applier()
{
    return [this](const TRptReport &r) { apply(r); };
}

void TReportDesigner::apply(const TRptReport &report)
{
    m_report = report;
    m_canvas->SetReport(&m_report);
    refreshTree();
    refreshProperties();
}

void TReportDesigner::push(QUndoCommand *command) { m_undo->push(command); }

int TReportDesigner::targetBand() const
{
    for (const TRptRef &r : m_canvas->Selection())
        return r.Band;
    for (int b = 0; b < m_report.Bands.size(); ++b)
        if (IsDataBand(m_report.Bands[b].Kind))
            return b;
    return m_report.Bands.isEmpty() ? -1 : 0;
}

void TReportDesigner::AddBand(TRptBandKind kind) { push(new TAddBandCommand(m_report, kind, applier())); }

void TReportDesigner::AddItem(TRptItemKind kind)
{
    const int band = targetBand();
    if (band < 0) {
        ShowInfo(QStringLiteral("请先添加一个带区。"));
        return;
    }
    TRptItem item;
    item.Kind = kind;
    item.X = 2;
    item.Y = 1;
    if (kind == TRptItemKind::Line)
        item.H = 0;
    if (kind == TRptItemKind::Barcode) {
        item.W = 50;
        item.H = 15;
        item.Text = QStringLiteral("[d.BarCode]");
    }
    if (kind == TRptItemKind::CheckBox)
        item.W = item.H = 4;
    push(new TAddItemsCommand(QStringLiteral("添加") + ItemKindCaption(kind), m_report, band, {item}, applier()));
    m_canvas->SetSelection({{band, int(m_report.Bands[band].Items.size()) - 1}});
}

void TReportDesigner::AddFieldText(int band, double x, double y, const QString &text)
{
    TRptItem item;
    // A field dropped near the band's foot still lies inside the band.
    item.X = qMin(x, qMax(0.0, m_canvas->BandWidth() - item.W));
    item.Y = qMin(y, qMax(0.0, m_report.Bands[band].Height - item.H));
    item.Text = text;
    push(new TAddItemsCommand(QStringLiteral("添加字段"), m_report, band, {item}, applier()));
    m_canvas->SetSelection({{band, int(m_report.Bands[band].Items.size()) - 1}});
}

void TReportDesigner::DeleteSelection()
{
    if (m_canvas->Selection().isEmpty())
        return;
    const QList<TRptRef> refs = m_canvas->Selection();
    m_canvas->SetSelection({});
    push(new TDeleteCommand(m_report, refs, applier()));
}

void TReportDesigner::CopySelection()
{
    QList<TRptItem> items;
    for (const TRptRef &r : m_canvas->Selection())
        if (r.Item >= 0)
            items.append(m_report.Bands[r.Band].Items[r.Item]);
    if (items.isEmpty())
        return;
    auto *data = new QMimeData;
    data->setData(ItemsMime, ReportXml::SaveItems(items));
    QApplication::clipboard()->setMimeData(data);
}

void TReportDesigner::CutSelection()
{
    CopySelection();
    DeleteSelection();
}

void TReportDesigner::Paste()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    const int band = targetBand();
    if (!data || !data->hasFormat(ItemsMime) || band < 0)
        return;
    QList<TRptItem> items = ReportXml::LoadItems(data->data(ItemsMime));
    for (TRptItem &i : items) { // offset so the copy does not hide the original
        i.X += 2;
        i.Y += 2;
    }
    const int first = int(m_report.Bands[band].Items.size());
    push(new TAddItemsCommand(QStringLiteral("粘贴"), m_report, band, items, applier()));
    QList<TRptRef> selection;
    for (int k = 0; k < items.size(); ++k)
        selection.append({band, first + k});
    m_canvas->SetSelection(selection);
}

void TReportDesigner::MoveSelection(double dx, double dy, double dw, double dh)
{
    if (!m_canvas->Selection().isEmpty())
        push(new TMoveItemsCommand(m_report, m_canvas->Selection(), dx, dy, dw, dh, applier()));
}

void TReportDesigner::Align(TAlignCommand::Mode mode) { push(new TAlignCommand(m_report, m_canvas->Selection(), mode, applier())); }

void TReportDesigner::Distribute(Qt::Orientation orientation)
{
    push(new TDistributeCommand(m_report, m_canvas->Selection(), orientation, applier()));
}

void TReportDesigner::ResizeBand(int band, double height) { push(new TResizeBandCommand(m_report, band, height, applier())); }

void TReportDesigner::DeleteBands()
{
    QList<TRptRef> bands;
    for (const TRptRef &r : m_canvas->Selection())
        if (r.Band >= 0 && !bands.contains(TRptRef{r.Band, -1}))
            bands.append({r.Band, -1});
    if (bands.isEmpty()) {
        ShowInfo(QStringLiteral("请先选中要删除的带区。"));
        return;
    }
    m_canvas->SetSelection({});
    push(new TDeleteCommand(m_report, bands, applier()));
}

void TReportDesigner::WrapInAggregate(const QString &function)
{
    // Every plain field reference [d.X] of the selected texts becomes [Function(d.X)].
    static const QRegularExpression field(QStringLiteral("\\[\\s*([A-Za-z_]\\w*\\.[A-Za-z_]\\w*)\\s*\\]"));
    QList<std::pair<TRptRef, QString>> changes;
    for (const TRptRef &r : m_canvas->Selection()) {
        if (r.Item < 0 || m_report.Bands[r.Band].Items[r.Item].Kind != TRptItemKind::Text)
            continue;
        QString text = m_report.Bands[r.Band].Items[r.Item].Text;
        text.replace(field, u'[' + function + QStringLiteral("(\\1)]"));
        if (text != m_report.Bands[r.Band].Items[r.Item].Text)
            changes.append({r, text});
    }
    if (changes.isEmpty()) {
        ShowInfo(QStringLiteral("请先选中含有数据字段的文本。"));
        return;
    }
    m_undo->beginMacro(function);
    for (const auto &[ref, text] : changes)
        SetProperty(ref, QStringLiteral("Text"), text);
    m_undo->endMacro();
}

void TReportDesigner::SetProperty(const TRptRef &ref, const QString &property, const QVariant &value)
{
    push(new TSetPropertyCommand(m_report, ref, property, value, applier()));
}

void TReportDesigner::OpenFile()
{
    m_rep.Report() = m_report;
    if (!m_rep.DesignerOpen())
        return;
    m_undo->clear();
    m_canvas->SetSelection({});
    apply(m_rep.Report());
}

void TReportDesigner::Save()
{
    m_rep.Report() = m_report;
    m_rep.DesignerSave();
    m_undo->setClean();
}

void TReportDesigner::SaveAs()
{
    const TRptReport stored = m_rep.Report();
    m_rep.Report() = m_report;
    m_rep.DesignerSaveAs();
    m_rep.Report() = stored;
}

void TReportDesigner::Preview()
{
    TReportPreview preview(ReportEngine::Render(m_report, m_rep.Sources()), this);
    preview.exec();
}

void TReportDesigner::refreshTree()
{
    m_structure->clear();
    auto *page = new QTreeWidgetItem(m_structure, {QStringLiteral("页面 %1").arg(m_report.Page.Paper)});
    page->setData(0, Qt::UserRole, QPoint(-1, -1));
    for (int b = 0; b < m_report.Bands.size(); ++b) {
        const TRptBand &band = m_report.Bands[b];
        auto *bandItem = new QTreeWidgetItem(page, {BandKindCaption(band.Kind) + QStringLiteral(": ") + band.Name});
        bandItem->setData(0, Qt::UserRole, QPoint(b, -1));
        for (int i = 0; i < band.Items.size(); ++i) {
            const TRptItem &item = band.Items[i];
            auto *leaf = new QTreeWidgetItem(bandItem, {item.Name + QStringLiteral("  ") + item.Text.left(30)});
            leaf->setData(0, Qt::UserRole, QPoint(b, i));
        }
    }
    m_structure->expandAll();
}

void TReportDesigner::refreshProperties()
{
    m_filling = true;
    m_props->setRowCount(0);
    const QList<TRptRef> sel = m_canvas->Selection();
    auto fill = [this](const auto &object, const auto &props) {
        for (const auto &p : props) {
            const int row = m_props->rowCount();
            m_props->insertRow(row);
            auto *name = new QTableWidgetItem(p.Caption);
            name->setFlags(Qt::ItemIsEnabled);
            name->setData(Qt::UserRole, p.Name);
            name->setToolTip(p.Kind == std::decay_t<decltype(p)>::Choice ? p.Choices.join(u'/') : p.Name);
            m_props->setItem(row, 0, name);
            m_props->setItem(row, 1, new QTableWidgetItem(propText(p, p.Get(object))));
        }
    };
    if (sel.size() == 1 && sel[0].Item >= 0) {
        const TRptItem &item = m_report.Bands[sel[0].Band].Items[sel[0].Item];
        fill(item, ItemProps(item.Kind));
    } else if (sel.size() == 1) {
        const TRptBand &band = m_report.Bands[sel[0].Band];
        fill(band, BandProps(band.Kind));
    } else if (sel.isEmpty()) {
        fill(m_report.Page, PageProps());
    }
    m_props->resizeColumnToContents(0);
    m_filling = false;
}

void TReportDesigner::propertyEdited(int row, int column)
{
    if (m_filling || column != 1)
        return;
    const QString name = m_props->item(row, 0)->data(Qt::UserRole).toString();
    const QString text = m_props->item(row, 1)->text();
    const QList<TRptRef> sel = m_canvas->Selection();
    const TRptRef ref = sel.isEmpty() ? TRptRef{} : sel.first();
    auto convert = [&](const auto &props) {
        for (const auto &p : props)
            if (p.Name == name)
                return propValue(p, text);
        return QVariant();
    };
    QVariant value;
    if (ref.Band < 0)
        value = convert(PageProps());
    else if (ref.Item < 0)
        value = convert(BandProps(m_report.Bands[ref.Band].Kind));
    else
        value = convert(ItemProps(m_report.Bands[ref.Band].Items[ref.Item].Kind));
    // Applied after the table's own edit has finished, since applying refills the table.
    QMetaObject::invokeMethod(this, [this, ref, name, value] { SetProperty(ref, name, value); }, Qt::QueuedConnection);
}

void TReportDesigner::fillDataTree()
{
    m_data->clear();
    for (const QString &name : m_rep.Sources().DataSetNames()) {
        auto *set = new QTreeWidgetItem(m_data, {name});
        set->setFlags(Qt::ItemIsEnabled);
        if (const TDataSet *d = m_rep.Sources().DataSet(name))
            for (const TField *f : d->Fields()) {
                const QString label = f->DisplayLabel() == f->FieldName() ? QString() : QStringLiteral("  ") + f->DisplayLabel();
                auto *leaf = new QTreeWidgetItem(set, {f->FieldName() + label});
                leaf->setData(0, Qt::UserRole, QStringLiteral("[%1.%2]").arg(name, f->FieldName()));
            }
    }
    auto *vars = new QTreeWidgetItem(m_data, {QStringLiteral("变量")});
    vars->setFlags(Qt::ItemIsEnabled);
    const QStringList builtins{QStringLiteral("Page"), QStringLiteral("TotalPages"), QStringLiteral("Date"), QStringLiteral("Time"),
                               QStringLiteral("Row#")};
    for (const QString &v : m_rep.VariableNames() + builtins) {
        auto *leaf = new QTreeWidgetItem(vars, {v});
        leaf->setData(0, Qt::UserRole, u'[' + v + u']');
    }
    m_data->expandAll();
}
