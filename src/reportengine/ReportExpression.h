#pragma once
#include "reportengine/ReportValue.h"
#include <QList>
#include <memory>

// The expressions inside [brackets]: data-set fields (d.Code), variables
// (u_Company, u.Name), Page, TotalPages, Date, Time, Row#, numbers, 'texts',
// + - * / & = <> < > <= >=, parentheses, IIF(c, a, b) and the aggregates
// Sum, Count, Avg, Min, Max with an optional scope (group, page, report).
struct TRptExpr {
    enum Op { Const, Field, Name, Binary, Negate, Call, Aggregate };
    Op Kind = Const;
    TRptValue Value;  // Const
    QString DataSet;  // Field, Aggregate
    QString Ident;    // Field: the field; Name: the name; Call/Aggregate: the function
    QString Operator; // Binary
    QString Scope;    // Aggregate: "group", "page", "report" or empty (the band decides)
    QList<std::shared_ptr<TRptExpr>> Args;
};
using TRptExprPtr = std::shared_ptr<TRptExpr>;

// What an expression reads while it is evaluated.
class TRptEvalContext {
public:
    virtual ~TRptEvalContext() = default;
    virtual TRptValue FieldValue(const QString &dataSet, const QString &field) = 0;
    virtual TRptValue NameValue(const QString &name) = 0;
    virtual TRptValue AggregateValue(const TRptExpr &aggregate) = 0;
};

namespace ReportExpression {
// Parses one expression; a syntax error gives a constant with the expression's text.
TRptExprPtr Parse(const QString &text);
TRptValue Evaluate(const TRptExpr &expr, TRptEvalContext &context);
// Every aggregate call inside the expression.
void CollectAggregates(const TRptExprPtr &expr, QList<TRptExprPtr> &out);

// A text with [expressions]: literal parts and expression parts in order.
struct TPart {
    bool IsExpression = false;
    QString Text;
    TRptExprPtr Expr;
};
QList<TPart> SplitText(const QString &text);
// Key of an aggregate that identifies its accumulator (function, data set, field, scope).
QString AggregateKey(const TRptExpr &aggregate);
} // namespace ReportExpression
