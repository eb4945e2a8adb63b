#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A private dnsmasq that answers on a free loopback port from the records the
// test gives it, with no upstream server; started by start(), stopped when the
// fixture goes. Names under ".test" that it does not know get "no such domain".
//
//   DnsmasqServer dns({"--mx-host=good.test,mx1.good.test,10"});
//   QVERIFY2(dns.start(), qPrintable(dns.errorText()));
//   resolver.DNSAddress = dns.address(); resolver.Port = dns.port();
class DnsmasqServer {
public:
    // records: dnsmasq options that make up the zone (--mx-host, --host-record,
    // --cname, ...).
    explicit DnsmasqServer(QStringList records);
    ~DnsmasqServer();
    DnsmasqServer(const DnsmasqServer&) = delete;
    DnsmasqServer& operator=(const DnsmasqServer&) = delete;

    // Starts dnsmasq and waits until its sockets are bound. False, with the
    // reason in errorText(), when it cannot.
    bool start();
    void stop();

    QString address() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_port; }
    // "127.0.0.1:PORT"
    QString server() const { return address() + QLatin1Char(':') + QString::number(m_port); }
    QString errorText() const { return m_error; }

private:
    bool startOnce(quint16 port);

    QStringList m_records;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
