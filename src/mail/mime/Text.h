#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The whole number the text spells: an optional sign and decimal digits, nothing
// else (no blanks); empty when it is not one or does not fit an int.
std::optional<int> ParseWholeNumber(QStringView Text);

// Removes the blanks and control characters (codes 0 to 32) at both ends.
QString TrimBlanks(QStringView Text);
// Removes the blanks and control characters (codes 0 to 32) at the start.
QString TrimLeftBlanks(QStringView Text);
// Removes the blanks and control characters (codes 0 to 32) at the end.
QString TrimRightBlanks(QStringView Text);

// The bytes read as Windows-1252 (the five unassigned codes map to the C1 controls).
QString Windows1252ToString(QByteArrayView Bytes);
// The text as Windows-1252 bytes; empty when a character has no Windows-1252 byte
// (the C1 controls count as their own codes).
std::optional<QByteArray> StringToWindows1252(QStringView Text);
// The bytes read as UTF-8 when they are valid UTF-8, else as Windows-1252.
QString TextFromBytes(QByteArrayView Bytes);
// The bytes read in the named character set. A name the platform does not know,
// an empty name, or bytes that are not valid in that set are read as Windows-1252.
QString DecodeCharset(QByteArrayView Bytes, QStringView Charset);
