#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QUrl>

// The tests' own OAuth2 provider (tests/support/oauth_provider.py) on
// 127.0.0.1 for one test: authorization code grant with PKCE, refresh,
// token introspection for the mail server, and controls to steer it. It stops
// with the object.
class OAuthProvider {
public:
    OAuthProvider() = default;
    ~OAuthProvider();
    OAuthProvider(const OAuthProvider&) = delete;
    OAuthProvider& operator=(const OAuthProvider&) = delete;

    // Starts the provider on a free port; false (see errorString) when it
    // cannot. clientSecret, when not empty, is required on every token request.
    bool start(const QString& clientSecret = {});
    void stop();
    QString errorString() const { return m_error; }

    quint16 port() const { return m_port; }
    // "http://127.0.0.1:<port><path>".
    QUrl url(const QString& path) const;

    // Controls; each answers whether the provider took it.
    bool setUser(const QString& user);
    bool setExpiresIn(int seconds);
    bool revokeAll();
    bool expireAccessTokens();
    bool setDenyAccess(bool deny);
    bool setClientSecret(const QString& secret);
    // An access token for the current user, issued without a grant; empty on
    // failure.
    QString issueAccessToken() const;
    // How many token requests came with grant_type grant; -1 on failure.
    int tokenRequests(const QString& grant) const;

private:
    bool control(const QString& name, const QList<QPair<QString, QString>>& query) const;
    QByteArray request(const QByteArray& verb, const QUrl& url, int* status) const;

    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
