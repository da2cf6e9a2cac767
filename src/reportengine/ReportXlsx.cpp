#include "reportengine/ReportXlsx.h"
#include <QFile>
#include <QRegularExpression>
#include <xlsxwriter.h>

namespace ReportXlsx {

bool Save(const TRptDocument &document, const QString &path, QString *error)
{
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new(file.constData());
    if (!workbook) {
        if (error)
            *error = QStringLiteral("无法写入文件 %1").arg(path);
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    static const QRegularExpression number(QStringLiteral("^-?[0-9][0-9,]*(\\.[0-9]+)?$"));
    lxw_row_t row = 0;
    for (const TRptDataRow &data : document.DataRows) {
        for (int c = 0; c < data.Cells.size(); ++c) {
            const QString text = data.Cells[c].trimmed();
            // Codes with leading zeros stay texts.
            const bool numeric = number.match(text).hasMatch() && !(text.size() > 1 && text.startsWith(u'0') && text[1] != u'.');
            if (numeric)
                worksheet_write_number(sheet, row, lxw_col_t(c), QString(text).remove(u',').toDouble(), nullptr);
            else if (!text.isEmpty())
                worksheet_write_string(sheet, row, lxw_col_t(c), text.toUtf8().constData(), nullptr);
        }
        ++row;
    }
    const lxw_error rc = workbook_close(workbook);
    if (rc != LXW_NO_ERROR && error)
        *error = QStringLiteral("无法写入文件 %1:%2").arg(path, QString::fromUtf8(lxw_strerror(rc)));
    return rc == LXW_NO_ERROR;
}

} // namespace ReportXlsx
