#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QStringList>
#include <QThread>

// One turn of a scripted conversation: the line the client is expected to send
// (without CR LF; empty for the greeting, which goes out on connect), the bytes
// sent back exactly as given, and what the server does afterwards.
struct ScriptStep {
    enum Action {
        Continue, // go on with the next step
        Close,    // close the connection in an orderly way (FIN) right after the reply
        Reset,    // reset the connection (RST)
        Stall,    // say nothing more, keep the connection open
        StartTls, // go on over TLS (see setTlsIdentity)
    };
    QByteArray expect;
    QByteArray reply;
    Action action = Continue;
    // The reply is sent in this many parts, gapMs apart.
    int pieces = 1;
    int gapMs = 0;
};
using Pop3Script = QList<ScriptStep>;

// A POP3 server on 127.0.0.1 that plays one script per accepted connection (the
// first connection plays the first script, and so on) and records the exact
// lines the client sent. It runs in a thread of its own, so the client under
// test waits for it as it would for a remote server. A line that arrives after
// its script has ended is recorded and answered "-ERR unexpected command".
class ScriptedPop3Server {
public:
    explicit ScriptedPop3Server(QList<Pop3Script> scripts);
    // One connection only.
    explicit ScriptedPop3Server(const Pop3Script& script)
        : ScriptedPop3Server(QList<Pop3Script>{script}) {}
    ~ScriptedPop3Server();
    ScriptedPop3Server(const ScriptedPop3Server&) = delete;
    ScriptedPop3Server& operator=(const ScriptedPop3Server&) = delete;

    quint16 port() const { return m_port; }
    // "127.0.0.1:<port>", ready for a client's Server.
    QString server() const;
    // How many connections were accepted so far.
    int connectionCount() const;
    // The lines the client sent on a connection, as text and as bytes.
    QStringList received(int connection = 0) const;
    QList<QByteArray> receivedBytes(int connection = 0) const;
    // The lines the script of a connection expects, in order.
    QStringList expected(int connection = 0) const;
    // What a line after the end of its script is answered; "-ERR unexpected
    // command" unless set. "%TAG%" in it stands for the line's first word.
    void setUnexpectedReply(const QByteArray& reply);
    // The certificate and key the StartTls action presents.
    void setTlsIdentity(const QSslCertificate& certificate, const QSslKey& key);
    // Waits (in the event loop) until the client has closed a connection.
    bool waitForClientClose(int connection = 0, int ms = 5000) const;

    // The steps of a typical sign-in: greeting, CAPA refused, USER, PASS, STAT.
    static Pop3Script signIn(const QByteArray& stat = "+OK 0 0", const QByteArray& user = "tester",
                             const QByteArray& password = "secret");

private:
    friend class ScriptedPop3Worker;
    QList<Pop3Script> m_scripts;
    mutable QMutex m_mutex;
    QList<QList<QByteArray>> m_received;
    QList<bool> m_closed;
    QSslCertificate m_certificate;
    QSslKey m_key;
    QByteArray m_unexpected = "-ERR unexpected command\r\n";
    QThread m_thread;
    quint16 m_port = 0;
};
