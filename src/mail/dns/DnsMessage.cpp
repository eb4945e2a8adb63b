#include "mail/dns/DnsMessage.h"

#include "mail/Exceptions.h"

#include <QUrl>
#include <QVarLengthArray>
#include <algorithm>

namespace {

constexpr int MaxNameBytes = 255;
constexpr int MaxLabelBytes = 63;

[[noreturn]] void malformed(const char* what) {
    throw EResolverError(TrText::translate("Exception", "Malformed response: ") +
                         QLatin1String(what));
}

void appendWord(QByteArray& out, quint16 value) {
    out.append(char(value >> 8));
    out.append(char(value & 0xFF));
}

// Reads a received message front to back. Every read checks the end of the
// data first; a read that would pass it raises EResolverError.
class TDnsReader {
public:
    explicit TDnsReader(const QByteArray& data) : m_data(data) {}

    quint8 Byte(int at) const { return quint8(m_data[at]); }

    quint16 Word(const char* what) {
        need(2, what);
        const quint16 v = quint16(Byte(m_pos) << 8 | Byte(m_pos + 1));
        m_pos += 2;
        return v;
    }

    quint32 Long(const char* what) {
        const quint32 high = Word(what);
        return high << 16 | Word(what);
    }

    void Skip(int count, const char* what) {
        need(count, what);
        m_pos += count;
    }

    int Position() const { return m_pos; }
    void Seek(int pos) { m_pos = pos; }

    // A name, label by label, following compression pointers; the reading
    // position ends after the name's own bytes (after its first pointer).
    QString Name() {
        QByteArray name;
        int wireLength = 1; // the root's zero byte
        int pos = m_pos;
        int resume = -1;
        QVarLengthArray<int, 16> targets;
        for (;;) {
            if (pos >= m_data.size()) malformed("it ends in the middle of a name");
            const int length = Byte(pos);
            if (length == 0) {
                ++pos;
                break;
            }
            if (length >= 192) {
                if (pos + 1 >= m_data.size()) malformed("it ends in the middle of a name");
                const int target = (length & 0x3F) << 8 | Byte(pos + 1);
                if (target >= m_data.size())
                    malformed("a compression pointer points beyond its end");
                if (targets.contains(target)) malformed("compression pointers form a loop");
                targets.append(target);
                if (resume < 0) resume = pos + 2;
                pos = target;
                continue;
            }
            if (pos + 1 + length > m_data.size()) malformed("it ends in the middle of a name");
            wireLength += 1 + length;
            if (wireLength > MaxNameBytes) malformed("a name is longer than 255 bytes");
            name.append(m_data.constData() + pos + 1, length);
            name.append('.');
            pos += 1 + length;
        }
        m_pos = resume >= 0 ? resume : pos;
        return QString::fromLatin1(name);
    }

private:
    void need(int count, const char* what) const {
        if (count < 0 || m_data.size() - m_pos < count) malformed(what);
    }

    const QByteArray& m_data;
    int m_pos = 0;
};

TrText rcodeText(int rcode) {
    if (rcode >= 1 && rcode <= 5) return LibraryText(57016 + rcode);
    return TrText::translate("Exception", "Domain server Error #%1").arg(rcode);
}

TDnsHeader readHeader(TDnsReader& in) {
    const char* cut = "it is shorter than a message header";
    TDnsHeader h;
    h.ID = in.Word(cut);
    h.Flags = in.Word(cut);
    h.QDCount = in.Word(cut);
    h.ANCount = in.Word(cut);
    h.NSCount = in.Word(cut);
    h.ARCount = in.Word(cut);
    return h;
}

TQuestRec readQuestion(TDnsReader& in) {
    const char* cut = "it ends in the middle of the question";
    TQuestRec q;
    q.Name = in.Name();
    q.QType = in.Word(cut);
    q.QClass = in.Word(cut);
    return q;
}

TAnswerRec readAnswer(TDnsReader& in) {
    const char* cut = "it ends in the middle of a record";
    TAnswerRec a;
    a.Name = in.Name();
    a.Type = in.Word(cut);
    a.Class = in.Word(cut);
    a.TTL = in.Long(cut);
    a.DataLength = in.Word(cut);
    return a;
}

} // namespace

QByteArray EncodeDomainName(const QString& domain) {
    if (domain.isEmpty() || domain == QLatin1String("."))
        throw EResolverError(TrText::translate("Exception", "No domain name to look up"));
    QStringList labels = domain.split(QLatin1Char('.'));
    if (labels.size() > 1 && labels.last().isEmpty())
        labels.removeLast(); // "example.com." names the same domain
    QByteArray out;
    for (const QString& label : labels) {
        if (label.isEmpty())
            throw EResolverError(
                TrText::translate("Exception", "The domain name \"%1\" has an empty label")
                    .arg(domain));
        const bool ascii =
            std::all_of(label.cbegin(), label.cend(), [](QChar c) { return c.unicode() < 0x80; });
        QByteArray bytes = ascii ? label.toLatin1() : QUrl::toAce(label);
        if (bytes.isEmpty())
            bytes = label.toUtf8(); // not a valid international label: sent as it is
        if (bytes.size() > MaxLabelBytes)
            throw EResolverError(
                TrText::translate("Exception",
                                  "The domain name \"%1\" has a label longer than 63 bytes")
                    .arg(domain));
        out.append(char(bytes.size()));
        out.append(bytes);
    }
    out.append('\0');
    if (out.size() > MaxNameBytes)
        throw EResolverError(
            TrText::translate("Exception", "The domain name \"%1\" is longer than 255 bytes")
                .arg(domain));
    return out;
}

QByteArray BuildMXQuery(const QString& domain) {
    const QByteArray name = EncodeDomainName(domain);
    TQuerySpec flags;
    flags.setQR(false);
    flags.setOpcode(0);
    flags.setRD(true);
    QByteArray out;
    out.reserve(12 + name.size() + 4);
    appendWord(out, Dns::QueryID);
    appendWord(out, flags.Flags);
    appendWord(out, 1); // QDCOUNT
    appendWord(out, 0); // ANCOUNT
    appendWord(out, 0); // NSCOUNT
    appendWord(out, 0); // ARCOUNT
    out.append(name);
    appendWord(out, Dns::TypeMX);
    appendWord(out, Dns::ClassIN);
    return out;
}

TMXList ParseMXResponse(const QByteArray& response) {
    TDnsReader in(response);
    const TDnsHeader header = readHeader(in);
    if (header.ID != Dns::QueryID) throw EResolverError(LibraryText(57015));
    const TQuerySpec flags(header.Flags);
    if (!flags.QR()) throw EResolverError(LibraryText(57016));
    if (flags.RCODE() != 0) throw EResolverError(rcodeText(flags.RCODE()));

    readQuestion(in);
    TMXList list;
    for (int i = 0; i < header.ANCount; ++i) {
        const TAnswerRec answer = readAnswer(in);
        const int dataStart = in.Position();
        in.Skip(answer.DataLength, "it ends in the middle of a record's data");
        if (answer.Type != Dns::TypeMX) continue;
        in.Seek(dataStart);
        TMXRec rec;
        rec.Preference = in.Word("it ends in the middle of a record's data");
        rec.Exchange = in.Name();
        if (in.Position() > dataStart + answer.DataLength)
            malformed("an MX record's data is longer than its stated length");
        in.Seek(dataStart + answer.DataLength);
        list.Add(rec);
    }
    return list;
}
