#include "reportengine/ReportModel.h"
#include <QHash>

namespace {
struct KindNames {
    TRptBandKind kind;
    const char16_t *name;
    const char16_t *caption;
};
const KindNames BandKinds[] = {
    {TRptBandKind::ReportTitle, u"ReportTitle", u"报表标题"},
    {TRptBandKind::PageHeader, u"PageHeader", u"页眉"},
    {TRptBandKind::DataHeader, u"DataHeader", u"数据表头"},
    {TRptBandKind::GroupHeader, u"GroupHeader", u"分组头"},
    {TRptBandKind::MasterData, u"MasterData", u"主数据"},
    {TRptBandKind::DetailData, u"DetailData", u"明细数据"},
    {TRptBandKind::GroupFooter, u"GroupFooter", u"分组尾"},
    {TRptBandKind::Summary, u"Summary", u"报表合计"},
    {TRptBandKind::PageFooter, u"PageFooter", u"页脚"},
    {TRptBandKind::Overlay, u"Overlay", u"覆盖层"},
};
struct ItemNames {
    TRptItemKind kind;
    const char16_t *name;
    const char16_t *caption;
};
const ItemNames ItemKinds[] = {
    {TRptItemKind::Text, u"Text", u"文本"},          {TRptItemKind::Line, u"Line", u"直线"},
    {TRptItemKind::Rect, u"Rect", u"矩形"},          {TRptItemKind::Image, u"Image", u"图片"},
    {TRptItemKind::Barcode, u"Barcode", u"条码"},    {TRptItemKind::CheckBox, u"CheckBox", u"复选框"},
};
} // namespace

QString BandKindName(TRptBandKind kind)
{
    for (const auto &k : BandKinds)
        if (k.kind == kind)
            return QString::fromUtf16(k.name);
    return {};
}

QString BandKindCaption(TRptBandKind kind)
{
    for (const auto &k : BandKinds)
        if (k.kind == kind)
            return QString::fromUtf16(k.caption);
    return {};
}

TRptBandKind BandKindFromName(const QString &name, bool *ok)
{
    for (const auto &k : BandKinds)
        if (name.compare(QString::fromUtf16(k.name), Qt::CaseInsensitive) == 0) {
            if (ok)
                *ok = true;
            return k.kind;
        }
    if (ok)
        *ok = false;
    return TRptBandKind::MasterData;
}

QString ItemKindName(TRptItemKind kind)
{
    for (const auto &k : ItemKinds)
        if (k.kind == kind)
            return QString::fromUtf16(k.name);
    return {};
}

QString ItemKindCaption(TRptItemKind kind)
{
    for (const auto &k : ItemKinds)
        if (k.kind == kind)
            return QString::fromUtf16(k.caption);
    return {};
}

TRptItemKind ItemKindFromName(const QString &name, bool *ok)
{
    for (const auto &k : ItemKinds)
        if (name.compare(QString::fromUtf16(k.name), Qt::CaseInsensitive) == 0) {
            if (ok)
                *ok = true;
            return k.kind;
        }
    if (ok)
        *ok = false;
    return TRptItemKind::Text;
}

bool IsDataBand(TRptBandKind kind)
{
    return kind == TRptBandKind::MasterData || kind == TRptBandKind::DetailData;
}

bool PaperSize(const QString &paper, double *width, double *height)
{
    static const QHash<QString, QPair<double, double>> sizes{
        {QStringLiteral("A3"), {297, 420}}, {QStringLiteral("A4"), {210, 297}},
        {QStringLiteral("A5"), {148, 210}}, {QStringLiteral("B5"), {176, 250}},
        {QStringLiteral("Letter"), {215.9, 279.4}}};
    const auto it = sizes.constFind(paper);
    if (it == sizes.cend())
        return false;
    *width = it->first;
    *height = it->second;
    return true;
}

QString TRptReport::UniqueName(const QString &prefix) const
{
    for (int n = 1;; ++n) {
        const QString candidate = prefix + QString::number(n);
        bool used = false;
        for (const TRptBand &b : Bands) {
            used = used || b.Name == candidate;
            for (const TRptItem &i : b.Items)
                used = used || i.Name == candidate;
        }
        if (!used)
            return candidate;
    }
}
