// The rule list file: a size line "C,R", C width lines "cw N,W", then one line
// "col,row,text" per non-empty cell, row by row. Every line ends with CR LF; in
// cell text CR is written as TAB and LF as backspace.
#include "mail/Exceptions.h"
#include "rules/RuleList.h"
#include "settings/TextFiles.h"

#include <QFile>
#include <optional>

namespace {
constexpr char CR = 13, LF = 10, TAB = 9, BS = 8, EndOfFile = 26;

// More rows than any list of rules holds: such a size line is taken as corrupt
// rather than allocated.
constexpr int MaxRows = 100000;

// The lines of a list file: a line ends at CR, an LF right after it belongs to
// the line end, any other LF is text, and byte 26 ends the file.
QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    QByteArray line;
    bool any = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char b = bytes[i];
        if (b == EndOfFile) break;
        any = true;
        if (b == CR) {
            lines.append(line);
            line.clear();
            any = false;
            if (i + 1 < bytes.size() && bytes[i + 1] == LF) ++i;
            continue;
        }
        line += b;
    }
    if (any) lines.append(line);
    return lines;
}

// A whole decimal number (digits only).
std::optional<int> number(QStringView text) {
    if (text.isEmpty()) return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

QString unescapeCell(QString text) {
    text.replace(QLatin1Char(TAB), QLatin1Char(CR));
    text.replace(QLatin1Char(BS), QLatin1Char(LF));
    return text;
}

QString escapeCell(QString text) {
    text.replace(QLatin1Char(CR), QLatin1Char(TAB));
    text.replace(QLatin1Char(LF), QLatin1Char(BS));
    // Byte 26 ends the file for the reader: written as it is, it would drop the
    // rest of the cell and every later rule at the next load.
    text.replace(QLatin1Char(EndOfFile), QLatin1Char(' '));
    return text;
}
} // namespace

int RuleList::fromFileBytes(const QByteArray& bytes, const QString& path) {
    const QList<QByteArray> lines = splitLines(bytes);
    int fileColumns = 0, fileRows = 0;
    if (!lines.isEmpty() && !lines.first().isEmpty()) {
        const QString size = TextFiles::decode(lines.first());
        const qsizetype comma = size.indexOf(QLatin1Char(','));
        if (comma >= 0) {
            fileColumns = number(QStringView(size).left(comma)).value_or(0);
            fileRows = number(QStringView(size).mid(comma + 1)).value_or(0);
        }
    }
    if (fileColumns <= 0 || fileRows <= 0 || fileRows > MaxRows)
        throw EFileError(
            TrText::translate("RuleFile", "File contains no data or corrupt file %1").arg(path));

    // Columns beyond this list's own are dropped; a file with fewer gains empty ones.
    RuleList loaded(m_kind);
    loaded.m_widths = m_widths;
    loaded.m_rows.clear();
    for (int r = 0; r < fileRows; ++r)
        loaded.m_rows.append(loaded.blankRow());

    // The first non-blank line that is neither a width line nor a cell line.
    int foreignLine = 0;
    const auto foreign = [&](qsizetype i, const QString& line) {
        if (foreignLine == 0 && !line.trimmed().isEmpty()) foreignLine = int(i) + 1;
    };
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = TextFiles::decode(lines[i]);
        if (line.startsWith(QLatin1String("cw"))) {
            const qsizetype comma = line.indexOf(QLatin1Char(','));
            if (comma < 3) {
                foreign(i, line);
                continue;
            }
            const auto col = number(QStringView(line).mid(3, comma - 3));
            const auto width = number(QStringView(line).mid(comma + 1));
            if (!col || !width) foreign(i, line);
            if (col && width && *col < fileColumns) loaded.setColumnWidth(*col, *width);
            continue;
        }
        const qsizetype first = line.indexOf(QLatin1Char(','));
        const qsizetype second = first < 0 ? -1 : line.indexOf(QLatin1Char(','), first + 1);
        if (second < 0) {
            foreign(i, line);
            continue;
        }
        const auto col = number(QStringView(line).left(first));
        const auto row = number(QStringView(line).mid(first + 1, second - first - 1));
        if (!col || !row) foreign(i, line);
        if (col && row && *col < fileColumns && *row < fileRows)
            loaded.setCell(*col, *row, unescapeCell(line.mid(second + 1)));
    }
    // A list keeps at least one rule row.
    if (loaded.rowCount() < 2) loaded.m_rows.append(loaded.blankRow());
    if (m_kind == RuleListKind::Exception) loaded.m_widths[PictureIndexColumn] = HiddenColumnWidth;
    loaded.deriveImages();
    *this = std::move(loaded);
    return foreignLine;
}

int RuleList::loadFromFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw EFileError(TrText::translate("RuleFile", "File %1 not found").arg(path));
    const QByteArray bytes = f.readAll();
    f.close();
    return fromFileBytes(bytes, path);
}

QByteArray RuleList::toFileBytes() const {
    QByteArray out;
    const QByteArray crlf("\r\n");
    out += QByteArray::number(columnCount()) + ',' + QByteArray::number(rowCount()) + crlf;
    for (int c = 0; c < columnCount(); ++c) {
        const int width = m_kind == RuleListKind::Exception && c == PictureIndexColumn
                              ? HiddenColumnWidth
                              : m_widths[c];
        out += "cw " + QByteArray::number(c) + ',' + QByteArray::number(width) + crlf;
    }
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            const QString& text = m_rows[r].Cells[c];
            if (text.isEmpty()) continue;
            out += QByteArray::number(c) + ',' + QByteArray::number(r) + ',' +
                   escapeCell(text).toUtf8() + crlf;
        }
    }
    return out;
}

void RuleList::saveToFile(const QString& path) const {
    if (!TextFiles::replaceAtomically(path, toFileBytes()))
        throw EFileError(TrText::translate("RuleFile", "Unable to write to %1").arg(path));
}
