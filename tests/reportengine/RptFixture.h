#pragma once
#include "data/DataSet.h"
#include "reportengine/ReportDocument.h"
#include "reportengine/ReportModel.h"
#include <memory>

// Small builders for report tests: an asset-like data set and terse items and bands.
namespace RptFixture {

// Rows "ZK0001".., names 资产1.., departments cycling over `departments`, values 100.50 * n.
inline std::unique_ptr<TDataSet> Assets(int rows, const QStringList &departments = {QStringLiteral("财务部")})
{
    auto d = std::make_unique<TDataSet>();
    d->AddField(TFieldKind::String, QStringLiteral("Code"));
    d->AddField(TFieldKind::WideString, QStringLiteral("Name"));
    d->AddField(TFieldKind::WideString, QStringLiteral("Dept"));
    d->AddField(TFieldKind::Currency, QStringLiteral("OriginValue"));
    d->AddField(TFieldKind::DateTime, QStringLiteral("AccountDate"));
    d->EmptyDataSet();
    for (int n = 1; n <= rows; ++n)
        d->AppendRow({QStringLiteral("ZK%1").arg(n, 4, 10, QLatin1Char('0')), QStringLiteral("资产%1").arg(n),
                      departments[(n - 1) * departments.size() / rows], QVariant(qint64(n) * 1005000),
                      QDateTime(QDate(2012, 1, n % 28 + 1), QTime(0, 0))});
    return d;
}

inline TRptItem Text(const QString &text, double x, double y, double w, double h = 6)
{
    TRptItem i;
    i.Name = text.left(12);
    i.Text = text;
    i.X = x;
    i.Y = y;
    i.W = w;
    i.H = h;
    return i;
}

inline TRptBand Band(TRptBandKind kind, double height, const QList<TRptItem> &items, const QString &dataSet = {})
{
    TRptBand b;
    b.Kind = kind;
    b.Name = BandKindName(kind);
    b.Height = height;
    b.Items = items;
    b.DataSet = dataSet;
    return b;
}

// Texts of a page, in order of appearance, each shape's lines joined by '|'.
inline QStringList Texts(const TRptDocPage &page)
{
    QStringList texts;
    for (const TRptShape &s : page.Shapes)
        if (s.ShapeKind == TRptShape::Text)
            texts.append(s.Lines.join(u'|'));
    return texts;
}

inline const TRptShape *FindText(const TRptDocPage &page, const QString &text)
{
    for (const TRptShape &s : page.Shapes)
        if (s.ShapeKind == TRptShape::Text && s.Lines.join(u'|') == text)
            return &s;
    return nullptr;
}

} // namespace RptFixture
