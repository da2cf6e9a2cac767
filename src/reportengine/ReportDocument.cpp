#include "reportengine/ReportDocument.h"

namespace {
QString mm(double v) { return QString::number(v, 'f', 1); }
QString rect(const QRectF &r) { return mm(r.x()) + u',' + mm(r.y()) + u' ' + mm(r.width()) + u'x' + mm(r.height()); }
const char16_t *kindName(TRptShape::Kind k)
{
    switch (k) {
    case TRptShape::Text: return u"text";
    case TRptShape::Line: return u"line";
    case TRptShape::Frame: return u"frame";
    case TRptShape::Picture: return u"picture";
    case TRptShape::Bars: return u"bars";
    case TRptShape::Check: return u"check";
    }
    return u"?";
}
} // namespace

QString TRptDocument::Dump() const
{
    QString out;
    for (int p = 0; p < Pages.size(); ++p) {
        const TRptDocPage &page = Pages[p];
        out += QStringLiteral("page %1 %2x%3\n").arg(p + 1).arg(mm(page.Width), mm(page.Height));
        for (const TRptShape &s : page.Shapes) {
            out += QStringLiteral("  ") + QString::fromUtf16(kindName(s.ShapeKind)) + u' ' + rect(s.Rect);
            switch (s.ShapeKind) {
            case TRptShape::Text:
                out += QStringLiteral(" \"") + s.Lines.join(u'|') + u'"';
                break;
            case TRptShape::Bars:
                out += QStringLiteral(" %1 bars").arg(s.BarRects.size());
                break;
            case TRptShape::Picture:
                out += QStringLiteral(" %1x%2px").arg(s.Image.width()).arg(s.Image.height());
                break;
            case TRptShape::Check:
                out += s.Checked ? QStringLiteral(" on") : QStringLiteral(" off");
                break;
            default:
                break;
            }
            out += u'\n';
        }
    }
    return out;
}
