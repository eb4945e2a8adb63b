#pragma once

#include "mail/TrText.h"
#include "mail/transport/DialLink.h"
#include "mail/transport/MailSecurity.h"
#include "mail/transport/TimeCounter.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QSslError>
#include <QString>
#include <QStringList>
#include <functional>

class QEventLoop;
class QHostInfo;
class QSslSocket;

// The TCP client transport of the mail library: resolves the server, connects
// (in the clear, or with TLS from the start or after a protocol's upgrade
// command), sends command lines and reads reply lines and dot-terminated data
// blocks. Every wait blocks in a local event loop that wakes on a socket
// signal, a tick of the one-second counter or a cancel, so the window stays
// responsive and the process sleeps while the server is silent.
//
// Failures are reported through OnError and then raised: ESocketError (its
// ECertificateError for a certificate that failed verification),
// ETimedOutError, ECanceledError (see mail/Exceptions.h). A connection the
// server closes or resets while a reply is awaited fails at once, naming what
// was awaited (see setAwaiting).
class TagSocket : public QObject {
    Q_OBJECT
public:
    explicit TagSocket(QObject* parent = nullptr);
    ~TagSocket() override;

    // A host, or a host and a port separated by ':'; the host is a name or a
    // dotted IPv4 address. "<SecureScheme>://host[:port]" asks for TLS from the start.
    QString Server;
    // The port used when neither Server nor the services database gives one.
    quint16 DefaultPort = 0;
    // The service looked up in the services database (/etc/services).
    QString ServiceName;
    // The scheme, service and port of the protocol's TLS-from-the-start variant
    // ("pop3s", "pop3s", 995 for the POP3 client); empty and 0 when it has none.
    QString SecureScheme;
    QString SecureServiceName;
    quint16 SecurePort = 0;
    // How the connection is protected. Tls starts TLS at once, as does a Server
    // with the secure scheme or the secure port whatever the choice; the
    // protocol layers decide about the upgrade for the other choices.
    MailSecurity Security = MailSecurity::StartTlsOptional;
    // The SHA-256 fingerprint (hexadecimal) of a certificate the user trusts
    // although it fails verification: exactly that certificate is accepted,
    // any other is checked as usual. Empty: none.
    QString TrustedFingerprint;
    // Optional dial-up link: dialled by Open, released by Close.
    QPointer<TagDialLink> RAS;

    // Seconds a wait may last (the silence between two receipts for data blocks).
    int TimeOut() const { return m_counter.Limit; }
    void setTimeOut(int seconds) { m_counter.Limit = seconds; }
    // Seconds a whole data block may take, however often the server sends a
    // little of it; 0 for no ceiling. Ends the read as a time-out.
    int BlockCeiling = 600;

    std::function<void(QObject*)> OnOpen;
    std::function<void(QObject*)> OnClosing;
    std::function<void(QObject*)> OnClosed;
    std::function<void(QObject*)> OnCancel;
    // Data-block progress: Perc is -1 when the size is not known in advance.
    std::function<void(QObject*, int Perc, int Transferred)> OnProgress;
    // Fired before a failure is raised; the handler may change the text.
    std::function<void(QObject*, QString& Msg)> OnError;
    // Fired when bytes arrive or the connection ends, for a protocol that waits
    // for the server outside a wait of its own (IMAP's IDLE).
    std::function<void(QObject*)> OnReadable;

    // A socket exists: true from the end of Open until Close.
    bool Connected() const { return m_socket != nullptr; }
    // The connection is encrypted (TLS from the start, or after StartTls).
    bool IsSecure() const;
    // The host and the port Open resolved from Server.
    const QString& RemoteHost() const { return m_host; }
    quint16 RemotePort() const { return m_port; }

    // Results kept for the protocol layers.
    QString RemoteAddress;
    QString LastReply;

    // Per-operation flags, cleared by ResetState.
    bool Canceled = false;
    bool HostResolved = false;
    bool ServiceResolved = false;
    bool ConnectDone = false;
    bool Readable = false;
    bool Writable = false;
    bool PeerClosed = false;
    bool AsyncError = false;
    int AsyncErrorCode = 0;
    // The text that goes with AsyncErrorCode, when the socket gave one.
    QString AsyncErrorText; // in English
    // Id of a host lookup in progress; 0 when none.
    int PendingRequest = 0;

    // Clears the per-operation flags.
    virtual void ResetState();
    // The first three characters as a number, -1 when they are not one.
    virtual int ReplyCode(const QString& Line);
    // Dials, fires OnOpen, resolves host and port and creates the socket.
    virtual void Open();
    // Closes the socket (OnClosing, OnClosed) and releases the dial-up link.
    virtual void Close();
    // Stops the operation in progress: OnCancel, then Close; the waiting
    // operation raises ECanceledError.
    virtual void Cancel();

    // Connects to the resolved address (and completes TLS when asked for from the start).
    void ConnectSocket();
    // Sends Line followed by CR LF, as UTF-8.
    void SendLine(const QString& Line);
    // Queues Lines (each followed by CR LF, as UTF-8) for sending and returns
    // without waiting for them to leave: the waits for their replies run the
    // event loop, which sends the rest, so a pipelined window never blocks on
    // a server that is busy answering.
    void QueueLines(const QStringList& Lines);
    // Sends Bytes as they are and waits until they have left, as SendLine does.
    void SendBytes(const QByteArray& Bytes);
    // Queues Bytes as they are for sending without waiting, as QueueLines does.
    void QueueBytes(const QByteArray& Bytes);
    // Waits until bytes arrive and returns every byte received so far; raises
    // what ends the wait as ReadReplyLine does (MidReply: a close counts as one
    // in the middle of a reply).
    QByteArray ReadAvailable(bool MidReply);
    // The bytes received and not yet read, without waiting; empty when none.
    QByteArray TakeAvailable();
    // Reads exactly one line (nothing after it) and returns ReplyCode(Line), or
    // -1 with an empty Line when the peer closed after a part of the line. A
    // peer that closed before sending anything raises ESocketError
    // "Connection closed by the server while waiting for ..." at once.
    int ReadReplyLine(QString& Line);
    // Appends to Stream the data block up to and including CR LF "." CR LF,
    // exactly as received; ExpectedSize > 0 gives OnProgress a percentage.
    // A block that grows past SizeLimit bytes (when above 0) closes the
    // connection and raises ESocketError, as does a peer that closes before
    // the block ends; one that takes longer than BlockCeiling raises
    // ETimedOutError.
    void ReadToStream(QByteArray& Stream, int ExpectedSize, qint64 SizeLimit = 0);
    // Upgrades the plain connection to TLS (after the protocol's upgrade
    // command): drops what was received before, checks the certificate and the
    // host name.
    void StartTls();

    // Reports Code's text through OnError and raises ESocketError; Code 0 does nothing.
    void RaiseSocketError(int Code);
    // Reports "Operation timed out", closes and raises ETimedOutError.
    [[noreturn]] void RaiseTimedOut();
    // Reports "Operation has been canceled" and raises ECanceledError.
    [[noreturn]] void RaiseCanceled();

    // Certificates that every transport of this process trusts besides the
    // system's store (for a private test server); replaces the earlier set.
    static void setExtraCaCertificates(const QList<QSslCertificate>& certificates);
    static QList<QSslCertificate> extraCaCertificates();

protected:
    TTimeCounter& counter() { return m_counter; }
    // What the waits that follow are for ("the greeting", "the reply to STAT"):
    // a connection closed or reset during them names it in its failure text.
    void setAwaiting(const TrText& What) { m_awaiting = What; }
    void setAwaiting(const QString& What) { m_awaiting = TrText::plain(What); }
    const TrText& awaiting() const { return m_awaiting; }

private:
    enum Stop { StopCanceled = 1, StopTimedOut = 2, StopAsyncError = 4 };
    void waitFor(const std::function<bool()>& done, int stops);
    void waitReadable(bool MidReply);
    [[noreturn]] void raiseTooLarge(qint64 SizeLimit);
    // The peer closed in an orderly way with nothing more to read: before a
    // reply began, or (MidReply) before a data block ended.
    [[noreturn]] void raiseClosed(bool MidReply);
    // The text of a lost connection with what was awaited.
    TrText withAwaited(const TrText& Text) const;
    void finishHandshakeWait();
    void wake();
    bool bytesWaiting() const;

    void resolveHost(const QString& host);
    void resolvePort(const QString& portText);
    void createSocket();
    void hostFound(const QHostInfo& info);
    void socketError(int error);
    void setAsyncError(int code, const TrText& text);
    // AsyncErrorText with its words in the user's language.
    TrText m_asyncError;
    bool peerReset() const;
    void closeDescriptorCopy();

    TTimeCounter m_counter;
    QSslSocket* m_socket = nullptr;
    QEventLoop* m_loop = nullptr;
    QString m_host;
    quint16 m_port = 0;
    bool m_implicitTls = false;
    bool m_handshaking = false;
    QList<QSslError> m_sslErrors;
    // The certificate behind m_sslErrors.
    QSslCertificate m_rejected;
    QList<QHostAddress> m_addresses;
    int m_descriptorCopy = -1;
    TrText m_awaiting;
};
