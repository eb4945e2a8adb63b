#include "activity/LogEntries.h"

namespace {
// A value as one line: CR and LF become spaces.
QString oneLine(const QString& value) {
    if (!value.contains(u'\r') && !value.contains(u'\n')) return value;
    QString s = value;
    s.replace(u'\r', u' ').replace(u'\n', u' ');
    return s;
}
} // namespace

QString MailCheckEntry(int count, const QString& user, const QString& server,
                       const QString& stamp) {
    return QStringLiteral("MAIL CHECK %1 msg(s) for \"%2\" on server %3 at %4")
        .arg(QString::number(count), oneLine(user), oneLine(server), oneLine(stamp));
}

QString ErrorEntry(const QString& message, const QString& user, const QString& server,
                   const QString& stamp) {
    return QStringLiteral("ERROR %1 FOR %2 ON %3 AT %4")
        .arg(oneLine(message), oneLine(user), oneLine(server), oneLine(stamp));
}

QString CanceledEntry(const QString& user, const QString& server, const QString& stamp) {
    return QStringLiteral("OPERATION CANCELED FOR %1 ON %2 AT %3")
        .arg(oneLine(user), oneLine(server), oneLine(stamp));
}

QString AutomaticModeEntry(bool enabled, const QString& stamp) {
    return QStringLiteral("Automatic mode %1 at %2")
        .arg(enabled ? QStringLiteral("enabled") : QStringLiteral("disabled"), oneLine(stamp));
}

QStringList DeleteSpamEntry(const QString& stamp, const QString& server, const QString& user,
                            const QString& subject, const QString& sender, const QString& size,
                            const QString& date) {
    return {
        QStringLiteral("DELETE SPAM on ") + oneLine(stamp),
        QStringLiteral("   Server:  ") + oneLine(server) + QStringLiteral(" Mailbox: ") +
            oneLine(user),
        QStringLiteral("   Subject: ") + oneLine(subject),
        QStringLiteral("   Sender:  ") + oneLine(sender),
        QStringLiteral("   Size:    ") + oneLine(size) + QStringLiteral("  Date: ") + oneLine(date),
    };
}
