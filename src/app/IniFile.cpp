#include "app/IniFile.h"
#include <QFile>
#include <QSaveFile>

namespace {

QByteArray escape(const QByteArray &raw, bool bytesOnly)
{
    QByteArray out;
    for (const char ch : raw) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (c < 0x20 || c == 0x7f || (bytesOnly && c >= 0x80))
            out += "\\x" + QByteArray::number(c, 16).rightJustified(2, '0');
        else
            out += ch;
    }
    return out;
}

QByteArray unescape(const QByteArray &text)
{
    QByteArray out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        const char n = text[++i];
        if (n == 'n')
            out += '\n';
        else if (n == 'r')
            out += '\r';
        else if (n == 't')
            out += '\t';
        else if (n == 'x' && i + 2 < text.size()) {
            bool ok = false;
            const int v = text.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                out += char(v);
                i += 2;
            } else {
                out += "\\x";
            }
        } else
            out += n;
    }
    return out;
}

} // namespace

TIniFile::TIniFile(const QString &path) : m_path(path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    Section *current = nullptr;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            m_sections.append({QString::fromUtf8(line.mid(1, line.size() - 2)).trimmed(), {}});
            current = &m_sections.last();
            continue;
        }
        const int eq = line.indexOf('=');
        if (eq < 0 || !current)
            continue;
        current->items.append({QString::fromUtf8(line.left(eq)).trimmed(), unescape(line.mid(eq + 1))});
    }
}

const QByteArray *TIniFile::find(const QString &section, const QString &key) const
{
    for (const Section &s : m_sections)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            for (const auto &item : s.items)
                if (item.first.compare(key, Qt::CaseInsensitive) == 0)
                    return &item.second;
    return nullptr;
}

void TIniFile::set(const QString &section, const QString &key, const QByteArray &raw)
{
    Section *target = nullptr;
    for (Section &s : m_sections)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            target = &s;
    if (!target) {
        m_sections.append({section, {}});
        target = &m_sections.last();
    }
    for (auto &item : target->items)
        if (item.first.compare(key, Qt::CaseInsensitive) == 0) {
            item.second = raw;
            return;
        }
    target->items.append({key, raw});
}

bool TIniFile::Contains(const QString &section, const QString &key) const { return find(section, key) != nullptr; }

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const QByteArray *v = find(section, key);
    return v ? QString::fromUtf8(*v) : def;
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int def) const
{
    const QByteArray *v = find(section, key);
    if (!v)
        return def;
    bool ok = false;
    const int n = v->trimmed().toInt(&ok);
    return ok ? n : def;
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

QByteArray TIniFile::ReadBytes(const QString &section, const QString &key) const
{
    const QByteArray *v = find(section, key);
    return v ? *v : QByteArray();
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value) { set(section, key, value.toUtf8()); }
void TIniFile::WriteInteger(const QString &section, const QString &key, int value) { set(section, key, QByteArray::number(value)); }
void TIniFile::WriteBool(const QString &section, const QString &key, bool value) { set(section, key, value ? "1" : "0"); }
void TIniFile::WriteBytes(const QString &section, const QString &key, const QByteArray &value) { set(section, key, value); }

bool TIniFile::Save() const
{
    QByteArray out;
    for (const Section &s : m_sections) {
        out += '[' + s.name.toUtf8() + "]\n";
        for (const auto &item : s.items) {
            // Text values stay readable; bytes that are no valid UTF-8 are escaped.
            const bool validUtf8 = QString::fromUtf8(item.second).toUtf8() == item.second;
            out += item.first.toUtf8() + '=' + escape(item.second, !validUtf8) + '\n';
        }
        out += '\n';
    }
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    f.write(out);
    return f.commit() && QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
}
