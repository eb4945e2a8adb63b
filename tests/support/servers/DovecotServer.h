#pragma once

#include <QByteArray>
#include <QList>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QTemporaryDir>

// A private Dovecot POP3 and IMAP server on 127.0.0.1 for one test (needs root,
// as the tests run here). Over IMAP each mailbox has a folder "Junk" marked \Junk. It is driven by
// scripts/lib/dovecot.sh, which demo and benchmark scripts use the same way. Everything lives in a
// temporary folder that goes with the object; the server stops with it, and by itself should the
// test process die.
class DovecotServer {
public:
    // With tls, the server also offers STLS and listens for TLS from the start,
    // with a self-signed certificate for "localhost" made for it.
    explicit DovecotServer(bool tls = false);
    ~DovecotServer();
    DovecotServer(const DovecotServer&) = delete;
    DovecotServer& operator=(const DovecotServer&) = delete;

    // Before start: tokens are also accepted (XOAUTH2, OAUTHBEARER), checked by
    // posting them to url, an OAuth2 provider's introspection endpoint (see
    // OAuthProvider). Passwords keep working.
    void setOAuth2Introspection(const QString& url) { m_oauth2 = url; }

    // Starts the server on free ports; false (see errorString) when it cannot.
    bool start();
    // Stops the server; the mailboxes stay readable through messages().
    void stop();
    QString errorString() const { return m_error; }


    // Adds a mailbox; before or after start.
    bool addUser(const QString& user, const QString& password);
    // Stores a message as the newest of user's mailbox.
    bool addMessage(const QString& user, const QByteArray& message);
    // A new mailbox of its own (password "secret") holding messages, oldest
    // first; its user name. A mailbox that cannot be made ends the test run.
    QString mailbox(const QList<QByteArray>& messages = {});
    // The Message-IDs (the part before "@") now in user's inbox (or another
    // folder of the mailbox), oldest first.
    QStringList messageIds(const QString& user, const QString& folder = QString()) const;
    // The messages now in user's inbox (or another folder of the mailbox),
    // oldest first.
    QList<QByteArray> messages(const QString& user, const QString& folder = QString()) const;

    quint16 port() const { return m_port; }
    quint16 tlsPort() const { return m_tlsPort; }
    // "localhost:<port>" of IMAP (with STARTTLS when tls was asked for), and
    // "imaps://localhost:<port>": TLS from the start.
    QString imapServer() const;
    QString secureImapServer() const;
    // "localhost:<port>": the plain port (with STLS when tls was asked for).
    QString server() const;
    // "pop3s://localhost:<tlsport>": TLS from the start.
    QString secureServer() const;
    // The server's certificate, for the client to trust.
    QList<QSslCertificate> certificates() const;
    QString dir() const { return m_dir.path(); }

    // Makes a self-signed certificate for "localhost" in folder (cert.pem,
    // key.pem), for a server of the tests' own; false when openssl fails.
    static bool makeCertificate(const QString& folder, QSslCertificate* certificate, QSslKey* key);

private:
    int m_mailboxes = 0; // made by mailbox()
    static bool runScript(const QStringList& args, const QByteArray& input, QByteArray* output,
                          QString* error);
    bool run(const QStringList& args, const QByteArray& input = {}, QByteArray* output = nullptr);

    QTemporaryDir m_dir;
    bool m_tls;
    bool m_running = false;
    quint16 m_port = 0;
    quint16 m_tlsPort = 0;
    quint16 m_imapPort = 0;
    quint16 m_imapsPort = 0;
    QString m_error;
    QString m_oauth2;
};
