#include "reportengine/ReportLayout.h"
#include "data/DataSet.h"
#include "reportengine/ReportEngine.h"

namespace {
constexpr double Epsilon = 0.01;
bool isU(const QString &name) { return name.compare(QStringLiteral("u"), Qt::CaseInsensitive) == 0; }
} // namespace

void TRptLayout::TAccumulator::Add(const TRptValue &v)
{
    if (v.Kind == TRptValue::Null)
        return;
    ++Count;
    if (v.Kind == TRptValue::Money)
        Cash += v.Cash;
    else
        AllMoney = false;
    Num += v.ToDouble();
    if (Min.Kind == TRptValue::Null || TRptValue::Compare(v, Min) < 0)
        Min = v;
    if (Max.Kind == TRptValue::Null || TRptValue::Compare(v, Max) > 0)
        Max = v;
}

TRptValue TRptLayout::TAccumulator::Result(const QString &function) const
{
    if (function == u"count")
        return TRptValue::OfNumber(Count);
    if (function == u"min")
        return Min;
    if (function == u"max")
        return Max;
    const bool money = AllMoney && Count > 0;
    if (function == u"avg") {
        if (Count == 0)
            return {};
        return money ? TRptValue::OfMoney(Money::FromDouble(Money::ToDouble(Cash) / Count)) : TRptValue::OfNumber(Num / Count);
    }
    return money ? TRptValue::OfMoney(Cash) : TRptValue::OfNumber(Num);
}

TRptLayout::TRptLayout(const TRptReport &report, const TRptSources &sources, const QDateTime &now, int totalPages)
    : m_report(report), m_sources(sources), m_now(now), m_totalPages(totalPages)
{
    const TRptPage &page = m_report.Page;
    m_left = page.LeftMargin;
    m_bodyWidth = page.SheetWidth() - page.LeftMargin - page.RightMargin;
    m_bodyTop = page.TopMargin;
    m_bodyBottom = page.SheetHeight() - page.BottomMargin;
    plan();
    // The page footer's room is kept free on every page before anything is placed.
    if (m_pageFooter >= 0)
        m_bodyBottom -= m_report.Bands[m_pageFooter].Height;
}

// Sorts the bands into page bands, single bands and data sections, and finds the aggregates.
void TRptLayout::plan()
{
    TSection pending;
    int lastSection = -1;
    for (int i = 0; i < m_report.Bands.size(); ++i) {
        const TRptBand &band = m_report.Bands[i];
        switch (band.Kind) {
        case TRptBandKind::PageHeader: m_pageHeader = i; break;
        case TRptBandKind::PageFooter: m_pageFooter = i; break;
        case TRptBandKind::Overlay: m_overlay = i; break;
        case TRptBandKind::ReportTitle: m_title = i; break;
        case TRptBandKind::DataHeader: pending.Headers.append(i); break;
        case TRptBandKind::GroupHeader: pending.GroupHeaders.append(i); break;
        case TRptBandKind::MasterData:
            pending.Data = i;
            m_sections.append(pending);
            pending = TSection();
            lastSection = int(m_sections.size()) - 1;
            m_steps.append({-1, lastSection});
            break;
        case TRptBandKind::DetailData:
            if (lastSection >= 0 && m_sections[lastSection].Detail < 0)
                m_sections[lastSection].Detail = i;
            break;
        case TRptBandKind::GroupFooter:
            if (lastSection >= 0 && m_sections[lastSection].GroupFooters.size() < m_sections[lastSection].GroupHeaders.size())
                m_sections[lastSection].GroupFooters.append(i);
            break;
        case TRptBandKind::Summary: m_steps.append({i, -1}); break;
        }
    }
    for (const TRptBand &band : m_report.Bands)
        for (const TRptItem &item : band.Items)
            for (const ReportExpression::TPart &part : ReportExpression::SplitText(item.Text)) {
                QList<TRptExprPtr> found;
                ReportExpression::CollectAggregates(part.Expr, found);
                for (const TRptExprPtr &e : found)
                    m_aggregates.insert(ReportExpression::AggregateKey(*e), {e, {}, {}, {}});
            }
    m_dataHeaderSeen = QList<bool>(m_report.Bands.size(), false);
}

TRptDocument TRptLayout::Run()
{
    startPage();
    for (const TBodyStep &step : m_steps) {
        if (step.Section >= 0)
            printSection(m_sections[step.Section]);
        else
            place(step.Band);
    }
    finishPage(true);
    return m_doc;
}

bool TRptLayout::pageHeaderPrints() const
{
    if (m_pageHeader < 0)
        return false;
    const TRptBand &b = m_report.Bands[m_pageHeader];
    const int page = m_doc.PageCount();
    return (page > 1 || b.PrintOnFirstPage) && (m_totalPages <= 0 || page < m_totalPages || b.PrintOnLastPage);
}

void TRptLayout::startPage()
{
    TRptDocPage page;
    page.Width = m_report.Page.SheetWidth();
    page.Height = m_report.Page.SheetHeight();
    m_doc.Pages.append(page);
    m_y = m_bodyTop;
    m_column = 0;
    m_rowHeight = 0;
    for (TAggregate &a : m_aggregates)
        a.Page = TAccumulator();
    if (m_doc.PageCount() == 1 && m_title >= 0)
        flow(m_title);
    if (pageHeaderPrints())
        flow(m_pageHeader);
    printRepeats();
    m_pageBodyStart = m_y;
}

// On a continued page: the running section's data headers and the open groups' headers that reprint.
void TRptLayout::printRepeats()
{
    if (!m_activeSection)
        return;
    for (int h : m_activeSection->Headers)
        flow(h);
    const int savedLevel = m_renderGroupLevel;
    for (int level = 0; level < m_openGroups; ++level) {
        const int g = m_activeSection->GroupHeaders[level];
        if (m_report.Bands[g].ReprintOnNewPage) {
            m_renderGroupLevel = level;
            flow(g);
        }
    }
    m_renderGroupLevel = savedLevel;
}

void TRptLayout::finishPage(bool last)
{
    endLabelRow();
    if (m_pageFooter >= 0) {
        const TRptBand &b = m_report.Bands[m_pageFooter];
        const int page = m_doc.PageCount();
        if ((page > 1 || b.PrintOnFirstPage) && (!last || b.PrintOnLastPage)) {
            const double top = m_report.Page.SheetHeight() - m_report.Page.BottomMargin - b.Height;
            put(render(m_pageFooter), m_left, top, m_pageFooter);
        }
    }
    if (m_overlay >= 0)
        put(render(m_overlay), m_left, m_bodyTop, m_overlay);
}

TRptBandOut TRptLayout::render(int bandIndex)
{
    m_renderBand = bandIndex;
    TRptBandOut out = ReportBandRenderer::Render(m_report.Bands[bandIndex], *this);
    m_renderBand = -1;
    return out;
}

void TRptLayout::put(const TRptBandOut &out, double x, double y, int bandIndex)
{
    TRptDocPage &page = m_doc.Pages.last();
    for (TRptShape s : out.Shapes) {
        s.Rect.translate(x, y);
        for (QRectF &r : s.BarRects)
            r.translate(x, y);
        page.Shapes.append(s);
    }
    // The spreadsheet export takes the data rows and the first copy of each data header.
    const TRptBand &band = m_report.Bands[bandIndex];
    const bool header = band.Kind == TRptBandKind::DataHeader && !m_dataHeaderSeen[bandIndex];
    if (header)
        m_dataHeaderSeen[bandIndex] = true;
    if (header || IsDataBand(band.Kind))
        m_doc.DataRows.append({band.Name, out.Cells, out.Lefts});
}

void TRptLayout::flow(int bandIndex)
{
    const TRptBandOut out = render(bandIndex);
    put(out, m_left, m_y, bandIndex);
    m_y += out.Height;
}

void TRptLayout::endLabelRow()
{
    if (m_column == 0)
        return;
    m_y += m_rowHeight;
    m_column = 0;
    m_rowHeight = 0;
}

void TRptLayout::place(int bandIndex, bool columnar, const std::function<void()> &beforePut)
{
    const int columns = columnar ? qMax(1, m_report.Page.Columns) : 1;
    if (columns == 1)
        endLabelRow();
    TRptBandOut out = render(bandIndex);
    if (m_column == 0 && m_y + out.Height > m_bodyBottom + Epsilon && m_y > m_pageBodyStart + Epsilon) {
        finishPage(false);
        startPage();
        if (!beforePut)
            out = render(bandIndex);
    }
    // A data row counts towards the sums of the page it lands on.
    if (beforePut) {
        beforePut();
        out = render(bandIndex);
    }
    if (columns == 1) {
        put(out, m_left, m_y, bandIndex);
        m_y += out.Height;
        return;
    }
    // Label sheets: copies side by side, a new row when the columns are full.
    put(out, m_left + m_column * m_bodyWidth / columns, m_y, bandIndex);
    m_rowHeight = qMax(m_rowHeight, out.Height);
    if (++m_column == columns)
        endLabelRow();
}

void TRptLayout::accumulate(const QString &dataSet, TDataSet *data, int row)
{
    for (TAggregate &a : m_aggregates) {
        const TRptExpr &e = *a.Expr;
        if (e.DataSet.compare(dataSet, Qt::CaseInsensitive) != 0)
            continue;
        TRptValue v = TRptValue::OfNumber(1);
        if (!e.Operator.isEmpty()) {
            const TField *f = data->FindField(e.Operator);
            v = f ? TRptValue::OfField(*f, row) : TRptValue();
        }
        a.Report.Add(v);
        a.Page.Add(v);
        for (TAccumulator &g : a.Groups)
            g.Add(v);
    }
}

void TRptLayout::openGroup(int level)
{
    for (TAggregate &a : m_aggregates) {
        if (a.Groups.size() <= level)
            a.Groups.resize(level + 1);
        for (int l = level; l < a.Groups.size(); ++l)
            a.Groups[l] = TAccumulator();
    }
}

void TRptLayout::printSection(const TSection &section)
{
    const TRptBand &band = m_report.Bands[section.Data];
    TDataSet *data = m_sources.DataSet(band.DataSet);
    if (!data || data->RecordCount() == 0)
        return;
    const QString key = band.DataSet.toLower();
    for (int h : section.Headers)
        place(h);
    m_activeSection = &section;
    m_openGroups = 0;
    const int levels = int(section.GroupHeaders.size());
    QList<QString> current(levels);
    auto closeGroups = [&](int downTo) {
        for (int level = levels - 1; level >= downTo; --level) {
            m_renderGroupLevel = level;
            m_openGroups = level + 1;
            if (level < section.GroupFooters.size())
                place(section.GroupFooters[levels - 1 - level]);
        }
        m_openGroups = downTo;
    };
    for (int row = 0; row < data->RecordCount(); ++row) {
        m_cursor[key] = row;
        int changed = levels;
        for (int level = 0; level < levels; ++level) {
            const QString condition = m_report.Bands[section.GroupHeaders[level]].Condition;
            QString bare = condition.trimmed();
            if (bare.startsWith(u'[') && bare.endsWith(u']'))
                bare = bare.mid(1, bare.size() - 2);
            const QString value = ReportExpression::Evaluate(*ReportExpression::Parse(bare), *this).ToText();
            if (changed == levels && (row == 0 || value != current[level]))
                changed = level;
            current[level] = value;
        }
        if (row > 0 && changed < levels) {
            m_cursor[key] = row - 1; // footers show the group's last row
            closeGroups(changed);
            m_cursor[key] = row;
        }
        for (int level = changed; level < levels; ++level) {
            const int g = section.GroupHeaders[level];
            if (m_report.Bands[g].StartNewPage && row > 0 && level == changed && m_y > m_pageBodyStart + Epsilon) {
                finishPage(false);
                startPage();
            }
            openGroup(level);
            m_renderGroupLevel = level;
            place(g);
            m_openGroups = level + 1;
        }
        printDataRow(section, data, row);
    }
    m_cursor[key] = data->RecordCount() - 1;
    closeGroups(0);
    m_activeSection = nullptr;
    endLabelRow();
}

void TRptLayout::printDataRow(const TSection &section, TDataSet *data, int row)
{
    const TRptBand &band = m_report.Bands[section.Data];
    m_rowNumber = row + 1;
    place(section.Data, true, [&] { accumulate(band.DataSet, data, row); });
    if (section.Detail >= 0)
        printDetail(section, data, row);
}

void TRptLayout::printDetail(const TSection &section, TDataSet *master, int masterRow)
{
    const TRptBand &band = m_report.Bands[section.Detail];
    TDataSet *detail = m_sources.DataSet(band.DataSet);
    if (!detail)
        return;
    const TField *masterKey = band.MasterKey.isEmpty() ? nullptr : master->FindField(band.MasterKey);
    const TField *detailKey = band.DetailKey.isEmpty() ? nullptr : detail->FindField(band.DetailKey);
    const QString key = band.DataSet.toLower();
    const int savedRowNumber = m_rowNumber;
    int number = 0;
    for (int row = 0; row < detail->RecordCount(); ++row) {
        if (masterKey && detailKey
            && TRptValue::Compare(TRptValue::OfField(*masterKey, masterRow), TRptValue::OfField(*detailKey, row)) != 0)
            continue;
        m_cursor[key] = row;
        m_rowNumber = ++number;
        place(section.Detail, false, [&] { accumulate(band.DataSet, detail, row); });
    }
    m_rowNumber = savedRowNumber;
}

TRptValue TRptLayout::FieldValue(const QString &dataSet, const QString &field)
{
    if (isU(dataSet)) {
        // A field of "u" that names no variable prints its own name.
        QString value;
        return TRptValue::OfText(m_sources.FindVariable(field, &value) ? value : field);
    }
    TDataSet *data = m_sources.DataSet(dataSet);
    if (!data || data->RecordCount() == 0)
        return {};
    const TField *f = data->FindField(field);
    if (!f)
        return {};
    const int row = qBound(0, m_cursor.value(dataSet.toLower(), 0), data->RecordCount() - 1);
    return TRptValue::OfField(*f, row);
}

TRptValue TRptLayout::NameValue(const QString &name)
{
    const QString n = name.toLower();
    if (n == u"page")
        return TRptValue::OfNumber(m_doc.PageCount());
    if (n == u"totalpages")
        return TRptValue::OfNumber(m_totalPages > 0 ? m_totalPages : m_doc.PageCount());
    if (n == u"date") {
        TRptValue v;
        v.Kind = TRptValue::Date;
        v.When = QDateTime(m_now.date(), QTime(0, 0));
        return v;
    }
    if (n == u"time")
        return TRptValue::OfText(m_now.time().toString(QStringLiteral("hh:mm:ss")));
    if (n == u"row#" || n == u"line#")
        return TRptValue::OfNumber(m_rowNumber);
    QString value;
    if (m_sources.FindVariable(name, &value))
        return TRptValue::OfText(value);
    return {};
}

TRptValue TRptLayout::AggregateValue(const TRptExpr &aggregate)
{
    auto it = m_aggregates.find(ReportExpression::AggregateKey(aggregate));
    if (it == m_aggregates.end())
        return {};
    QString scope = aggregate.Scope;
    const TRptBandKind kind = m_renderBand >= 0 ? m_report.Bands[m_renderBand].Kind : TRptBandKind::Summary;
    if (scope.isEmpty()) {
        if (kind == TRptBandKind::GroupHeader || kind == TRptBandKind::GroupFooter)
            scope = QStringLiteral("group");
        else if (kind == TRptBandKind::PageHeader || kind == TRptBandKind::PageFooter)
            scope = QStringLiteral("page");
        else
            scope = QStringLiteral("report");
    }
    TRptValue result = it->Report.Result(aggregate.Ident);
    if (scope == u"page")
        result = it->Page.Result(aggregate.Ident);
    else if (scope == u"group")
        result = m_renderGroupLevel >= 0 && m_renderGroupLevel < it->Groups.size()
            ? it->Groups[m_renderGroupLevel].Result(aggregate.Ident)
            : TAccumulator().Result(aggregate.Ident);
    // A sum of no money is still money: 0.00, not 0.
    if (aggregate.Ident == u"sum" && result.Kind == TRptValue::Number && result.Num == 0) {
        const TDataSet *data = m_sources.DataSet(aggregate.DataSet);
        const TField *f = data ? data->FindField(aggregate.Operator) : nullptr;
        if (f && f->Kind() == TFieldKind::Currency)
            result = TRptValue::OfMoney(0);
    }
    return result;
}

namespace ReportEngine {
TRptDocument Render(const TRptReport &report, const TRptSources &sources, const QDateTime &now)
{
    const int pages = TRptLayout(report, sources, now, 0).Run().PageCount();
    return TRptLayout(report, sources, now, pages).Run();
}
} // namespace ReportEngine
