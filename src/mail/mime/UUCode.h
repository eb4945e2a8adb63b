#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// True for the line that opens uuencoded content: "begin", in any case, then a
// three-digit mode ("begin 644 file.zip"); the line is longer than eight characters.
bool IsUUBeginLine(const QString& Line);

// The file name of a begin line: the text after its first ten characters, up to
// the next space, or between double quotes when it starts with one.
QString UUFileName(const QString& Line);

// Decodes one uuencoded line (cut to 255 bytes). Its first character gives the
// number of bytes it carries. A character outside " " to "`" raises
// EMessageParserError "Invalid Character".
QByteArray DecodeUULine(QByteArrayView Line);
