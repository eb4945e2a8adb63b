#include "support/dns/ScriptedDnsServer.h"

#include <QNetworkDatagram>

ScriptedDnsServer::ScriptedDnsServer() {
    m_socket.bind(QHostAddress::LocalHost, 0);
    connect(&m_socket, &QUdpSocket::readyRead, this, &ScriptedDnsServer::readPending);
}

void ScriptedDnsServer::readPending() {
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram query = m_socket.receiveDatagram();
        m_queries.append(query.data());
        const QByteArray answer = reply ? reply(query.data()) : QByteArray();
        if (!answer.isEmpty())
            m_socket.writeDatagram(answer, query.senderAddress(), quint16(query.senderPort()));
    }
}
