#include "support/dns/DnsmasqServer.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTcpServer>
#include <QUdpSocket>

namespace {

// A loopback port that is free for both UDP and TCP (dnsmasq takes both).
quint16 freePort() {
    QUdpSocket udp;
    if (!udp.bind(QHostAddress::LocalHost, 0)) return 0;
    QTcpServer tcp;
    if (!tcp.listen(QHostAddress::LocalHost, udp.localPort())) return 0;
    return udp.localPort();
}

QString dnsmasqProgram() {
    QString path = QStandardPaths::findExecutable(QStringLiteral("dnsmasq"));
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(
            QStringLiteral("dnsmasq"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    return path;
}

} // namespace

DnsmasqServer::DnsmasqServer(QStringList records) : m_records(std::move(records)) {}

DnsmasqServer::~DnsmasqServer() {
    stop();
}

bool DnsmasqServer::start() {
    // Another process may take the port between the probe and dnsmasq's bind:
    // try a few ports.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const quint16 port = freePort();
        if (port != 0 && startOnce(port)) return true;
    }
    return false;
}

bool DnsmasqServer::startOnce(quint16 port) {
    const QString program = dnsmasqProgram();
    if (program.isEmpty()) {
        m_error = QStringLiteral("dnsmasq is not installed (scripts/setup installs it)");
        return false;
    }
    QStringList args = {
        QStringLiteral("--no-daemon"),
        QStringLiteral("--log-facility=-"),
        QStringLiteral("--conf-file=/dev/null"),
        QStringLiteral("--port=%1").arg(port),
        QStringLiteral("--listen-address=127.0.0.1"),
        QStringLiteral("--bind-interfaces"),
        QStringLiteral("--no-resolv"),
        QStringLiteral("--no-hosts"),
        QStringLiteral("--local=/test/"),
    };
    args += m_records;
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program, args);
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("dnsmasq did not start: ") + m_process.errorString();
        return false;
    }
    // dnsmasq binds its sockets before it logs "started"; a failed bind ends it.
    QByteArray log;
    const QDeadlineTimer deadline(10000);
    while (!log.contains("started, version")) {
        if (m_process.state() != QProcess::Running || deadline.hasExpired()) {
            log += m_process.readAll();
            m_error = QStringLiteral("dnsmasq failed: ") + QString::fromLocal8Bit(log).trimmed();
            stop();
            return false;
        }
        m_process.waitForReadyRead(100);
        log += m_process.readAll();
    }
    m_port = port;
    m_error.clear();
    return true;
}

void DnsmasqServer::stop() {
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}
