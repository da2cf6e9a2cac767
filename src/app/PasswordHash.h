#pragma once
#include <QString>

// Passwords are kept as salted Argon2id hashes ("$argon2id$...").
namespace PasswordHash {
QString Hash(const QString &password);
// True for a value made by Hash().
bool IsHash(const QString &stored);
// Exact, case-sensitive comparison; a stored value that is no hash (an older
// ledger) is compared as plain text.
bool Matches(const QString &stored, const QString &password);
} // namespace PasswordHash
