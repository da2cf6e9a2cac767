#include "cli/Csv.h"

using namespace Qt::StringLiterals;

namespace Csv {

static QString quoted(const QString &cell)
{
    if (!cell.contains(u',') && !cell.contains(u'"') && !cell.contains(u'\n') && !cell.contains(u'\r'))
        return cell;
    QString q = cell;
    q.replace(u"\""_s, u"\"\""_s);
    return u'"' + q + u'"';
}

QString Line(const QStringList &cells)
{
    QStringList out;
    for (const QString &c : cells)
        out.append(quoted(c));
    return out.join(u',') + u"\r\n"_s;
}

QString FromDataSet(const TDataSet &ds)
{
    QList<const TField *> fields;
    QStringList header;
    for (const TField *f : ds.Fields())
        if (f->Visible()) {
            fields.append(f);
            header.append(f->DisplayLabel());
        }
    QString text = Line(header);
    for (int r = 0; r < ds.RecordCount(); ++r) {
        QStringList cells;
        for (const TField *f : std::as_const(fields)) {
            const QVariant v = ds.ValueAt(r, f->Index());
            if (f->Kind() == TFieldKind::Currency && v.isValid())
                cells.append(Money::FormatPlain(v.toLongLong()));
            else
                cells.append(FormatVariantText(v));
        }
        text += Line(cells);
    }
    return text;
}

} // namespace Csv
