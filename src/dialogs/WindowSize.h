#pragma once

#include <QSize>
#include <QString>

class QWidget;

// A resizable window that opens at the size the user left it: section of the
// settings tree holds "Width" and "Height".
namespace WindowSize {

// Resizes window to the stored size (defaultSize the first time), fits it into
// its screen and grows it to its least size each time it is shown, and stores
// its size each time it is hidden. A size that cannot be stored is not worth a message box.
void keep(QWidget* window, const QString& section, QSize defaultSize);

} // namespace WindowSize
