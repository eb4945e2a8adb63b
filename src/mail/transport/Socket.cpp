#include "mail/transport/Socket.h"

#include "mail/Exceptions.h"
#include "mail/transport/SocketErrors.h"

#include <QEventLoop>
#include <QHostInfo>
#include <QSslConfiguration>
#include <QSslSocket>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QList<QSslCertificate>& extraCas() {
    static QList<QSslCertificate> certificates;
    return certificates;
}

// The port of a service in the services database, 0 when it has none.
quint16 servicePort(const QString& name) {
    const QByteArray service = name.toLocal8Bit();
    servent entry{};
    servent* found = nullptr;
    char buffer[1024];
    if (getservbyname_r(service.constData(), "tcp", &entry, buffer, sizeof buffer, &found) != 0 ||
        found == nullptr)
        return 0;
    return ntohs(static_cast<quint16>(found->s_port));
}

// A distinguished name as "CN=localhost, O=Example".
QString distinguishedName(const QSslCertificate& c, bool issuer) {
    QStringList parts;
    const QList<QByteArray> attributes =
        issuer ? c.issuerInfoAttributes() : c.subjectInfoAttributes();
    for (const QByteArray& a : attributes) {
        const QStringList values = issuer ? c.issuerInfo(a) : c.subjectInfo(a);
        for (const QString& v : values)
            parts << QString::fromLatin1(a) + u'=' + v;
    }
    return parts.isEmpty() ? QStringLiteral("(none)") : parts.join(QStringLiteral(", "));
}

// What a person needs to decide about a certificate, one line each after a
// line break; empty for no certificate.
TrText certificateDetails(const QSslCertificate& c) {
    if (c.isNull()) return {};
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm");
    return TrText::translate("Exception", "\nSubject: %1\nIssuer: %2\nValid from %3 to %4 UTC\n"
                                          "SHA-256 fingerprint: %5")
        .arg(distinguishedName(c, false), distinguishedName(c, true),
             c.effectiveDate().toUTC().toString(format), c.expiryDate().toUTC().toString(format),
             readableFingerprint(certificateFingerprint(c)));
}

} // namespace

TagSocket::TagSocket(QObject* parent) : QObject(parent) {
    connect(&m_counter, &TTimeCounter::ticked, this, &TagSocket::wake);
}

TagSocket::~TagSocket() {
    closeDescriptorCopy();
}

bool TagSocket::IsSecure() const {
    return m_socket && m_socket->isEncrypted();
}

void TagSocket::setExtraCaCertificates(const QList<QSslCertificate>& certificates) {
    extraCas() = certificates;
}

QList<QSslCertificate> TagSocket::extraCaCertificates() {
    return extraCas();
}

void TagSocket::ResetState() {
    Canceled = false;
    m_counter.TimedOut = false;
    AsyncError = false;
    AsyncErrorCode = 0;
    AsyncErrorText.clear();
    m_asyncError = TrText();
    HostResolved = ServiceResolved = ConnectDone = Readable = Writable = PeerClosed = false;
    PendingRequest = 0;
}

int TagSocket::ReplyCode(const QString& Line) {
    bool ok = false;
    const int code = Line.left(3).toInt(&ok);
    return Line.size() >= 3 && ok ? code : -1;
}

void TagSocket::Open() {
    if (RAS) RAS->Dial();
    if (OnOpen) OnOpen(this);
    QString rest = Server;
    m_implicitTls = Security == MailSecurity::Tls;
    const QString prefix = SecureScheme + QStringLiteral("://");
    if (!SecureScheme.isEmpty() && rest.startsWith(prefix, Qt::CaseInsensitive)) {
        m_implicitTls = true;
        rest = rest.mid(prefix.size());
    }
    const int colon = rest.indexOf(QLatin1Char(':'));
    const QString host = (colon < 0 ? rest : rest.left(colon)).left(127);
    if (Server.isEmpty() || host.isEmpty()) RaiseSocketError(57002);
    resolveHost(host);
    resolvePort(colon < 0 ? QString() : rest.mid(colon + 1));
    createSocket();
}

void TagSocket::resolveHost(const QString& host) {
    m_host = host;
    in_addr dotted{};
    if (inet_aton(host.toUtf8().constData(), &dotted) != 0) {
        RemoteAddress = QHostAddress(ntohl(dotted.s_addr)).toString();
        return;
    }
    m_addresses.clear();
    m_counter.Start();
    PendingRequest = QHostInfo::lookupHost(host, this, &TagSocket::hostFound);
    waitFor([this] { return HostResolved; }, StopTimedOut | StopCanceled);
    m_counter.Stop();
    PendingRequest = 0;
    if (AsyncError) RaiseSocketError(AsyncErrorCode);
    if (m_counter.TimedOut) RaiseTimedOut();
    if (Canceled) RaiseCanceled();
    // The first IPv4 address; a host that has only IPv6 addresses gets its first.
    QHostAddress chosen;
    for (const QHostAddress& a : std::as_const(m_addresses)) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol) {
            chosen = a;
            break;
        }
    }
    if (chosen.isNull() && !m_addresses.isEmpty()) chosen = m_addresses.first();
    if (chosen.isNull()) RaiseSocketError(57004);
    RemoteAddress = chosen.toString();
}

void TagSocket::hostFound(const QHostInfo& info) {
    if (info.lookupId() != PendingRequest) return;
    HostResolved = true;
    if (info.error() != QHostInfo::NoError || info.addresses().isEmpty())
        setAsyncError(info.error() == QHostInfo::HostNotFound || info.addresses().isEmpty() ? 11001
                                                                                            : 11002,
                      QtText(info.errorString()));
    else
        m_addresses = info.addresses();
    wake();
}

void TagSocket::resolvePort(const QString& portText) {
    bool ok = false;
    int number = portText.toInt(&ok);
    if (!ok) number = 0;
    if ((number & 0xFFFF) != 0) {
        m_port = static_cast<quint16>(number & 0xFFFF);
    } else {
        if (ServiceName.isEmpty()) RaiseSocketError(57005);
        if (Canceled) RaiseCanceled();
        const bool secure = m_implicitTls && !SecureServiceName.isEmpty();
        // The services database is a local file: the lookup does not wait.
        const quint16 found = servicePort(secure ? SecureServiceName : ServiceName);
        ServiceResolved = true;
        m_port = found != 0 ? found : (m_implicitTls && SecurePort != 0 ? SecurePort : DefaultPort);
    }
    if (SecurePort != 0 && m_port == SecurePort) m_implicitTls = true;
}

void TagSocket::createSocket() {
    if (m_socket) { // opened again without a Close: the old socket goes quietly
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
        closeDescriptorCopy();
    }
    m_socket = new QSslSocket(this);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    if (!extraCas().isEmpty())
        tls.setCaCertificates(QSslConfiguration::systemCaCertificates() + extraCas());
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    m_socket->setSslConfiguration(tls);
    m_socket->setPeerVerifyName(m_host);

    QSslSocket* s = m_socket;
    connect(s, &QAbstractSocket::connected, this, [this, s] {
        closeDescriptorCopy();
        // A copy of the descriptor outlives Qt's own, so that a reset can be
        // told from an orderly close after Qt has closed its side.
        // Not inherited by programs started later.
        m_descriptorCopy = ::fcntl(static_cast<int>(s->socketDescriptor()), F_DUPFD_CLOEXEC, 0);
        s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (!m_implicitTls) {
            ConnectDone = true;
            Writable = true;
        }
        wake();
    });
    connect(s, &QSslSocket::encrypted, this, [this] {
        ConnectDone = true;
        Writable = true;
        m_handshaking = false;
        wake();
    });
    connect(s, &QIODevice::readyRead, this, [this] {
        Readable = true;
        wake();
        if (OnReadable) OnReadable(this);
    });
    connect(s, &QIODevice::bytesWritten, this, [this] {
        Writable = true;
        wake();
    });
    connect(s, &QSslSocket::sslErrors, this, [this, s](const QList<QSslError>& errors) {
        const QSslCertificate peer = s->peerCertificate();
        const QString trusted = normalizedFingerprint(TrustedFingerprint);
        if (!trusted.isEmpty() && certificateFingerprint(peer) == trusted) {
            // The user trusts exactly this certificate.
            s->ignoreSslErrors(errors);
            return;
        }
        m_sslErrors = errors;
        m_rejected = peer;
    });
    connect(s, &QAbstractSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError e) { socketError(e); });
    connect(s, &QAbstractSocket::disconnected, this, [this] {
        if (!PeerClosed && !AsyncError) socketError(QAbstractSocket::RemoteHostClosedError);
        wake();
        if (OnReadable) OnReadable(this);
    });
}

void TagSocket::setAsyncError(int code, const TrText& text) {
    AsyncError = true;
    AsyncErrorCode = code;
    AsyncErrorText = text.english();
    m_asyncError = text;
}

bool TagSocket::peerReset() const {
    if (m_descriptorCopy < 0) return false;
    int pending = 0;
    socklen_t size = sizeof pending;
    if (getsockopt(m_descriptorCopy, SOL_SOCKET, SO_ERROR, &pending, &size) == 0) {
        if (pending == ECONNRESET) return true;
        // The peer's reset answered a line sent after its orderly close had
        // arrived: the connection was closed, not reset.
        if (pending == EPIPE) return false;
    }
    tcp_info info{};
    size = sizeof info;
    // After an orderly close by the peer our side waits in CLOSE_WAIT; a reset
    // leaves nothing but CLOSE.
    return getsockopt(m_descriptorCopy, IPPROTO_TCP, TCP_INFO, &info, &size) == 0 &&
           info.tcpi_state == TCP_CLOSE;
}

void TagSocket::socketError(int error) {
    if (!m_socket) return;
    const auto e = static_cast<QAbstractSocket::SocketError>(error);
    const QString host = m_host;
    if (e == QAbstractSocket::RemoteHostClosedError) {
        const bool reset = peerReset();
        if (!reset) PeerClosed = true;
        if (m_handshaking)
            setAsyncError(57007,
                          FormatLibraryText(57007, {TrText::plain(host),
                                                    reset ? SocketErrorText(10054)
                                                          : QtText(m_socket->errorString())}));
        else if (reset)
            setAsyncError(10054, SocketErrorText(10054));
    } else if (e == QAbstractSocket::SslHandshakeFailedError ||
               e == QAbstractSocket::SslInternalError ||
               e == QAbstractSocket::SslInvalidUserDataError) {
        m_handshaking = false;
        if (!m_sslErrors.isEmpty()) {
            QStringList reasons;
            TrText joined;
            for (const QSslError& se : std::as_const(m_sslErrors)) {
                if (reasons.contains(se.errorString())) continue;
                reasons << se.errorString();
                const TrText reason = QtText(se.errorString());
                joined = joined.isEmpty() ? reason : joined + QStringLiteral("; ") + reason;
            }
            setAsyncError(57009, FormatLibraryText(57009, {TrText::plain(host), joined}) +
                                     certificateDetails(m_rejected));
        } else {
            setAsyncError(57007, FormatLibraryText(57007, {TrText::plain(host),
                                                           QtText(m_socket->errorString())}));
        }
    } else {
        const int code = SocketErrorCode(e);
        setAsyncError(code, QtText(m_socket->errorString()));
    }
    wake();
}

void TagSocket::ConnectSocket() {
    if (Canceled) RaiseCanceled();
    if (!m_socket) RaiseSocketError(57008);
    m_counter.Start();
    if (m_implicitTls) {
        m_handshaking = true;
        m_sslErrors.clear();
        m_rejected = QSslCertificate();
        m_socket->connectToHostEncrypted(RemoteAddress, m_port, m_host);
    } else {
        m_socket->connectToHost(QHostAddress(RemoteAddress), m_port);
    }
    finishHandshakeWait();
}

// Waits for ConnectDone (the TCP connection, or the end of a TLS handshake)
// and raises what stopped it otherwise.
void TagSocket::finishHandshakeWait() {
    waitFor([this] { return ConnectDone; }, StopCanceled | StopTimedOut | StopAsyncError);
    m_counter.Stop();
    m_handshaking = false;
    if (Canceled) RaiseCanceled();
    if (m_counter.TimedOut) RaiseTimedOut();
    if (AsyncError) RaiseSocketError(AsyncErrorCode);
}

void TagSocket::Close() {
    if (m_socket) {
        if (OnClosing) OnClosing(this);
        QSslSocket* s = m_socket;
        m_socket = nullptr;
        s->disconnect(this);
        s->abort();
        s->deleteLater();
        closeDescriptorCopy();
        if (OnClosed) OnClosed(this);
    }
    if (RAS) RAS->Release();
    wake();
}

void TagSocket::closeDescriptorCopy() {
    if (m_descriptorCopy >= 0) ::close(m_descriptorCopy);
    m_descriptorCopy = -1;
}

void TagSocket::Cancel() {
    Canceled = true;
    if (OnCancel) OnCancel(this);
    if (PendingRequest != 0) {
        QHostInfo::abortHostLookup(PendingRequest);
        PendingRequest = 0;
    }
    Close();
    wake();
}

void TagSocket::RaiseSocketError(int Code) {
    if (Code == 0) return;
    m_counter.Stop();
    TrText tr;
    if (Code == AsyncErrorCode && !AsyncErrorText.isEmpty())
        tr = m_asyncError;
    else if (Code >= 10000 && Code <= 11004)
        tr = SocketErrorText(Code);
    else
        tr = LibraryText(Code);
    if (tr.isEmpty()) tr = TrText::translate("Exception", "Error #%1").arg(Code);
    if (Code == 10054) tr = withAwaited(tr);
    QString text = tr.english();
    if (OnError) OnError(this, text);
    tr = Reworded(tr, text);
    // A reset connection is gone, and after a failed handshake or an
    // oversized reply nothing more may be sent or read on it.
    if (Code == 10054 || Code == 57006 || Code == 57007 || Code == 57009) Close();
    if (Code == 57009 && !m_rejected.isNull())
        throw ECertificateError(tr, certificateFingerprint(m_rejected));
    throw ESocketError(tr);
}

TrText TagSocket::withAwaited(const TrText& Text) const {
    return m_awaiting.isEmpty()
               ? Text
               : TrText::translate("Exception", "%1 while waiting for %2").arg(Text, m_awaiting);
}

void TagSocket::raiseClosed(bool MidReply) {
    m_counter.Stop();
    TrText tr;
    if (!MidReply)
        tr = withAwaited(LibraryText(57022));
    else if (m_awaiting.isEmpty())
        tr = LibraryText(57013);
    else
        tr = TrText::translate("Exception", "%1 in the middle of %2")
                 .arg(LibraryText(57022), m_awaiting);
    QString text = tr.english();
    if (OnError) OnError(this, text);
    // Nothing more can come: the connection is of no further use.
    Close();
    throw ESocketError(Reworded(tr, text));
}

void TagSocket::RaiseTimedOut() {
    m_counter.Stop();
    QString text = LibraryText(57000).english();
    if (OnError) OnError(this, text);
    if (PendingRequest != 0) {
        QHostInfo::abortHostLookup(PendingRequest);
        PendingRequest = 0;
    }
    Close();
    throw ETimedOutError(LibraryText(57000));
}

void TagSocket::RaiseCanceled() {
    m_counter.Stop();
    QString text = LibraryText(57001).english();
    if (OnError) OnError(this, text);
    throw ECanceledError(LibraryText(57001));
}

void TagSocket::wake() {
    if (m_loop) m_loop->quit();
}

bool TagSocket::bytesWaiting() const {
    return m_socket && m_socket->bytesAvailable() > 0;
}

void TagSocket::waitFor(const std::function<bool()>& done, int stops) {
    for (;;) {
        if (done()) return;
        if (((stops & StopCanceled) && Canceled) ||
            ((stops & StopTimedOut) && m_counter.TimedOut) ||
            ((stops & StopAsyncError) && AsyncError))
            return;
        // Flags change only while events are processed, so nothing can be
        // missed between the test above and the start of the loop.
        QEventLoop loop;
        QEventLoop* outer = m_loop;
        m_loop = &loop;
        loop.exec();
        m_loop = outer;
    }
}
