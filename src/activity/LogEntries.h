#pragma once

#include <QString>
#include <QStringList>

// The texts of the five kinds of log entry. Each takes the stamp (LogStamp) of
// the moment it records. A line break inside a value becomes a space, so that a
// value can never start a line of its own in the log.

// "MAIL CHECK n msg(s) for "user" on server server at stamp".
QString MailCheckEntry(int count, const QString& user, const QString& server, const QString& stamp);

// "ERROR message FOR user ON server AT stamp".
QString ErrorEntry(const QString& message, const QString& user, const QString& server,
                   const QString& stamp);

// "OPERATION CANCELED FOR user ON server AT stamp".
QString CanceledEntry(const QString& user, const QString& server, const QString& stamp);

// "Automatic mode enabled at stamp" or "Automatic mode disabled at stamp".
QString AutomaticModeEntry(bool enabled, const QString& stamp);

// The five lines of a deleted message, from the message's row as listed.
QStringList DeleteSpamEntry(const QString& stamp, const QString& server, const QString& user,
                            const QString& subject, const QString& sender, const QString& size,
                            const QString& date);
