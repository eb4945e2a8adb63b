#pragma once

#include "mail/oauth/OAuth2.h"
#include "mail/pop3/MailBase.h"

#include <QByteArray>

// The POP3 dialogue: signing in (with STLS as Security asks), the
// mailbox statistics, retrieving and deleting single messages. Message
// indexes are zero-based; the server's message number is Index + 1.
class TmsCustomPOP : public TmsMailBase {
    Q_OBJECT
public:
    explicit TmsCustomPOP(QObject* parent = nullptr);

    // From the STAT of this session; -1 before it, and for a size the reply
    // leaves out.
    int MessageCount = -1;
    int TotalSize = -1;
    // Send commands ahead of their replies when the server offers PIPELINING.
    bool AllowPipelining = true;

    // The largest CAPA reply accepted: a capability list is a few hundred bytes.
    static constexpr qint64 CapaReplyLimit = 64 * 1024;
    // The largest TOP n 1 reply accepted: a header block and one line of body.
    static constexpr qint64 TopReplyLimit = 512 * 1024;

    std::function<void(QObject*, int Num)> OnRetrieving;
    std::function<void(QObject*, int Num)> OnRetrieved;
    // Before DELE is sent for message Num.
    std::function<void(QObject*, int Num)> OnDeleting;
    // The server accepted DELE for message Num; it goes when the session ends
    // with QUIT. A handler that raises ends the session without QUIT.
    std::function<void(QObject*, int Num)> OnDeleted;
    // The server refused DELE for message Num (its reply is in LastReply).
    std::function<void(QObject*, int Num)> OnDeleteRefused;

    void ResetState() override;
    // 1 for a line that starts with '+', -1 for '-', 0 otherwise.
    int ReplyCode(const QString& Line) override;
    // Checks the user name and password, then opens the transport.
    void Open() override;
    // Greeting, CAPA and STLS on a plain connection (see Security), USER, PASS,
    // STAT. With "STARTTLS required", no USER is sent unless STLS succeeded.
    void Login() override;
    // QUIT, when connected.
    void Logout() override;
    // Raises when the user name is empty, or the password (OAuth2: the token
    // source) is missing.
    virtual void CheckLogin();
    // The server listed PIPELINING in its last CAPA reply of this session.
    bool OffersPipelining() const;
    // Commands go ahead of their replies in this session.
    bool Pipelined() const { return AllowPipelining && OffersPipelining(); }
    // The server listed UIDL in its last CAPA reply of this session.
    bool OffersUidl() const;
    // TOP may be sent: the server listed it in its last CAPA reply of this
    // session, or did not answer CAPA (a server that lists nothing may know it).
    bool OffersTop() const;

    // STAT into MessageCount and TotalSize. A reply without a count raises
    // EServerError and leaves MessageCount at -1; without a size, TotalSize is -1.
    void ReadStatistics();
    // LIST, RETR and SaveMessage for one message.
    void RetrieveMessage(int Index);
    // DELE for one message: OnDeleting, DELE, then OnDeleted when the server
    // accepts it or OnDeleteRefused when it refuses; true when accepted. A reply
    // that is not a status line raises EServerError and closes the session
    // without QUIT.
    bool DeleteMessage(int Index);
    // Stores a retrieved message: the bytes after the status line, exactly as
    // the server sent them, up to and including the terminating line.
    virtual void SaveMessage(int Index, const QByteArray& Contents) = 0;

protected:
    // Names the command the next reply answers, for the texts of failures:
    // "STAT", "TOP 2 1", or the command word alone where the rest is secret
    // ("PASS"); empty for the greeting.
    void expectReply(const QString& Step);
    // Sends Command, named Step (Command itself when empty) in failures.
    void sendCommand(const QString& Command, const QString& Step = QString());
    // Sends Command and reads its reply into LastReply; raises EServerError
    // with the reply and the step it answered unless it is positive.
    void command(const QString& Command, const QString& Step = QString());
    // The text of a failed reply: LastReply and the step it answered, with
    // Detail; its own text when the server closed in the middle of the line.
    TrText replyFailure(const QString& Detail = QString()) const;
    // Raises EServerError with replyFailure() unless code is positive.
    void requirePositive(int code);
    // The size in a LIST reply in LastReply (the word after the message
    // number; what follows it does not count); 0 when it is not a number.
    int listedSize() const;
    // The same for the text after "+OK ": a message number, then its size.
    static int sizeAfterNumber(QString text);
    // Reads the data block of a positive CAPA reply (within CapaReplyLimit)
    // and notes what the session may use.
    void readCapabilities(QByteArray& Capabilities);
    // Reads the reply to DELE for message Index and fires OnDeleted or
    // OnDeleteRefused; true when accepted. Raises EServerError when the reply
    // is not a status line.
    bool readDeleteReply(int Index);

private:
    void negotiateTls();
    // SASL sign-in with an OAuth2 access token (OAUTHBEARER or XOAUTH2).
    void authenticateOAuth2();
    // One AUTH exchange with token; true when the server accepted it, false
    // when it rejected it (LastReply holds the final reply, challenge the
    // decoded error challenge, if any).
    bool sendSaslToken(const QByteArray& mechanism, const QString& token, QString* challenge);
    QByteArray oauthInitialResponse(const QByteArray& mechanism, const QString& token) const;
    // The last CAPA reply's data block of this session, and whether the server
    // answered CAPA at all.
    QByteArray m_capabilities;
    bool m_capabilitiesKnown = false;
};
