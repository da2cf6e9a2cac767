#include "app/CustomLabels.h"
#include "app/KeyValue.h"

namespace CustomLabels {

QStringList FieldNames()
{
    return {QStringLiteral("Str1"), QStringLiteral("Str2"), QStringLiteral("Str3"), QStringLiteral("Str4"),
            QStringLiteral("Str5"), QStringLiteral("Str6"), QStringLiteral("Float1"), QStringLiteral("Float2"),
            QStringLiteral("Float3"), QStringLiteral("Date1"), QStringLiteral("Date2"), QStringLiteral("Date3")};
}

QStringList Defaults()
{
    return {QStringLiteral("字符型1"), QStringLiteral("字符型2"), QStringLiteral("字符型3"), QStringLiteral("字符型4"),
            QStringLiteral("字符型5"), QStringLiteral("字符型6"), QStringLiteral("数字型1"), QStringLiteral("数字型2"),
            QStringLiteral("数字型3"), QStringLiteral("日期型1"), QStringLiteral("日期型2"), QStringLiteral("日期型3")};
}

static QStringList &labels()
{
    static QStringList l = Defaults();
    return l;
}

QString Label(int index) { return labels().value(index); }

QString LabelOf(const QString &fieldName)
{
    const int i = FieldNames().indexOf(fieldName);
    return i < 0 ? QString() : labels()[i];
}

void SetLabel(int index, const QString &label)
{
    if (index >= 0 && index < Count)
        labels()[index] = label;
}

void Load()
{
    for (int i = 0; i < Count; ++i)
        labels()[i] = TKeyValue2::ReadStr(kFirstLabel + i, labels()[i]);
}

void Reset() { labels() = Defaults(); }

} // namespace CustomLabels
