#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One value of a top-ten tally and how often it occurred.
struct TallyEntry {
    QString Value;
    int Count = 0;
};

// The ten most frequent values, largest count first. The values are sorted and
// counted by runs; each run becomes the text "count<TAB>value" with the count
// padded to four digits; those texts are sorted and taken from the last one
// backwards, so among equal counts the value that sorts last comes first. An
// empty value takes one of the ten places like any other (callers draw no bar
// for it).
QList<TallyEntry> TopTen(QStringList values);
