#include "mail/mime/HeaderText.h"

#include "mail/Exceptions.h"
#include "mail/mime/Base64.h"
#include "mail/mime/QuotedPrintable.h"
#include "mail/mime/Text.h"

#include <optional>

namespace {

constexpr qsizetype kLimit = 255;

// The text of one encoded word (what lies between "=?" and "?="), or nothing
// when it cannot be decoded.
std::optional<QString> decodeWord(QStringView word) {
    const qsizetype mark = word.indexOf(u'?');
    if (mark < 0 || mark + 1 >= word.size()) return std::nullopt;
    const QStringView charset = word.left(mark);
    const QChar letter = word[mark + 1];
    const QStringView encoded = word.mid(qMin(mark + 3, word.size()));
    // Encoded words are ASCII; stray 8-bit characters go back to the bytes they
    // were read from.
    const std::optional<QByteArray> bytes = StringToWindows1252(encoded);
    if (!bytes) return std::nullopt;
    if (letter == u'B' || letter == u'b') {
        try {
            return DecodeCharset(DecodeBase64Line(*bytes), charset);
        } catch (const EMessageParserError&) {
            return std::nullopt;
        }
    }
    if (letter == u'Q' || letter == u'q') {
        QString text = DecodeCharset(DecodeQuotedPrintableLine(*bytes), charset);
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' || text[i] == u'\n') {
                text.truncate(i);
                break;
            }
        }
        text.truncate(kLimit);
        return text;
    }
    return std::nullopt;
}

bool isEncodingLetter(QChar c) {
    return c == u'B' || c == u'b' || c == u'Q' || c == u'q';
}

// The position of the "?=" that closes the word opened at open, or -1. The
// search starts at the '?' of the opening itself, so "=?=" closes at once (an
// empty word), but never before the third character. The '?' after the word's
// encoding letter ("=?charset?Q?") starts the encoded text even when a '='
// follows it; a "?B?=" or "?q?=" further on is a one-letter text and its end.
qsizetype closingMark(const QString& s, qsizetype open) {
    const qsizetype charsetEnd = s.indexOf(u'?', open + 2);
    const qsizetype textStart = charsetEnd < 0 ? -1 : charsetEnd + 2;
    for (qsizetype j = qMax<qsizetype>(open + 1, 2); j + 1 < s.size(); ++j) {
        if (s[j] != u'?' || s[j + 1] != u'=') continue;
        if (j == textStart && isEncodingLetter(s[j - 1])) continue;
        return j;
    }
    return -1;
}

} // namespace

QString DecodeHeaderText(const QString& Text) {
    QString s = Text;
    qsizetype from = 0; // words before this position stay as they stand
    // Every decoded word shortens the text and every kept word moves the search
    // on; the bound only guards against a character set whose bytes widen into
    // more characters than they were.
    for (qsizetype round = 0; round < kLimit * kLimit; ++round) {
        const qsizetype open = s.indexOf(QLatin1String("=?"), from);
        if (open < 0) return s;
        const qsizetype close = closingMark(s, open);
        if (close < 0) return s.left(open);
        const std::optional<QString> word =
            decodeWord(QStringView(s).mid(open + 2, qMax<qsizetype>(0, close - open - 2)));
        if (!word) {
            from = close + 2;
            continue;
        }
        QString next = s.left(open) + *word + TrimBlanks(QStringView(s).mid(close + 2));
        next.truncate(kLimit);
        next.replace(u'_', u' ');
        s = next;
        // The decoded text may itself open a word, even with the '=' before it.
        from = qMax<qsizetype>(0, open - 1);
    }
    return s;
}
