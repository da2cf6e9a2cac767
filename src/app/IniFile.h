#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// A small INI file in UTF-8. Values escape "\\", line breaks, tabs and other
// control bytes as "\xHH", so any byte string survives a round trip. The file
// is written with permissions 0600 because it holds passwords.
class TIniFile {
public:
    explicit TIniFile(const QString &path);

    QString ReadString(const QString &section, const QString &key, const QString &def = QString()) const;
    int ReadInteger(const QString &section, const QString &key, int def) const;
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    QByteArray ReadBytes(const QString &section, const QString &key) const;
    bool Contains(const QString &section, const QString &key) const;

    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);
    void WriteBytes(const QString &section, const QString &key, const QByteArray &value);

    // Writes the file; false when it could not be written.
    bool Save() const;
    QString Path() const { return m_path; }

private:
    struct Section {
        QString name;
        QList<QPair<QString, QByteArray>> items; // raw (unescaped) bytes
    };
    const QByteArray *find(const QString &section, const QString &key) const;
    void set(const QString &section, const QString &key, const QByteArray &raw);

    QString m_path;
    QList<Section> m_sections;
};
