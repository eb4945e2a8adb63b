#pragma once

#include <QIcon>
#include <functional>

// The shared pictures of the marks (check mark, question mark, blacklist mark and
// the twelve exception pictures, indices 0 to 14) as the settings dialogs show
// them. The desktop program hands in its pictures; without them the dialogs
// show no pictures.
namespace MarkImages {
void setProvider(std::function<QIcon(int index)> provider);
// The picture of an index; null when there is none.
QIcon icon(int index);
} // namespace MarkImages
