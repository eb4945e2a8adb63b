#include "mail/dns/MXResolver.h"

#include "mail/Exceptions.h"
#include "mail/dns/DnsMessage.h"
#include "mail/transport/SocketErrors.h"

#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QRegularExpression>
#include <QUdpSocket>

#ifdef Q_OS_LINUX
#include <linux/errqueue.h>
#include <netinet/in.h>
#include <sys/socket.h>
#endif

namespace {

void fire(const std::function<void(QObject*)>& event, QObject* sender) {
    if (event) event(sender);
}

bool isIPv4(const QString& text, QHostAddress* address = nullptr) {
    QHostAddress a;
    if (!a.setAddress(text) || a.protocol() != QAbstractSocket::IPv4Protocol) return false;
    if (address) *address = a;
    return true;
}

// A refused port or an unreachable host comes back as an ICMP message, which
// the system turns into an error on the connected socket. Qt's check for a
// waiting datagram swallows that error, so ask the system to keep a copy in
// the socket's error queue as well.
void keepNetworkErrors(const QUdpSocket& socket) {
#ifdef Q_OS_LINUX
    const int on = 1;
    ::setsockopt(int(socket.socketDescriptor()), SOL_IP, IP_RECVERR, &on, sizeof on);
#else
    Q_UNUSED(socket);
#endif
}

// The system's error code of the oldest network error kept for the socket
// (taking it from the queue), or 0 when there is none.
int takeNetworkError(const QUdpSocket& socket) {
#ifdef Q_OS_LINUX
    char data[64];
    char control[256];
    iovec iov{data, sizeof data};
    msghdr msg{};
    msg.msg_iov = &iov;
    msg.msg_iovlen = 1;
    msg.msg_control = control;
    msg.msg_controllen = sizeof control;
    if (::recvmsg(int(socket.socketDescriptor()), &msg, MSG_ERRQUEUE | MSG_DONTWAIT) < 0) return 0;
    for (cmsghdr* c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
        if (c->cmsg_level == SOL_IP && c->cmsg_type == IP_RECVERR)
            return int(reinterpret_cast<const sock_extended_err*>(CMSG_DATA(c))->ee_errno);
    }
#else
    Q_UNUSED(socket);
#endif
    return 0;
}

} // namespace

TmsMXResolver::TmsMXResolver(QObject* parent) : QObject(parent), DNSAddress(DefaultDNSAddress()) {}

TmsMXResolver::~TmsMXResolver() = default;

QString TmsMXResolver::DefaultDNSAddress(const QString& resolvConf) {
    QFile file(resolvConf);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
        while (!file.atEnd()) {
            const QString line = QString::fromLatin1(file.readLine()).trimmed();
            const QStringList words = line.split(blanks, Qt::SkipEmptyParts);
            if (words.size() >= 2 && words[0] == QLatin1String("nameserver") && isIPv4(words[1]))
                return words[1];
        }
    }
    return FallbackDNSAddress();
}

void TmsMXResolver::Cancel() {
    if (!m_resolving) return;
    m_canceled = true;
    if (m_wait) m_wait->quit();
}

void TmsMXResolver::Resolve() {
    m_counter.TimedOut = false;
    m_socketFailed = false;
    m_canceled = false;
    struct Resolving {
        bool& flag;
        Resolving(bool& f) : flag(f) { flag = true; }
        ~Resolving() { flag = false; }
    } resolving{m_resolving};
    MXList.Clear();
    fire(OnSendingQuery, this);

    QUdpSocket socket;
    open(socket);
    try {
        send(socket, BuildMXQuery(Domain));
        fire(OnWaitingForResponse, this);
        TMXList list = ParseMXResponse(receive(socket));
        list.Sort();
        MXList = std::move(list);
    } catch (...) {
        close(socket);
        throw;
    }
    close(socket);
}

void TmsMXResolver::open(QUdpSocket& socket) {
    QHostAddress server;
    if (!isIPv4(DNSAddress, &server))
        throw ESocketError(
            TrText::translate("Exception",
                              "The DNS server address \"%1\" is not a dotted IPv4 address")
                .arg(DNSAddress));
    connect(&socket, &QAbstractSocket::errorOccurred, this, [this] { m_socketFailed = true; });
    // A UDP connect only records the peer: it completes at once, and from then
    // on the system drops datagrams from any other address.
    socket.connectToHost(server, Port);
    if (m_socketFailed || socket.state() != QAbstractSocket::ConnectedState)
        raiseSocketError(socket);
    keepNetworkErrors(socket);
}

void TmsMXResolver::send(QUdpSocket& socket, const QByteArray& query) {
    if (socket.write(query) != query.size()) raiseSocketError(socket);
}

QByteArray TmsMXResolver::receive(QUdpSocket& socket) {
    struct StopCounter {
        TTimeCounter& counter;
        ~StopCounter() { counter.Stop(); }
    } stopper{m_counter};
    m_counter.Start();
    for (;;) {
        while (socket.hasPendingDatagrams()) {
            QByteArray datagram(Dns::MaxDatagram, Qt::Uninitialized);
            const qint64 got = socket.readDatagram(datagram.data(), datagram.size());
            if (got < 0) raiseSocketError(socket);
            if (got > 0) {
                datagram.truncate(int(got));
                return datagram;
            }
        }
        if (m_socketFailed) raiseSocketError(socket);
        if (const int code = takeNetworkError(socket)) throw ESocketError(SystemErrorText(code));
        if (m_counter.TimedOut) throw ETimedOutError(LibraryText(57000));
        if (m_canceled) throw ECanceledError(LibraryText(57001));

        QEventLoop wait;
        m_wait = &wait;
        struct Forget {
            QEventLoop*& wait;
            ~Forget() { wait = nullptr; }
        } forget{m_wait};
        connect(&socket, &QIODevice::readyRead, &wait, &QEventLoop::quit);
        connect(&socket, &QAbstractSocket::errorOccurred, &wait, &QEventLoop::quit);
        connect(&m_counter, &TTimeCounter::ticked, &wait, &QEventLoop::quit);
        wait.exec();
    }
}

void TmsMXResolver::close(QUdpSocket& socket) {
    socket.close();
    fire(OnClosingConnection, this);
}

void TmsMXResolver::raiseSocketError(const QUdpSocket& socket) {
    const QString text = socket.errorString();
    if (text.isEmpty())
        throw ESocketError(TrText::translate("Exception", "Error #%1").arg(int(socket.error())));
    throw ESocketError(QtText(text));
}
