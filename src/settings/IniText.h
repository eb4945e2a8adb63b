#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

// The lines of an INI-style file: "[Section]" headers and "ident=value" lines,
// names compared without regard to case, comments and unknown lines kept as
// they are. Values are handed over raw (as they stand after the "=").
class IniText {
public:
    // The file's lines; a missing or unreadable file gives no lines.
    static IniText load(const QString& path);

    // Whether a section of that name is present.
    bool hasSection(const QString& section) const;
    // The raw text after the "=" of the first matching ident in the first matching
    // section; nothing when either is missing.
    std::optional<QString> value(const QString& section, const QString& ident) const;
    // Sets ident in section to the raw text, adding the section (at the end) and the
    // ident (after the section's last value) when missing. An existing ident keeps
    // its spelling.
    void set(const QString& section, const QString& ident, const QString& raw);

    // The whole file, lines ended by LF.
    QByteArray bytes() const;

    // Whether a name can be stored as a section or ident name and read back.
    static bool validSection(const QString& name);
    static bool validIdent(const QString& name);

private:
    int sectionLine(const QString& section) const;
    // The end of the section whose header is at line header (the next header or the end).
    int sectionEnd(int header) const;
    int identLine(int header, const QString& ident) const;

    QStringList m_lines;
};
