#include "data/SortText.h"
#include <QRegularExpression>

namespace SortText {

QString FromTitleClicks(const RSortKeys &keys)
{
    QString text;
    for (const RSortKey &k : keys)
        text += k.FieldName + (k.Descending ? QStringLiteral(" DESC , ") : QStringLiteral(", "));
    text.chop(2);
    return text;
}

QString FromDirections(const QList<QPair<QString, QString>> &fieldDirections)
{
    QStringList parts;
    for (const auto &fd : fieldDirections)
        if (!fd.second.isEmpty())
            parts.append(fd.first + u' ' + fd.second);
    return parts.join(u',');
}

QList<QPair<QString, QString>> Parse(const QString &text)
{
    QList<QPair<QString, QString>> pairs;
    const QStringList words = text.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
    for (const QString &w : words) {
        const QString upper = w.toUpper();
        if ((upper == QStringLiteral("ASC") || upper == QStringLiteral("DESC")) && !pairs.isEmpty())
            pairs.last().second = upper;
        else
            pairs.append({w, QStringLiteral("ASC")});
    }
    return pairs;
}

} // namespace SortText
