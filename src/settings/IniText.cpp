#include "settings/IniText.h"

#include "settings/TextFiles.h"

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
    if (!f.open(QIODevice::ReadOnly)) return doc;
    QString text = TextFiles::decode(f.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    doc.m_lines = text.split(QLatin1Char('\n'));
    if (!doc.m_lines.isEmpty() && doc.m_lines.last().isEmpty()) doc.m_lines.removeLast();
    return doc;
}

int IniText::sectionLine(const QString& section) const {
    for (int i = 0; i < m_lines.size(); ++i) {
        const auto name = headerName(m_lines[i]);
        if (name && sameName(*name, section)) return i;
    }
    return -1;
}

int IniText::sectionEnd(int header) const {
    int i = header + 1;
    while (i < m_lines.size() && !headerName(m_lines[i]))
        ++i;
    return i;
}

int IniText::identLine(int header, const QString& ident) const {
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const auto name = identOf(m_lines[i]);
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
    const QString& l = m_lines[line];
    return l.mid(l.indexOf(QLatin1Char('=')) + 1);
}

void IniText::set(const QString& section, const QString& ident, const QString& raw) {
    int header = sectionLine(section);
    if (header < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty()) m_lines.append(QString());
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(ident + QLatin1Char('=') + raw);
        return;
    }
    const int line = identLine(header, ident);
    if (line >= 0) {
        const QString& old = m_lines[line];
        m_lines[line] = old.left(old.indexOf(QLatin1Char('=')) + 1) + raw;
        return;
    }
    // After the section's last non-blank line, so that a blank line before the
    // next section stays where it is.
    int at = sectionEnd(header);
    while (at > header + 1 && m_lines[at - 1].trimmed().isEmpty())
        --at;
    m_lines.insert(at, ident + QLatin1Char('=') + raw);
}

QByteArray IniText::bytes() const {
    QByteArray out;
    for (const QString& l : m_lines) {
        out += l.toUtf8();
        out += '\n';
    }
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
