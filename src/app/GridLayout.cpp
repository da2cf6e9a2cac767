#include "app/GridLayout.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include <QRegularExpression>
#include <QSqlQuery>

namespace GridLayout {

QString Text(const RLayoutColumns &columns)
{
    QString text;
    for (const RLayoutColumn &c : columns)
        text += c.FieldName + u'=' + (c.Visible ? QStringLiteral("True") : QStringLiteral("False"))
              + QString::number(c.Width) + QStringLiteral("\r\n");
    return text;
}

namespace {

struct Line {
    QString name;
    QString value;
};

QList<Line> splitLines(const QString &text)
{
    QList<Line> lines;
    for (const QString &raw : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts)) {
        const int eq = int(raw.indexOf(u'='));
        lines.append(eq < 0 ? Line{raw, QString()} : Line{raw.left(eq), raw.mid(eq + 1)});
    }
    return lines;
}

int indexOfColumn(const RLayoutColumns &columns, const QString &name)
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].FieldName.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace

void Apply(RLayoutColumns &columns, const QString &text, bool hideMissing)
{
    const QList<Line> lines = splitLines(text);
    for (RLayoutColumn &c : columns) {
        auto line = std::find_if(lines.begin(), lines.end(), [&](const Line &l) {
            return l.name.compare(c.FieldName, Qt::CaseInsensitive) == 0;
        });
        if (line == lines.end()) {
            if (hideMissing && !text.isEmpty())
                c.Visible = false;
            continue;
        }
        c.Visible = line->value.contains(QStringLiteral("True"));
        QString width = line->value;
        width.remove(QStringLiteral("True"), Qt::CaseInsensitive).remove(QStringLiteral("False"), Qt::CaseInsensitive);
        bool ok = false;
        const int w = width.trimmed().toInt(&ok);
        if (!ok || w < 0)
            return;
        c.Width = w;
    }
    // Move the named columns to their stored places, from the last line to the first.
    for (int pos = int(lines.size()) - 1; pos >= 0; --pos) {
        const int from = indexOfColumn(columns, lines[pos].name);
        if (from < 0)
            continue;
        if (pos >= columns.size())
            return;
        columns.move(from, pos);
    }
}

QString Load(int key)
{
    const QVariant v = QueryValue(QStringLiteral("select F06 from syscols where F02=:KeyId"),
                                  {DBParam(QStringLiteral("KeyId"), key)});
    return v.isNull() ? QString() : v.toString();
}

bool Save(int key, const QString &text)
{
    TDatabase &db = AppDatabase();
    QSqlQuery q = db.Select(QStringLiteral("select 1 from syscols where F02=:Id"), {DBParam(QStringLiteral("Id"), key)});
    int rows = 0;
    while (q.next())
        ++rows;
    if (rows == 1)
        return db.ExecSQL(QStringLiteral("update syscols set F06=:Value where F02=:KeyId"),
                          {DBParam(QStringLiteral("Value"), text), DBParam(QStringLiteral("KeyId"), key)}) == 1;
    return db.ExecSQL(QStringLiteral("insert into syscols (F02,F06) values (:Id, :S)"),
                      {DBParam(QStringLiteral("Id"), key), DBParam(QStringLiteral("S"), text)}) == 1;
}

} // namespace GridLayout
