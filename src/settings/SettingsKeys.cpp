#include "settings/SettingsKeys.h"

#include "settings/MailboxConfig.h"

namespace {
using Kind = SettingsStore::Kind;
using Type = SettingsKey::Type;

QList<SettingsKey> buildKeys() {
    QList<SettingsKey> keys;
    auto tree = [&](const char* section, const char* ident, Type type, const char* def) {
        keys.append(
            {Kind::Tree, QLatin1String(section), QLatin1String(ident), type, QLatin1String(def)});
    };
    tree("General", "Logfile", Type::String, "");
    tree("General", "Mailer", Type::String, "");
    tree("General", "AlarmFile", Type::String, "");
    tree("General", "Automatic", Type::Boolean, "0");
    tree("General", "Ask", Type::Boolean, "1");
    tree("General", "Kill", Type::Boolean, "0");
    tree("General", "Minutes", Type::Integer, "10");
    tree("General", "Launch", Type::Boolean, "1");
    tree("General", "Exit", Type::Boolean, "0");
    tree("General", "Alarm", Type::Boolean, "1");
    tree("General", "Repeat", Type::Boolean, "1");
    tree("General", "RAS", Type::Integer, "0");
    // The dial-up entry's name; it wins over the position RAS when the list has it.
    tree("General", "RASName", Type::String, "");
    tree("General", "Count", Type::String, "0");
    tree("General", "SysTray", Type::Boolean, "0");
    tree("General", "Points", Type::Integer, "0");
    tree("Logfile", "Asis", Type::Boolean, "1");
    tree("Logfile", "Quarter", Type::Boolean, "0");
    tree("Logfile", "Month", Type::Boolean, "0");
    tree("Server", "Which", Type::Integer, "1");
    for (int n = 1; n <= MailboxConfig::Count; ++n) {
        const QString server = QStringLiteral("Server");
        keys.append({Kind::Tree, server, MailboxConfig::serverIdent(n), Type::String, {}});
        keys.append({Kind::Tree, server, MailboxConfig::userIdent(n), Type::String, {}});
        keys.append({Kind::Tree, server, MailboxConfig::passwordIdent(n), Type::String, {}, true});
        // "tls", "starttls", "starttls-optional" or "none"; empty: as chosen by the server field.
        keys.append({Kind::Tree, server, MailboxConfig::securityIdent(n), Type::String, {}});
        keys.append({Kind::Tree, server, MailboxConfig::trustedCertIdent(n), Type::String, {}});
        // "password" or "oauth2"; empty: password.
        keys.append({Kind::Tree, server, MailboxConfig::signInIdent(n), Type::String, {}});
        keys.append({Kind::Tree, server, MailboxConfig::oauth2ProviderIdent(n), Type::String,
                     QStringLiteral("google")});
        keys.append({Kind::Tree, server, MailboxConfig::oauth2ClientIdIdent(n), Type::String, {}});
        keys.append({Kind::Tree, server, MailboxConfig::oauth2AuthUrlIdent(n), Type::String, {}});
        keys.append({Kind::Tree, server, MailboxConfig::oauth2TokenUrlIdent(n), Type::String, {}});
        keys.append({Kind::Tree, server, MailboxConfig::oauth2ScopeIdent(n), Type::String, {}});
        // Whether checks keep the headers of listed messages for the next one.
        keys.append({Kind::Tree, server, MailboxConfig::headerCacheIdent(n), Type::Boolean,
                     QStringLiteral("1")});
        // In the tree only without a keyring (enciphered), like the password.
        keys.append(
            {Kind::Tree, server, SecretStore::clientSecretIdent(n), Type::String, {}, true});
        keys.append({Kind::Tree, server, SecretStore::tokensIdent(n), Type::String, {}, true});
        // "pop3" or "imap"; empty: pop3. The rest only for IMAP: the folder
        // checked, "move" (into the Junk folder) or "delete", and the Junk
        // folder (empty: the one the server marks, else "Junk" or "Spam").
        keys.append({Kind::Tree, server, MailboxConfig::protocolIdent(n), Type::String,
                     QStringLiteral("pop3")});
        keys.append({Kind::Tree, server, MailboxConfig::folderIdent(n), Type::String,
                     QStringLiteral("INBOX")});
        keys.append({Kind::Tree, server, MailboxConfig::spamActionIdent(n), Type::String,
                     QStringLiteral("move")});
        keys.append({Kind::Tree, server, MailboxConfig::junkFolderIdent(n), Type::String, {}});
    }
    tree("Server", "Version161", Type::String, "xx");
    // The statistics window's size and place, as Qt saves a window's geometry.
    tree("Statistics", "Window", Type::String, "");
    // Dialogs that keep the size the user left them at: -1 until first closed.
    for (const char* window : {"GeneralWindow", "MailboxDetails", "ViewHeader", "MarkForDeletion"})
        for (const char* ident : {"Width", "Height"})
            tree(window, ident, Type::Integer, "-1");
    // The main window as the user left it: -1 until it was first closed.
    for (const char* ident : {"Left", "Top", "Width", "Height", "col1", "col2", "col3"})
        tree("MainWindow", ident, Type::Integer, "-1");
    tree("MainWindow", "Maximized", Type::Boolean, "0");
    for (const char* grid : {"Subject", "Headers", "Sender", "Exceptions"})
        for (int col = 0; col <= 5; ++col)
            keys.append({Kind::Tree, QLatin1String(grid), QStringLiteral("col%1").arg(col),
                         Type::Integer, QStringLiteral("-1")});

    auto ini = [&](const char* section, const char* ident, Type type, const char* def) {
        keys.append(
            {Kind::Ini, QLatin1String(section), QLatin1String(ident), type, QLatin1String(def)});
    };
    ini("Smaller", "QSmaller", Type::Boolean, "0");
    ini("Smaller", "Num", Type::Integer, "100");
    ini("Smaller", "Check", Type::Boolean, "1");
    ini("Larger", "QLarger", Type::Boolean, "0");
    ini("Larger", "Num", Type::Integer, "20000");
    ini("Larger", "Check", Type::Boolean, "1");
    ini("Known", "QMonitor", Type::Boolean, "1");
    ini("Known", "Valid", Type::Boolean, "1");
    ini("Known", "Question", Type::Boolean, "0");
    ini("Known", "Num", Type::String, "0");
    ini("Learning", "On", Type::Boolean, "1");
    ini("Learning", "Check", Type::Boolean, "0");
    ini("Learning", "Cutoff", Type::Integer, "95");
    ini("Learning", "OwnDomains", Type::String, "");
    return keys;
}
} // namespace

SettingsStore SettingsKey::openStore() const {
    return store == Kind::Tree ? SettingsStore::tree() : SettingsStore::iniFile();
}

QString SettingsKey::readEffective() const {
    const SettingsStore s = openStore();
    switch (type) {
    case Type::Integer:
        return QString::number(s.ReadInteger(section, ident, def.toInt()));
    case Type::Boolean:
        return s.ReadBool(section, ident, def == QLatin1String("1")) ? QStringLiteral("true")
                                                                     : QStringLiteral("false");
    case Type::String:
        break;
    }
    return s.ReadString(section, ident, def);
}

std::optional<QString> SettingsKey::storedText(const QString& value) const {
    switch (type) {
    case Type::String:
        return value;
    case Type::Integer:
        if (!SettingsStore::parseInteger(value)) return std::nullopt;
        return value;
    case Type::Boolean:
        break;
    }
    if (value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return QStringLiteral("1");
    if (value.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return QStringLiteral("0");
    const std::optional<int> number = SettingsStore::parseInteger(value);
    if (!number) return std::nullopt;
    return *number != 0 ? QStringLiteral("1") : QStringLiteral("0");
}

const QList<SettingsKey>& AllSettingsKeys() {
    static const QList<SettingsKey> keys = buildKeys();
    return keys;
}

const SettingsKey* FindSettingsKey(const QString& section, const QString& ident) {
    for (const SettingsKey& k : AllSettingsKeys())
        if (k.section.compare(section, Qt::CaseInsensitive) == 0 &&
            k.ident.compare(ident, Qt::CaseInsensitive) == 0)
            return &k;
    return nullptr;
}
