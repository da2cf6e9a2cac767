#pragma once
#include <QString>
#include <QStringList>

// The labels of the twelve user-defined asset fields Str1..Str6,
// Float1..Float3 and Date1..Date3 (key ids 4 to 15), held for the process.
namespace CustomLabels {
constexpr int Count = 12;
QStringList FieldNames();       // "Str1" ... "Date3"
QStringList Defaults();         // "字符型1" ... "日期型3"
QString Label(int index);
QString LabelOf(const QString &fieldName); // empty for other fields
void SetLabel(int index, const QString &label);
// Reads keys 4 to 15, each with the label held so far as its default.
void Load();
void Reset();
} // namespace CustomLabels
