#pragma once

#include "settings/IniText.h"

#include <QString>
#include <optional>

// A store of text values addressed by section and ident, both compared without
// regard to case. Integers are decimal text ("0x1F" reads as 31), booleans "1"
// and "0" (any integer other than 0 reads as true). Every call opens the file,
// does its work and closes it again: nothing is cached between calls (a
// SettingsGroup does several in one opening). Reading never creates a section or
// a value; writing creates a missing section. A write replaces the file
// atomically, so a failed write leaves the old file whole, and lines it does not
// change keep their bytes and line ends (a new file gets CR LF). A file that
// exists but cannot be read whole reads as far as it can (nothing when it cannot
// be opened) and is never written over: a write that would change it raises
// "Unable to write to %s: it cannot be read (why), so it is left as it is".
class SettingsStore {
public:
    enum class Kind {
        // The settings tree: values kept exactly (line breaks and backslashes
        // escaped in the file), file mode 0600. Failed writes raise "Failed to
        // create key %s" or "Failed to set data for '%s'"; a value whose escapes
        // are broken fails to read with "Invalid data type for '%s'". A file that
        // is not UTF-8, or holds a line that is neither blank, a comment, a
        // section nor a value, counts as one that cannot be read.
        Tree,
        // A plain INI file: values trimmed and unquoted on reading and cut at 1023
        // characters. Reading cannot fail; a failed write raises "Unable to write to %s".
        Ini,
    };

    // The longest string a read of the settings file returns.
    static constexpr int IniReadLimit = 1023;

    SettingsStore(Kind kind, QString path);

    // The per-user settings tree (AppPaths::settingsTreeFile(), mode 0600).
    static SettingsStore tree();
    // The settings file "quillmere.ini" in the application folder.
    static SettingsStore iniFile();

    // The stored text, or def when the value or its section is missing.
    QString ReadString(const QString& section, const QString& ident, const QString& def) const;
    // Stores value as it is. Throws EFileError when the file cannot be written.
    void WriteString(const QString& section, const QString& ident, const QString& value);
    // The stored integer (decimal, or hexadecimal after "0x"), or def when the value
    // is missing or does not parse.
    int ReadInteger(const QString& section, const QString& ident, int def) const;
    // Stores value as decimal text.
    void WriteInteger(const QString& section, const QString& ident, int value);
    // The stored integer read with the default 1 or 0, true when not 0.
    bool ReadBool(const QString& section, const QString& ident, bool def) const;
    // Stores "1" or "0".
    void WriteBool(const QString& section, const QString& ident, bool value);

    // Whether the section exists (a read that creates nothing).
    bool hasSection(const QString& section) const;

    // The file behind this store.
    QString path() const { return m_path; }
    Kind kind() const { return m_kind; }

    // The integer rule of both stores: text longer than two characters that starts
    // with "0x" or "0X" is hexadecimal after those two, anything else decimal with an
    // optional sign; nothing when it does not parse or does not fit.
    static std::optional<int> parseInteger(const QString& text);

private:
    Kind m_kind;
    QString m_path;
};

// One group of reads and writes on a store: the file is read once when the group
// is made, reads see the group's own writes, and commit() replaces the file once,
// and only when the writes changed it. Nothing outlives the group: one that ends
// without commit() has written nothing.
class SettingsGroup {
public:
    explicit SettingsGroup(const SettingsStore& store);

    // As the store's operations of the same names.
    QString ReadString(const QString& section, const QString& ident, const QString& def) const;
    int ReadInteger(const QString& section, const QString& ident, int def) const;
    bool ReadBool(const QString& section, const QString& ident, bool def) const;
    bool hasSection(const QString& section) const;
    // Throw EFileError at once for a name or value the file cannot hold.
    void WriteString(const QString& section, const QString& ident, const QString& value);
    void WriteInteger(const QString& section, const QString& ident, int value);
    void WriteBool(const QString& section, const QString& ident, bool value);

    // Replaces the file with the group's writes in one step; nothing happens when
    // they changed nothing. Throws EFileError when the file cannot be written, or
    // exists but could not be read (it is then left as it is).
    void commit();

private:
    std::optional<QString> readRaw(const QString& section, const QString& ident) const;
    [[noreturn]] void failWrite(const QString& section, const QString& ident,
                                bool sectionExisted) const;

    SettingsStore::Kind m_kind;
    QString m_path;
    IniText m_doc;
    // Why the file must not be written over; empty when it may be.
    QString m_problem;
    bool m_changed = false;
    // For the failure text: the first section the writes created, the first ident they set.
    QString m_newSection, m_firstSection, m_firstIdent;
};
