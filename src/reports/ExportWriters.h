#pragma once
#include <QList>
#include <QString>

class TDataSet;

// One exported column: its title and the data set field it shows.
struct RExportColumn {
    QString Title;
    int FieldIndex = -1;
};
using RExportColumns = QList<RExportColumn>;

// What every export writes: titles, then the display texts of every record
// (none when the data set is closed). Reading goes by position, so the data
// set's cursor never moves.
class TExportTable {
public:
    TExportTable(const TDataSet *dataSet, RExportColumns columns);
    int ColumnCount() const { return int(m_columns.size()); }
    int RowCount() const;
    QString Title(int column) const { return m_columns[column].Title; }
    QString Cell(int row, int column) const;

private:
    const TDataSet *m_dataSet;
    RExportColumns m_columns;
};

// Writers of export files. Text files are GBK with "\r\n" line ends; a file
// that cannot be written raises EZoError with the reason.
namespace ExportWriters {
// Each value followed by `separator` (the tab of .txt and .xls text). Tabs
// and line breaks inside values become one blank so that columns stay in place.
void WriteDelimited(const TExportTable &table, const QString &path, QChar separator = u'\t');
// Comma-separated values as RFC 4180 has them: a value holding a comma,
// quote or line break is quoted, its quotes doubled.
void WriteCsv(const TExportTable &table, const QString &path);
// An HTML table, one row per record; titles and values are escaped.
void WriteHtml(const TExportTable &table, const QString &path);
// An .xlsx workbook, one sheet, every cell formatted as text.
void WriteXlsx(const TExportTable &table, const QString &path);

// Helpers shared with other writers.
QString HtmlEscaped(const QString &text);
QString CsvField(const QString &text);
} // namespace ExportWriters
