#include "mail/transport/MailSecurity.h"

#include <QCryptographicHash>

namespace {
struct Choice {
    MailSecurity security;
    const char* word;
    const char* name;
};
constexpr Choice Choices[] = {
    {MailSecurity::Tls, "tls", "TLS"},
    {MailSecurity::StartTlsRequired, "starttls", "STARTTLS required"},
    {MailSecurity::StartTlsOptional, "starttls-optional", "STARTTLS if offered"},
    {MailSecurity::None, "none", "None"},
};

const Choice& choiceOf(MailSecurity security) {
    for (const Choice& c : Choices)
        if (c.security == security) return c;
    return Choices[1];
}
} // namespace

QString securityWord(MailSecurity security) {
    return QLatin1String(choiceOf(security).word);
}

QString securityName(MailSecurity security) {
    return QLatin1String(choiceOf(security).name);
}

std::optional<MailSecurity> securityFromWord(const QString& word) {
    for (const Choice& c : Choices)
        if (word.trimmed().compare(QLatin1String(c.word), Qt::CaseInsensitive) == 0)
            return c.security;
    return std::nullopt;
}

QString certificateFingerprint(const QSslCertificate& certificate) {
    if (certificate.isNull()) return {};
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex());
}

QString normalizedFingerprint(const QString& text) {
    QString digits;
    for (const QChar c : text) {
        if (c == u':' || c == u' ' || c == u'\t') continue;
        const bool hex =
            (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!hex) return {};
        digits += c.toLower();
    }
    return digits.size() == 64 ? digits : QString();
}

QString readableFingerprint(const QString& fingerprint) {
    const QString digits = normalizedFingerprint(fingerprint);
    QStringList pairs;
    for (qsizetype i = 0; i < digits.size(); i += 2)
        pairs << digits.mid(i, 2).toUpper();
    return pairs.join(u':');
}
