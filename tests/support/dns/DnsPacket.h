#pragma once

#include <QByteArray>
#include <QList>
#include <utility>

// Writes DNS messages byte by byte for the scripted responder, so that a test
// can state a well-formed answer in a line or break one on purpose.
class DnsPacket {
public:
    DnsPacket& header(quint16 id, quint16 flags, quint16 qdcount, quint16 ancount,
                      quint16 nscount = 0, quint16 arcount = 0);
    // A dotted name as length-prefixed labels and a closing zero byte.
    DnsPacket& name(const QByteArray& dotted);
    // A compression pointer to offset.
    DnsPacket& pointer(quint16 offset);
    DnsPacket& byte(quint8 value);
    DnsPacket& word(quint16 value);
    DnsPacket& dword(quint32 value);
    DnsPacket& raw(const QByteArray& bytes);

    int size() const { return int(m_bytes.size()); }
    QByteArray bytes() const { return m_bytes; }
    operator QByteArray() const { return m_bytes; }

    // Offset of the question name in every message.
    static constexpr quint16 QuestionOffset = 12;

    // A complete answer to an MX query for domain (ID 0x1234, QR, RD, RA): the
    // question, then one MX record per (preference, exchange) pair whose owner
    // is a pointer to the question name.
    static QByteArray mxAnswer(const QByteArray& domain,
                               const QList<std::pair<quint16, QByteArray>>& records);

private:
    QByteArray m_bytes;
};
