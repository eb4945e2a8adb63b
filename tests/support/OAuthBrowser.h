#pragma once

// The browser's part in an OAuth2 sign-in, for tests against the tests' own
// provider: following the authorization address to the program's loopback
// address, or stopping at the redirect the way a browser on another machine
// would, whose address the user then pastes. And tokens as a finished
// sign-in would have stored them.
#include "mail/oauth/OAuth2.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

class OAuthBrowser {
public:
    OAuthBrowser() { m_net.setProxy(QNetworkProxy::NoProxy); }

    // Opens url and follows the provider's redirect, without waiting: the
    // program answers the browser once it has the tokens.
    void follow(const QUrl& url) {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        QNetworkReply* reply = m_net.get(request);
        QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    }

    // The address the provider redirects url to; empty when it does not.
    QString redirectOf(const QUrl& url) {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        QNetworkReply* reply = m_net.get(request);
        waitFor(reply);
        const QString location = QString::fromUtf8(reply->rawHeader("Location"));
        delete reply;
        return location;
    }

    // Tokens for the provider's current user, issued at once (POST
    // /control/issue), as a sign-in would have stored them.
    OAuth2Tokens issue(const QUrl& issueUrl) {
        QNetworkRequest request(issueUrl);
        request.setHeader(QNetworkRequest::ContentTypeHeader,
                          QStringLiteral("application/x-www-form-urlencoded"));
        QNetworkReply* reply = m_net.post(request, QByteArray());
        waitFor(reply);
        const QJsonObject o = QJsonDocument::fromJson(reply->readAll()).object();
        delete reply;
        OAuth2Tokens tokens;
        tokens.AccessToken = o.value(QStringLiteral("access_token")).toString();
        tokens.RefreshToken = o.value(QStringLiteral("refresh_token")).toString();
        tokens.Expires = QDateTime::currentDateTimeUtc().addSecs(
            o.value(QStringLiteral("expires_in")).toInteger(3600));
        return tokens;
    }

private:
    static void waitFor(QNetworkReply* reply) {
        if (reply->isFinished()) return;
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }

    QNetworkAccessManager m_net;
};
