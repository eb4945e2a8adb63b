#pragma once

#include "mail/Exceptions.h"
#include "mail/oauth/OAuth2.h"

#include <QString>
#include <optional>

// A secret that cannot be read or written: the keyring is locked in a run that
// may not ask to unlock it, refused, or did not answer. The message says which
// and what to do.
QUILL_DECLARE_EXCEPTION(ESecretStoreError)

// Whether reading a secret may bring up the desktop's unlock prompt: a check
// the user started may; a timer run, a sweep and the command line may not.
enum class SecretAccess { MayPrompt, NeverPrompt };

// Where passwords and OAuth2 tokens are kept: the desktop keyring (Secret
// Service) when one runs in this session or can be started in it, else the
// settings tree, enciphered as passwords always were. Keyring entries are
// named by the profile (the settings tree's folder) and an ident ("Passwd1",
// "OAuth2Tokens1", "OAuth2Secret1"), so that another profile never sees or
// changes them. QUILLMERE_SECRET_STORE=settings (or =keyring) in the
// environment chooses the store instead. Every keyring job waits in a local
// event loop with a time-out. With SecretAccess::NeverPrompt a locked keyring
// is refused before any job is started, so that no unlock prompt comes up.
class SecretStore {
public:
    enum class Backend { Keyring, SettingsTree };

    // The store in use in this run (the keyring is looked for once).
    static Backend backend();
    // For the user: "the desktop keyring" or "the settings file (enciphered)".
    static QString backendText();

    // The secret stored under ident; nothing when none is. With the keyring in
    // use, a secret still in the settings tree is the newest and wins. Raises
    // ESecretStoreError.
    static std::optional<QString> read(const QString& ident, SecretAccess access);
    // Stores secret under ident and returns once the store confirmed it (an
    // empty secret removes the entry). Raises ESecretStoreError or EFileError.
    static void write(const QString& ident, const QString& secret);
    // Removes the entry; nothing happens when there is none. Raises ESecretStoreError.
    static void remove(const QString& ident);

    // Whether the settings tree holds a secret under ident (a profile stored
    // before the keyring was used, or a run without one).
    static bool inTree(const QString& ident);
    // With the keyring in use, moves the secret the settings tree holds under
    // ident into the keyring, and removes it from the tree only once the
    // keyring confirmed the write. Returns why it stayed in the tree (empty
    // when it was moved or there was nothing to move). With NeverPrompt and a
    // locked keyring it stays in the tree for a later run, without a text.
    static QString moveIntoKeyring(const QString& ident, SecretAccess access);

    // The idents of slot n's tokens ("OAuth2Tokens"n) and client secret
    // ("OAuth2Secret"n); the password's is MailboxConfig::passwordIdent.
    static QString tokensIdent(int n);
    static QString clientSecretIdent(int n);
};

// The OAuth2 tokens of slot n (ident "OAuth2Tokens"n); nothing when the mailbox
// never signed in or its entry is not readable as tokens. Raises ESecretStoreError.
std::optional<OAuth2Tokens> ReadOAuth2Tokens(int n, SecretAccess access);
// Replaces slot n's tokens (a refresh, a new sign-in; empty tokens forget
// them). Raises ESecretStoreError or EFileError.
void StoreOAuth2Tokens(int n, const OAuth2Tokens& tokens);
// Forgets slot n's tokens.
void ForgetOAuth2Tokens(int n);
