#include "mail/oauth/OAuth2Flow.h"

#include "mail/Exceptions.h"

// Placeholder until the grant is built: every sign-in fails.
struct OAuth2SignIn::Private {
    OAuth2Settings settings;
};

OAuth2SignIn::OAuth2SignIn(OAuth2Settings settings, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>()) {
    d->settings = std::move(settings);
}
OAuth2SignIn::~OAuth2SignIn() = default;
void OAuth2SignIn::start(quint16) {
    throw EOAuth2Error(QStringLiteral("OAuth2 sign-in is not available yet"));
}
QUrl OAuth2SignIn::authorizationUrl() const {
    return {};
}
void OAuth2SignIn::acceptRedirect(const QString&) {}
void OAuth2SignIn::cancel() {}
OAuth2Tokens OAuth2SignIn::wait(int) {
    throw EOAuth2Error(QStringLiteral("OAuth2 sign-in is not available yet"));
}
bool OAuth2SignIn::isFinished() const {
    return true;
}
std::optional<OAuth2Tokens> OAuth2SignIn::tokens() const {
    return std::nullopt;
}
QString OAuth2SignIn::errorText() const {
    return QStringLiteral("OAuth2 sign-in is not available yet");
}

OAuth2Tokens RefreshOAuth2Tokens(const OAuth2Settings&, const OAuth2Tokens&, int) {
    throw EOAuth2Error(QStringLiteral("OAuth2 sign-in is not available yet"));
}
