#include "settings/MailboxConfig.h"

#include "mail/Exceptions.h"
#include "settings/AppPaths.h"
#include "settings/SettingsStore.h"
#include "settings/StringCipher.h"

#include <QCoreApplication>
#include <QFile>

namespace {
const QString Section = QStringLiteral("Server");
const QString VersionIdent = QStringLiteral("Version161");
const QString CurrentVersion = QStringLiteral("161");
const char* const ReenterWarning =
    QT_TRANSLATE_NOOP("MailboxConfig", "Warning: You will have to re-enter your passwords for all "
                                       "of your mailboxes!  Sorry for the inconvenience.");

// Empties ident in the tree when it holds something: a write that would change
// nothing is left out.
void clearInTree(SettingsGroup& tree, const QString& ident) {
    if (!tree.ReadString(Section, ident, {}).isEmpty()) tree.WriteString(Section, ident, {});
}
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
QString MailboxConfig::signInIdent(int n) {
    return QStringLiteral("SignIn%1").arg(n);
}
QString MailboxConfig::oauth2ProviderIdent(int n) {
    return QStringLiteral("OAuth2Provider%1").arg(n);
}
QString MailboxConfig::oauth2ClientIdIdent(int n) {
    return QStringLiteral("OAuth2ClientId%1").arg(n);
}
QString MailboxConfig::oauth2AuthUrlIdent(int n) {
    return QStringLiteral("OAuth2AuthUrl%1").arg(n);
}
QString MailboxConfig::oauth2TokenUrlIdent(int n) {
    return QStringLiteral("OAuth2TokenUrl%1").arg(n);
}
QString MailboxConfig::oauth2ScopeIdent(int n) {
    return QStringLiteral("OAuth2Scope%1").arg(n);
}
QString MailboxConfig::headerCacheIdent(int n) {
    return QStringLiteral("HeaderCache%1").arg(n);
}

HeaderCache::Mailbox MailboxConfig::cacheMailbox() const {
    // A POP3 mailbox has one folder, "INBOX". An IMAP folder's name is spelled
    // with a prefix, so that its cache is never taken for the POP3 one of the
    // same server and user; INBOX is the same folder in any case.
    if (Protocol == MailProtocol::Pop3) return {Server, UserName, QStringLiteral("INBOX")};
    QString folder = Folder.trimmed();
    if (folder.isEmpty() || folder.compare(QLatin1String("INBOX"), Qt::CaseInsensitive) == 0)
        folder = QStringLiteral("INBOX");
    return {Server, UserName, QStringLiteral("imap:") + folder};
}

QString MailboxConfig::headerCacheFile() const {
    const HeaderCache::Mailbox m = cacheMailbox();
    return AppPaths::headerCacheFile(m.Server, m.UserName, m.Folder);
}

QString MailboxConfig::protocolIdent(int n) {
    return QStringLiteral("Protocol%1").arg(n);
}
QString MailboxConfig::folderIdent(int n) {
    return QStringLiteral("Folder%1").arg(n);
}
QString MailboxConfig::spamActionIdent(int n) {
    return QStringLiteral("SpamAction%1").arg(n);
}
QString MailboxConfig::junkFolderIdent(int n) {
    return QStringLiteral("JunkFolder%1").arg(n);
}

QString MailboxConfig::secureScheme(MailProtocol protocol) {
    return protocol == MailProtocol::Imap ? QStringLiteral("imaps://") : QStringLiteral("pop3s://");
}

bool MailboxConfig::serverImpliesTls(const QString& server, MailProtocol protocol) {
    const QString text = server.trimmed();
    if (text.startsWith(secureScheme(protocol), Qt::CaseInsensitive)) return true;
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon < 0) return false;
    // The socket reads the port as a number and keeps its low 16 bits.
    bool ok = false;
    const int port = text.mid(colon + 1).toInt(&ok);
    return ok && (port & 0xFFFF) == (protocol == MailProtocol::Imap ? 993 : 995);
}

QString MailboxConfig::serverTextProblem(const QString& server, MailProtocol protocol) {
    QString rest = server.trimmed();
    if (rest.isEmpty()) return {};
    if (rest.startsWith(secureScheme(protocol), Qt::CaseInsensitive))
        rest = rest.mid(secureScheme(protocol).size());
    // The host ends at the first colon, as the connection reads it.
    const qsizetype colon = rest.indexOf(u':');
    if (rest.left(colon).isEmpty()) return QStringLiteral("%1 names no host").arg(server);
    if (colon < 0) return {};
    const QString port = rest.mid(colon + 1);
    if (port.isEmpty()) return QStringLiteral("%1 has no port after its colon").arg(server);
    bool digits = port.size() <= 5;
    for (const QChar c : port)
        digits = digits && c >= u'0' && c <= u'9';
    const int number = digits ? port.toInt() : 0;
    if (number < 1 || number > 65535)
        return QStringLiteral("%1 is not a port number (1 to 65535)").arg(port);
    return {};
}

MailSecurity MailboxConfig::effectiveSecurity(const QString& server, MailSecurity security,
                                              MailProtocol protocol) {
    return serverImpliesTls(server, protocol) ? MailSecurity::Tls : security;
}

bool MailboxConfig::alwaysEncrypted(const QString& server, MailSecurity security,
                                    MailProtocol protocol) {
    const MailSecurity used = effectiveSecurity(server, security, protocol);
    return used == MailSecurity::Tls || used == MailSecurity::StartTlsRequired;
}

MailSecurity MailboxConfig::storedBeforeSecurity(const QString& server, MailProtocol protocol) {
    if (server.isEmpty()) return MailboxConfig{}.Security;
    return serverImpliesTls(server, protocol) ? MailSecurity::Tls : MailSecurity::StartTlsOptional;
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
                QCoreApplication::translate("MailboxConfig",
                                            "Mailbox %1 has a server %2 but no mailbox")
                    .arg(n)
                    .arg(box.Server)};
    if (box.Server.isEmpty() && !box.UserName.isEmpty())
        return {MailboxProblem::Server,
                QCoreApplication::translate("MailboxConfig", "Mailbox %1 %2 has a blank server")
                    .arg(n)
                    .arg(box.UserName)};
    if (!box.Server.isEmpty() && box.SignIn == MailSignIn::OAuth2) {
        // No password: the token is sent, and only over an encrypted connection.
        OAuth2Settings settings = box.OAuth2;
        // A client secret the keyring did not give is not known to be missing.
        if (!box.SecretsRead && settings.ClientSecret.isEmpty())
            settings.ClientSecret = QStringLiteral("(kept)");
        if (const QString missing = settings.missing(); !missing.isEmpty())
            return {MailboxProblem::SignIn,
                    QCoreApplication::translate("MailboxConfig",
                                                "Mailbox %1 - the OAuth2 sign-in is incomplete. %2")
                        .arg(n)
                        .arg(missing)};
        if (const QString unsafe = settings.unsafeAddress(); !unsafe.isEmpty())
            return {
                MailboxProblem::SignIn,
                QCoreApplication::translate("MailboxConfig", "Mailbox %1 - %2").arg(n).arg(unsafe)};
        if (!MailboxConfig::alwaysEncrypted(box.Server, box.Security, box.Protocol))
            return {MailboxProblem::SignIn,
                    QCoreApplication::translate("MailboxConfig",
                                                "Mailbox %1 - OAuth2 is sent only over an "
                                                "encrypted connection: choose \"TLS\" or "
                                                "\"STARTTLS required\" as its security")
                        .arg(n)};
        return {};
    }
    if (!box.Server.isEmpty() && box.Password.isEmpty())
        return {
            MailboxProblem::Password,
            QCoreApplication::translate("MailboxConfig", "Mailbox %1 - there is no password set")
                .arg(n)};
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
    MailboxConfig held;
    held.readFields(tree, n);
    // Another server, user name, protocol or folder is another mailbox.
    const bool sameMailbox = held.headerCacheFile() == headerCacheFile();
    // Headers of a mailbox the slot no longer checks, or may no longer keep, go.
    if (held.inUse() && (!sameMailbox || !CacheHeaders)) QFile::remove(held.headerCacheFile());
    tree.WriteString(Section, serverIdent(n), Server);
    tree.WriteString(Section, userIdent(n), UserName);
    tree.WriteString(Section, securityIdent(n),
                     securityWord(effectiveSecurity(Server, Security, Protocol)));
    tree.WriteString(Section, trustedCertIdent(n), normalizedFingerprint(TrustedCert));
    tree.WriteString(Section, signInIdent(n), signInWord(SignIn));
    tree.WriteString(Section, oauth2ProviderIdent(n), OAuth2.Provider);
    tree.WriteString(Section, oauth2ClientIdIdent(n), OAuth2.ClientId);
    tree.WriteString(Section, oauth2AuthUrlIdent(n), OAuth2.AuthorizationUrl);
    tree.WriteString(Section, oauth2TokenUrlIdent(n), OAuth2.TokenUrl);
    tree.WriteString(Section, oauth2ScopeIdent(n), OAuth2.Scope);
    // A POP3 mailbox that never had the IMAP fields gains no lines for them.
    const auto imapField = [&](const QString& ident, const QString& value, const QString& none) {
        if (value != none || !tree.ReadString(Section, ident, {}).isEmpty())
            tree.WriteString(Section, ident, value);
    };
    imapField(protocolIdent(n), protocolWord(Protocol), protocolWord(MailProtocol::Pop3));
    imapField(folderIdent(n), Folder.trimmed(), QStringLiteral("INBOX"));
    imapField(spamActionIdent(n), spamActionWord(Action), spamActionWord(SpamAction::Move));
    imapField(junkFolderIdent(n), JunkFolder.trimmed(), QString());
    // Written once it differs from the default, so that older profiles stay as they are.
    if (!CacheHeaders || !tree.ReadString(Section, headerCacheIdent(n), {}).isEmpty())
        tree.WriteBool(Section, headerCacheIdent(n), CacheHeaders);

    const QString passwordKey = passwordIdent(n);
    const QString secretKey = SecretStore::clientSecretIdent(n);
    const QString tokensKey = SecretStore::tokensIdent(n);
    // Secrets that were never read, and were not given new text, stay as stored.
    const bool writePassword = SecretsRead || !Password.isEmpty();
    const bool writeSecret = SecretsRead || !OAuth2.ClientSecret.isEmpty();
    if (SecretStore::backend() == SecretStore::Backend::SettingsTree) {
        if (writePassword || !inUse())
            tree.WriteString(Section, passwordKey, EncipherPassword(Password));
        if ((writeSecret || !inUse()) &&
            (!OAuth2.ClientSecret.isEmpty() || !tree.ReadString(Section, secretKey, {}).isEmpty()))
            tree.WriteString(Section, secretKey, EncipherPassword(OAuth2.ClientSecret));
        if (!inUse()) clearInTree(tree, tokensKey);
        return;
    }
    // The keyring first: the tree's copies go with the group's commit, and only
    // once the keyring confirmed every write (a failure raises and the caller
    // commits nothing).
    // Only the secret of the sign-in in use is read and written, so that a
    // keyring that cannot be read for the other one does not stop this one;
    // the other entry is kept for a change back.
    const bool all = !inUse();
    const bool passwordWritten = all || (SignIn == MailSignIn::Password && writePassword);
    const bool secretWritten = all || (SignIn == MailSignIn::OAuth2 && writeSecret);
    if (all) {
        for (const QString& ident : {passwordKey, secretKey, tokensKey})
            SecretStore::remove(ident);
    } else if (passwordWritten) {
        SecretStore::write(passwordKey, Password);
    } else if (secretWritten) {
        SecretStore::write(secretKey, OAuth2.ClientSecret);
    }
    // The tree's copies of the secrets just written go; the others stay until
    // they are moved (MoveSecretsIntoStore).
    if (passwordWritten) clearInTree(tree, passwordKey);
    if (secretWritten) clearInTree(tree, secretKey);
    if (all) clearInTree(tree, tokensKey);
}

void MailboxConfig::read(int n, SecretAccess access) {
    read(SettingsGroup(SettingsStore::tree()), n, access);
}

void MailboxConfig::read(const SettingsGroup& tree, int n, SecretAccess access) {
    readFields(tree, n);
    try {
        readSecrets(tree, n, access);
    } catch (const EConvertError&) {
        // Text that is no secret at all: nothing is lost by writing over it.
        SecretsRead = true;
        throw;
    }
    SecretsRead = true;
}

void MailboxConfig::readFields(int n) {
    readFields(SettingsGroup(SettingsStore::tree()), n);
}

void MailboxConfig::readFields(const SettingsGroup& tree, int n) {
    SecretsRead = false;
    Server = tree.ReadString(Section, serverIdent(n), QString());
    UserName = tree.ReadString(Section, userIdent(n), QString());
    // Every mailbox stored before there was a choice is POP3; a word that
    // names no protocol (edited by hand) reads as POP3 too.
    Protocol = protocolFromWord(tree.ReadString(Section, protocolIdent(n), QString()))
                   .value_or(MailProtocol::Pop3);
    Folder = tree.ReadString(Section, folderIdent(n), QString()).trimmed();
    if (Folder.isEmpty()) Folder = QStringLiteral("INBOX");
    Action = spamActionFromWord(tree.ReadString(Section, spamActionIdent(n), QString()))
                 .value_or(SpamAction::Move);
    JunkFolder = tree.ReadString(Section, junkFolderIdent(n), QString()).trimmed();
    // A word that names no choice (edited by hand) gets the strictest upgrade.
    const QString word = tree.ReadString(Section, securityIdent(n), QString());
    Security = word.isEmpty()
                   ? storedBeforeSecurity(Server, Protocol)
                   : effectiveSecurity(
                         Server, securityFromWord(word).value_or(MailSecurity::StartTlsRequired),
                         Protocol);
    TrustedCert = normalizedFingerprint(tree.ReadString(Section, trustedCertIdent(n), QString()));
    SignIn = signInFromWord(tree.ReadString(Section, signInIdent(n), QString()))
                 .value_or(MailSignIn::Password);
    OAuth2.Provider =
        tree.ReadString(Section, oauth2ProviderIdent(n), OAuth2Settings{}.Provider).trimmed();
    if (OAuth2.Provider.isEmpty()) OAuth2.Provider = OAuth2Settings{}.Provider;
    OAuth2.ClientId = tree.ReadString(Section, oauth2ClientIdIdent(n), QString());
    OAuth2.AuthorizationUrl = tree.ReadString(Section, oauth2AuthUrlIdent(n), QString());
    OAuth2.TokenUrl = tree.ReadString(Section, oauth2TokenUrlIdent(n), QString());
    OAuth2.Scope = tree.ReadString(Section, oauth2ScopeIdent(n), QString());
    OAuth2.Protocol = Protocol;
    CacheHeaders = tree.ReadBool(Section, headerCacheIdent(n), true);
}

void MailboxConfig::readSecrets(const SettingsGroup& tree, int n, SecretAccess access) {
    // A failure leaves the secrets as they were.
    const QString storedPassword = tree.ReadString(Section, passwordIdent(n), QString());
    const QString storedSecret =
        tree.ReadString(Section, SecretStore::clientSecretIdent(n), QString());
    if (SecretStore::backend() == SecretStore::Backend::SettingsTree || !inUse()) {
        Password = DecipherPassword(storedPassword);
        OAuth2.ClientSecret = DecipherPassword(storedSecret);
        return;
    }
    // Only the secret of the sign-in in use is asked of the keyring (see
    // store); a copy still in the tree is the newest (see SecretStore::read).
    if (SignIn == MailSignIn::Password) {
        Password = storedPassword.isEmpty()
                       ? SecretStore::read(passwordIdent(n), access).value_or(QString())
                       : DecipherPassword(storedPassword);
        OAuth2.ClientSecret.clear();
    } else {
        OAuth2.ClientSecret =
            storedSecret.isEmpty()
                ? SecretStore::read(SecretStore::clientSecretIdent(n), access).value_or(QString())
                : DecipherPassword(storedSecret);
        Password.clear();
    }
}

QString MoveSecretsIntoStore(int n, SecretAccess access) {
    QStringList failures;
    for (const QString& ident : {MailboxConfig::passwordIdent(n), SecretStore::clientSecretIdent(n),
                                 SecretStore::tokensIdent(n)}) {
        const QString failure = SecretStore::moveIntoKeyring(ident, access);
        if (!failure.isEmpty()) failures.append(failure);
    }
    return failures.join(u'\n');
}

std::optional<RemotePOPLoad> LoadRemotePOPSettings(int n, Prompter& prompter, SecretAccess access) {
    // One opening of the settings tree; everything is read before anything is written.
    SettingsGroup tree(SettingsStore::tree());
    const QString storedPassword = tree.ReadString(Section, MailboxConfig::passwordIdent(n), {});
    const QString version = tree.ReadString(Section, VersionIdent, QStringLiteral("xx"));

    if (version == CurrentVersion) {
        // The marker reads "161" already: writing it again would change nothing.
        RemotePOPLoad load;
        try {
            load.mailbox.read(tree, n, access);
        } catch (const EConvertError& e) {
            prompter.error(e.message());
            load.mailbox.Password.clear();
            load.passwordRead = false;
        } catch (const ESecretStoreError& e) {
            // A run that may not prompt fails this mailbox with the text instead.
            if (access == SecretAccess::MayPrompt)
                prompter.error(e.message());
            else
                load.secretError = e.message();
            load.mailbox.Password.clear();
            load.mailbox.OAuth2.ClientSecret.clear();
            load.passwordRead = false;
        }
        if (load.passwordRead && load.mailbox.inUse()) {
            // The secrets are read: moving them cannot lose them now.
            load.secretNotice = MoveSecretsIntoStore(n, access);
            if (!load.secretNotice.isEmpty() && access == SecretAccess::MayPrompt)
                prompter.message(load.secretNotice, Prompter::Icon::Warning, Prompter::Buttons::Ok);
        }
        return load;
    }

    tree.WriteString(Section, VersionIdent, CurrentVersion);
    if (!storedPassword.isEmpty()) {
        prompter.message(QCoreApplication::translate("MailboxConfig", ReenterWarning),
                         Prompter::Icon::Warning, Prompter::Buttons::Ok);
        for (int i = 1; i <= MailboxConfig::Count; ++i)
            tree.WriteString(Section, MailboxConfig::passwordIdent(i), QString());
    }
    tree.commit();
    return std::nullopt;
}
