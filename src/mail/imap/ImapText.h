#pragma once

#include "mail/imap/ImapResponse.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The texts of the IMAP dialogue besides the responses: strings as a command
// carries them, folder names, UID sets and the LIST response.

// Whether bytes can go in a quoted string: no CR, LF or NUL and nothing
// outside 7-bit ASCII; anything else goes as a literal.
bool fitsQuoted(QByteArrayView bytes);
// bytes as a quoted string, '"' and '\' escaped.
QByteArray imapQuoted(QByteArrayView bytes);

// A folder name in IMAP's modified UTF-7 (RFC 3501 5.1.3): printable ASCII
// stays ("&" is "&-"), anything else goes as "&" modified base64 of UTF-16 "-".
QByteArray encodeFolderName(const QString& name);
// The reverse; a name that is not well-formed modified UTF-7 is read as UTF-8,
// as servers that speak UTF-8 send it.
QString decodeFolderName(QByteArrayView name);

// UIDs as a compact set ("3:5,9"), in ascending order, each once.
QByteArray uidSetText(QList<quint32> uids);
// The UIDs a set names, ascending, each once; nothing when it is not a set of
// plain UIDs ("*" included) or names more than limit of them.
std::optional<QList<quint32>> uidSetValues(QByteArrayView set, qsizetype limit = 1000000);

// One LIST response: the folder's attributes (as sent), its hierarchy
// delimiter (empty for NIL) and its name.
struct ImapFolder {
    QList<QByteArray> attributes;
    QByteArray delimiter;
    QByteArray rawName; // as the server sent it, for commands
    QString name;       // decoded

    // Whether the folder carries an attribute, compared without regard to case.
    bool has(QByteArrayView attribute) const;
};
// The folder a LIST response names; nothing for another response or one that
// does not read as a LIST response.
std::optional<ImapFolder> listedFolder(const ImapResponse& response);
