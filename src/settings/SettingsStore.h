#pragma once

#include <QString>

// A store of text values addressed by section and ident, both compared without
// regard to case. Integers are decimal text ("0x1F" reads as 31), booleans "1"
// and "0" (any integer other than 0 reads as true). Every call opens the file,
// does its work and closes it again: nothing is cached between calls.
class SettingsStore {
public:
    // The per-user settings tree (AppPaths::settingsTreeFile(), mode 0600).
    static SettingsStore tree();
    // The settings file "quillmere.ini" in the application folder.
    static SettingsStore iniFile();

    QString ReadString(const QString& section, const QString& ident, const QString& def) const;
    void WriteString(const QString& section, const QString& ident, const QString& value);
    int ReadInteger(const QString& section, const QString& ident, int def) const;
    void WriteInteger(const QString& section, const QString& ident, int value);
    bool ReadBool(const QString& section, const QString& ident, bool def) const;
    void WriteBool(const QString& section, const QString& ident, bool value);

    // The file behind this store.
    QString path() const;
    // (The constructor and the rest of the state are the settings layer's own.)
};
