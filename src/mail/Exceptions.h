#pragma once

#include "mail/TrText.h"

#include <QByteArray>
#include <QString>
#include <exception>

// Base of every failure the program raises: a message text and nothing else.
class Exception : public std::exception {
public:
    // A text no catalogue translates (a server's reply, a system's error string).
    explicit Exception(QString message);
    explicit Exception(TrText text);
    // The message in English: what the activity log and files receive.
    const QString& message() const noexcept { return m_text.english(); }
    // The message in the user's language: what the screen shows.
    const QString& shown() const noexcept { return m_text.shown(); }
    const TrText& text() const noexcept { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    TrText m_text;
    QByteArray m_utf8;
};

#define QUILL_DECLARE_EXCEPTION(Name)                                                              \
    class Name : public Exception {                                                                \
    public:                                                                                        \
        using Exception::Exception;                                                                \
    };

// A transport failure, or a transport precondition that failed.
QUILL_DECLARE_EXCEPTION(ESocketError)
// A server certificate that failed verification: the message names the
// certificate (subject, issuer, validity, SHA-256 fingerprint), and
// fingerprint() gives the digest a user may decide to trust.
class ECertificateError : public ESocketError {
public:
    ECertificateError(QString message, QString fingerprint)
        : ESocketError(std::move(message)), m_fingerprint(std::move(fingerprint)) {}
    ECertificateError(TrText message, QString fingerprint)
        : ESocketError(std::move(message)), m_fingerprint(std::move(fingerprint)) {}
    // 64 lower-case hexadecimal digits.
    const QString& fingerprint() const noexcept { return m_fingerprint; }

private:
    QString m_fingerprint;
};
// A negative protocol reply; the message is the server's reply line.
QUILL_DECLARE_EXCEPTION(EServerError)
// A message or an encoded word that cannot be decoded.
QUILL_DECLARE_EXCEPTION(EMessageParserError)
// The user canceled: "Operation has been canceled".
QUILL_DECLARE_EXCEPTION(ECanceledError)
// The time-out ran out: "Operation timed out".
QUILL_DECLARE_EXCEPTION(ETimedOutError)
// A DNS response was rejected.
QUILL_DECLARE_EXCEPTION(EResolverError)
// A dial-up failure.
QUILL_DECLARE_EXCEPTION(ERASError)
// Text that should hold a number (or hexadecimal pairs) does not.
QUILL_DECLARE_EXCEPTION(EConvertError)
// A file or store that cannot be read or written.
QUILL_DECLARE_EXCEPTION(EFileError)
// An OAuth2 sign-in or token refresh that failed; the message says why (with
// the provider's own text where it gave one).
QUILL_DECLARE_EXCEPTION(EOAuth2Error)

// The library's own message texts, by code (57000-57022, 57100-57118). Returns
// an empty text for a code that has none.
TrText LibraryText(int code);

// The text of a failure: ours carry their message; anything else is a fault of
// the program, "Internal error: ..." with what it says.
TrText FailureText(const std::exception& e);

// text, unless a listener reworded its English into english: then that, the
// same in every language.
TrText Reworded(const TrText& text, const QString& english);
