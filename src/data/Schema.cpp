#include "data/Schema.h"
#include "app/Configer.h"
#include "app/Paths.h"
#include "data/Database.h"
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace ZoSchema {

QString ReadScript(const QString &name)
{
    QFile f(ZoPaths::Resource(QStringLiteral("sql/") + name));
    if (!f.open(QIODevice::ReadOnly))
        throw EZoError(QStringLiteral("找不到数据库脚本 %1").arg(f.fileName()));
    return QString::fromUtf8(f.readAll());
}

QStringList SplitScript(const QString &script)
{
    QStringList statements;
    QString current;
    const QStringList lines = script.split(u'\n');
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QStringLiteral("--")) || (trimmed.isEmpty() && current.isEmpty()))
            continue;
        current += line + u'\n';
        if (trimmed.endsWith(u';')) {
            current = current.trimmed();
            current.chop(1);
            statements.append(current);
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

// The default report templates: reports/templates.txt lists Id, group, title
// and file; the files are binary values, so they go in as bound parameters.
static void InsertDefaultReports(TDatabase &db)
{
    QFile list(ZoPaths::Resource(QStringLiteral("reports/templates.txt")));
    if (!list.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromUtf8(list.readAll()).split(u'\n');
    for (const QString &line : lines) {
        const QStringList f = line.split(u'\t');
        if (line.startsWith(u'#') || f.size() < 4)
            continue;
        QFile file(ZoPaths::Resource(QStringLiteral("reports/") + f[3].trimmed()));
        if (!file.open(QIODevice::ReadOnly))
            throw EZoError(QStringLiteral("找不到报表模板 %1").arg(file.fileName()));
        db.Execute(QStringLiteral("insert into report (Id, GrpId, Title, Fr3File) values (:Id, :GrpId, :Title, :Fr3File)"),
                   {DBParam(QStringLiteral("Id"), f[0].toInt()), DBParam(QStringLiteral("GrpId"), f[1].toInt()),
                    DBParam(QStringLiteral("Title"), f[2])},
                   {DBBlobParam(QStringLiteral("Fr3File"), file.readAll())});
    }
}

void CreateTables(TDatabase &db)
{
    const QStringList statements = SplitScript(ReadScript(db.Dialect().SchemaScript()))
        + SplitScript(ReadScript(QStringLiteral("seed.sql")));
    TTransaction work(db);
    for (const QString &sql : statements)
        db.Execute(sql);
    InsertDefaultReports(db);
    work.Commit();
}

void CreateDatabaseFile(const QString &path)
{
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    QFile touch(partial);
    if (!touch.open(QIODevice::WriteOnly))
        throw EZoError(QStringLiteral("无法创建数据库文件 %1").arg(path));
    touch.close();
    {
        TDatabase db;
        if (!db.Connect(TConfiger::LocalFileConnectionString(partial)))
            throw EAbort();
        // A fresh file is switched out of WAL so that it is one self-contained file when renamed.
        CreateTables(db);
        db.Execute(QStringLiteral("pragma journal_mode=DELETE"));
    }
    QFile::remove(partial + QStringLiteral("-wal"));
    QFile::remove(partial + QStringLiteral("-shm"));
    if (QFileInfo::exists(path) || !QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw EZoError(QStringLiteral("无法创建数据库文件 %1").arg(path));
    }
}

} // namespace ZoSchema
