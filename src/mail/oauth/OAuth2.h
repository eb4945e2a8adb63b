#pragma once

#include "mail/MailProtocol.h"
#include "mail/TrText.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// How a mailbox signs in: USER and PASS with its password, or OAuth2 through
// SASL (AUTH OAUTHBEARER or XOAUTH2) with an access token.
enum class MailSignIn { Password, OAuth2 };

// The word in the settings tree and on the command line: "password", "oauth2".
QString signInWord(MailSignIn method);
// The method a word names (without regard to case); nothing for any other word.
std::optional<MailSignIn> signInFromWord(const QString& word);

// A provider the sign-in knows: where the user signs in, where tokens are
// fetched, and the scopes that grant POP3 and IMAP. "custom" carries no
// endpoints: the mailbox gives its own.
struct OAuth2Provider {
    QString Word;             // "google", "microsoft", "custom"
    QString Name;             // "Google", "Microsoft", "Custom"
    QString AuthorizationUrl; // empty for custom
    QString TokenUrl;         // empty for custom
    QString Scope;            // POP3's; empty for custom
    QString ImapScope;        // IMAP's; empty for custom
    // The provider gives desktop applications a client secret, which must be sent.
    bool SecretRequired = false;
};

// The presets in the order they are offered: Google, Microsoft, Custom.
const QList<OAuth2Provider>& OAuth2Providers();
// The preset a word names (without regard to case).
std::optional<OAuth2Provider> OAuth2ProviderFromWord(const QString& word);

// Whether an authorization or token address keeps what it carries between this
// computer and the provider: https, or plain http only to a loopback address
// (127.0.0.0/8, ::1, localhost).
bool IsSafeOAuth2Address(const QString& address);

// What one mailbox signs in with: the provider and the application the user
// registered with it. No client id ships with the program.
struct OAuth2Settings {
    QString Provider = QStringLiteral("google"); // a preset's word
    QString ClientId;
    // Kept with the secrets (keyring or enciphered), never in plain text.
    QString ClientSecret;
    // Used for "custom" only; a preset's own endpoints and scope win otherwise.
    QString AuthorizationUrl;
    QString TokenUrl;
    QString Scope;
    // The protocol of the mailbox, which decides a preset's scope; the mailbox's
    // own (MailboxConfig::Protocol), not stored on its own.
    MailProtocol Protocol = MailProtocol::Pop3;

    // The endpoints and scope in effect: the preset's (its scope for Protocol),
    // or these fields for "custom" (and for a word that names no preset).
    OAuth2Provider effective() const;
    // What is missing before a sign-in can start, as a sentence; empty when
    // nothing is (a client id, for custom both addresses, the secret where the
    // provider requires one).
    QString missing() const;
    // The same, in English and in the user's language.
    TrText missingText() const;
    // Why an address in effect may not carry the sign-in, as a sentence; empty
    // when each is https, or http to a loopback address of this computer.
    QString unsafeAddress() const;
    // The same, in English and in the user's language.
    TrText unsafeAddressText() const;

    bool operator==(const OAuth2Settings&) const = default;
};

// The tokens of one mailbox's sign-in.
struct OAuth2Tokens {
    QString AccessToken;
    QString RefreshToken;
    // When the access token expires (UTC); invalid when the provider did not say.
    QDateTime Expires;
    // The provider's answer when it refused to renew them (for instance
    // "invalid_grant: ..."): the sign-in is withdrawn and only a new one helps.
    // Empty while they are good.
    QString Refused;
    // The scope the sign-in asked for; empty for tokens stored before it was
    // kept (which were all for POP3).
    QString Scope;

    bool isEmpty() const { return AccessToken.isEmpty() && RefreshToken.isEmpty(); }
    // Whether the access token should be refreshed before it is used at now:
    // none at all, or one that expires within margin seconds. A token of
    // unknown lifetime is used until the server rejects it.
    bool needsRefresh(const QDateTime& now, int marginSeconds = 60) const;

    // A compact JSON object: {"access_token","refresh_token","expires","scope"}
    // with the expiry as ISO 8601 UTC text, and "refused" when there is a refusal.
    QByteArray toJson() const;
    // Nothing for text that is not such an object.
    static std::optional<OAuth2Tokens> fromJson(const QByteArray& json);

    bool operator==(const OAuth2Tokens&) const = default;
};
