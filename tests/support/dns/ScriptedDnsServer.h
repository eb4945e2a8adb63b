#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QUdpSocket>
#include <functional>

// A DNS server on 127.0.0.1 that answers every datagram it receives with what
// the test scripted, in the same thread: the client's wait in the event loop
// lets it run. It keeps every datagram it received, so that a test can check
// the exact bytes the client sent.
class ScriptedDnsServer : public QObject {
    Q_OBJECT
public:
    ScriptedDnsServer();

    QString address() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_socket.localPort(); }

    // Answers every query with answer; an empty answer means silence.
    void setReply(const QByteArray& answer) {
        reply = [answer](const QByteArray&) { return answer; };
    }
    // The answer for a query, computed from it; an empty result means silence.
    std::function<QByteArray(const QByteArray& query)> reply;

    // Every datagram received so far, in order.
    const QList<QByteArray>& queries() const { return m_queries; }

private:
    void readPending();

    QUdpSocket m_socket;
    QList<QByteArray> m_queries;
};
