#pragma once

#include <QString>

// Decodes the encoded words ("=?charset?B?...?=" and "=?charset?Q?...?=", the
// letter in either case) of a header value of at most 255 characters,
// converting each from the character set it names (Windows-1252 when the name
// is unknown); the result holds at most 255 characters. A word that cannot be
// decoded (an unknown encoding letter, a character outside the base64
// alphabet) stays as it stands; an "=?" without a closing "?=" is dropped with
// everything after it. Once a word was decoded the text after it loses its
// surrounding blanks and every '_' becomes a space.
QString DecodeHeaderText(const QString& Text);
