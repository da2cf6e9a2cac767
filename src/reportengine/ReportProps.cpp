#include "reportengine/ReportProps.h"

namespace {
// Accessors built from a member pointer, so each property is one line.
template <class T, class M>
TRptProp<T> prop(const char16_t *name, const char16_t *caption, typename TRptProp<T>::Type type, M T::*member)
{
    return {QString::fromUtf16(name), QString::fromUtf16(caption), type, {},
            [member](const T &o) { return QVariant::fromValue(o.*member); },
            [member](T &o, const QVariant &v) { o.*member = v.value<M>(); }};
}

template <class T>
TRptProp<T> choice(const char16_t *name, const char16_t *caption, int T::*member, const QStringList &choices)
{
    return {QString::fromUtf16(name), QString::fromUtf16(caption), TRptProp<T>::Choice, choices,
            [member, choices](const T &o) { return QVariant(choices.value(o.*member)); },
            [member, choices](T &o, const QVariant &v) { o.*member = qMax(0, int(choices.indexOf(v.toString()))); }};
}

using I = TRptItem;
using B = TRptBand;
using P = TRptPage;
constexpr auto N = TRptItemProp::Number;
constexpr auto S = TRptItemProp::Text;
constexpr auto F = TRptItemProp::Bool;
constexpr auto C = TRptItemProp::Color;

QList<TRptItemProp> geometry()
{
    return {prop<I>(u"Name", u"名称", S, &I::Name), prop<I>(u"X", u"左(mm)", N, &I::X),
            prop<I>(u"Y", u"上(mm)", N, &I::Y), prop<I>(u"W", u"宽(mm)", N, &I::W),
            prop<I>(u"H", u"高(mm)", N, &I::H)};
}

QList<TRptItemProp> textProps()
{
    return {prop<I>(u"Text", u"内容", S, &I::Text),
            prop<I>(u"FontFamily", u"字体", S, &I::FontFamily),
            prop<I>(u"FontSize", u"字号(磅)", N, &I::FontSize),
            prop<I>(u"Bold", u"粗体", F, &I::Bold),
            prop<I>(u"Italic", u"斜体", F, &I::Italic),
            prop<I>(u"Underline", u"下划线", F, &I::Underline),
            prop<I>(u"Color", u"颜色", C, &I::Color),
            prop<I>(u"Background", u"背景", C, &I::Background),
            choice<I>(u"HAlign", u"水平对齐", &I::HAlign,
                      {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right"), QStringLiteral("block")}),
            choice<I>(u"VAlign", u"垂直对齐", &I::VAlign,
                      {QStringLiteral("top"), QStringLiteral("center"), QStringLiteral("bottom")}),
            prop<I>(u"WordWrap", u"自动换行", F, &I::WordWrap),
            prop<I>(u"Borders", u"边框(左1上2右4下8)", N, &I::Borders),
            prop<I>(u"BorderWidth", u"边框粗细(mm)", N, &I::BorderWidth),
            prop<I>(u"BorderColor", u"边框颜色", C, &I::BorderColor),
            prop<I>(u"Format", u"格式", S, &I::Format),
            prop<I>(u"CanGrow", u"自动伸展", F, &I::CanGrow),
            prop<I>(u"HideIfEmpty", u"为空时隐藏", F, &I::HideIfEmpty)};
}

QList<TRptItemProp> build(TRptItemKind kind)
{
    QList<TRptItemProp> p = geometry();
    switch (kind) {
    case TRptItemKind::Text:
        p += textProps();
        break;
    case TRptItemKind::Line:
    case TRptItemKind::Rect:
        p += {prop<I>(u"LineWidth", u"线宽(mm)", N, &I::LineWidth), prop<I>(u"Color", u"颜色", C, &I::Color)};
        if (kind == TRptItemKind::Rect)
            p += prop<I>(u"Background", u"背景", C, &I::Background);
        break;
    case TRptItemKind::Image: {
        p += prop<I>(u"Text", u"图片字段", S, &I::Text);
        p += prop<I>(u"Picture", u"内嵌图片", TRptItemProp::Bytes, &I::Picture);
        break;
    }
    case TRptItemKind::Barcode:
        p += {prop<I>(u"Text", u"内容", S, &I::Text),
              {QStringLiteral("BarcodeType"), QStringLiteral("条码类型"), TRptItemProp::Choice,
               {QStringLiteral("Code128"), QStringLiteral("EAN13"), QStringLiteral("QRCode")},
               [](const I &o) { return QVariant(o.BarcodeType); },
               [](I &o, const QVariant &v) { o.BarcodeType = v.toString(); }},
              prop<I>(u"ShowText", u"显示文字", F, &I::ShowText), prop<I>(u"FontSize", u"字号(磅)", N, &I::FontSize),
              prop<I>(u"Color", u"颜色", C, &I::Color)};
        break;
    case TRptItemKind::CheckBox:
        p += {prop<I>(u"Text", u"条件", S, &I::Text), prop<I>(u"Color", u"颜色", C, &I::Color)};
        break;
    }
    return p;
}
} // namespace

const QList<TRptItemProp> &ItemProps(TRptItemKind kind)
{
    static const QList<TRptItemProp> lists[] = {build(TRptItemKind::Text),  build(TRptItemKind::Line),
                                                build(TRptItemKind::Rect),  build(TRptItemKind::Image),
                                                build(TRptItemKind::Barcode), build(TRptItemKind::CheckBox)};
    return lists[int(kind)];
}

const QList<TRptItemProp> &AllItemProps()
{
    static const QList<TRptItemProp> all = [] {
        QList<TRptItemProp> list;
        for (TRptItemKind k : {TRptItemKind::Text, TRptItemKind::Line, TRptItemKind::Rect, TRptItemKind::Image,
                               TRptItemKind::Barcode, TRptItemKind::CheckBox})
            for (const TRptItemProp &p : ItemProps(k)) {
                bool seen = false;
                for (const TRptItemProp &q : list)
                    seen = seen || q.Name == p.Name;
                if (!seen)
                    list.append(p);
            }
        return list;
    }();
    return all;
}

const QList<TRptBandProp> &AllBandProps()
{
    static const QList<TRptBandProp> all{
        prop<B>(u"Name", u"名称", TRptBandProp::Text, &B::Name),
        prop<B>(u"Height", u"高(mm)", TRptBandProp::Number, &B::Height),
        prop<B>(u"DataSet", u"数据集", TRptBandProp::Text, &B::DataSet),
        prop<B>(u"Condition", u"分组条件", TRptBandProp::Text, &B::Condition),
        prop<B>(u"PrintOnFirstPage", u"首页打印", TRptBandProp::Bool, &B::PrintOnFirstPage),
        prop<B>(u"PrintOnLastPage", u"末页打印", TRptBandProp::Bool, &B::PrintOnLastPage),
        prop<B>(u"ReprintOnNewPage", u"每页重打", TRptBandProp::Bool, &B::ReprintOnNewPage),
        prop<B>(u"StartNewPage", u"每组新页", TRptBandProp::Bool, &B::StartNewPage),
        prop<B>(u"MasterKey", u"主表关联字段", TRptBandProp::Text, &B::MasterKey),
        prop<B>(u"DetailKey", u"明细关联字段", TRptBandProp::Text, &B::DetailKey)};
    return all;
}

const QList<TRptBandProp> &BandProps(TRptBandKind kind)
{
    static QHash<int, QList<TRptBandProp>> cache;
    auto it = cache.find(int(kind));
    if (it != cache.end())
        return *it;
    QStringList names{QStringLiteral("Name"), QStringLiteral("Height")};
    if (IsDataBand(kind))
        names << QStringLiteral("DataSet");
    if (kind == TRptBandKind::DetailData)
        names << QStringLiteral("MasterKey") << QStringLiteral("DetailKey");
    if (kind == TRptBandKind::GroupHeader)
        names << QStringLiteral("Condition") << QStringLiteral("ReprintOnNewPage") << QStringLiteral("StartNewPage");
    if (kind == TRptBandKind::PageHeader || kind == TRptBandKind::PageFooter)
        names << QStringLiteral("PrintOnFirstPage") << QStringLiteral("PrintOnLastPage");
    QList<TRptBandProp> list;
    for (const TRptBandProp &p : AllBandProps())
        if (names.contains(p.Name))
            list.append(p);
    return *cache.insert(int(kind), list);
}

const QList<TRptPageProp> &PageProps()
{
    constexpr auto PN = TRptPageProp::Number;
    static const QList<TRptPageProp> list{
        {QStringLiteral("Paper"), QStringLiteral("纸张"), TRptPageProp::Choice,
         {QStringLiteral("A4"), QStringLiteral("A5"), QStringLiteral("A3"), QStringLiteral("B5"), QStringLiteral("Letter"),
          QStringLiteral("Custom")},
         [](const P &o) { return QVariant(o.Paper); },
         [](P &o, const QVariant &v) {
             o.Paper = v.toString();
             PaperSize(o.Paper, &o.Width, &o.Height);
         }},
        prop<P>(u"Width", u"纸宽(mm)", PN, &P::Width),
        prop<P>(u"Height", u"纸高(mm)", PN, &P::Height),
        prop<P>(u"Landscape", u"横向", TRptPageProp::Bool, &P::Landscape),
        prop<P>(u"LeftMargin", u"左边距", PN, &P::LeftMargin),
        prop<P>(u"TopMargin", u"上边距", PN, &P::TopMargin),
        prop<P>(u"RightMargin", u"右边距", PN, &P::RightMargin),
        prop<P>(u"BottomMargin", u"下边距", PN, &P::BottomMargin),
        prop<P>(u"Columns", u"分栏数", PN, &P::Columns)};
    return list;
}
