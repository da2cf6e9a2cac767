#pragma once
#include <QByteArray>
#include <QString>

// GBK (code page 936): the encoding of files exchanged with other programs
// and of every length counted "in bytes".
namespace Gbk {
QByteArray Encode(const QString &text);
QString Decode(const QByteArray &bytes);
int ByteLength(const QString &text);
} // namespace Gbk
