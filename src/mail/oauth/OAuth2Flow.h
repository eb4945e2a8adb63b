#pragma once

#include "mail/oauth/OAuth2.h"

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <memory>
#include <optional>

// The authorization-code grant with PKCE (S256) for one mailbox: the user
// signs in in a browser, the provider redirects to a loopback address this
// object listens on (or the user pastes the address the browser ended on),
// and the code is exchanged for tokens. Nothing here opens a browser: the
// caller shows or opens authorizationUrl().
class OAuth2SignIn : public QObject {
    Q_OBJECT
public:
    explicit OAuth2SignIn(OAuth2Settings settings, QObject* parent = nullptr);
    ~OAuth2SignIn() override;

    // Listens on 127.0.0.1 (port 0: any free port) for the redirect and works
    // out the address to open. Raises EOAuth2Error when the settings are
    // incomplete (OAuth2Settings::missing()) or no port can be had.
    void start(quint16 port = 0);
    // The address the user opens in a browser; empty before start().
    QUrl authorizationUrl() const;
    // The redirect address the browser ended on, as pasted by the user when the
    // browser runs on another machine. An address without the code, with
    // another state or with the provider's error ends the sign-in with an error.
    void acceptRedirect(const QString& address);
    // Ends the sign-in; wait() then raises ECanceledError.
    void cancel();

    // Waits in a local event loop until the tokens arrived, the sign-in failed
    // or was canceled, or timeoutMs passed. Returns the tokens; raises
    // EOAuth2Error (with the provider's text), ECanceledError or ETimedOutError.
    OAuth2Tokens wait(int timeoutMs);

    bool isFinished() const;
    // The tokens once the sign-in succeeded.
    std::optional<OAuth2Tokens> tokens() const;
    // Why the sign-in failed; empty while it runs or after it succeeded.
    QString errorText() const;

Q_SIGNALS:
    // The sign-in ended, whichever way.
    void finished();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Lets someone else end a token refresh while it waits (the check's Cancel).
// stop() before the refresh starts keeps it from asking at all.
class OAuth2RefreshStop {
public:
    void stop();
    bool stopped() const { return m_stopped; }

private:
    friend OAuth2Tokens RefreshOAuth2Tokens(const OAuth2Settings&, const OAuth2Tokens&, int,
                                            OAuth2RefreshStop*);
    bool m_stopped = false;
    QPointer<QEventLoop> m_wait;
};

// Fetches a new access token with the refresh token, waiting in a local event
// loop at most timeoutMs. The refresh token is kept when the provider sends no
// new one. Raises EOAuth2Error with the provider's error text (for instance
// "invalid_grant: Token has been expired or revoked."), ETimedOutError, or
// ECanceledError when stop ended the wait.
OAuth2Tokens RefreshOAuth2Tokens(const OAuth2Settings& settings, const OAuth2Tokens& tokens,
                                 int timeoutMs = 30000, OAuth2RefreshStop* stop = nullptr);
