#include "mail/oauth/OAuth2.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <string_view>

QString signInWord(MailSignIn method) {
    return method == MailSignIn::OAuth2 ? QStringLiteral("oauth2") : QStringLiteral("password");
}

std::optional<MailSignIn> signInFromWord(const QString& word) {
    if (word.compare(QLatin1String("password"), Qt::CaseInsensitive) == 0)
        return MailSignIn::Password;
    if (word.compare(QLatin1String("oauth2"), Qt::CaseInsensitive) == 0) return MailSignIn::OAuth2;
    return std::nullopt;
}

const QList<OAuth2Provider>& OAuth2Providers() {
    static const QList<OAuth2Provider> providers{
        {QStringLiteral("google"), QStringLiteral("Google"),
         QStringLiteral("https://accounts.google.com/o/oauth2/v2/auth"),
         QStringLiteral("https://oauth2.googleapis.com/token"),
         QStringLiteral("https://mail.google.com/"), QStringLiteral("https://mail.google.com/"),
         true},
        {QStringLiteral("microsoft"), QStringLiteral("Microsoft"),
         QStringLiteral("https://login.microsoftonline.com/common/oauth2/v2.0/authorize"),
         QStringLiteral("https://login.microsoftonline.com/common/oauth2/v2.0/token"),
         QStringLiteral("https://outlook.office.com/POP.AccessAsUser.All offline_access"),
         QStringLiteral("https://outlook.office.com/IMAP.AccessAsUser.All offline_access"), false},
        {QStringLiteral("custom"), QStringLiteral("Custom"), {}, {}, {}, {}, false},
    };
    return providers;
}

std::optional<OAuth2Provider> OAuth2ProviderFromWord(const QString& word) {
    for (const OAuth2Provider& provider : OAuth2Providers())
        if (provider.Word.compare(word, Qt::CaseInsensitive) == 0) return provider;
    return std::nullopt;
}

bool IsSafeOAuth2Address(const QString& address) {
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) return false;
    if (url.scheme() == QLatin1String("https")) return true;
    if (url.scheme() != QLatin1String("http")) return false;
    const QString host = url.host();
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

OAuth2Provider OAuth2Settings::effective() const {
    const std::optional<OAuth2Provider> preset = OAuth2ProviderFromWord(Provider);
    if (preset && !preset->AuthorizationUrl.isEmpty()) {
        OAuth2Provider used = *preset;
        if (Protocol == MailProtocol::Imap) used.Scope = used.ImapScope;
        return used;
    }
    OAuth2Provider own;
    own.Word = QStringLiteral("custom");
    own.Name = QStringLiteral("Custom");
    own.AuthorizationUrl = AuthorizationUrl.trimmed();
    own.TokenUrl = TokenUrl.trimmed();
    own.Scope = Scope.trimmed();
    own.ImapScope = own.Scope;
    return own;
}

QString OAuth2Settings::missing() const {
    return missingText().shown();
}

TrText OAuth2Settings::missingText() const {
    const OAuth2Provider provider = effective();
    if (ClientId.trimmed().isEmpty())
        return (provider.Word == QLatin1String("custom")
                    ? TrText::translate("OAuth2Settings", "Enter the client ID of the application "
                                                          "you registered with your provider.")
                    : TrText::translate("OAuth2Settings", "Enter the client ID of the application "
                                                          "you registered with %1.")
                          .arg(provider.Name));
    if (provider.AuthorizationUrl.isEmpty() || provider.TokenUrl.isEmpty())
        return TrText::translate("OAuth2Settings",
                                 "Enter the provider's authorization and token addresses.");
    if (provider.SecretRequired && ClientSecret.isEmpty())
        return TrText::translate("OAuth2Settings",
                                 "Enter the client secret %1 gave your application.")
            .arg(provider.Name);
    return {};
}

QString OAuth2Settings::unsafeAddress() const {
    return unsafeAddressText().shown();
}

TrText OAuth2Settings::unsafeAddressText() const {
    const OAuth2Provider provider = effective();
    const std::pair<const char*, QString> addresses[] = {
        {"authorization", provider.AuthorizationUrl}, {"token", provider.TokenUrl}};
    for (const auto& [what, address] : addresses)
        if (!address.isEmpty() && !IsSafeOAuth2Address(address))
            return (std::string_view(what) == "token"
                        ? TrText::translate("OAuth2Settings",
                                            "The token address %1 is not an https address: the "
                                            "sign-in goes only over https (or plain http to this "
                                            "computer's loopback address).")
                        : TrText::translate("OAuth2Settings",
                                            "The authorization address %1 is not an https "
                                            "address: the sign-in goes only over https (or plain "
                                            "http to this computer's loopback address)."))
                .arg(address);
    return {};
}

bool OAuth2Tokens::needsRefresh(const QDateTime& now, int marginSeconds) const {
    if (AccessToken.isEmpty()) return true;
    return Expires.isValid() && now.addSecs(marginSeconds) >= Expires;
}

QByteArray OAuth2Tokens::toJson() const {
    QJsonObject object{{QStringLiteral("access_token"), AccessToken},
                       {QStringLiteral("refresh_token"), RefreshToken}};
    if (Expires.isValid())
        object.insert(QStringLiteral("expires"), Expires.toUTC().toString(Qt::ISODate));
    if (!Refused.isEmpty()) object.insert(QStringLiteral("refused"), Refused);
    if (!Scope.isEmpty()) object.insert(QStringLiteral("scope"), Scope);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<OAuth2Tokens> OAuth2Tokens::fromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    const QJsonObject object = document.object();
    OAuth2Tokens tokens;
    tokens.AccessToken = object.value(QStringLiteral("access_token")).toString();
    tokens.RefreshToken = object.value(QStringLiteral("refresh_token")).toString();
    tokens.Refused = object.value(QStringLiteral("refused")).toString();
    tokens.Scope = object.value(QStringLiteral("scope")).toString();
    const QString expires = object.value(QStringLiteral("expires")).toString();
    if (!expires.isEmpty()) {
        tokens.Expires = QDateTime::fromString(expires, Qt::ISODate);
        if (!tokens.Expires.isValid()) return std::nullopt;
        tokens.Expires = tokens.Expires.toUTC();
    }
    return tokens;
}
