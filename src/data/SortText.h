#pragma once
#include <QList>
#include <QString>

// Sort orders as texts for TDataSet::Sort.
struct RSortKey {
    QString FieldName;
    bool Descending = false;
};
using RSortKeys = QList<RSortKey>;

namespace SortText {
// The text of title-click sorting: "Code, Name DESC " (a trailing blank after DESC).
QString FromTitleClicks(const RSortKeys &keys);
// The text of the sort dialog: "Code ASC,Name DESC"; directions are "ASC", "DESC" or "" (unsorted).
QString FromDirections(const QList<QPair<QString, QString>> &fieldDirections);
// Reads a sort text of either kind into (field, "ASC"/"DESC") pairs. A word
// that is no direction starts a new field sorted ascending.
QList<QPair<QString, QString>> Parse(const QString &text);
} // namespace SortText
