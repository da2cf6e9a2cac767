#pragma once
#include <QString>
#include <stdexcept>

// The base of every failure the program raises on purpose. The message is
// user-facing Chinese text.
class EZoError : public std::runtime_error {
public:
    explicit EZoError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &Message() const { return m_message; }

private:
    QString m_message;
};

// A statement failed: the provider's message, "\r\n", the statement text.
class EDatabaseError : public EZoError {
public:
    EDatabaseError(const QString &providerMessage, const QString &sql, const QString &nativeCode = {})
        : EZoError(providerMessage + QStringLiteral("\r\n") + sql),
          m_providerMessage(providerMessage), m_nativeCode(nativeCode) {}
    const QString &ProviderMessage() const { return m_providerMessage; }
    const QString &NativeCode() const { return m_nativeCode; }

private:
    QString m_providerMessage;
    QString m_nativeCode;
};

// A typed value could not be converted (editors, numbers in settings).
class EConvertError : public EZoError {
public:
    using EZoError::EZoError;
};

// Abandons a command without another message (a refused right, a failure
// that has already been shown).
class EAbort : public EZoError {
public:
    EAbort() : EZoError(QString()) {}
};
