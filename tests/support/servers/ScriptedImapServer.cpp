#include "support/servers/ScriptedImapServer.h"

ScriptedImapServer::ScriptedImapServer(QList<ImapScript> scripts)
    : ScriptedPop3Server(std::move(scripts)) {
    setUnexpectedReply("* BAD unexpected command\r\n");
}

ImapScript ScriptedImapServer::signIn(const QByteArray& capabilities) {
    return {
        {"", "* OK [CAPABILITY " + capabilities + "] ready\r\n"},
        {"A1 LOGIN \"tester\" \"secret\"", "A1 OK [CAPABILITY " + capabilities + "] Logged in\r\n"},
    };
}

QByteArray ScriptedImapServer::selected(const QByteArray& tag, int exists, quint32 uidValidity,
                                        bool writable, quint32 uidNext) {
    return "* FLAGS (\\Answered \\Flagged \\Deleted \\Seen \\Draft)\r\n* " +
           QByteArray::number(exists) + " EXISTS\r\n* 0 RECENT\r\n* OK [UIDVALIDITY " +
           QByteArray::number(uidValidity) + "] UIDs valid\r\n" +
           (uidNext ? "* OK [UIDNEXT " + QByteArray::number(uidNext) + "] Predicted next UID\r\n"
                    : QByteArray()) +
           tag +
           (writable ? " OK [READ-WRITE] Select completed\r\n"
                     : " OK [READ-ONLY] Examine completed\r\n");
}

QByteArray ScriptedImapServer::fetched(int number, quint32 uid, const QByteArray& header,
                                       qint64 size) {
    return "* " + QByteArray::number(number) + " FETCH (UID " + QByteArray::number(uid) +
           " RFC822.SIZE " + QByteArray::number(size) + " BODY[HEADER] {" +
           QByteArray::number(header.size()) + "}\r\n" + header + ")\r\n";
}
