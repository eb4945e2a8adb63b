#pragma once

#include "support/servers/ScriptedPop3Server.h"

// One connection's conversation with an IMAP client: the command lines it is
// expected to send (its tags run A1, A2, ... in the order of its commands, so
// each line is known exactly) and the bytes answered.
using ImapScript = QList<ScriptStep>;

// An IMAP server on 127.0.0.1 that plays scripts as ScriptedPop3Server does; a
// line after the end of its script is answered "* BAD unexpected command".
class ScriptedImapServer : public ScriptedPop3Server {
public:
    explicit ScriptedImapServer(QList<ImapScript> scripts);
    explicit ScriptedImapServer(const ImapScript& script)
        : ScriptedImapServer(QList<ImapScript>{script}) {}

    // The greeting, which names capabilities, and LOGIN of "tester" with
    // "secret" (tag A1), whose reply names them again.
    static ImapScript signIn(const QByteArray& capabilities = "IMAP4rev1 IDLE MOVE UIDPLUS");
    // The reply to SELECT or EXAMINE of a folder with exists messages (and its
    // UIDNEXT unless 0).
    static QByteArray selected(const QByteArray& tag, int exists, quint32 uidValidity = 7,
                               bool writable = true, quint32 uidNext = 0);
    // The FETCH response of a listing for one message.
    static QByteArray fetched(int number, quint32 uid, const QByteArray& header, qint64 size = 100);
};
