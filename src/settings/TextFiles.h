#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>

// Reading and replacing the program's own text files.
namespace TextFiles {

// Decodes file bytes as UTF-8, or as Windows-1252 when they are not valid UTF-8.
QString decode(const QByteArray& bytes);

// The name of the temporary file that replaceAtomically writes beside path.
QString temporaryPath(const QString& path);

// Replaces the file at path with data: writes temporaryPath(path), flushes it to
// disk and renames it over path, creating the folder when missing. The new file
// gets permissions when given, else those of the file it replaces (0644 for a new
// one). Returns false when any step fails; path is then left as it was.
bool replaceAtomically(const QString& path, const QByteArray& data,
                       std::optional<QFileDevice::Permissions> permissions = std::nullopt);

// How many files replaceAtomically has replaced in this process so far.
int replacementCount();

} // namespace TextFiles
