#pragma once
#include "reportengine/ReportModel.h"
#include <QStringList>
#include <QVariant>
#include <functional>

// One editable property of an item, band or page: the XML attribute and the
// row of the designer's property editor come from the same description.
template <class T>
struct TRptProp {
    enum Type { Number, Text, Bool, Color, Choice, Bytes };
    QString Name;
    QString Caption;
    Type Kind;
    QStringList Choices; // Choice: the value is one of these texts
    std::function<QVariant(const T &)> Get;
    std::function<void(T &, const QVariant &)> Set;
};

using TRptItemProp = TRptProp<TRptItem>;
using TRptBandProp = TRptProp<TRptBand>;
using TRptPageProp = TRptProp<TRptPage>;

// The properties that apply to an item of `kind` (geometry first).
const QList<TRptItemProp> &ItemProps(TRptItemKind kind);
const QList<TRptBandProp> &BandProps(TRptBandKind kind);
const QList<TRptPageProp> &PageProps();
// All item properties, of any kind (for reading files).
const QList<TRptItemProp> &AllItemProps();
const QList<TRptBandProp> &AllBandProps();
