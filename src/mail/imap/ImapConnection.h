#pragma once

#include "mail/imap/ImapResponse.h"
#include "mail/oauth/OAuth2.h"
#include "mail/pop3/MailBase.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <functional>

// The IMAP dialogue up to a selected folder: the greeting, the capabilities,
// STARTTLS as Security asks, LOGIN or AUTHENTICATE (XOAUTH2, OAUTHBEARER),
// tagged commands with their untagged responses, SELECT or EXAMINE, LOGOUT.
// Commands are tagged A1, A2, ... in the order they are sent. A response that
// is no response, a BYE or a lost connection raises and closes the connection
// without LOGOUT (see TmsMailBase).
class ImapConnection : public TmsMailBase {
    Q_OBJECT
public:
    explicit ImapConnection(QObject* parent = nullptr);

    // A folder as SELECT or EXAMINE left it.
    struct Folder {
        QByteArray name;       // as sent (modified UTF-7)
        bool writable = false; // SELECT (true) or EXAMINE
        quint64 uidValidity = 0;
        qint64 exists = 0;
        quint64 uidNext = 0;       // 0: the server did not say
        quint64 highestModSeq = 0; // 0: the server keeps none (no CONDSTORE)
    };

    void ResetState() override;
    // Raises when the user name, or the password (OAuth2: the token source), is missing.
    void Open() override;
    // Greeting, CAPABILITY, STARTTLS (see Security), then LOGIN or AUTHENTICATE.
    // With "STARTTLS required" nothing that signs in is sent unless STARTTLS
    // succeeded; LOGINDISABLED stops the sign-in before the password is sent.
    void Login() override;
    // LOGOUT, when connected; never CLOSE, so nothing flagged is expunged.
    void Logout() override;

    // The server listed cap (upper case) among its capabilities of this session.
    bool offers(QByteArrayView cap) const;

    // Sends one command ("UID FETCH 1:* (UID)") under a new tag, named step in
    // failures (the command itself when empty); queue leaves without waiting for
    // the bytes to leave. Returns the tag.
    QByteArray send(const QByteArray& command, const QString& step = QString(), bool queue = false);
    // Reads responses until the tagged completion of tag, handing every untagged
    // response to untagged; returns the completion. Unless it is OK, raises
    // EServerError with it and step (a NO or BAD is returned when okOnly is false).
    ImapResponse complete(const QByteArray& tag, const QString& step,
                          const std::function<void(const ImapResponse&)>& untagged = {},
                          bool okOnly = true);
    // send, then complete.
    ImapResponse run(const QByteArray& command, const QString& step = QString(),
                     const std::function<void(const ImapResponse&)>& untagged = {},
                     bool okOnly = true);
    // The next response of any kind, after the connection's own bookkeeping
    // (capabilities, the folder's counts); waits for it.
    ImapResponse readResponse();
    // The largest literal the next responses may carry.
    void setLiteralLimit(qint64 limit) { m_reader.setLiteralLimit(limit); }

    // SELECT (writable) or EXAMINE of folder (modified UTF-7) and its UIDVALIDITY,
    // EXISTS, UIDNEXT and HIGHESTMODSEQ; sent along with the commands queued after it when queue.
    QByteArray sendSelect(const QByteArray& folder, bool writable, bool queue);
    // Reads the completion of the SELECT or EXAMINE sent under tag.
    void completeSelect(const QByteArray& tag);
    const Folder& selected() const { return m_selected; }
    // Whether a folder is selected on this connection.
    bool hasSelected() const { return !m_selected.name.isEmpty(); }

    // What a failed response and the step it answered read like.
    TrText failure(const ImapResponse& response, const QString& step) const;

    // For the IDLE watcher: the reader takes bytes that arrived outside a wait.
    ImapReader& reader() { return m_reader; }

    // The largest literal of a header (as POP3's TOP reply) and of a whole message.
    static constexpr qint64 HeaderLimit = 512 * 1024;
    static constexpr qint64 MessageLimit = 256 * 1024 * 1024;

private:
    void negotiateTls();
    // The capabilities from a response code, or by asking CAPABILITY.
    void learnCapabilities(const ImapResponse& response);
    void askCapabilities();
    void login();
    void authenticateOAuth2();
    // One AUTHENTICATE with token; true when accepted, false when rejected
    // (challenge gets the error challenge's status).
    bool sendSaslToken(const QByteArray& mechanism, const QString& token, QString* challenge);
    void expectReplyTo(const QString& step);

    ImapReader m_reader;
    QList<QByteArray> m_capabilities;
    bool m_capabilitiesKnown = false;
    int m_nextTag = 0;
    Folder m_selected;
    bool m_loggingOut = false;
    QElapsedTimer m_commandTime; // since the command awaited was sent
};
