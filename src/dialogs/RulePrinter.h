#pragma once

#include "rules/RuleList.h"

#include <QDateTime>
#include <QString>

class QPagedPaintDevice;
class QPrinter;

// Prints a rule list with its headings, centred on portrait pages: the title at
// the top centre, the date at the top left, the time at the top right and
// "Page" with the number at the bottom right of every page.
namespace RulePrinter {
// The print-out's title of a list, as in "Quillmere - Subject Line Settings".
QString title(RuleListKind kind);
// Prints list on printer (set to portrait); when is the date and time shown.
// Returns the number of pages.
int print(const RuleList& list, QPrinter& printer, const QDateTime& when);
} // namespace RulePrinter
