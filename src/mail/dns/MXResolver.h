#pragma once

#include "mail/dns/MXList.h"
#include "mail/transport/TimeCounter.h"

#include <QAbstractSocket>
#include <QObject>
#include <QString>
#include <functional>

class QEventLoop;
class QUdpSocket;

// Asks one DNS server over UDP for the mail exchangers of a domain. Set Domain
// (and, if need be, DNSAddress, Port and TimeOut), call Resolve, then read
// MXList. Each Resolve opens a socket, sends one datagram, reads one datagram
// and closes the socket again.
class TmsMXResolver : public QObject {
    Q_OBJECT
public:
    explicit TmsMXResolver(QObject* parent = nullptr);
    ~TmsMXResolver() override;

    // The first IPv4 "nameserver" line of resolvConf, or a fixed public server
    // when there is none.
    static QString
    DefaultDNSAddress(const QString& resolvConf = QStringLiteral("/etc/resolv.conf"));
    // The server used when the system names none.
    static QString FallbackDNSAddress() { return QStringLiteral("8.8.8.8"); }

    QString DNSAddress; // dotted IPv4 address of the server; never looked up by name
    QString Domain;
    quint16 Port = 53;

    // Seconds to wait for the answer (60 unless set).
    int TimeOut() const { return m_counter.Limit; }
    void setTimeOut(int seconds) { m_counter.Limit = seconds; }

    // Runs one MX query for Domain. On return MXList holds the records sorted
    // by ascending preference (empty when the domain has none). Raises
    // ESocketError when the socket fails, ETimedOutError when no answer comes
    // within TimeOut seconds, EResolverError when the answer is an error,
    // malformed or not ours; MXList is then empty.
    void Resolve();

    // Ends a Resolve that is waiting for its answer with ECanceledError, at once
    // (the user canceled the check that asked). Without a Resolve under way it
    // does nothing.
    void Cancel();

    // The result of the last Resolve; emptied when the next one starts.
    TMXList MXList;

    std::function<void(QObject*)> OnSendingQuery;       // before the socket opens
    std::function<void(QObject*)> OnWaitingForResponse; // after the query went out
    std::function<void(QObject*)> OnClosingConnection;  // after the socket closed

private:
    void open(QUdpSocket& socket);
    void send(QUdpSocket& socket, const QByteArray& query);
    QByteArray receive(QUdpSocket& socket);
    void close(QUdpSocket& socket);
    [[noreturn]] void raiseSocketError(const QUdpSocket& socket);

    TTimeCounter m_counter;
    bool m_socketFailed = false;
    bool m_resolving = false;
    bool m_canceled = false;
    QEventLoop* m_wait = nullptr; // the wait under way, if any
};
