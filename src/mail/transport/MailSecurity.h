#pragma once

#include <QByteArray>
#include <QSslCertificate>
#include <QString>
#include <optional>

// How a mail client protects its connection.
enum class MailSecurity {
    Tls,              // TLS from the start ("TLS")
    StartTlsRequired, // the upgrade command, and no sign-in without it ("STARTTLS required")
    StartTlsOptional, // the upgrade command when the server offers it ("STARTTLS if offered")
    None,             // plain text ("None")
};

// The word for a choice on the command line and in the settings tree: "tls",
// "starttls", "starttls-optional", "none".
QString securityWord(MailSecurity security);
// The choice a word names (compared without regard to case); nothing for any other word.
std::optional<MailSecurity> securityFromWord(const QString& word);
// The name a person reads: "TLS", "STARTTLS required", "STARTTLS if offered", "None".
QString securityName(MailSecurity security);

// A certificate's SHA-256 fingerprint as 64 lower-case hexadecimal digits.
QString certificateFingerprint(const QSslCertificate& certificate);
// A fingerprint as typed or stored (hexadecimal digits in either case, pairs
// optionally separated by ':' or blanks) as 64 lower-case digits; empty when it
// is not a SHA-256 fingerprint.
QString normalizedFingerprint(const QString& text);
// A fingerprint as people compare it: upper-case pairs separated by ':'.
QString readableFingerprint(const QString& fingerprint);
