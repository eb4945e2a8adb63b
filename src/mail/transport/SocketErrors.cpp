#include "mail/transport/SocketErrors.h"

#include "mail/Exceptions.h"

#include <QCoreApplication>
#include <cstring>

int SocketErrorCode(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return 10061;
    case QAbstractSocket::RemoteHostClosedError:
        return 10054;
    case QAbstractSocket::HostNotFoundError:
        return 11001;
    case QAbstractSocket::SocketAccessError:
        return 10013;
    case QAbstractSocket::SocketResourceError:
        return 10055;
    case QAbstractSocket::SocketTimeoutError:
        return 10060;
    case QAbstractSocket::DatagramTooLargeError:
        return 10040;
    case QAbstractSocket::AddressInUseError:
        return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return 10049;
    case QAbstractSocket::UnsupportedSocketOperationError:
        return 10045;
    case QAbstractSocket::NetworkError:
    default:
        return 10050;
    }
}

TrText SocketErrorText(int code) {
    switch (code) {
    case 10054:
        return TrText::translate("Exception", "Connection reset by peer");
    case 10060:
        return TrText::translate("Exception", "Connection timed out");
    case 10061:
        return TrText::translate("Exception", "Connection refused");
    case 11001:
        return TrText::translate("Exception", "Host not found");
    default:
        return {};
    }
}

namespace {

// text with each "%s" replaced by the next of args, left to right.
QString fillIn(QString text, const QStringList& args) {
    int from = 0;
    for (const QString& arg : args) {
        const int at = text.indexOf(QLatin1String("%s"), from);
        if (at < 0) break;
        text.replace(at, 2, arg);
        from = at + arg.size();
    }
    return text;
}

// Qt's own texts of name resolution, sockets and TLS (their contexts and
// English source words), as its catalogues translate them.
struct QtSource {
    const char* context;
    const char* source;
};
const QtSource QtSources[] = {
    {"QAbstractSocket", "Connection refused"},
    {"QAbstractSocket", "Connection timed out"},
    {"QAbstractSocket", "Host not found"},
    {"QAbstractSocket", "Network unreachable"},
    {"QAbstractSocket", "Operation on socket is not supported"},
    {"QAbstractSocket", "Socket is not connected"},
    {"QAbstractSocket", "Socket operation timed out"},
    {"QAbstractSocket", "Trying to connect while connection is in progress"},
    {"QHostInfo", "No host name given"},
    {"QHostInfo", "Unknown error"},
    {"QHostInfoAgent", "Host not found"},
    {"QHostInfoAgent", "Invalid hostname"},
    {"QHostInfoAgent", "No host name given"},
    {"QHostInfoAgent", "Unknown address type"},
    {"QNativeSocketEngine", "Another socket is already listening on the same port"},
    {"QNativeSocketEngine", "Attempt to use IPv6 socket on a platform with no IPv6 support"},
    {"QNativeSocketEngine", "Connection refused"},
    {"QNativeSocketEngine", "Connection reset by peer"},
    {"QNativeSocketEngine", "Connection timed out"},
    {"QNativeSocketEngine", "Datagram was too large to send"},
    {"QNativeSocketEngine", "Host unreachable"},
    {"QNativeSocketEngine", "Invalid socket descriptor"},
    {"QNativeSocketEngine", "Network dropped connection on reset"},
    {"QNativeSocketEngine", "Network error"},
    {"QNativeSocketEngine", "Network operation timed out"},
    {"QNativeSocketEngine", "Network unreachable"},
    {"QNativeSocketEngine", "Operation on non-socket"},
    {"QNativeSocketEngine", "Out of resources"},
    {"QNativeSocketEngine", "Permission denied"},
    {"QNativeSocketEngine", "Protocol type not supported"},
    {"QNativeSocketEngine", "Temporary error"},
    {"QNativeSocketEngine", "The address is not available"},
    {"QNativeSocketEngine", "The address is protected"},
    {"QNativeSocketEngine", "The bound address is already in use"},
    {"QNativeSocketEngine", "The proxy type is invalid for this operation"},
    {"QNativeSocketEngine", "The remote host closed the connection"},
    {"QNativeSocketEngine", "Unable to initialize broadcast socket"},
    {"QNativeSocketEngine", "Unable to initialize non-blocking socket"},
    {"QNativeSocketEngine", "Unable to receive a message"},
    {"QNativeSocketEngine", "Unable to send a message"},
    {"QNativeSocketEngine", "Unable to write"},
    {"QNativeSocketEngine", "Unknown error"},
    {"QNativeSocketEngine", "Unsupported socket operation"},
    {"QSslSocket", "A message was received out of sequence."},
    {"QSslSocket", "Access denied"},
    {"QSslSocket", "Algorithm mismatch"},
    {"QSslSocket", "An error occurred attempting to set %1 to %2"},
    {"QSslSocket", "An internal handle was invalid"},
    {"QSslSocket", "An internal token was invalid"},
    {"QSslSocket", "An unsupported function was requested"},
    {"QSslSocket", "Attempted to use an unsupported protocol."},
    {"QSslSocket", "Cannot provide a certificate with no key"},
    {"QSslSocket", "Client-side sockets do not send OCSP responses"},
    {"QSslSocket", "Did not get the required attributes for the connection."},
    {"QSslSocket", "Diffie-Hellman parameters are not valid"},
    {"QSslSocket", "Error creating SSL context (%1)"},
    {"QSslSocket", "Error creating SSL session, %1"},
    {"QSslSocket", "Error creating SSL session: %1"},
    {"QSslSocket", "Error during SSL handshake: %1"},
    {"QSslSocket", "Error loading local certificate, %1"},
    {"QSslSocket", "Error loading private key, %1"},
    {"QSslSocket", "Error when setting the OpenSSL configuration (%1)"},
    {"QSslSocket", "Error when setting the elliptic curves (%1)"},
    {"QSslSocket", "Error while reading: %1"},
    {"QSslSocket", "Error while setting the maximum protocol version"},
    {"QSslSocket", "Error while setting the minimal protocol version"},
    {"QSslSocket", "Expecting QByteArray for %1"},
    {"QSslSocket", "Failed to decode OCSP response"},
    {"QSslSocket", "Failed to decode a SingleResponse from OCSP status response"},
    {"QSslSocket", "Failed to enable OCSP stapling"},
    {"QSslSocket", "Failed to extract 'this update time' from the SingleResponse"},
    {"QSslSocket", "Failed to extract basic OCSP response"},
    {"QSslSocket", "Failed to query the TLS context: %1"},
    {"QSslSocket", "Handshake failed: %1"},
    {"QSslSocket", "Insufficient memory"},
    {"QSslSocket", "Internal error"},
    {"QSslSocket", "Invalid or empty cipher list (%1)"},
    {"QSslSocket", "Invalid protocol chosen"},
    {"QSslSocket", "No OCSP status response found"},
    {"QSslSocket", "No authority could be contacted for authorization"},
    {"QSslSocket", "No certificate verification store, cannot verify OCSP response"},
    {"QSslSocket", "No certificates could be verified"},
    {"QSslSocket", "No cipher suites in common"},
    {"QSslSocket", "No common protocol exists between the client and the server"},
    {"QSslSocket", "No credentials"},
    {"QSslSocket", "No error"},
    {"QSslSocket", "OCSP responder reached an inconsistent internal state"},
    {"QSslSocket", "OCSP responder was unable to return a status for the requested certificate"},
    {"QSslSocket", "OCSP responder's identity cannot be verified"},
    {"QSslSocket", "OCSP response contains an unexpected number of SingleResponse structures"},
    {"QSslSocket", "One of the CA certificates is invalid"},
    {"QSslSocket", "OpenSSL version with disabled elliptic curves"},
    {"QSslSocket", "Private key does not certify public key, %1"},
    {"QSslSocket", "Renegotiation was unsuccessful: %1"},
    {"QSslSocket", "SSL_CONF_CTX_new() failed"},
    {"QSslSocket", "SSL_CONF_finish() failed"},
    {"QSslSocket", "Schannel failed to encrypt data: %1"},
    {"QSslSocket", "Server did not accept any certificate we could present."},
    {"QSslSocket", "Server-side QSslSocket does not support OCSP stapling"},
    {"QSslSocket", "TLS certificate unexpectedly changed during renegotiation!"},
    {"QSslSocket", "TLS initialization failed"},
    {"QSslSocket", "The OCSP status request had invalid syntax"},
    {"QSslSocket", "The TLS/SSL connection has been closed"},
    {"QSslSocket", "The basicConstraints path length parameter has been exceeded"},
    {"QSslSocket", "The certificate has expired"},
    {"QSslSocket", "The certificate is not yet valid"},
    {"QSslSocket", "The certificate is self-signed, and untrusted"},
    {"QSslSocket", "The certificate provided cannot be used for a client."},
    {"QSslSocket", "The certificate provided cannot be used for a server."},
    {"QSslSocket", "The certificate signature could not be decrypted"},
    {"QSslSocket", "The certificate status response has expired"},
    {"QSslSocket", "The certificate's notAfter field contains an invalid time"},
    {"QSslSocket", "The certificate's notBefore field contains an invalid time"},
    {"QSslSocket", "The certificate's status is unknown"},
    {"QSslSocket", "The client is not authorized to request OCSP status from this server"},
    {"QSslSocket", "The credentials were not recognized / Invalid argument"},
    {"QSslSocket", "The current candidate issuer certificate was rejected because its issuer name "
                   "and serial number was present and did not match the authority key identifier "
                   "of the current certificate"},
    {"QSslSocket", "The current candidate issuer certificate was rejected because its subject name "
                   "did not match the issuer name of the current certificate"},
    {"QSslSocket", "The data could not be encrypted"},
    {"QSslSocket", "The host name did not match any of the valid hosts for this certificate"},
    {"QSslSocket", "The hostname provided does not match the one received from the peer"},
    {"QSslSocket", "The identity of a certificate in an OCSP response cannot be established"},
    {"QSslSocket", "The issuer certificate could not be found"},
    {"QSslSocket", "The issuer certificate of a locally looked up certificate could not be found"},
    {"QSslSocket", "The message was tampered with, damaged or out of sequence."},
    {"QSslSocket", "The peer certificate is blacklisted"},
    {"QSslSocket", "The peer did not present any certificate"},
    {"QSslSocket", "The public key in the certificate could not be read"},
    {"QSslSocket", "The root CA certificate is marked to reject the specified purpose"},
    {"QSslSocket", "The root CA certificate is not trusted for this purpose"},
    {"QSslSocket", "The root certificate of the certificate chain is self-signed, and untrusted"},
    {"QSslSocket",
     "The server requires the client to sign the OCSP request in order to construct a response"},
    {"QSslSocket", "The signature of the certificate is invalid"},
    {"QSslSocket", "The supplied certificate is unsuitable for this purpose"},
    {"QSslSocket", "The target is unknown or unreachable"},
    {"QSslSocket", "Unable to decrypt data: %1"},
    {"QSslSocket", "Unable to init SSL Context: %1"},
    {"QSslSocket", "Unable to write data: %1"},
    {"QSslSocket", "Unexpected or badly-formatted message received"},
    {"QSslSocket", "Unknown error"},
    {"QSslSocket", "Unknown error occurred: %1"},
    {"QSslSocket", "Unrecognized command %1 = %2"},
    {"QSslSocket", "Unwanted protocol was negotiated"},
    {"QSslSocket", "Wrong value for %1 (%2)"},
    {"QSslSocket", "unsupported protocol"},
};

} // namespace

TrText FormatLibraryText(int code, const QList<TrText>& args) {
    const TrText text = LibraryText(code);
    QStringList english, shown;
    for (const TrText& arg : args) {
        english << arg.english();
        shown << arg.shown();
    }
    return TrText::bilingual(fillIn(text.english(), english), fillIn(text.shown(), shown));
}

TrText QtText(const QString& shown) {
    for (const QtSource& s : QtSources) {
        const QString source = QString::fromUtf8(s.source);
        const QString translated = QCoreApplication::translate(s.context, s.source);
        if (!source.contains(QLatin1String("%1"))) {
            if (translated == shown) return TrText::bilingual(source, shown);
            continue;
        }
        // One placeholder: its part of the text is the same in both languages
        // (an OpenSSL or system text).
        const qsizetype at = translated.indexOf(QLatin1String("%1"));
        if (at < 0 || translated.indexOf(QLatin1String("%"), at + 2) >= 0) continue;
        const QString before = translated.left(at), after = translated.mid(at + 2);
        if (shown.size() >= before.size() + after.size() && shown.startsWith(before) &&
            shown.endsWith(after)) {
            const QString inner =
                shown.mid(before.size(), shown.size() - before.size() - after.size());
            return TrText::bilingual(source.arg(inner), shown);
        }
    }
    return TrText::plain(shown);
}

TrText SystemErrorText(int code) {
    // strerrordesc_np gives the English words whatever the C library's locale.
    const char* english = strerrordesc_np(code);
    const QString shown = qt_error_string(code);
    return english ? TrText::bilingual(QString::fromUtf8(english), shown) : TrText::plain(shown);
}
