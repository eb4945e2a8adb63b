#include "mail/mime/Text.h"

#include <QStringDecoder>
#include <climits>

namespace {

// Windows-1252 codes 0x80 to 0x9F; the unassigned ones keep their C1 control.
constexpr char16_t kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isBlank(QChar c) {
    return c.unicode() <= 32;
}

} // namespace

std::optional<int> ParseWholeNumber(QStringView Text) {
    qsizetype i = 0;
    const bool negative = !Text.isEmpty() && Text[0] == u'-';
    if (!Text.isEmpty() && (Text[0] == u'-' || Text[0] == u'+')) ++i;
    if (i == Text.size()) return std::nullopt;
    qint64 value = 0;
    for (; i < Text.size(); ++i) {
        const char16_t c = Text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(INT_MAX) + 1) return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT_MAX) return std::nullopt;
    return int(value);
}

QString TrimBlanks(QStringView Text) {
    qsizetype b = 0, e = Text.size();
    while (b < e && isBlank(Text[b]))
        ++b;
    while (e > b && isBlank(Text[e - 1]))
        --e;
    return Text.mid(b, e - b).toString();
}

QString TrimLeftBlanks(QStringView Text) {
    qsizetype b = 0;
    while (b < Text.size() && isBlank(Text[b]))
        ++b;
    return Text.mid(b).toString();
}

QString TrimRightBlanks(QStringView Text) {
    qsizetype e = Text.size();
    while (e > 0 && isBlank(Text[e - 1]))
        --e;
    return Text.left(e).toString();
}

QString Windows1252ToString(QByteArrayView Bytes) {
    QString out(Bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (const char ch : Bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *d++ = QChar(b >= 0x80 && b < 0xA0 ? kHigh1252[b - 0x80] : char16_t(b));
    }
    return out;
}

std::optional<QByteArray> StringToWindows1252(QStringView Text) {
    QByteArray out;
    out.reserve(Text.size());
    for (const QChar c : Text) {
        const char16_t u = c.unicode();
        if (u < 0x100) {
            out.append(char(u));
            continue;
        }
        int code = -1;
        for (int i = 0; i < 32; ++i)
            if (kHigh1252[i] == u) code = 0x80 + i;
        if (code < 0) return std::nullopt;
        out.append(char(code));
    }
    return out;
}

QString TextFromBytes(QByteArrayView Bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(Bytes);
    if (!utf8.hasError()) return text;
    return Windows1252ToString(Bytes);
}

QString DecodeCharset(QByteArrayView Bytes, QStringView Charset) {
    // "utf-8*en": a language after '*' is no part of the name.
    const qsizetype star = Charset.indexOf(u'*');
    const QString name = TrimBlanks(star >= 0 ? Charset.left(star) : Charset);
    if (!name.isEmpty()) {
        QStringDecoder decoder(name.toLatin1().constData(), QStringConverter::Flag::Stateless);
        if (decoder.isValid()) {
            QString text = decoder.decode(Bytes);
            if (!decoder.hasError()) return text;
        }
    }
    return Windows1252ToString(Bytes);
}
