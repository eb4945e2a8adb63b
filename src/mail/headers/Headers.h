#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A message header as a list of lines in the order received; continuation
// lines (beginning with a space or a tab) are entries of their own and are
// joined only when a value is read.
class TmsHeaders : public QStringList {
public:
    using QStringList::QStringList;
    TmsHeaders() = default;
    // The given lines, as they stand.
    TmsHeaders(const QStringList& lines) : QStringList(lines) {}

    // Replaces the lines with those of raw, split at CR LF, LF or CR. Each line
    // is read as UTF-8 when it is valid UTF-8, else as Windows-1252.
    void LoadFromBytes(const QByteArray& raw);

    // The value of the first field called Name, continuation lines joined, decoded.
    QString GetFieldValue(const QString& Name) const;
    // Every comma-separated item of every field that starts with Name, decoded.
    void GetFieldList(const QString& Name, QStringList& List) const;
    // Removes the first field called Name with its continuation lines.
    void DeleteField(const QString& Name);
    // Removes the first empty line and everything after it.
    void StripBody();
};

// Skip words are removed (each up to and including its first space); with
// Single the result ends at the next space. ExtractWord("+OK 3 abc", 2, true) is "abc".
QString ExtractWord(const QString& Text, int Skip, bool Single);
