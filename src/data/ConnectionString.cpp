#include "data/ConnectionString.h"

TConnectionString::TConnectionString(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n) {
        const int eq = text.indexOf(u'=', i);
        if (eq < 0)
            break;
        const QString key = text.mid(i, eq - i).trimmed();
        i = eq + 1;
        while (i < n && text[i] == u' ')
            ++i;
        QString value;
        if (i < n && text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        value += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i++];
            }
            const int semi = text.indexOf(u';', i);
            i = semi < 0 ? n : semi + 1;
        } else {
            const int semi = text.indexOf(u';', i);
            value = text.mid(i, semi < 0 ? -1 : semi - i).trimmed();
            i = semi < 0 ? n : semi + 1;
        }
        if (!key.isEmpty())
            m_items.append({key, value});
    }
}

QString TConnectionString::Value(const QString &key) const
{
    for (const auto &item : m_items)
        if (item.first.compare(key, Qt::CaseInsensitive) == 0)
            return item.second;
    return {};
}

bool TConnectionString::Contains(const QString &key) const
{
    for (const auto &item : m_items)
        if (item.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void TConnectionString::Set(const QString &key, const QString &value)
{
    for (auto &item : m_items)
        if (item.first.compare(key, Qt::CaseInsensitive) == 0) {
            item.second = value;
            return;
        }
    m_items.append({key, value});
}

QString TConnectionString::ToString() const
{
    QString out;
    for (const auto &item : m_items) {
        QString v = item.second;
        if (v.contains(u';') || v.contains(u'"') || v != v.trimmed())
            v = u'"' + QString(v).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        out += item.first + u'=' + v + u';';
    }
    return out;
}
