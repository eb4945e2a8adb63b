#include "mail/transport/SocketErrors.h"

#include "mail/Exceptions.h"

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

QString SocketErrorText(int code) {
    switch (code) {
    case 10054:
        return QStringLiteral("Connection reset by peer");
    case 10060:
        return QStringLiteral("Connection timed out");
    case 10061:
        return QStringLiteral("Connection refused");
    case 11001:
        return QStringLiteral("Host not found");
    default:
        return {};
    }
}

QString FormatLibraryText(int code, const QStringList& args) {
    QString text = LibraryText(code);
    int from = 0;
    for (const QString& arg : args) {
        const int at = text.indexOf(QLatin1String("%s"), from);
        if (at < 0) break;
        text.replace(at, 2, arg);
        from = at + arg.size();
    }
    return text;
}
