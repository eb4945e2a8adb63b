#include "mail/mime/QuotedPrintable.h"

#include "mail/Exceptions.h"

#include <QIODevice>

namespace {

constexpr qsizetype kLineLimit = 255;
constexpr qsizetype kParagraphLimit = 24575;

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

QByteArray DecodeQuotedPrintableLine(QByteArrayView Line, bool* SoftBreak) {
    const QByteArrayView line = Line.first(qMin(Line.size(), kLineLimit));
    const bool soft = !line.isEmpty() && line.back() == '=';
    QByteArray out;
    out.reserve(line.size());
    qsizetype i = 0;
    // The last character never starts an escape; "=X" at the end reads one digit.
    for (; i + 1 < line.size(); ++i) {
        if (line[i] == '=') {
            const int hi = hexValue(line[i + 1]);
            if (i + 2 == line.size() && hi >= 0) {
                out.append(char(hi));
                i += 1;
                continue;
            }
            const int lo = i + 2 < line.size() ? hexValue(line[i + 2]) : -1;
            if (hi >= 0 && lo >= 0) {
                out.append(char(hi * 16 + lo));
                i += 2;
                continue;
            }
        }
        out.append(line[i]);
    }
    if (i < line.size()) out.append(line[i]);
    if (soft) out.chop(1);
    if (SoftBreak) *SoftBreak = soft;
    return out;
}

TQuotedPrintable::TQuotedPrintable(QIODevice* Output, QByteArrayList Lines)
    : m_output(Output), m_lines(std::move(Lines)) {}

void TQuotedPrintable::Decode() {
    QByteArray paragraph;
    for (const QByteArray& raw : std::as_const(m_lines)) {
        bool soft = false;
        QByteArray line = DecodeQuotedPrintableLine(raw, &soft);
        if (!soft && !(line.endsWith(char(26)))) line.append("\r\n");
        if (paragraph.size() + line.size() >= kParagraphLimit)
            throw Exception(TrText::translate("Exception", "Paragraph is too large"));
        paragraph.append(line);
        if (!soft) {
            m_output->write(paragraph);
            paragraph.clear();
        }
    }
    m_output->write(paragraph);
}
