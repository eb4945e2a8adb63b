#pragma once

#include <QString>
#include <QStringList>

// The user's language: which catalogue the programs load.
namespace Translations {

// The languages the environment asks for, most wanted first: the entries of
// LANGUAGE (a colon-separated list), then the first set of LC_ALL, LC_MESSAGES
// and LANG. Each is given as "de_DE" and then "de" (encoding and modifier
// dropped). English, "C" and "POSIX" end the list: the source texts are English.
QStringList wantedLanguages();

// Installs into the running application the catalogue of the first wanted
// language that Quillmere ships, with Qt's own texts for that language. Returns
// that language ("de"), or an empty string when the texts stay English.
QString install();

} // namespace Translations
