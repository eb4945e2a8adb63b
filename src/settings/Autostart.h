#pragma once

#include <QByteArray>
#include <QString>

// Starting Quillmere with the desktop session: an autostart entry
// (quillmere.desktop) in $XDG_CONFIG_HOME/autostart, as desktops read it.
namespace Autostart {

// Where the entry lives.
QString entryPath();

// The entry exists and the desktop has not switched it off (Hidden=true, or
// X-GNOME-Autostart-enabled=false).
bool isEnabled();

// The entry's text for starting program (an absolute path).
QByteArray entryText(const QString& program);

// Writes the entry for program (atomically, creating the folder) or removes it.
// Throws EFileError when that fails; the old entry is then left as it was.
void setEnabled(bool enabled, const QString& program);

} // namespace Autostart
