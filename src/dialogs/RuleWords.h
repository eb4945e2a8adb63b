#pragma once

#include "rules/RuleList.h"

#include <QString>

// The fixed words of a rule list (its headings, "Yes" and "No", the condition
// and kind words) in the user's language, for the lists on the screen and
// their print-outs. The list and its file keep them in English; what the user
// typed is shown as it is.
namespace RuleWords {
// A word a list stores in the user's language; any other text as it is.
QString word(const QString& stored);
// The cell of list at col and row as a person reads it (row 0: the headings).
QString shown(const RuleList& list, int col, int row);
// The column of list that holds the text a rule matches.
int matchesColumn(const RuleList& list);
} // namespace RuleWords
