#pragma once
#include <QList>
#include <QPair>
#include <QString>

// A connection string in the "Key=Value;Key=Value;" form. Keys compare
// without regard to case; a value holding ';' or '"' is written in double
// quotes with inner quotes doubled.
class TConnectionString {
public:
    TConnectionString() = default;
    explicit TConnectionString(const QString &text);

    QString Value(const QString &key) const;
    bool Contains(const QString &key) const;
    void Set(const QString &key, const QString &value);
    QString ToString() const;

private:
    QList<QPair<QString, QString>> m_items;
};
