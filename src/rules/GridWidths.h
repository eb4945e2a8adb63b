#pragma once

#include "rules/RuleList.h"

#include <QList>

// The column widths of the spam settings dialog's four lists, kept in the
// settings tree under "Subject", "Headers", "Sender" and "Exceptions" as "col0"
// to "col5" (-1 where none is stored).
namespace GridWidths {
// The settings tree section of a list.
QString section(RuleListKind kind);
// The six stored widths of a list, -1 where none is stored.
QList<int> read(RuleListKind kind);
// Gives the list every stored width that is not -1.
void apply(RuleList& list);
// Stores the widths of the visible columns. Throws EFileError.
void write(RuleListKind kind, const QList<int>& widths);
} // namespace GridWidths
