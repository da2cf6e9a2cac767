#include "reportengine/ReportBarcode.h"
#include <memory>
#include <zint.h>

namespace ReportBarcode {

namespace {
int symbology(const QString &type)
{
    if (type.compare(QStringLiteral("EAN13"), Qt::CaseInsensitive) == 0)
        return BARCODE_EANX;
    if (type.compare(QStringLiteral("QRCode"), Qt::CaseInsensitive) == 0)
        return BARCODE_QRCODE;
    return BARCODE_CODE128;
}
} // namespace

bool IsLinear(const QString &type) { return symbology(type) != BARCODE_QRCODE; }

QList<QRectF> Bars(const QString &type, const QString &content, const QRectF &area, QString *error)
{
    QList<QRectF> bars;
    if (content.isEmpty() || area.isEmpty())
        return bars;
    std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(), &ZBarcode_Delete);
    symbol->symbology = symbology(type);
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = 0;
    symbol->output_options |= BARCODE_QUIET_ZONES;
    const QByteArray utf8 = content.toUtf8();
    const int rc = ZBarcode_Encode_and_Buffer_Vector(symbol.get(), reinterpret_cast<const unsigned char *>(utf8.constData()),
                                                     int(utf8.size()), 0);
    if (rc >= ZINT_ERROR || !symbol->vector) {
        if (error)
            *error = QString::fromLatin1(symbol->errtxt);
        return bars;
    }
    const double vw = symbol->vector->width, vh = symbol->vector->height;
    if (vw <= 0 || vh <= 0)
        return bars;
    double sx = area.width() / vw, sy = area.height() / vh;
    double ox = area.x(), oy = area.y();
    if (!IsLinear(type)) {
        sx = sy = qMin(sx, sy);
        ox += (area.width() - vw * sx) / 2;
        oy += (area.height() - vh * sy) / 2;
    }
    for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next)
        if (r->colour <= 0 || r->colour == 7)
            bars.append(QRectF(ox + r->x * sx, oy + r->y * sy, r->width * sx, r->height * sy));
    return bars;
}

} // namespace ReportBarcode
