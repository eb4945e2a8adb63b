#pragma once

#include "mail/dns/MXList.h"

#include <QByteArray>
#include <QString>

// The flags word of a DNS message header and its fields.
class TQuerySpec {
public:
    explicit TQuerySpec(quint16 flags = 0) : Flags(flags) {}

    quint16 Flags;

    bool QR() const { return Flags & 0x8000; }
    void setQR(bool on) { Flags = on ? (Flags | 0x8000) : (Flags & ~0x8000); }
    int Opcode() const { return (Flags >> 11) & 0x0F; }
    // Ors the operation code into bits 11 to 14.
    void setOpcode(int code) { Flags |= (code & 0x0F) << 11; }
    bool AA() const { return Flags & 0x0400; }
    bool TC() const { return Flags & 0x0200; }
    bool RD() const { return Flags & 0x0100; }
    void setRD(bool on) { Flags = on ? (Flags | 0x0100) : (Flags & ~0x0100); }
    bool RA() const { return Flags & 0x0080; }
    int RCODE() const { return Flags & 0x000F; }
};

// The six 16-bit values that open every DNS message.
struct TDnsHeader {
    quint16 ID = 0;
    quint16 Flags = 0;
    quint16 QDCount = 0;
    quint16 ANCount = 0;
    quint16 NSCount = 0;
    quint16 ARCount = 0;
};

// One entry of the question section.
struct TQuestRec {
    QString Name;
    quint16 QType = 0;
    quint16 QClass = 0;
};

// The fixed part of a resource record, before its data.
struct TAnswerRec {
    QString Name;
    quint16 Type = 0;
    quint16 Class = 0;
    quint32 TTL = 0;
    quint16 DataLength = 0;
};

namespace Dns {
constexpr quint16 QueryID = 0x1234;
constexpr quint16 TypeMX = 15;
constexpr quint16 ClassIN = 1;
constexpr int MaxDatagram = 1024;
} // namespace Dns

// The domain as length-prefixed labels ending in a zero byte. A label with
// letters beyond ASCII goes out in its ASCII-compatible (punycode) form; one
// trailing dot is allowed. Raises EResolverError for an empty name, an empty
// label, a label over 63 bytes or a name over 255 bytes.
QByteArray EncodeDomainName(const QString& domain);

// The complete MX query for domain: ID 0x1234, recursion desired, one
// question of type MX and class IN.
QByteArray BuildMXQuery(const QString& domain);

// Reads a response to BuildMXQuery: checks the ID, the QR bit and the RCODE,
// reads one question and every answer record, and returns the MX records in
// answer order. Never reads past the end of response and never follows
// compression pointers in a circle. Raises EResolverError for every rejected
// or malformed response.
TMXList ParseMXResponse(const QByteArray& response);
