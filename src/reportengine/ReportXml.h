#pragma once
#include "reportengine/ReportModel.h"
#include <QByteArray>

// The stored form of a template: UTF-8 XML, only values that differ from the defaults.
namespace ReportXml {
QByteArray Save(const TRptReport &report);
// Empty bytes give an empty report. Throws EZoError when the bytes are no template.
TRptReport Load(const QByteArray &bytes);
// One band or item on its own (the designer's clipboard).
QByteArray SaveItems(const QList<TRptItem> &items);
QList<TRptItem> LoadItems(const QByteArray &bytes);
} // namespace ReportXml
