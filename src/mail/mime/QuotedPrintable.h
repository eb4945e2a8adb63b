#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>

class QIODevice;

// Decodes one quoted-printable line (cut to 255 bytes): "=XX" escapes become
// their byte, a final '=' (a soft line break) is dropped. SoftBreak, when given,
// tells whether the line was one. No line break is appended.
QByteArray DecodeQuotedPrintableLine(QByteArrayView Line, bool* SoftBreak = nullptr);

// Quoted-printable decoding of a list of lines into a byte stream. Lines that
// end in a soft line break are joined with the next; every other line ends with
// CR LF, unless its last decoded byte is 26.
class TQuotedPrintable {
public:
    // Output receives the bytes; it must be open for writing and outlive Decode.
    TQuotedPrintable(QIODevice* Output, QByteArrayList Lines);

    // Writes the decoded bytes of every line to Output. A run of joined lines of
    // 24575 bytes or more fails with "Paragraph is too large".
    void Decode();

private:
    QIODevice* m_output;
    QByteArrayList m_lines;
};
