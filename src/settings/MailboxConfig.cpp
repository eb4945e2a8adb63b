#include "settings/MailboxConfig.h"

#include "mail/Exceptions.h"
#include "settings/SettingsStore.h"
#include "settings/StringCipher.h"

namespace {
const QString Section = QStringLiteral("Server");
const QString VersionIdent = QStringLiteral("Version161");
const QString CurrentVersion = QStringLiteral("161");
const QString ReenterWarning = QStringLiteral("Warning: You will have to re-enter your passwords "
                                              "for all of your mailboxes!  Sorry for the "
                                              "inconvenience.");
} // namespace

QString MailboxConfig::serverIdent(int n) {
    return QStringLiteral("Server%1").arg(n);
}
QString MailboxConfig::userIdent(int n) {
    return QStringLiteral("Mailbox%1").arg(n);
}
QString MailboxConfig::passwordIdent(int n) {
    return QStringLiteral("Passwd%1").arg(n);
}
QString MailboxConfig::securityIdent(int n) {
    return QStringLiteral("Security%1").arg(n);
}
QString MailboxConfig::trustedCertIdent(int n) {
    return QStringLiteral("TrustedCert%1").arg(n);
}

bool MailboxConfig::serverImpliesTls(const QString& server) {
    const QString text = server.trimmed();
    if (text.startsWith(QLatin1String("pop3s://"), Qt::CaseInsensitive)) return true;
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon < 0) return false;
    // The socket reads the port as a number and keeps its low 16 bits.
    bool ok = false;
    const int port = text.mid(colon + 1).toInt(&ok);
    return ok && (port & 0xFFFF) == 995;
}

MailSecurity MailboxConfig::effectiveSecurity(const QString& server, MailSecurity security) {
    return serverImpliesTls(server) ? MailSecurity::Tls : security;
}

MailSecurity MailboxConfig::storedBeforeSecurity(const QString& server) {
    if (server.isEmpty()) return MailboxConfig{}.Security;
    return serverImpliesTls(server) ? MailSecurity::Tls : MailSecurity::StartTlsOptional;
}

namespace {
QString runCipher(TActionType action, const QString& input) {
    TStringCipher cipher;
    cipher.Key = PasswordCipherKey;
    cipher.Action = action;
    cipher.Input = input;
    cipher.Execute();
    return cipher.Output;
}
} // namespace

MailboxProblem CheckMailbox(int n, const MailboxConfig& box) {
    if (!box.Server.isEmpty() && box.UserName.isEmpty())
        return {MailboxProblem::UserName,
                QStringLiteral("Mailbox %1 has a server %2 but no mailbox").arg(n).arg(box.Server)};
    if (box.Server.isEmpty() && !box.UserName.isEmpty())
        return {MailboxProblem::Server,
                QStringLiteral("Mailbox %1 %2 has a blank server").arg(n).arg(box.UserName)};
    if (!box.Server.isEmpty() && box.Password.isEmpty())
        return {MailboxProblem::Password,
                QStringLiteral("Mailbox %1 - there is no password set").arg(n)};
    return {};
}

QString EncipherPassword(const QString& plain) {
    return runCipher(atEncryption, plain);
}

QString DecipherPassword(const QString& stored) {
    return runCipher(atDecryption, stored);
}

void MailboxConfig::store(int n) const {
    SettingsGroup tree(SettingsStore::tree());
    store(tree, n);
    tree.commit();
}

void MailboxConfig::store(SettingsGroup& tree, int n) const {
    tree.WriteString(Section, serverIdent(n), Server);
    tree.WriteString(Section, userIdent(n), UserName);
    tree.WriteString(Section, passwordIdent(n), EncipherPassword(Password));
    tree.WriteString(Section, securityIdent(n), securityWord(effectiveSecurity(Server, Security)));
    tree.WriteString(Section, trustedCertIdent(n), normalizedFingerprint(TrustedCert));
}

void MailboxConfig::read(int n) {
    read(SettingsGroup(SettingsStore::tree()), n);
}

void MailboxConfig::read(const SettingsGroup& tree, int n) {
    Server = tree.ReadString(Section, serverIdent(n), QString());
    UserName = tree.ReadString(Section, userIdent(n), QString());
    // A word that names no choice (edited by hand) gets the strictest upgrade.
    const QString word = tree.ReadString(Section, securityIdent(n), QString());
    Security = word.isEmpty() ? storedBeforeSecurity(Server)
                              : effectiveSecurity(Server, securityFromWord(word).value_or(
                                                              MailSecurity::StartTlsRequired));
    TrustedCert = normalizedFingerprint(tree.ReadString(Section, trustedCertIdent(n), QString()));
    Password = DecipherPassword(tree.ReadString(Section, passwordIdent(n), QString()));
}

std::optional<RemotePOPLoad> LoadRemotePOPSettings(int n, Prompter& prompter, SecretAccess) {
    // One opening of the settings tree; everything is read before anything is written.
    SettingsGroup tree(SettingsStore::tree());
    const QString storedPassword = tree.ReadString(Section, MailboxConfig::passwordIdent(n), {});
    const QString version = tree.ReadString(Section, VersionIdent, QStringLiteral("xx"));

    if (version == CurrentVersion) {
        // The marker reads "161" already: writing it again would change nothing.
        RemotePOPLoad load;
        try {
            load.mailbox.read(tree, n);
        } catch (const EConvertError& e) {
            prompter.error(e.message());
            load.mailbox.Password.clear();
            load.passwordRead = false;
        }
        return load;
    }

    tree.WriteString(Section, VersionIdent, CurrentVersion);
    if (!storedPassword.isEmpty()) {
        prompter.message(ReenterWarning, Prompter::Icon::Warning, Prompter::Buttons::Ok);
        for (int i = 1; i <= MailboxConfig::Count; ++i)
            tree.WriteString(Section, MailboxConfig::passwordIdent(i), QString());
    }
    tree.commit();
    return std::nullopt;
}
