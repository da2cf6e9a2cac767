#include "reportengine/ReportXml.h"
#include "data/Exceptions.h"
#include "reportengine/ReportProps.h"
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {
const QString RootTag = QStringLiteral("zoreport");
const QString ItemsTag = QStringLiteral("zoitems");

template <class T>
QString toText(const TRptProp<T> &p, const QVariant &v)
{
    switch (p.Kind) {
    case TRptProp<T>::Number:
        return QString::number(v.toDouble(), 'g', 10);
    case TRptProp<T>::Bool:
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case TRptProp<T>::Color: {
        const QColor c = v.value<QColor>();
        return c.isValid() ? c.name(c.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb) : QString();
    }
    case TRptProp<T>::Bytes:
        return QString::fromLatin1(v.toByteArray().toBase64());
    default:
        return v.toString();
    }
}

template <class T>
QVariant fromText(const TRptProp<T> &p, const QString &s)
{
    switch (p.Kind) {
    case TRptProp<T>::Number:
        return s.toDouble();
    case TRptProp<T>::Bool:
        return s == QStringLiteral("1") || s.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0;
    case TRptProp<T>::Color:
        return QVariant::fromValue(s.isEmpty() ? QColor() : QColor(s));
    case TRptProp<T>::Bytes:
        return QByteArray::fromBase64(s.toLatin1());
    default:
        return s;
    }
}

template <class T>
void writeProps(QXmlStreamWriter &w, const T &object, const QList<TRptProp<T>> &props)
{
    const T defaults;
    for (const TRptProp<T> &p : props) {
        const QString value = toText(p, p.Get(object));
        if (value != toText(p, p.Get(defaults)))
            w.writeAttribute(p.Name, value);
    }
}

template <class T>
void readProps(const QXmlStreamAttributes &attributes, T &object, const QList<TRptProp<T>> &props)
{
    for (const TRptProp<T> &p : props)
        if (attributes.hasAttribute(p.Name))
            p.Set(object, fromText(p, attributes.value(p.Name).toString()));
}

void writeItem(QXmlStreamWriter &w, const TRptItem &item)
{
    w.writeStartElement(QStringLiteral("item"));
    w.writeAttribute(QStringLiteral("kind"), ItemKindName(item.Kind));
    writeProps(w, item, AllItemProps());
    w.writeEndElement();
}

TRptItem readItem(QXmlStreamReader &r)
{
    TRptItem item;
    bool ok = false;
    item.Kind = ItemKindFromName(r.attributes().value(QStringLiteral("kind")).toString(), &ok);
    if (!ok)
        r.raiseError(QStringLiteral("未知的报表元素类型"));
    readProps(r.attributes(), item, AllItemProps());
    r.skipCurrentElement();
    return item;
}

[[noreturn]] void fail(const QXmlStreamReader &r)
{
    throw EZoError(QStringLiteral("报表模板格式错误(第%1行):%2").arg(r.lineNumber()).arg(r.errorString()));
}
} // namespace

namespace ReportXml {

QByteArray Save(const TRptReport &report)
{
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeStartElement(RootTag);
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    w.writeStartElement(QStringLiteral("page"));
    writeProps(w, report.Page, PageProps());
    w.writeEndElement();
    for (const TRptBand &band : report.Bands) {
        w.writeStartElement(QStringLiteral("band"));
        w.writeAttribute(QStringLiteral("kind"), BandKindName(band.Kind));
        writeProps(w, band, AllBandProps());
        for (const TRptItem &item : band.Items)
            writeItem(w, item);
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndDocument();
    return bytes;
}

TRptReport Load(const QByteArray &bytes)
{
    TRptReport report;
    if (bytes.trimmed().isEmpty())
        return report;
    QXmlStreamReader r(bytes);
    if (!r.readNextStartElement() || r.name() != RootTag) {
        if (!r.hasError())
            r.raiseError(QStringLiteral("不是报表模板"));
        fail(r);
    }
    while (r.readNextStartElement()) {
        if (r.name() == u"page") {
            readProps(r.attributes(), report.Page, PageProps());
            r.skipCurrentElement();
        } else if (r.name() == u"band") {
            TRptBand band;
            bool ok = false;
            band.Kind = BandKindFromName(r.attributes().value(QStringLiteral("kind")).toString(), &ok);
            if (!ok)
                r.raiseError(QStringLiteral("未知的报表带类型"));
            readProps(r.attributes(), band, AllBandProps());
            while (!r.hasError() && r.readNextStartElement()) {
                if (r.name() == u"item")
                    band.Items.append(readItem(r));
                else
                    r.skipCurrentElement();
            }
            report.Bands.append(band);
        } else {
            r.skipCurrentElement();
        }
    }
    if (r.hasError())
        fail(r);
    return report;
}

QByteArray SaveItems(const QList<TRptItem> &items)
{
    QByteArray bytes;
    QXmlStreamWriter w(&bytes);
    w.writeStartDocument();
    w.writeStartElement(ItemsTag);
    for (const TRptItem &item : items)
        writeItem(w, item);
    w.writeEndElement();
    w.writeEndDocument();
    return bytes;
}

QList<TRptItem> LoadItems(const QByteArray &bytes)
{
    QList<TRptItem> items;
    QXmlStreamReader r(bytes);
    if (!r.readNextStartElement() || r.name() != ItemsTag)
        return items;
    while (r.readNextStartElement()) {
        if (r.name() == u"item")
            items.append(readItem(r));
        else
            r.skipCurrentElement();
    }
    return r.hasError() ? QList<TRptItem>() : items;
}

} // namespace ReportXml
