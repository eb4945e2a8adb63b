#include "support/dns/DnsPacket.h"

DnsPacket& DnsPacket::header(quint16 id, quint16 flags, quint16 qdcount, quint16 ancount,
                             quint16 nscount, quint16 arcount) {
    return word(id).word(flags).word(qdcount).word(ancount).word(nscount).word(arcount);
}

DnsPacket& DnsPacket::name(const QByteArray& dotted) {
    for (const QByteArray& label : dotted.split('.')) {
        if (label.isEmpty()) continue;
        byte(quint8(label.size()));
        m_bytes.append(label);
    }
    return byte(0);
}

DnsPacket& DnsPacket::pointer(quint16 offset) {
    return word(quint16(0xC000 | offset));
}

DnsPacket& DnsPacket::byte(quint8 value) {
    m_bytes.append(char(value));
    return *this;
}

DnsPacket& DnsPacket::word(quint16 value) {
    return byte(quint8(value >> 8)).byte(quint8(value));
}

DnsPacket& DnsPacket::dword(quint32 value) {
    return word(quint16(value >> 16)).word(quint16(value));
}

DnsPacket& DnsPacket::raw(const QByteArray& bytes) {
    m_bytes.append(bytes);
    return *this;
}

QByteArray DnsPacket::mxAnswer(const QByteArray& domain,
                               const QList<std::pair<quint16, QByteArray>>& records) {
    DnsPacket p;
    p.header(0x1234, 0x8180, 1, quint16(records.size())).name(domain).word(15).word(1);
    for (const auto& [preference, exchange] : records) {
        DnsPacket data;
        data.word(preference).name(exchange);
        p.pointer(QuestionOffset).word(15).word(1).dword(3600).word(quint16(data.size()));
        p.raw(data);
    }
    return p;
}
