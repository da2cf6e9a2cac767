#include "app/Gbk.h"
#include <QTextCodec>

namespace Gbk {
static QTextCodec *codec()
{
    static QTextCodec *c = QTextCodec::codecForName("GBK");
    return c;
}
QByteArray Encode(const QString &text) { return codec()->fromUnicode(text); }
QString Decode(const QByteArray &bytes) { return codec()->toUnicode(bytes); }
int ByteLength(const QString &text) { return int(Encode(text).size()); }
} // namespace Gbk
