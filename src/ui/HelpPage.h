#pragma once

#include <QByteArray>
#include <QString>

// The help manual "quillmere.html": an HTML page of the program's resources
// with its version and the mark pictures filled in.
namespace HelpPage {

// The page's bytes for this version of the program.
QByteArray html();

// Writes html() as "quillmere.html" into folder unless the file there already
// holds exactly that (so a new version of the program brings its own page).
// Returns the file's path, or empty when it could not be written.
QString ensureIn(const QString& folder);

} // namespace HelpPage
