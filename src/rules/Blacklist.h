#pragma once

#include <QString>
#include <QStringList>

// The one order of blacklist text, used both to keep the list sorted and to
// search it: case-insensitive (by Unicode case folding), otherwise by character
// code. Negative, 0 or positive like QString::compare. A text sorts before every
// longer text that starts with it, so bisecting over cut entries stays sound.
int BlacklistCompare(QStringView a, QStringView b);

// The known-spammer blacklist: addresses and domain names, kept sorted by
// BlacklistCompare, stored one per line (CR LF) in "known.lst".
class Blacklist {
public:
    // How many leading characters of an entry a look-up compares.
    static constexpr int KeyWidth = 80;

    // "known.lst" in the application folder.
    static QString defaultPath();

    // The entries in sorted order.
    const QStringList& entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }
    void clear() { m_entries.clear(); }
    // Adds an entry at its sorted place (after entries that compare equal).
    void add(const QString& entry);

    // Bisects for key, comparing it with the first KeyWidth characters of the
    // entries; the index of an equal entry, or -1.
    int find(const QString& key) const;

    // Empties the list and loads the file, one entry per line (any order; empty
    // lines skipped); a missing file leaves the list empty.
    void load(const QString& path);
    // Rebuilds the list from an editor's text: every line but a final empty one,
    // skipping empty lines, a line equal to the line before it (without regard to
    // case), and an address whose part before the first "@" is only digits and
    // underscores (or nothing).
    void rebuildFromText(const QString& text);
    // Writes the list to path when that file exists; returns whether it wrote.
    // Throws EFileError "Unable to write to %s".
    bool saveIfExists(const QString& path) const;
    // The file's bytes: each entry followed by CR LF.
    QByteArray toFileBytes() const;

private:
    QStringList m_entries;
};
