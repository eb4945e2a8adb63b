#include "settings/SecretStore.h"

#include "settings/MailboxConfig.h"
#include "settings/SettingsStore.h"

// Placeholder until the keyring is built: secrets stay enciphered in the
// settings tree.
namespace {
const QString Section = QStringLiteral("Server");
}

SecretStore::Backend SecretStore::backend() {
    return Backend::SettingsTree;
}

QString SecretStore::backendText() {
    return QStringLiteral("the settings file (enciphered)");
}

std::optional<QString> SecretStore::read(const QString& ident, SecretAccess) {
    const QString stored = SettingsStore::tree().ReadString(Section, ident, {});
    if (stored.isEmpty()) return std::nullopt;
    try {
        return DecipherPassword(stored);
    } catch (const EConvertError& e) {
        throw ESecretStoreError(e.message());
    }
}

void SecretStore::write(const QString& ident, const QString& secret) {
    SettingsStore::tree().WriteString(Section, ident, EncipherPassword(secret));
}

void SecretStore::remove(const QString& ident) {
    write(ident, {});
}

std::optional<OAuth2Tokens> ReadOAuth2Tokens(int n, SecretAccess access) {
    const std::optional<QString> text =
        SecretStore::read(QStringLiteral("OAuth2Tokens%1").arg(n), access);
    if (!text) return std::nullopt;
    return OAuth2Tokens::fromJson(text->toUtf8());
}

void StoreOAuth2Tokens(int n, const OAuth2Tokens& tokens) {
    SecretStore::write(QStringLiteral("OAuth2Tokens%1").arg(n), QString::fromUtf8(tokens.toJson()));
}

void ForgetOAuth2Tokens(int n) {
    SecretStore::remove(QStringLiteral("OAuth2Tokens%1").arg(n));
}
