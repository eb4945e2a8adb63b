#include "ui/SingleInstance.h"

#include "settings/AppPaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace {
const QByteArray Request = "come forward\n";
const int WaitMs = 2000;
} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}
SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName() {
    const QByteArray profile = QDir::cleanPath(AppPaths::settingsTreeFile()).toUtf8() + '\n' +
                               QDir::cleanPath(AppPaths::appFolder()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(profile, QCryptographicHash::Sha256).toHex();
    return QStringLiteral("quillmere-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash.left(16)));
}

bool SingleInstance::askFirstToComeForward() {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(WaitMs)) return false;
    socket.write(Request);
    // Once written the request waits in the socket for the first instance, even
    // after this one has ended.
    socket.waitForBytesWritten(WaitMs);
    return true;
}

bool SingleInstance::listen() {
    if (m_server) return true;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(serverName())) {
        // A socket file left by an instance that died; we hold the profile lock,
        // so no living instance owns it.
        QLocalServer::removeServer(serverName());
        if (!m_server->listen(serverName())) return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (!peer->canReadLine()) return;
                const bool asked = peer->readLine() == Request;
                peer->disconnectFromServer();
                peer->deleteLater();
                if (asked) Q_EMIT comeForward();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    return true;
}
