#include "support/servers/ScriptedPop3Server.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QMutexLocker>
#include <QSemaphore>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>
#include <sys/socket.h>
#include <vector>

// Accepts every connection as a TLS-capable socket (plain until told otherwise).
class TlsCapableServer : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        addPendingConnection(socket);
    }
};

// Lives in the server's thread: accepts connections and plays their scripts.
class ScriptedPop3Worker : public QObject {
public:
    explicit ScriptedPop3Worker(ScriptedPop3Server* owner) : m_owner(owner) {}

    quint16 listen() {
        m_server = new TlsCapableServer(this);
        m_server->listen(QHostAddress::LocalHost, 0);
        connect(m_server, &QTcpServer::newConnection, this, &ScriptedPop3Worker::accept);
        return m_server->serverPort();
    }

private:
    struct Connection {
        int index = 0;
        QTcpSocket* socket = nullptr;
        Pop3Script script;
        int next = 0;
        QByteArray input;
        bool busy = false;    // a reply is still being sent
        bool stalled = false; // the script said to keep silent
        bool closing = false; // the script said to close: nothing more is read
    };

    void accept() {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            m_connections.push_back(std::make_unique<Connection>());
            Connection* c = m_connections.back().get();
            c->socket = socket;
            {
                QMutexLocker lock(&m_owner->m_mutex);
                c->index = int(m_owner->m_received.size());
                m_owner->m_received.append(QList<QByteArray>());
                m_owner->m_closed.append(false);
                if (c->index < m_owner->m_scripts.size())
                    c->script = m_owner->m_scripts.at(c->index);
            }
            connect(socket, &QTcpSocket::readyRead, this, [this, c] { readLines(c); });
            connect(socket, &QTcpSocket::disconnected, this, [this, c] {
                QMutexLocker lock(&m_owner->m_mutex);
                m_owner->m_closed[c->index] = true;
            });
            if (c->script.isEmpty()) {
                socket->disconnectFromHost();
            } else if (c->script.first().expect.isEmpty()) {
                play(c, c->script.at(c->next++));
            }
        }
    }

    void readLines(Connection* c) {
        const QByteArray bytes = c->socket->readAll();
        if (c->closing) return;
        c->input += bytes;
        processLines(c);
    }

    void processLines(Connection* c) {
        while (!c->busy) {
            const qsizetype lf = c->input.indexOf('\n');
            if (lf < 0) return;
            QByteArray line = c->input.left(lf);
            c->input.remove(0, lf + 1);
            if (line.endsWith('\r')) line.chop(1);
            {
                QMutexLocker lock(&m_owner->m_mutex);
                m_owner->m_received[c->index].append(line);
            }
            if (c->stalled) continue;
            if (c->next < c->script.size()) {
                play(c, c->script.at(c->next++));
            } else {
                QMutexLocker lock(&m_owner->m_mutex);
                QByteArray reply = m_owner->m_unexpected;
                c->socket->write(reply.replace("%TAG%", line.left(line.indexOf(' '))));
            }
        }
    }

    void play(Connection* c, const ScriptStep& step) {
        c->busy = true;
        const int pieces = std::max(1, step.pieces);
        const qsizetype part = (step.reply.size() + pieces - 1) / pieces;
        for (int i = 0; i < pieces; ++i) {
            const QByteArray bytes = step.reply.mid(i * part, part);
            const bool last = i == pieces - 1;
            auto send = [this, c, bytes, last, step] {
                if (c->socket->state() != QAbstractSocket::ConnectedState) return;
                c->socket->write(bytes);
                c->socket->flush();
                if (last) finish(c, step.action);
            };
            if (i == 0 || step.gapMs <= 0)
                send();
            else
                QTimer::singleShot(i * step.gapMs, c->socket, send);
        }
    }

    void finish(Connection* c, ScriptStep::Action action) {
        c->busy = false;
        switch (action) {
        case ScriptStep::Continue:
            processLines(c);
            break;
        case ScriptStep::Close:
            // The FIN follows the reply at once, as from a server that closes
            // as soon as it has answered; whatever the client sends after it
            // is neither read nor answered.
            c->closing = true;
            c->socket->waitForBytesWritten(1000);
            ::shutdown(int(c->socket->socketDescriptor()), SHUT_WR);
            c->socket->disconnectFromHost();
            break;
        case ScriptStep::Reset: {
            c->socket->waitForBytesWritten(1000);
            linger off{1, 0};
            ::setsockopt(int(c->socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &off,
                         sizeof off);
            c->socket->abort();
            break;
        }
        case ScriptStep::Stall:
            c->stalled = true;
            break;
        case ScriptStep::StartTls: {
            auto* tls = static_cast<QSslSocket*>(c->socket);
            {
                QMutexLocker lock(&m_owner->m_mutex);
                tls->setLocalCertificate(m_owner->m_certificate);
                tls->setPrivateKey(m_owner->m_key);
            }
            tls->startServerEncryption();
            break;
        }
        }
    }

    ScriptedPop3Server* m_owner;
    QTcpServer* m_server = nullptr;
    std::vector<std::unique_ptr<Connection>> m_connections;
};

ScriptedPop3Server::ScriptedPop3Server(QList<Pop3Script> scripts) : m_scripts(std::move(scripts)) {
    auto* worker = new ScriptedPop3Worker(this);
    worker->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, worker, &QObject::deleteLater);
    m_thread.start();
    QSemaphore ready;
    QMetaObject::invokeMethod(worker, [this, worker, &ready] {
        m_port = worker->listen();
        ready.release();
    });
    ready.acquire();
}

ScriptedPop3Server::~ScriptedPop3Server() {
    m_thread.quit();
    m_thread.wait();
}

void ScriptedPop3Server::setTlsIdentity(const QSslCertificate& certificate, const QSslKey& key) {
    QMutexLocker lock(&m_mutex);
    m_certificate = certificate;
    m_key = key;
}

void ScriptedPop3Server::setUnexpectedReply(const QByteArray& reply) {
    QMutexLocker lock(&m_mutex);
    m_unexpected = reply;
}

QString ScriptedPop3Server::server() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

int ScriptedPop3Server::connectionCount() const {
    QMutexLocker lock(&m_mutex);
    return int(m_received.size());
}

QList<QByteArray> ScriptedPop3Server::receivedBytes(int connection) const {
    QMutexLocker lock(&m_mutex);
    return connection < m_received.size() ? m_received.at(connection) : QList<QByteArray>();
}

QStringList ScriptedPop3Server::received(int connection) const {
    QStringList lines;
    for (const QByteArray& line : receivedBytes(connection))
        lines << QString::fromUtf8(line);
    return lines;
}

QStringList ScriptedPop3Server::expected(int connection) const {
    QStringList lines;
    if (connection < m_scripts.size())
        for (const ScriptStep& step : m_scripts.at(connection))
            if (!step.expect.isEmpty()) lines << QString::fromUtf8(step.expect);
    return lines;
}

bool ScriptedPop3Server::waitForClientClose(int connection, int ms) const {
    QDeadlineTimer deadline(ms);
    for (;;) {
        {
            QMutexLocker lock(&m_mutex);
            if (connection < m_closed.size() && m_closed.at(connection)) return true;
        }
        if (deadline.hasExpired()) return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

Pop3Script ScriptedPop3Server::signIn(const QByteArray& stat, const QByteArray& user,
                                      const QByteArray& password) {
    return {
        {"", "+OK ready\r\n"},       {"CAPA", "-ERR unknown command\r\n"},
        {"USER " + user, "+OK\r\n"}, {"PASS " + password, "+OK signed in\r\n"},
        {"STAT", stat + "\r\n"},
    };
}
