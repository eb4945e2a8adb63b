#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn as SVG in the resources.
namespace Icons {

// The state image of a mark: 0 red check mark, 1 blue question mark, 2 black
// check mark, 3 to 14 the exception pictures (pointing hand, eye, lips,
// ambulance, heart, running man, smiley, wizard, green arrow, one, two and
// three dots). A null icon for any other number (no mark).
QIcon mark(int state);
// The same picture as a 16x16 pixmap; null for no mark.
QPixmap markPixmap(int state);
// Number of mark pictures ("B0" to "B14").
constexpr int MarkCount = 15;

// A named picture of the resources ("quillmere", "ANIM1", "ANIM2", "hammer",
// "bye", "door", "stop", "up", "down", "settings", "mark", "delete", "remark",
// "reset", "launch", "general", "spam", "stats", "about", "help").
QIcon named(const QString& name);
// A named picture drawn at exactly size x size pixels (for large pictures).
QPixmap pixmap(const QString& name, int size);
// The program's own icon.
inline QIcon program() {
    return named(QStringLiteral("quillmere"));
}
// Lets message boxes and buttons take their pictures from the desktop's icon
// theme; where the platform names none (a bare X server, offscreen), Adwaita
// stands in, so they are drawn crisp rather than from blurry built-in pictures.
void useDesktopIconTheme();

} // namespace Icons
