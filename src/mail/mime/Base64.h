#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Decodes one line of base64 text into at most 255 bytes. A character outside
// the alphabet (other than the padding '=') raises EMessageParserError
// "Invalid Character". A last group shorter than four characters counts as
// padded: "QQ" gives one byte.
QByteArray DecodeBase64Line(QByteArrayView Text);
// Decodes a line of base64 text of any length (a line of an attachment or a
// body), with the same rules and failures.
QByteArray DecodeBase64(QByteArrayView Text);
