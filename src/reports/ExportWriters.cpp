#include "reports/ExportWriters.h"
#include "app/Gbk.h"
#include "data/DataSet.h"
#include "data/Exceptions.h"
#include <QFile>
#include <xlsxwriter.h>

TExportTable::TExportTable(const TDataSet *dataSet, RExportColumns columns)
    : m_dataSet(dataSet), m_columns(std::move(columns))
{
}

int TExportTable::RowCount() const
{
    return m_dataSet && m_dataSet->Active() ? m_dataSet->RecordCount() : 0;
}

QString TExportTable::Cell(int row, int column) const
{
    const int f = m_columns[column].FieldIndex;
    if (f < 0 || f >= m_dataSet->FieldCount())
        return QString();
    return m_dataSet->Field(f)->FormatValue(m_dataSet->ValueAt(row, f));
}

namespace ExportWriters {

namespace {

void writeGbkFile(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw EZoError(QStringLiteral("无法创建文件 \"%1\": %2").arg(path, file.errorString()));
    const QByteArray bytes = Gbk::Encode(text);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw EZoError(QStringLiteral("写入文件 \"%1\" 失败: %2").arg(path, file.errorString()));
}

QString flattened(QString text)
{
    for (QChar &c : text)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return text;
}

// Every line of a table: the titles, then the rows, each cell passed through `cell`.
template <typename Line>
QString eachLine(const TExportTable &table, Line line)
{
    QString text;
    QStringList cells;
    for (int c = 0; c < table.ColumnCount(); ++c)
        cells.append(table.Title(c));
    text += line(cells);
    for (int r = 0; r < table.RowCount(); ++r) {
        cells.clear();
        for (int c = 0; c < table.ColumnCount(); ++c)
            cells.append(table.Cell(r, c));
        text += line(cells);
    }
    return text;
}

const QString CRLF = QStringLiteral("\r\n");

} // namespace

QString HtmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString CsvField(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

void WriteDelimited(const TExportTable &table, const QString &path, QChar separator)
{
    writeGbkFile(path, eachLine(table, [&](const QStringList &cells) {
        QString line;
        for (const QString &cell : cells)
            line += flattened(cell) + separator;
        return line + CRLF;
    }));
}

void WriteCsv(const TExportTable &table, const QString &path)
{
    writeGbkFile(path, eachLine(table, [](const QStringList &cells) {
        QStringList fields;
        for (const QString &cell : cells)
            fields.append(CsvField(cell));
        return fields.join(u',') + CRLF;
    }));
}

void WriteHtml(const TExportTable &table, const QString &path)
{
    QString text = QStringLiteral("<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\n<table>\r\n");
    text += eachLine(table, [](const QStringList &cells) {
        QString row = QStringLiteral("<tr>") + CRLF;
        for (const QString &cell : cells)
            row += QStringLiteral("<td nowrap>") + HtmlEscaped(cell) + QStringLiteral("&nbsp;</td>") + CRLF;
        return row + QStringLiteral("</tr>") + CRLF;
    });
    text += QStringLiteral("</table>\r\n</body>\r\n</html>\r\n");
    writeGbkFile(path, text);
}

void WriteXlsx(const TExportTable &table, const QString &path)
{
    const QByteArray fileName = path.toUtf8();
    lxw_workbook *book = workbook_new(fileName.constData());
    if (!book)
        throw EZoError(QStringLiteral("无法创建文件 \"%1\"").arg(path));
    lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);
    lxw_format *text = workbook_add_format(book);
    format_set_num_format_index(text, 49); // the built-in text format "@"
    // The whole sheet holds text, like cells typed after formatting them "@".
    worksheet_set_column(sheet, 0, LXW_COL_MAX - 1, LXW_DEF_COL_WIDTH, text);
    auto put = [&](int row, int col, const QString &value) {
        worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(col), value.toUtf8().constData(), text);
    };
    for (int c = 0; c < table.ColumnCount(); ++c)
        put(0, c, table.Title(c));
    for (int r = 0; r < table.RowCount(); ++r)
        for (int c = 0; c < table.ColumnCount(); ++c)
            put(r + 1, c, table.Cell(r, c));
    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR)
        throw EZoError(QStringLiteral("写入文件 \"%1\" 失败: %2").arg(path, QString::fromUtf8(lxw_strerror(error))));
}

} // namespace ExportWriters
