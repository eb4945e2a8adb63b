#include "rules/Blacklist.h"

#include "mail/Exceptions.h"
#include "settings/AppPaths.h"
#include "settings/TextFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

int BlacklistCompare(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive);
}

namespace {
QStringList splitLines(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

// "12345@x", "_1@x" and "@x": nothing but digits and underscores before the "@".
bool numericLocalPart(const QString& line) {
    const qsizetype at = line.indexOf(QLatin1Char('@'));
    if (at < 0) return false;
    for (qsizetype i = 0; i < at; ++i) {
        const QChar c = line[i];
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('_'))
            return false;
    }
    return true;
}
} // namespace

QString Blacklist::defaultPath() {
    return AppPaths::appFile(QStringLiteral("known.lst"));
}

void Blacklist::add(const QString& entry) {
    const auto at = std::upper_bound(
        m_entries.begin(), m_entries.end(), entry,
        [](const QString& a, const QString& b) { return BlacklistCompare(a, b) < 0; });
    m_entries.insert(at, entry);
}

int Blacklist::find(const QString& key) const {
    int low = 0, high = count() - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int c = BlacklistCompare(key, QStringView(m_entries[middle]).left(KeyWidth));
        if (c == 0) return middle;
        if (c < 0)
            high = middle - 1;
        else
            low = middle + 1;
    }
    return -1;
}

void Blacklist::load(const QString& path) {
    m_entries.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return;
    for (const QString& line : splitLines(TextFiles::decode(f.readAll())))
        if (!line.isEmpty()) m_entries.append(line);
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const QString& a, const QString& b) { return BlacklistCompare(a, b) < 0; });
}

void Blacklist::rebuildFromText(const QString& text) {
    m_entries.clear();
    QStringList lines = splitLines(text);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    QString previous;
    for (const QString& line : std::as_const(lines)) {
        const bool skip =
            line.isEmpty() || BlacklistCompare(line, previous) == 0 || numericLocalPart(line);
        previous = line;
        if (!skip) add(line);
    }
}

QByteArray Blacklist::toFileBytes() const {
    QByteArray out;
    for (const QString& e : m_entries)
        out += e.toUtf8() + "\r\n";
    return out;
}

bool Blacklist::saveIfExists(const QString& path) const {
    if (!QFileInfo::exists(path)) return false;
    if (!TextFiles::replaceAtomically(path, toFileBytes()))
        throw EFileError(TrText::translate("Blacklist", "Unable to write to %1").arg(path));
    return true;
}
