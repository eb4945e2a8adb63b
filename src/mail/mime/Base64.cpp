#include "mail/mime/Base64.h"

#include "mail/Exceptions.h"

namespace {

int base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    if (c == '=') return 0;
    throw EMessageParserError(TrText::translate("Exception", "Invalid Character"));
}

} // namespace

QByteArray DecodeBase64(QByteArrayView Text) {
    QByteArray out;
    out.reserve((Text.size() + 3) / 4 * 3);
    for (qsizetype g = 0; g < Text.size(); g += 4) {
        quint32 bits = 0;
        for (qsizetype k = 0; k < 4; ++k)
            bits = (bits << 6) | quint32(g + k < Text.size() ? base64Value(Text[g + k]) : 0);
        out.append(char(bits >> 16)).append(char(bits >> 8)).append(char(bits));
    }
    // Every '=' at the end stands for one byte that is not there; so does every
    // character missing from a short last group.
    qsizetype unused = (4 - Text.size() % 4) % 4;
    for (qsizetype i = Text.size() - 1; i >= 0 && Text[i] == '='; --i)
        ++unused;
    out.chop(qMin(unused, out.size()));
    return out;
}

QByteArray DecodeBase64Line(QByteArrayView Text) {
    return DecodeBase64(Text).left(255);
}
