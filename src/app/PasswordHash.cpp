#include "app/PasswordHash.h"
#include "data/Exceptions.h"
#include <sodium.h>

namespace PasswordHash {

static void initSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw EZoError(QStringLiteral("无法初始化密码库"));
}

QString Hash(const QString &password)
{
    initSodium();
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, utf8.constData(), quint64(utf8.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw EZoError(QStringLiteral("内存不足,无法保存密码"));
    return QString::fromLatin1(out);
}

bool IsHash(const QString &stored)
{
    return stored.startsWith(QStringLiteral("$argon2"));
}

bool Matches(const QString &stored, const QString &password)
{
    if (!IsHash(stored))
        return stored == password;
    initSodium();
    const QByteArray hash = stored.toLatin1();
    const QByteArray utf8 = password.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}

} // namespace PasswordHash
