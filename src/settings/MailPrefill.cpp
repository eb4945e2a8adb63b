#include "settings/MailPrefill.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

namespace {

// A key file (profiles.ini, mimeapps.list, .desktop): its sections in file
// order, each with its keys. Comments and lines without "=" are skipped.
struct KeyFile {
    struct Section {
        QString name;
        QHash<QString, QString> values;
    };
    QList<Section> sections;

    const Section* find(const QString& name) const {
        for (const Section& s : sections)
            if (s.name == name) return &s;
        return nullptr;
    }
    QString value(const QString& section, const QString& key) const {
        const Section* s = find(section);
        return s ? s->values.value(key) : QString();
    }
};

KeyFile readKeyFile(const QString& path) {
    KeyFile doc;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return doc;
    const QString text = QString::fromUtf8(file.readAll());
    for (QString line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            doc.sections.append({line.mid(1, line.size() - 2), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || doc.sections.isEmpty()) continue;
        KeyFile::Section& s = doc.sections.last();
        const QString key = line.left(eq).trimmed();
        if (!s.values.contains(key)) s.values.insert(key, line.mid(eq + 1).trimmed());
    }
    return doc;
}

// --- Thunderbird ----------------------------------------------------------------

// The profile folder in use under a folder holding profiles.ini, or empty.
QString profileFolder(const QString& root) {
    const KeyFile ini = readKeyFile(root + QStringLiteral("/profiles.ini"));
    const auto resolve = [&](const QString& path, bool relative) {
        if (path.isEmpty()) return QString();
        return relative && QDir::isRelativePath(path) ? QDir(root).filePath(path) : path;
    };
    // The profile this installation starts with.
    for (const KeyFile::Section& s : ini.sections) {
        if (!s.name.startsWith(QLatin1String("Install"))) continue;
        const QString path = s.values.value(QStringLiteral("Default"));
        if (!path.isEmpty()) return resolve(path, true);
    }
    for (const KeyFile::Section& s : ini.sections) {
        if (!s.name.startsWith(QLatin1String("Profile"))) continue;
        if (s.values.value(QStringLiteral("Default")) != QLatin1String("1")) continue;
        return resolve(s.values.value(QStringLiteral("Path")),
                       s.values.value(QStringLiteral("IsRelative"), QStringLiteral("1")) !=
                           QLatin1String("0"));
    }
    return {};
}

// A JavaScript string literal's content with its escapes resolved.
QString unescapeJs(QStringView s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c != u'\\' || i + 1 == s.size()) {
            out += c;
            continue;
        }
        const QChar e = s[++i];
        const auto hex = [&](int digits) {
            bool ok = false;
            const uint code = s.mid(i + 1, digits).toString().toUInt(&ok, 16);
            if (!ok || i + digits >= s.size()) return false;
            out += QChar(char16_t(code));
            i += digits;
            return true;
        };
        if (e == u'n')
            out += u'\n';
        else if (e == u't')
            out += u'\t';
        else if (e == u'r')
            out += u'\r';
        else if (e == u'u' && hex(4)) {
        } else if (e == u'x' && hex(2)) {
        } else
            out += e;
    }
    return out;
}

// The user_pref lines of prefs.js: name to value (a string's content, or a
// number or boolean as written).
QHash<QString, QString> readPrefs(const QString& path) {
    QHash<QString, QString> prefs;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return prefs;
    static const QRegularExpression pref(QStringLiteral(
        R"re(user_pref\s*\(\s*"((?:[^"\\]|\\.)*)"\s*,\s*(?:"((?:[^"\\]|\\.)*)"|([^\s)]+))\s*\))re"));
    const QString text = QString::fromUtf8(file.readAll());
    for (auto it = pref.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString value =
            m.capturedStart(2) >= 0 ? unescapeJs(m.capturedView(2)) : m.captured(3);
        prefs.insert(unescapeJs(m.capturedView(1)), value);
    }
    return prefs;
}

std::optional<PrefillAccount> firstMailAccount(const QHash<QString, QString>& prefs) {
    const QStringList accounts =
        prefs.value(QStringLiteral("mail.accountmanager.accounts")).split(u',', Qt::SkipEmptyParts);
    for (const QString& account : accounts) {
        const QString server =
            prefs.value(QStringLiteral("mail.account.%1.server").arg(account.trimmed()));
        if (server.isEmpty()) continue;
        const auto pref = [&](const char* name) {
            return prefs.value(
                QStringLiteral("mail.server.%1.%2").arg(server, QLatin1String(name)));
        };
        const QString type = pref("type");
        if (type != QLatin1String("pop3") && type != QLatin1String("imap")) continue;
        const bool imap = type == QLatin1String("imap");
        PrefillAccount a;
        a.Protocol = type;
        // A server renamed in the account settings keeps its first name in
        // "hostname" and the name in use in "realhostname"; so for the user.
        a.Server = pref("realhostname").isEmpty() ? pref("hostname") : pref("realhostname");
        a.UserName = pref("realuserName").isEmpty() ? pref("userName") : pref("realuserName");
        if (a.Server.isEmpty()) continue;
        bool portOk = false;
        const int port = pref("port").toInt(&portOk);
        const QString socketType = pref("socketType");
        const int securePort = imap ? 993 : 995;
        if (socketType == QLatin1String("3") ||
            (socketType.isEmpty() && portOk && port == securePort))
            a.Security = QStringLiteral("tls");
        else if (socketType == QLatin1String("2"))
            a.Security = QStringLiteral("starttls");
        else if (socketType == QLatin1String("1"))
            a.Security = QStringLiteral("starttls-optional");
        else
            a.Security = QStringLiteral("none");
        a.Port = portOk && port > 0 && port < 65536
                     ? port
                     : (a.Security == QLatin1String("tls") ? securePort : (imap ? 143 : 110));
        return a;
    }
    return std::nullopt;
}

// --- The default mail program -------------------------------------------------------

QStringList envDirs(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return (value.isEmpty() ? fallback : value).split(u':', Qt::SkipEmptyParts);
}

QString configHome() {
    const QString v = qEnvironmentVariable("XDG_CONFIG_HOME");
    return v.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : v;
}

QString dataHome() {
    const QString v = qEnvironmentVariable("XDG_DATA_HOME");
    return v.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : v;
}

// The folders that hold .desktop files, the user's first.
QStringList applicationDirs() {
    QStringList dirs{dataHome() + QStringLiteral("/applications")};
    for (const QString& d : envDirs("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")))
        dirs << d + QStringLiteral("/applications");
    return dirs;
}

// The mimeapps.list files in the order the XDG rules consult them, each
// desktop's own list before the common one.
QStringList mimeappsLists() {
    QStringList desktops;
    for (const QString& d :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        desktops << d.toLower();
    QStringList folders{configHome()};
    folders << envDirs("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    folders << applicationDirs();
    QStringList files;
    for (const QString& folder : folders) {
        for (const QString& d : desktops)
            files << folder + u'/' + d + QStringLiteral("-mimeapps.list");
        files << folder + QStringLiteral("/mimeapps.list");
    }
    return files;
}

QString findDesktopFile(const QString& id) {
    if (id.isEmpty() || id.contains(u'/')) return {};
    for (const QString& dir : applicationDirs()) {
        const QString path = dir + u'/' + id;
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

QString execOf(const QString& desktopFile) {
    const KeyFile entry = readKeyFile(desktopFile);
    return entry.value(QStringLiteral("Desktop Entry"), QStringLiteral("Exec"));
}

} // namespace

QString PrefillAccount::serverText() const {
    const bool tls = Security == QLatin1String("tls");
    const bool imap = Protocol == QLatin1String("imap");
    QString text =
        tls ? (imap ? QStringLiteral("imaps://") : QStringLiteral("pop3s://")) + Server : Server;
    if (Port != (imap ? (tls ? 993 : 143) : (tls ? 995 : 110)))
        text += u':' + QString::number(Port);
    return text;
}

std::optional<PrefillAccount> ThunderbirdMailAccount(const QString& home) {
    for (const char* root : {"/.thunderbird", "/.var/app/org.mozilla.Thunderbird/.thunderbird",
                             "/snap/thunderbird/common/.thunderbird"}) {
        const QString folder = home + QLatin1String(root);
        if (!QFileInfo::exists(folder + QStringLiteral("/profiles.ini"))) continue;
        const QString profile = profileFolder(folder);
        if (profile.isEmpty()) return std::nullopt;
        return firstMailAccount(readPrefs(profile + QStringLiteral("/prefs.js")));
    }
    return std::nullopt;
}

QString GetMailPath() {
    const QString key = QStringLiteral("x-scheme-handler/mailto");
    QStringList candidates;
    for (const QString& list : mimeappsLists()) {
        const QString ids = readKeyFile(list).value(QStringLiteral("Default Applications"), key);
        candidates << ids.split(u';', Qt::SkipEmptyParts);
    }
    // Without a default: the first program that says it handles mailto.
    for (const QString& dir : applicationDirs()) {
        const QString ids = readKeyFile(dir + QStringLiteral("/mimeinfo.cache"))
                                .value(QStringLiteral("MIME Cache"), key);
        candidates << ids.split(u';', Qt::SkipEmptyParts);
    }
    for (const QString& id : std::as_const(candidates)) {
        const QString file = findDesktopFile(id.trimmed());
        if (file.isEmpty()) continue;
        const QString command = CommandFromDesktopExec(execOf(file));
        if (!command.isEmpty()) return command;
    }
    return {};
}

QString CommandFromDesktopExec(const QString& exec) {
    // The words as the desktop entry rules split them: double quotes group,
    // a backslash inside them takes the next character as it is.
    QStringList words;
    QString word;
    bool inWord = false, quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'"')
                quoted = false;
            else if (c == u'\\' && i + 1 < exec.size())
                word += exec[++i];
            else
                word += c;
        } else if (c == u'"') {
            quoted = inWord = true;
        } else if (c == u' ' || c == u'\t') {
            if (inWord) words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words << word;

    QStringList kept;
    for (const QString& w : std::as_const(words)) {
        QString out;
        bool codeOnly = true;
        for (qsizetype i = 0; i < w.size(); ++i) {
            if (w[i] == u'%' && i + 1 < w.size()) {
                if (w[++i] == u'%') {
                    out += u'%';
                    codeOnly = false;
                }
                continue;
            }
            out += w[i];
            codeOnly = false;
        }
        if (codeOnly && !w.isEmpty()) continue; // "%u" alone: the address we never pass
        if (out.contains(u' ') || out.contains(u'"') || out.isEmpty())
            out = u'"' + QString(out).replace(u'"', QStringLiteral("\"\"\"")) + u'"';
        kept << out;
    }
    return kept.join(u' ');
}
