#include "settings/IniText.h"

#include "mail/mime/Text.h"

#include <QFile>

namespace {
bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a "[name]" header line, or nothing.
std::optional<QStringView> headerName(const QString& line) {
    const QStringView t = QStringView(line).trimmed();
    if (!t.startsWith(QLatin1Char('['))) return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0) return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

bool isComment(QStringView trimmed) {
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// The ident of an "ident=value" line, or nothing.
std::optional<QStringView> identOf(const QString& line) {
    const QStringView t = QStringView(line).trimmed();
    if (t.isEmpty() || isComment(t) || headerName(line)) return std::nullopt;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) return std::nullopt;
    return QStringView(line).left(eq).trimmed();
}

bool hasLineBreak(const QString& s) {
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
}
} // namespace

IniText IniText::load(const QString& path) {
    IniText doc;
    QFile f(path);
    if (!f.exists()) return doc;
    if (!f.open(QIODevice::ReadOnly)) {
        doc.m_problem = f.errorString();
        return doc;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        doc.m_problem = f.errorString();
        return doc;
    }
    if (bytes.contains('\0')) doc.m_problem = QStringLiteral("it is not a text file");

    bool endTaken = false;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', at);
        Line line;
        if (lf < 0) {
            line.raw = bytes.mid(at);
            at = bytes.size();
        } else {
            const bool crlf = lf > at && bytes[lf - 1] == '\r';
            line.raw = bytes.mid(at, lf - at - (crlf ? 1 : 0));
            line.end = crlf ? QByteArray("\r\n") : QByteArray("\n");
            at = lf + 1;
            if (!endTaken) doc.m_end = line.end;
            endTaken = true;
        }
        doc.m_utf8 = doc.m_utf8 && QByteArrayView(line.raw).isValidUtf8();
        line.text = TextFromBytes(line.raw);
        doc.m_lines.append(line);
    }
    return doc;
}

int IniText::firstForeignLine() const {
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString& text = m_lines[i].text;
        const QStringView t = QStringView(text).trimmed();
        if (t.isEmpty() || isComment(t) || headerName(text) || identOf(text)) continue;
        return i + 1;
    }
    return 0;
}

int IniText::sectionLine(const QString& section) const {
    for (int i = 0; i < m_lines.size(); ++i) {
        const auto name = headerName(m_lines[i].text);
        if (name && sameName(*name, section)) return i;
    }
    return -1;
}

int IniText::sectionEnd(int header) const {
    int i = header + 1;
    while (i < m_lines.size() && !headerName(m_lines[i].text))
        ++i;
    return i;
}

int IniText::identLine(int header, const QString& ident) const {
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const auto name = identOf(m_lines[i].text);
        if (name && sameName(*name, ident)) return i;
    }
    return -1;
}

bool IniText::hasSection(const QString& section) const {
    return sectionLine(section) >= 0;
}

std::optional<QString> IniText::value(const QString& section, const QString& ident) const {
    const int header = sectionLine(section);
    if (header < 0) return std::nullopt;
    const int line = identLine(header, ident);
    if (line < 0) return std::nullopt;
    const QString& l = m_lines[line].text;
    return l.mid(l.indexOf(QLatin1Char('=')) + 1);
}

QByteArray IniText::encode(const QString& text) const {
    if (!m_utf8)
        if (const std::optional<QByteArray> bytes = StringToWindows1252(text)) return *bytes;
    return text.toUtf8();
}

IniText::Line IniText::newLine(const QString& text) const {
    const QByteArray raw = encode(text);
    return {raw, m_end, TextFromBytes(raw)};
}

void IniText::insertLine(int at, const QString& text) {
    // A last line without a line end gets one before anything follows it.
    if (at > 0 && m_lines[at - 1].end.isEmpty()) m_lines[at - 1].end = m_end;
    m_lines.insert(at, newLine(text));
}

bool IniText::set(const QString& section, const QString& ident, const QString& raw) {
    int header = sectionLine(section);
    if (header < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().text.trimmed().isEmpty())
            insertLine(int(m_lines.size()), QString());
        insertLine(int(m_lines.size()), QLatin1Char('[') + section + QLatin1Char(']'));
        insertLine(int(m_lines.size()), ident + QLatin1Char('=') + raw);
        return true;
    }
    const int at = identLine(header, ident);
    if (at >= 0) {
        Line& line = m_lines[at];
        // Everything up to the "=" keeps its bytes: "=" is one byte in both encodings.
        const QByteArray kept = line.raw.left(line.raw.indexOf('=') + 1);
        const QByteArray changed = kept + encode(raw);
        if (changed == line.raw) return false;
        line.raw = changed;
        line.text = TextFromBytes(changed);
        return true;
    }
    // After the section's last non-blank line, so that a blank line before the
    // next section stays where it is.
    int end = sectionEnd(header);
    while (end > header + 1 && m_lines[end - 1].text.trimmed().isEmpty())
        --end;
    insertLine(end, ident + QLatin1Char('=') + raw);
    return true;
}

QByteArray IniText::bytes() const {
    QByteArray out;
    for (const Line& l : m_lines)
        out += l.raw + l.end;
    return out;
}

bool IniText::validSection(const QString& name) {
    return !name.isEmpty() && name == name.trimmed() && !name.contains(QLatin1Char(']')) &&
           !hasLineBreak(name);
}

bool IniText::validIdent(const QString& name) {
    return !name.isEmpty() && name == name.trimmed() && !name.contains(QLatin1Char('=')) &&
           !name.startsWith(QLatin1Char('[')) && !isComment(name) && !hasLineBreak(name);
}
