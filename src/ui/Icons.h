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
// The same picture as a 16x16 pixmap (drawn for the screen's scale); null for no mark.
QPixmap markPixmap(int state);
// Number of mark pictures ("B0" to "B14").
constexpr int MarkCount = 15;

// A named picture of the resources, drawn at any size it is asked for ("quillmere", "ANIM1",
// "ANIM2", "hammer", "bye", "door", "stop", "up", "down", "settings", "mark", "delete", "remark",
// "reset", "launch", "general", "spam", "stats", "about", "help").
QIcon named(const QString& name);
// A named picture drawn at exactly size x size pixels (for large pictures).
QPixmap pixmap(const QString& name, int size);
// The program's own icon.
inline QIcon program() {
    return named(QStringLiteral("quillmere"));
}
// A picture of the desktop's icon theme in its current, flat form: where the
// theme keeps its full-colour pictures of old aside (Adwaita), the "-symbolic"
// one. Null when the theme has neither.
QIcon themed(const QString& name);
// Lets message boxes and buttons take their pictures from the desktop's icon
// theme, in its flat form; where the platform names none (a bare X server,
// offscreen), Adwaita stands in. Push buttons show their text without
// pictures, whatever the desktop's style would add, and with two average
// characters' room on either side of it.
void useDesktopIconTheme();

} // namespace Icons
