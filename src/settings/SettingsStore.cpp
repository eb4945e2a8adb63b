#include "settings/SettingsStore.h"

#include "mail/Exceptions.h"
#include "settings/AppPaths.h"
#include "settings/IniText.h"
#include "settings/TextFiles.h"

namespace {
// Settings-tree values are kept exactly: backslash, CR and LF are escaped.
QString escapeTreeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescapeTreeValue(const QString& raw) {
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != QLatin1Char('\\')) {
            out += raw[i];
            continue;
        }
        if (++i >= raw.size()) return std::nullopt;
        switch (raw[i].unicode()) {
        case '\\':
            out += QLatin1Char('\\');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

// An INI value as the profile functions read it: trimmed, one pair of quotes removed.
QString iniValue(const QString& raw) {
    QString v = raw.trimmed();
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
        v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v.left(SettingsStore::IniReadLimit);
}

bool hasLineBreak(const QString& s) {
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
}
} // namespace

SettingsStore::SettingsStore(Kind kind, QString path) : m_kind(kind), m_path(std::move(path)) {}

SettingsStore SettingsStore::tree() {
    return {Kind::Tree, AppPaths::settingsTreeFile()};
}

SettingsStore SettingsStore::iniFile() {
    return {Kind::Ini, AppPaths::appFile(QStringLiteral("quillmere.ini"))};
}

SettingsGroup::SettingsGroup(const SettingsStore& store)
    : m_kind(store.kind()), m_path(store.path()), m_doc(IniText::load(m_path)),
      m_problem(m_doc.problem()) {
    // The settings tree is the program's own file: anything else in it means the
    // file is not what it seems, and writing over it could lose it.
    if (m_kind != SettingsStore::Kind::Tree || !m_problem.isEmpty()) return;
    if (!m_doc.isUtf8())
        m_problem = QStringLiteral("it is not UTF-8 text");
    else if (const int line = m_doc.firstForeignLine())
        m_problem = QStringLiteral("line %1 is not a section, a value or a comment").arg(line);
}

std::optional<QString> SettingsGroup::readRaw(const QString& section, const QString& ident) const {
    const std::optional<QString> raw = m_doc.value(section, ident);
    if (!raw) return std::nullopt;
    if (m_kind == SettingsStore::Kind::Ini) return iniValue(*raw);
    const std::optional<QString> value = unescapeTreeValue(*raw);
    if (!value)
        throw EFileError(
            TrText::translate("SettingsStore", "Invalid data type for '%1'").arg(ident));
    return value;
}

QString SettingsGroup::ReadString(const QString& section, const QString& ident,
                                  const QString& def) const {
    return readRaw(section, ident).value_or(def);
}

int SettingsGroup::ReadInteger(const QString& section, const QString& ident, int def) const {
    const std::optional<QString> raw = readRaw(section, ident);
    if (!raw) return def;
    return SettingsStore::parseInteger(*raw).value_or(def);
}

bool SettingsGroup::ReadBool(const QString& section, const QString& ident, bool def) const {
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

bool SettingsGroup::hasSection(const QString& section) const {
    return m_doc.hasSection(section);
}

void SettingsGroup::failWrite(const QString& section, const QString& ident,
                              bool sectionExisted) const {
    if (m_kind == SettingsStore::Kind::Ini)
        throw EFileError(TrText::translate("SettingsStore", "Unable to write to %1").arg(m_path));
    if (!sectionExisted)
        throw EFileError(TrText::translate("SettingsStore", "Failed to create key %1 [%2]")
                             .arg(m_path, section));
    throw EFileError(TrText::translate("SettingsStore", "Failed to set data for '%1'").arg(ident));
}

void SettingsGroup::WriteString(const QString& section, const QString& ident,
                                const QString& value) {
    const bool sectionExisted = m_doc.hasSection(section);
    // A plain INI line cannot hold a line break.
    if (!IniText::validSection(section) || !IniText::validIdent(ident) ||
        (m_kind == SettingsStore::Kind::Ini && hasLineBreak(value)))
        failWrite(section, ident, sectionExisted);
    const QString raw = m_kind == SettingsStore::Kind::Tree ? escapeTreeValue(value) : value;
    if (!m_doc.set(section, ident, raw)) return;
    if (!m_changed) {
        m_firstSection = section;
        m_firstIdent = ident;
    }
    if (!sectionExisted && m_newSection.isEmpty()) m_newSection = section;
    m_changed = true;
}

void SettingsGroup::WriteInteger(const QString& section, const QString& ident, int value) {
    WriteString(section, ident, QString::number(value));
}

void SettingsGroup::WriteBool(const QString& section, const QString& ident, bool value) {
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsGroup::commit() {
    if (!m_changed) return;
    if (!m_problem.isEmpty())
        throw EFileError(TrText::translate("SettingsStore",
                                           "Unable to write to %1: it cannot be read (%2), so it "
                                           "is left as it is")
                             .arg(m_path, m_problem));
    const bool ok =
        m_kind == SettingsStore::Kind::Tree
            ? TextFiles::replaceAtomically(m_path, m_doc.bytes(),
                                           QFileDevice::ReadOwner | QFileDevice::WriteOwner)
            : TextFiles::replaceAtomically(m_path, m_doc.bytes());
    if (ok) {
        m_changed = false;
        return;
    }
    if (!m_newSection.isEmpty()) failWrite(m_newSection, m_firstIdent, false);
    failWrite(m_firstSection, m_firstIdent, true);
}

QString SettingsStore::ReadString(const QString& section, const QString& ident,
                                  const QString& def) const {
    return SettingsGroup(*this).ReadString(section, ident, def);
}

void SettingsStore::WriteString(const QString& section, const QString& ident,
                                const QString& value) {
    SettingsGroup group(*this);
    group.WriteString(section, ident, value);
    group.commit();
}

std::optional<int> SettingsStore::parseInteger(const QString& text) {
    bool ok = false;
    if (text.size() > 2 && text[0] == QLatin1Char('0') &&
        (text[1] == QLatin1Char('x') || text[1] == QLatin1Char('X'))) {
        const QStringView digits = QStringView(text).mid(2);
        if (digits.size() > 8) return std::nullopt;
        for (const QChar c : digits) {
            const char16_t u = c.unicode();
            if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')))
                return std::nullopt;
        }
        const uint v = digits.toUInt(&ok, 16);
        return ok ? std::optional<int>(static_cast<int>(v)) : std::nullopt;
    }
    QStringView digits(text);
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+')))
        digits = digits.mid(1);
    if (digits.isEmpty()) return std::nullopt;
    for (const QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    const int v = text.toInt(&ok, 10);
    return ok ? std::optional<int>(v) : std::nullopt;
}

int SettingsStore::ReadInteger(const QString& section, const QString& ident, int def) const {
    return SettingsGroup(*this).ReadInteger(section, ident, def);
}

void SettingsStore::WriteInteger(const QString& section, const QString& ident, int value) {
    WriteString(section, ident, QString::number(value));
}

bool SettingsStore::ReadBool(const QString& section, const QString& ident, bool def) const {
    return SettingsGroup(*this).ReadBool(section, ident, def);
}

void SettingsStore::WriteBool(const QString& section, const QString& ident, bool value) {
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool SettingsStore::hasSection(const QString& section) const {
    return SettingsGroup(*this).hasSection(section);
}
