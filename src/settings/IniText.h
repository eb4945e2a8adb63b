#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The lines of an INI-style file: "[Section]" headers and "ident=value" lines,
// names compared without regard to case. Each line is read on its own (UTF-8, or
// Windows-1252 when it is not valid UTF-8); a line that is not changed keeps its
// bytes and its line end, whatever it holds. Values are handed over raw (as they
// stand after the "=").
class IniText {
public:
    // The file's lines. A missing file gives no lines. A file that exists but
    // cannot be read gives no lines and says why in problem(); one that holds a
    // NUL byte is not text: its lines are read, and problem() says so.
    static IniText load(const QString& path);

    // Why the file is not fit to be written over; empty when it is.
    const QString& problem() const { return m_problem; }
    // Whether every line is valid UTF-8 (true for an empty text).
    bool isUtf8() const { return m_utf8; }
    // The number (from 1) of the first line that is neither blank, a comment, a
    // section header nor an "ident=value" line; 0 when there is none.
    int firstForeignLine() const;

    // Whether a section of that name is present.
    bool hasSection(const QString& section) const;
    // The raw text after the "=" of the first matching ident in the first matching
    // section; nothing when either is missing.
    std::optional<QString> value(const QString& section, const QString& ident) const;
    // Sets ident in section to the raw text, adding the section (at the end) and the
    // ident (after the section's last value) when missing. An existing ident keeps
    // its spelling and everything up to its "="; new text is written as UTF-8 when
    // the file is UTF-8, else as Windows-1252 where it can be. New lines take the
    // file's first line end (CR LF for a file without one). Returns whether the
    // file's bytes changed.
    bool set(const QString& section, const QString& ident, const QString& raw);

    // The whole file.
    QByteArray bytes() const;

    // Whether a name can be stored as a section or ident name and read back.
    static bool validSection(const QString& name);
    static bool validIdent(const QString& name);

private:
    struct Line {
        QByteArray raw; // the bytes without the line end
        QByteArray end; // "\r\n", "\n", or empty for a last line without one
        QString text;   // the bytes read
    };

    int sectionLine(const QString& section) const;
    // The end of the section whose header is at line header (the next header or the end).
    int sectionEnd(int header) const;
    int identLine(int header, const QString& ident) const;
    QByteArray encode(const QString& text) const;
    // A new line holding text, ended like the file's lines.
    Line newLine(const QString& text) const;
    void insertLine(int at, const QString& text);

    QList<Line> m_lines;
    QByteArray m_end = "\r\n";
    bool m_utf8 = true;
    QString m_problem;
};
