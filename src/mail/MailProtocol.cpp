#include "mail/MailProtocol.h"

QString protocolWord(MailProtocol protocol) {
    return protocol == MailProtocol::Imap ? QStringLiteral("imap") : QStringLiteral("pop3");
}

QString protocolName(MailProtocol protocol) {
    return protocol == MailProtocol::Imap ? QStringLiteral("IMAP") : QStringLiteral("POP3");
}

std::optional<MailProtocol> protocolFromWord(const QString& word) {
    const QString w = word.trimmed();
    if (w.compare(QLatin1String("pop3"), Qt::CaseInsensitive) == 0) return MailProtocol::Pop3;
    if (w.compare(QLatin1String("imap"), Qt::CaseInsensitive) == 0) return MailProtocol::Imap;
    return std::nullopt;
}

QString spamActionWord(SpamAction action) {
    return action == SpamAction::Delete ? QStringLiteral("delete") : QStringLiteral("move");
}

std::optional<SpamAction> spamActionFromWord(const QString& word) {
    const QString w = word.trimmed();
    if (w.compare(QLatin1String("move"), Qt::CaseInsensitive) == 0) return SpamAction::Move;
    if (w.compare(QLatin1String("delete"), Qt::CaseInsensitive) == 0) return SpamAction::Delete;
    return std::nullopt;
}
