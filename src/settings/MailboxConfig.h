#pragma once

#include "mail/MailProtocol.h"
#include "mail/cache/HeaderCache.h"
#include "mail/oauth/OAuth2.h"
#include "mail/transport/MailSecurity.h"
#include "settings/Prompter.h"
#include "settings/SecretStore.h"
#include "settings/SettingsStore.h"

#include <QString>
#include <optional>

// One of the twelve mailbox slots (numbered 1 to 12). The password is plain
// text in memory and kept in the secret store (SecretStore). A slot with an
// empty server is not in use.
struct MailboxConfig {
    static constexpr int Count = 12;

    MailboxConfig() = default;
    MailboxConfig(QString server, QString userName, QString password,
                  MailSecurity security = MailSecurity::StartTlsRequired, QString trustedCert = {})
        : Server(std::move(server)), UserName(std::move(userName)), Password(std::move(password)),
          Security(security), TrustedCert(std::move(trustedCert)) {}

    QString Server;
    QString UserName;
    QString Password;
    // How the connection is protected; a new mailbox requires STARTTLS (or uses
    // TLS when its server names the secure scheme or port, see store).
    MailSecurity Security = MailSecurity::StartTlsRequired;
    // The SHA-256 fingerprint (64 hexadecimal digits) of a certificate the user
    // trusts for this server although it fails verification; empty: none.
    QString TrustedCert;
    // How the mailbox signs in ("SignIn"n: "password" or "oauth2"); a slot
    // stored before there was a choice signs in with its password.
    MailSignIn SignIn = MailSignIn::Password;
    // For OAuth2: the provider and the registered application ("OAuth2Provider"n,
    // "OAuth2ClientId"n, "OAuth2AuthUrl"n, "OAuth2TokenUrl"n, "OAuth2Scope"n);
    // the client secret is kept with the secrets. The tokens are not part of
    // the slot: see ReadOAuth2Tokens.
    OAuth2Settings OAuth2;
    // How the mailbox is reached ("Protocol"n: "pop3" or "imap"); a slot stored
    // before there was a choice is POP3.
    MailProtocol Protocol = MailProtocol::Pop3;
    // IMAP only: the folder checked ("Folder"n; empty reads as INBOX), what
    // happens to spam ("SpamAction"n: "move", the default, or "delete"), and the
    // folder it is moved into ("JunkFolder"n; empty: the server's Junk folder,
    // found or made when first needed).
    QString Folder = QStringLiteral("INBOX");
    SpamAction Action = SpamAction::Move;
    QString JunkFolder;
    // Whether checks keep the headers of listed messages in the mailbox's
    // header cache, so that the next one downloads only new ones
    // ("HeaderCache"n; missing: on).
    bool CacheHeaders = true;
    // Whether Password and the client secret hold what the store keeps: false
    // after readFields alone, or when the keyring could not be read. store()
    // then leaves the stored secrets alone unless they were given new text, so
    // that a locked keyring never turns into lost passwords.
    bool SecretsRead = true;

    bool inUse() const { return !Server.isEmpty(); }
    // The mailbox as its header cache names it (the folder "INBOX" for POP3,
    // "imap:" and the folder's name for IMAP), and the cache's file (see
    // AppPaths::headerCacheFile).
    HeaderCache::Mailbox cacheMailbox() const;
    QString headerCacheFile() const;

    // Whether n numbers a slot (1 to 12).
    static bool isSlot(int n) { return n >= 1 && n <= Count; }
    // n when it numbers a slot, else slot 1.
    static int clampSlot(int n) { return isSlot(n) ? n : 1; }
    // The current slot as stored ("Server"/"Which", 1 unless stored), and
    // storing it; in the settings tree itself or in a group of its writes.
    template <class Tree> static int readCurrentSlot(const Tree& tree) {
        return tree.ReadInteger(QStringLiteral("Server"), QStringLiteral("Which"), 1);
    }
    template <class Tree> static void writeCurrentSlot(Tree& tree, int n) {
        tree.WriteInteger(QStringLiteral("Server"), QStringLiteral("Which"), n);
    }

    // The idents of slot n in section "Server": "Server"n, "Mailbox"n, "Passwd"n,
    // "Security"n, "TrustedCert"n.
    static QString serverIdent(int n);
    static QString userIdent(int n);
    static QString passwordIdent(int n);
    static QString securityIdent(int n);
    static QString trustedCertIdent(int n);
    // "SignIn"n, "OAuth2Provider"n, "OAuth2ClientId"n, "OAuth2AuthUrl"n,
    // "OAuth2TokenUrl"n, "OAuth2Scope"n, in section "Server" as well.
    static QString signInIdent(int n);
    static QString oauth2ProviderIdent(int n);
    static QString oauth2ClientIdIdent(int n);
    static QString oauth2AuthUrlIdent(int n);
    static QString oauth2TokenUrlIdent(int n);
    static QString oauth2ScopeIdent(int n);
    // "Protocol"n, "Folder"n, "SpamAction"n, "JunkFolder"n, in section "Server" as well.
    static QString protocolIdent(int n);
    static QString folderIdent(int n);
    static QString spamActionIdent(int n);
    static QString junkFolderIdent(int n);
    // "HeaderCache"n in section "Server".
    static QString headerCacheIdent(int n);

    // Whether a server text asks for TLS from the start: the protocol's secure
    // scheme or port ("pop3s://" or 995; "imaps://" or 993). Such a server is
    // always used with TLS.
    static bool serverImpliesTls(const QString& server, MailProtocol protocol = MailProtocol::Pop3);
    // Why a server text names no server to connect to, as a sentence; empty
    // when it does: a host (after the protocol's secure scheme if wanted) and,
    // after a colon, a port number from 1 to 65535. An empty text (no server)
    // passes.
    static QString serverTextProblem(const QString& server,
                                     MailProtocol protocol = MailProtocol::Pop3);
    // The choice as it is used with server: TLS when the server asks for it,
    // else security.
    static MailSecurity effectiveSecurity(const QString& server, MailSecurity security,
                                          MailProtocol protocol = MailProtocol::Pop3);
    // Whether the connection is encrypted whatever the server offers (TLS, or
    // STARTTLS required): the only ones an OAuth2 token is sent over.
    static bool alwaysEncrypted(const QString& server, MailSecurity security,
                                MailProtocol protocol = MailProtocol::Pop3);
    // The choice for a slot stored without one: as before there was a choice,
    // TLS for a server that asks for it and STARTTLS when offered otherwise; a
    // slot not in use gets the new mailbox's default.
    static MailSecurity storedBeforeSecurity(const QString& server,
                                             MailProtocol protocol = MailProtocol::Pop3);
    // The secure scheme's prefix of a protocol: "pop3s://", "imaps://".
    static QString secureScheme(MailProtocol protocol);

    // Writes slot n: server and user name as typed, the security choice as its
    // word (TLS for a server that asks for it), the trusted fingerprint, the
    // sign-in and the OAuth2 fields to the settings tree; the password and the
    // client secret to the secret store (SecretStore). With the keyring in use
    // only the secret of the sign-in in use is written (the password, or the
    // client secret; the other entry is kept for a change back), at once and
    // before the tree, and the tree's old copy is removed on the group's
    // commit; a slot not in use has its keyring entries (tokens included)
    // removed. Without the keyring both go into the tree, enciphered (empty
    // text for none). Throws EFileError or ESecretStoreError (the tree is then
    // not to be committed). A slot given another mailbox, or whose header cache
    // is switched off, has the header cache of the mailbox it held removed.
    void store(int n) const;
    // The same as part of a group of writes to the settings tree (written on its commit).
    void store(SettingsGroup& tree, int n) const;
    // Reads slot n from the settings tree and its secrets from the secret
    // store (a password still in the tree wins: see SecretStore::read); with
    // the keyring in use only the secret of the sign-in in use, the other left
    // empty. Throws EConvertError when a secret in the tree is not hexadecimal
    // pairs, and ESecretStoreError when the keyring cannot be read; everything
    // but the secrets is then read, and they are left as they were (after
    // ESecretStoreError with SecretsRead false).
    void read(int n, SecretAccess access = SecretAccess::MayPrompt);
    // The same from a group of reads of the settings tree.
    void read(const SettingsGroup& tree, int n, SecretAccess access = SecretAccess::MayPrompt);
    // Reads everything but the secrets (Password and the client secret are
    // left as they were, SecretsRead false): no keyring is asked, nothing can
    // prompt or fail. For callers that only look at the server, the user name
    // or the sign-in.
    void readFields(int n);
    void readFields(const SettingsGroup& tree, int n);

private:
    void readSecrets(const SettingsGroup& tree, int n, SecretAccess access);
};

// What is missing in slot n, as the general settings' OK reports it: a server
// without a user name, a user name without a server, or a complete pair without
// a password (OAuth2: incomplete OAuth2 settings, an address that is not https,
// or a connection that is not always encrypted, field SignIn). Field None (and an empty text) for a
// complete or unused slot.
struct MailboxProblem {
    enum Field { None, UserName, Server, Password, SignIn };
    Field field = None;
    QString text;
};
MailboxProblem CheckMailbox(int n, const MailboxConfig& box);

// Enciphers a password for the settings tree with the shared key; empty stays empty.
QString EncipherPassword(const QString& plain);
// Deciphers a stored password; empty stays empty. Throws EConvertError.
QString DecipherPassword(const QString& stored);

// With the keyring in use, moves slot n's secrets that the settings tree still
// holds (a profile stored before) into the keyring, each removed from the tree
// only once the keyring confirmed it (SecretStore::moveIntoKeyring). Returns
// the lines saying which stayed in the tree and why; empty when all moved.
QString MoveSecretsIntoStore(int n, SecretAccess access);

// The settings-tree half of GetRemotePOPSettings: runs the one-time version step
// (warning through prompter and clearing every stored password when an older
// store holds a password for slot n) and returns slot n once the store is
// current, nothing on the step's own run. A stored password that cannot be
// deciphered is reported through prompter and left out (Password empty,
// passwordRead false).
// With SecretAccess::NeverPrompt a keyring that would have to be unlocked is
// not asked: secretError then says why the secrets were not read (the caller
// fails that mailbox with it) and passwordRead is false. With MayPrompt a
// keyring that cannot be read is reported through prompter as well.
// Secrets of an older profile still in the tree are moved into the keyring
// (MoveSecretsIntoStore); when one stays in the tree, secretNotice says so
// (and with MayPrompt the prompter shows it); the mailbox works either way.
struct RemotePOPLoad {
    MailboxConfig mailbox;
    bool passwordRead = true;
    QString secretError;
    QString secretNotice;
};
std::optional<RemotePOPLoad> LoadRemotePOPSettings(int n, Prompter& prompter,
                                                   SecretAccess access = SecretAccess::MayPrompt);

// Loads mailbox n from the settings tree into client (anything with the public
// fields Server, UserName and Password; Security and TrustedFingerprint too
// when it has them), after the one-time version step. Returns
// whether it loaded; on the version step's own run the client is left as it was.
// A password that cannot be deciphered is reported and the client's password emptied.
template <typename Client> bool GetRemotePOPSettings(int n, Client& client, Prompter& prompter) {
    const std::optional<RemotePOPLoad> load = LoadRemotePOPSettings(n, prompter);
    if (!load) return false;
    client.Server = load->mailbox.Server;
    client.UserName = load->mailbox.UserName;
    // A password that could not be read is cleared, never kept from the slot
    // loaded before: that one belongs to another server.
    client.Password = load->passwordRead ? load->mailbox.Password : QString();
    if constexpr (requires { client.Security = load->mailbox.Security; }) {
        client.Security = load->mailbox.Security;
        client.TrustedFingerprint = load->mailbox.TrustedCert;
    }
    return true;
}
