#include "reportengine/ReportExpression.h"

namespace {

bool isAggregateName(const QString &name)
{
    static const QStringList names{QStringLiteral("sum"), QStringLiteral("count"), QStringLiteral("avg"),
                                   QStringLiteral("min"), QStringLiteral("max")};
    return names.contains(name.toLower());
}

// Recursive descent over the expression text.
class TParser {
public:
    explicit TParser(const QString &text) : m_s(text) {}

    TRptExprPtr ParseAll()
    {
        TRptExprPtr e = comparison();
        skipSpace();
        if (m_pos != m_s.size())
            m_failed = true;
        return m_failed ? nullptr : e;
    }

private:
    void skipSpace()
    {
        while (m_pos < m_s.size() && m_s[m_pos].isSpace())
            ++m_pos;
    }
    bool take(const QString &token)
    {
        skipSpace();
        if (m_s.mid(m_pos, token.size()) != token)
            return false;
        m_pos += token.size();
        return true;
    }
    static TRptExprPtr binary(const QString &op, TRptExprPtr a, TRptExprPtr b)
    {
        auto e = std::make_shared<TRptExpr>();
        e->Kind = TRptExpr::Binary;
        e->Operator = op;
        e->Args = {std::move(a), std::move(b)};
        return e;
    }
    TRptExprPtr comparison()
    {
        TRptExprPtr left = additive();
        for (const char16_t *op : {u"<>", u"<=", u">=", u"=", u"<", u">"})
            if (take(QString::fromUtf16(op)))
                return binary(QString::fromUtf16(op), left, additive());
        return left;
    }
    TRptExprPtr additive()
    {
        TRptExprPtr left = term();
        for (;;) {
            if (take(QStringLiteral("+")))
                left = binary(QStringLiteral("+"), left, term());
            else if (take(QStringLiteral("-")))
                left = binary(QStringLiteral("-"), left, term());
            else if (take(QStringLiteral("&")))
                left = binary(QStringLiteral("&"), left, term());
            else
                return left;
        }
    }
    TRptExprPtr term()
    {
        TRptExprPtr left = factor();
        for (;;) {
            if (take(QStringLiteral("*")))
                left = binary(QStringLiteral("*"), left, factor());
            else if (take(QStringLiteral("/")))
                left = binary(QStringLiteral("/"), left, factor());
            else
                return left;
        }
    }
    QString identifier()
    {
        skipSpace();
        const qsizetype start = m_pos;
        while (m_pos < m_s.size() && (m_s[m_pos].isLetterOrNumber() || m_s[m_pos] == u'_' || m_s[m_pos] == u'#'))
            ++m_pos;
        return m_s.mid(start, m_pos - start);
    }
    TRptExprPtr factor()
    {
        auto e = std::make_shared<TRptExpr>();
        skipSpace();
        if (m_pos >= m_s.size()) {
            m_failed = true;
            return e;
        }
        const QChar c = m_s[m_pos];
        if (take(QStringLiteral("("))) {
            e = comparison();
            if (!take(QStringLiteral(")")))
                m_failed = true;
            return e;
        }
        if (take(QStringLiteral("-"))) {
            e->Kind = TRptExpr::Negate;
            e->Args = {factor()};
            return e;
        }
        if (c == u'\'' || c == u'"') {
            const qsizetype end = m_s.indexOf(c, m_pos + 1);
            if (end < 0) {
                m_failed = true;
                return e;
            }
            e->Value = TRptValue::OfText(m_s.mid(m_pos + 1, end - m_pos - 1));
            m_pos = end + 1;
            return e;
        }
        if (c.isDigit()) {
            const qsizetype start = m_pos;
            while (m_pos < m_s.size() && (m_s[m_pos].isDigit() || m_s[m_pos] == u'.'))
                ++m_pos;
            e->Value = TRptValue::OfNumber(m_s.mid(start, m_pos - start).toDouble());
            return e;
        }
        const QString name = identifier();
        if (name.isEmpty()) {
            m_failed = true;
            return e;
        }
        if (take(QStringLiteral("."))) {
            e->Kind = TRptExpr::Field;
            e->DataSet = name;
            e->Ident = identifier();
            m_failed = m_failed || e->Ident.isEmpty();
            return e;
        }
        if (take(QStringLiteral("("))) {
            e->Kind = isAggregateName(name) ? TRptExpr::Aggregate : TRptExpr::Call;
            e->Ident = name.toLower();
            if (!take(QStringLiteral(")"))) {
                do
                    e->Args.append(comparison());
                while (take(QStringLiteral(",")));
                if (!take(QStringLiteral(")")))
                    m_failed = true;
            }
            if (e->Kind == TRptExpr::Aggregate)
                shapeAggregate(*e);
            return e;
        }
        e->Kind = TRptExpr::Name;
        e->Ident = name;
        return e;
    }
    // Sum(d.X [, scope]) or Count(d [, scope]): the data set and field move into the node.
    void shapeAggregate(TRptExpr &e)
    {
        if (e.Args.isEmpty()) {
            m_failed = true;
            return;
        }
        const TRptExpr &target = *e.Args.first();
        if (target.Kind == TRptExpr::Field) {
            e.DataSet = target.DataSet;
            e.Operator = target.Ident;
        } else if (target.Kind == TRptExpr::Name && e.Ident == u"count") {
            e.DataSet = target.Ident;
        } else {
            m_failed = true;
        }
        if (e.Args.size() > 1 && e.Args[1]->Kind == TRptExpr::Name)
            e.Scope = e.Args[1]->Ident.toLower();
    }

    QString m_s;
    qsizetype m_pos = 0;
    bool m_failed = false;
};

TRptValue arithmetic(const QString &op, const TRptValue &a, const TRptValue &b)
{
    if (op == u"&")
        return TRptValue::OfText(a.ToText() + b.ToText());
    if (op == u"+" && (a.Kind == TRptValue::Text || b.Kind == TRptValue::Text) && !(a.IsNumeric() && b.IsNumeric()))
        return TRptValue::OfText(a.ToText() + b.ToText());
    const bool money = (a.Kind == TRptValue::Money || a.Kind == TRptValue::Null)
        && (b.Kind == TRptValue::Money || b.Kind == TRptValue::Null) && (a.Kind != b.Kind || a.Kind == TRptValue::Money);
    if (money && (op == u"+" || op == u"-"))
        return TRptValue::OfMoney(op == u"+" ? a.Cash + b.Cash : a.Cash - b.Cash);
    const double x = a.ToDouble(), y = b.ToDouble();
    if (op == u"+")
        return TRptValue::OfNumber(x + y);
    if (op == u"-")
        return TRptValue::OfNumber(x - y);
    if (op == u"*")
        return TRptValue::OfNumber(x * y);
    if (op == u"/")
        return y == 0 ? TRptValue() : TRptValue::OfNumber(x / y);
    const int c = TRptValue::Compare(a, b);
    if (op == u"=")
        return TRptValue::OfBool(c == 0);
    if (op == u"<>")
        return TRptValue::OfBool(c != 0);
    if (op == u"<")
        return TRptValue::OfBool(c < 0);
    if (op == u">")
        return TRptValue::OfBool(c > 0);
    if (op == u"<=")
        return TRptValue::OfBool(c <= 0);
    return TRptValue::OfBool(c >= 0);
}

} // namespace

namespace ReportExpression {

TRptExprPtr Parse(const QString &text)
{
    TRptExprPtr e = TParser(text).ParseAll();
    if (!e) {
        e = std::make_shared<TRptExpr>();
        e->Value = TRptValue::OfText(QLatin1Char('[') + text + QLatin1Char(']'));
    }
    return e;
}

TRptValue Evaluate(const TRptExpr &expr, TRptEvalContext &context)
{
    switch (expr.Kind) {
    case TRptExpr::Const:
        return expr.Value;
    case TRptExpr::Field:
        return context.FieldValue(expr.DataSet, expr.Ident);
    case TRptExpr::Name:
        return context.NameValue(expr.Ident);
    case TRptExpr::Aggregate:
        return context.AggregateValue(expr);
    case TRptExpr::Negate: {
        const TRptValue v = Evaluate(*expr.Args[0], context);
        return v.Kind == TRptValue::Money ? TRptValue::OfMoney(-v.Cash) : TRptValue::OfNumber(-v.ToDouble());
    }
    case TRptExpr::Binary:
        return arithmetic(expr.Operator, Evaluate(*expr.Args[0], context), Evaluate(*expr.Args[1], context));
    case TRptExpr::Call:
        if (expr.Ident == u"iif" && expr.Args.size() == 3)
            return Evaluate(*expr.Args[Evaluate(*expr.Args[0], context).ToBool() ? 1 : 2], context);
        if (expr.Ident == u"trim" && expr.Args.size() == 1)
            return TRptValue::OfText(Evaluate(*expr.Args[0], context).ToText().trimmed());
        return {};
    }
    return {};
}

void CollectAggregates(const TRptExprPtr &expr, QList<TRptExprPtr> &out)
{
    if (!expr)
        return;
    if (expr->Kind == TRptExpr::Aggregate) {
        out.append(expr);
        return;
    }
    for (const TRptExprPtr &a : expr->Args)
        CollectAggregates(a, out);
}

QList<TPart> SplitText(const QString &text)
{
    QList<TPart> parts;
    QString literal;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == u'[') {
            int depth = 1;
            qsizetype j = i + 1;
            while (j < text.size() && depth > 0) {
                if (text[j] == u'[')
                    ++depth;
                else if (text[j] == u']')
                    --depth;
                ++j;
            }
            if (depth == 0) {
                if (!literal.isEmpty())
                    parts.append({false, literal, nullptr});
                literal.clear();
                const QString inner = text.mid(i + 1, j - i - 2);
                parts.append({true, inner, Parse(inner)});
                i = j;
                continue;
            }
        }
        literal += text[i++];
    }
    if (!literal.isEmpty())
        parts.append({false, literal, nullptr});
    return parts;
}

QString AggregateKey(const TRptExpr &aggregate)
{
    return aggregate.Ident + u'|' + aggregate.DataSet.toLower() + u'|' + aggregate.Operator.toLower();
}

} // namespace ReportExpression
