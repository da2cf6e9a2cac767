#pragma once
#include "reportengine/ReportBandRenderer.h"
#include "reportengine/ReportDocument.h"
#include "reportengine/ReportExpression.h"
#include "reportengine/ReportModel.h"
#include "reportengine/ReportSources.h"
#include <QDateTime>
#include <QHash>
#include <functional>

class TDataSet;

// One pass of pagination. The engine runs it twice: the first pass counts the
// pages so that [TotalPages] is right in the second.
class TRptLayout : private TRptEvalContext {
public:
    TRptLayout(const TRptReport &report, const TRptSources &sources, const QDateTime &now, int totalPages);
    TRptDocument Run();

private:
    // A data band with the bands that belong to it.
    struct TSection {
        QList<int> Headers;      // data headers
        QList<int> GroupHeaders; // outermost first
        int Data = -1;
        int Detail = -1;
        QList<int> GroupFooters; // innermost first
    };
    struct TAccumulator {
        Currency Cash = 0;
        double Num = 0;
        bool AllMoney = true;
        int Count = 0;
        TRptValue Min, Max;
        void Add(const TRptValue &v);
        TRptValue Result(const QString &function) const;
    };
    struct TAggregate {
        TRptExprPtr Expr;
        TAccumulator Report, Page;
        QList<TAccumulator> Groups;
    };
    struct TBodyStep {
        int Band = -1;       // a band printed once (title, summary)
        int Section = -1;    // or a data section
    };

    void plan();
    void printSection(const TSection &section);
    void printDataRow(const TSection &section, TDataSet *data, int row);
    void printDetail(const TSection &section, TDataSet *master, int masterRow);
    void startPage();
    void finishPage(bool last);
    void printRepeats();
    // Lays out one copy of a band in the body; breaks the page when it does not fit.
    void place(int bandIndex, bool columnar = false, const std::function<void()> &beforePut = {});
    TRptBandOut render(int bandIndex);
    void put(const TRptBandOut &out, double x, double y, int bandIndex);
    // Puts a band at the current position and moves below it (no page break).
    void flow(int bandIndex);
    void endLabelRow();
    void accumulate(const QString &dataSet, TDataSet *data, int row);
    void openGroup(int level);
    bool pageHeaderPrints() const;

    TRptValue FieldValue(const QString &dataSet, const QString &field) override;
    TRptValue NameValue(const QString &name) override;
    TRptValue AggregateValue(const TRptExpr &aggregate) override;

    const TRptReport &m_report;
    const TRptSources &m_sources;
    QDateTime m_now;
    int m_totalPages;
    TRptDocument m_doc;
    QList<TBodyStep> m_steps;
    QList<TSection> m_sections;
    int m_pageHeader = -1, m_pageFooter = -1, m_overlay = -1, m_title = -1;
    QHash<QString, int> m_cursor; // data set name (lower case) -> current row
    QHash<QString, TAggregate> m_aggregates;
    // Band being rendered, for the default scope of aggregates.
    int m_renderBand = -1;
    int m_renderGroupLevel = -1;
    int m_rowNumber = 0;
    // Page state
    double m_y = 0, m_bodyTop = 0, m_bodyBottom = 0, m_pageBodyStart = 0;
    double m_left = 0, m_bodyWidth = 0;
    int m_column = 0;
    double m_rowHeight = 0;
    const TSection *m_activeSection = nullptr;
    int m_openGroups = 0;
    QList<bool> m_dataHeaderSeen;
};
