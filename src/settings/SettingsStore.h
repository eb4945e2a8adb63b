#pragma once

#include <QString>
#include <optional>

// A store of text values addressed by section and ident, both compared without
// regard to case. Integers are decimal text ("0x1F" reads as 31), booleans "1"
// and "0" (any integer other than 0 reads as true). Every call opens the file,
// does its work and closes it again: nothing is cached between calls. Reading
// never creates a section or a value; writing creates a missing section. A write
// replaces the file atomically, so a failed write leaves the old file whole.
class SettingsStore {
public:
    enum class Kind {
        // The settings tree: values kept exactly (line breaks and backslashes
        // escaped in the file), file mode 0600. Failed writes raise "Failed to
        // create key %s" or "Failed to set data for '%s'"; a value whose escapes
        // are broken fails to read with "Invalid data type for '%s'".
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
    std::optional<QString> readRaw(const QString& section, const QString& ident) const;

    Kind m_kind;
    QString m_path;
};
