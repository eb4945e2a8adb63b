#include "mail/oauth/OAuth2Flow.h"

#include "mail/Exceptions.h"
#include "mail/transport/SocketErrors.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QOAuth2AuthorizationCodeFlow>
#include <QOAuthOobReplyHandler>
#include <QPointer>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

namespace {

QByteArray base64Url(const QByteArray& bytes) {
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

// 32 bytes from the system's cryptographic source, as 43 characters of
// base64url: a PKCE code verifier, or the state that ties a redirect to its
// sign-in.
QByteArray newRandomText() {
    QByteArray bytes(32, Qt::Uninitialized);
    QRandomGenerator::system()->generate(reinterpret_cast<quint32*>(bytes.data()),
                                         reinterpret_cast<quint32*>(bytes.data() + bytes.size()));
    return base64Url(bytes);
}

// A value of a redirect's query, decoded as a form: '+' stands for a space.
QString formValue(const QUrlQuery& query, const QString& key) {
    QString encoded = query.queryItemValue(key, QUrl::FullyEncoded);
    encoded.replace(QLatin1Char('+'), QLatin1Char(' '));
    return QUrl::fromPercentEncoding(encoded.toUtf8());
}

// "error: description", or the error alone.
QString providerError(const QString& error, const QString& description) {
    return description.isEmpty() ? error : error + QStringLiteral(": ") + description;
}

// What a token endpoint answered: the JSON object of a success, or the
// failure as a text (the provider's error and description where it gave them).
struct TokenAnswer {
    QVariantMap values;
    TrText failure;
};

TokenAnswer readTokenAnswer(QNetworkReply* reply) {
    TokenAnswer answer;
    const QByteArray body = reply->readAll();
    const QJsonObject object = QJsonDocument::fromJson(body).object();
    if (object.contains(QStringLiteral("error"))) {
        answer.failure = TrText::plain(
            providerError(object.value(QStringLiteral("error")).toString(),
                          object.value(QStringLiteral("error_description")).toString()));
    } else if (reply->error() != QNetworkReply::NoError) {
        answer.failure = TrText::translate("OAuth2SignIn", "The token request failed: %1")
                             .arg(QtText(reply->errorString()));
    } else if (!object.contains(QStringLiteral("access_token"))) {
        answer.failure =
            TrText::translate("OAuth2SignIn", "The provider's answer holds no access token.");
    } else {
        answer.values = object.toVariantMap();
    }
    return answer;
}

QNetworkRequest formRequest(const QUrl& url) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    request.setRawHeader("Accept", "application/json");
    return request;
}

// A small page for the browser that came back to the loopback address.
QByteArray page(const QString& text) {
    const QByteArray body = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Quillmere"
                            "</title></head><body><p>" +
                            text.toHtmlEscaped().toUtf8() + "</p></body></html>";
    return "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// The loopback address the provider redirects the browser to: it takes one
// redirect, holds the browser's connection until the sign-in has an outcome,
// answers with a short page and stops listening. It also reads the token
// endpoint's answers for the flow, failures included.
class LoopbackHandler : public QOAuthOobReplyHandler {
public:
    std::function<void(const QUrl&)> onRedirect;
    std::function<void(const TrText&)> onTokenFailure;

    explicit LoopbackHandler(QObject* parent) : QOAuthOobReplyHandler(parent) {
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] { accept(); });
    }

    bool listen(quint16 port) { return m_server.listen(QHostAddress::LocalHost, port); }
    quint16 port() const { return m_server.serverPort(); }
    QString callback() const override { return QStringLiteral("http://127.0.0.1:%1/").arg(m_port); }
    void keepPort() { m_port = m_server.serverPort(); }

    // Answers the waiting browser (if any) and closes the port.
    void finish(const QString& text) {
        m_server.close();
        if (m_browser) {
            m_browser->write(page(text));
            m_browser->disconnectFromHost();
        }
    }

protected:
    void networkReplyFinished(QNetworkReply* reply) override {
        const TokenAnswer answer = readTokenAnswer(reply);
        if (!answer.failure.isEmpty()) {
            if (onTokenFailure) onTokenFailure(answer.failure);
            return;
        }
        Q_EMIT tokensReceived(answer.values);
    }

private:
    void accept() {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, this,
                             [this, socket] { read(socket); });
        }
    }

    void read(QTcpSocket* socket) {
        QByteArray& request = m_requests[socket];
        request += socket->readAll();
        if (request.size() > 16 * 1024) {
            socket->abort();
            m_requests.remove(socket);
            return;
        }
        if (!request.contains("\r\n\r\n")) return;
        const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
        m_requests.remove(socket);
        const QUrl target = words.size() >= 2 ? QUrl(QString::fromLatin1(words.at(1))) : QUrl();
        // Only the first GET of the callback path is the redirect; a browser
        // also asks for its icon and the like.
        if (words.value(0) != "GET" || target.path() != QLatin1String("/") || m_browser ||
            !onRedirect) {
            socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: "
                          "close\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        m_browser = socket;
        onRedirect(QUrl(callback()).resolved(target));
    }

    QTcpServer m_server;
    quint16 m_port = 0;
    QPointer<QTcpSocket> m_browser;
    QHash<QTcpSocket*, QByteArray> m_requests;
};

} // namespace

struct OAuth2SignIn::Private {
    explicit Private(OAuth2SignIn* owner) : q(owner) {}
    OAuth2SignIn* q;
    OAuth2Settings settings;
    QNetworkAccessManager network;
    QOAuth2AuthorizationCodeFlow* flow = nullptr;
    LoopbackHandler* handler = nullptr;
    QByteArray verifier;
    QUrl authorizationUrl;
    bool started = false;
    bool finished = false;
    bool canceled = false;
    bool timedOut = false;
    bool redirected = false;
    std::optional<OAuth2Tokens> tokens;
    TrText error;

    // Ends the sign-in with text, unless it has ended.
    void fail(const TrText& text);
    // The redirect the browser ended on, from the loopback or pasted.
    void take(const QUrl& redirect);
};

OAuth2SignIn::OAuth2SignIn(OAuth2Settings settings, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>(this)) {
    d->settings = std::move(settings);
}

OAuth2SignIn::~OAuth2SignIn() {
    if (d->handler) d->handler->finish(tr("The sign-in has ended."));
    // Before the network access they use goes with d.
    delete d->flow;
    delete d->handler;
}

void OAuth2SignIn::start(quint16 port) {
    if (d->started)
        throw EOAuth2Error(TrText::translate("OAuth2SignIn", "The sign-in has already started."));
    const TrText missing = d->settings.missingText();
    if (!missing.isEmpty()) throw EOAuth2Error(missing);
    const TrText unsafe = d->settings.unsafeAddressText();
    if (!unsafe.isEmpty()) throw EOAuth2Error(unsafe);
    const OAuth2Provider provider = d->settings.effective();

    d->handler = new LoopbackHandler(this);
    if (!d->handler->listen(port))
        throw EOAuth2Error(TrText::translate("OAuth2SignIn", "No local port for the sign-in's "
                                                             "redirect: 127.0.0.1:%1 is not free.")
                               .arg(port));
    d->handler->keepPort();
    d->started = true;

    d->flow = new QOAuth2AuthorizationCodeFlow(&d->network, this);
    d->flow->setClientIdentifier(d->settings.ClientId.trimmed());
    // Sent only where the user gave one; public clients have none.
    if (!d->settings.ClientSecret.isEmpty())
        d->flow->setClientIdentifierSharedKey(d->settings.ClientSecret);
    d->flow->setAuthorizationUrl(QUrl(provider.AuthorizationUrl));
    d->flow->setAccessTokenUrl(QUrl(provider.TokenUrl));
    d->flow->setScope(provider.Scope);
    d->flow->setReplyHandler(d->handler);
    // The flow's own state is short; a redirect must not be guessable.
    d->flow->setState(QString::fromLatin1(newRandomText()));

    // PKCE (S256): a fresh verifier for every sign-in; its digest goes with
    // the authorization request and the verifier itself with the code.
    d->verifier = newRandomText();
    const QByteArray challenge =
        base64Url(QCryptographicHash::hash(d->verifier, QCryptographicHash::Sha256));
    d->flow->setModifyParametersFunction([this,
                                          challenge](QAbstractOAuth::Stage stage,
                                                     QMultiMap<QString, QVariant>* parameters) {
        if (stage == QAbstractOAuth::Stage::RequestingAuthorization) {
            parameters->replace(QStringLiteral("code_challenge"), QString::fromLatin1(challenge));
            parameters->replace(QStringLiteral("code_challenge_method"), QStringLiteral("S256"));
        } else if (stage == QAbstractOAuth::Stage::RequestingAccessToken) {
            parameters->replace(QStringLiteral("code_verifier"), QString::fromLatin1(d->verifier));
        }
    });

    connect(d->flow, &QAbstractOAuth::authorizeWithBrowser, this,
            [this](const QUrl& url) { d->authorizationUrl = url; });
    connect(d->flow, &QAbstractOAuth::granted, this, [this] {
        OAuth2Tokens tokens;
        tokens.AccessToken = d->flow->token();
        tokens.RefreshToken = d->flow->refreshToken();
        if (d->flow->expirationAt().isValid()) tokens.Expires = d->flow->expirationAt().toUTC();
        tokens.Scope = d->settings.effective().Scope;
        d->tokens = tokens;
        d->finished = true;
        d->handler->finish(tr("You are signed in. You may close this window."));
        Q_EMIT finished();
    });
    d->handler->onTokenFailure = [this](const TrText& text) { d->fail(text); };
    d->handler->onRedirect = [this](const QUrl& url) { d->take(url); };

    d->flow->grant();
}

void OAuth2SignIn::Private::fail(const TrText& text) {
    if (finished) return;
    error = text;
    finished = true;
    if (handler) handler->finish(OAuth2SignIn::tr("The sign-in failed: %1").arg(text.shown()));
    Q_EMIT q->finished();
}

void OAuth2SignIn::Private::take(const QUrl& redirect) {
    if (finished || redirected) return;
    const QUrlQuery query(redirect);
    const QString error = formValue(query, QStringLiteral("error"));
    if (!error.isEmpty())
        return fail(TrText::plain(
            providerError(error, formValue(query, QStringLiteral("error_description")))));
    if (formValue(query, QStringLiteral("state")) != flow->state())
        return fail(TrText::translate("OAuth2SignIn", "The redirect does not belong to this "
                                                      "sign-in (its state differs)."));
    const QString code = formValue(query, QStringLiteral("code"));
    if (code.isEmpty())
        return fail(
            TrText::translate("OAuth2SignIn", "The redirect carries no authorization code."));
    redirected = true;
    // The flow checks the state once more, decodes the code and asks for the
    // tokens.
    QVariantMap values;
    for (const auto& [key, value] : query.queryItems(QUrl::FullyEncoded))
        values.insert(key, value);
    Q_EMIT handler->callbackReceived(values);
}

QUrl OAuth2SignIn::authorizationUrl() const {
    return d->authorizationUrl;
}

void OAuth2SignIn::acceptRedirect(const QString& address) {
    if (!d->started || d->finished) return;
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!url.isValid() || !url.hasQuery())
        return d->fail(
            TrText::translate("OAuth2SignIn", "The address holds no answer of the provider."));
    d->take(url);
}

void OAuth2SignIn::cancel() {
    if (d->finished) return;
    d->canceled = true;
    d->fail(LibraryText(57001));
}

OAuth2Tokens OAuth2SignIn::wait(int timeoutMs) {
    if (!d->started)
        throw EOAuth2Error(TrText::translate("OAuth2SignIn", "The sign-in has not started."));
    if (!d->finished) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        connect(this, &OAuth2SignIn::finished, &loop, &QEventLoop::quit);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(timeoutMs);
        loop.exec();
        if (!d->finished) {
            d->timedOut = true;
            d->fail(LibraryText(57000));
        }
    }
    if (d->tokens) return *d->tokens;
    if (d->canceled) throw ECanceledError(d->error);
    if (d->timedOut) throw ETimedOutError(d->error);
    throw EOAuth2Error(d->error);
}

bool OAuth2SignIn::isFinished() const {
    return d->finished;
}

std::optional<OAuth2Tokens> OAuth2SignIn::tokens() const {
    return d->tokens;
}

QString OAuth2SignIn::errorText() const {
    return d->error.shown();
}

void OAuth2RefreshStop::stop() {
    m_stopped = true;
    if (m_wait) m_wait->quit();
}

OAuth2Tokens RefreshOAuth2Tokens(const OAuth2Settings& settings, const OAuth2Tokens& tokens,
                                 int timeoutMs, OAuth2RefreshStop* stop) {
    if (stop && stop->stopped()) throw ECanceledError(LibraryText(57001));
    if (tokens.RefreshToken.isEmpty())
        throw EOAuth2Error(
            TrText::translate("OAuth2SignIn", "There is no refresh token; sign in again."));
    const OAuth2Provider provider = settings.effective();
    if (provider.TokenUrl.isEmpty())
        throw EOAuth2Error(TrText::translate(
            "OAuth2Settings", "Enter the provider's authorization and token addresses."));
    // The refresh token goes out only where nobody on the way can read it.
    if (const TrText unsafe = settings.unsafeAddressText(); !unsafe.isEmpty())
        throw EOAuth2Error(unsafe);
    // Form encoding: '+' and the like in a token must not turn into spaces.
    QByteArray body =
        "grant_type=refresh_token&refresh_token=" + QUrl::toPercentEncoding(tokens.RefreshToken) +
        "&client_id=" + QUrl::toPercentEncoding(settings.ClientId.trimmed());
    if (!settings.ClientSecret.isEmpty())
        body += "&client_secret=" + QUrl::toPercentEncoding(settings.ClientSecret);

    QNetworkAccessManager network;
    const std::unique_ptr<QNetworkReply> reply(
        network.post(formRequest(QUrl(provider.TokenUrl)), body));
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (stop) stop->m_wait = &loop;
    if (!reply->isFinished()) loop.exec();
    if (stop) stop->m_wait = nullptr;
    // An answer that arrived is read even when the wait was stopped: it may
    // carry a new refresh token that replaces the one just used.
    if (!reply->isFinished()) {
        reply->abort();
        if (stop && stop->stopped()) throw ECanceledError(LibraryText(57001));
        throw ETimedOutError(LibraryText(57000));
    }
    const TokenAnswer answer = readTokenAnswer(reply.get());
    if (!answer.failure.isEmpty()) throw EOAuth2Error(answer.failure);

    OAuth2Tokens renewed;
    renewed.AccessToken = answer.values.value(QStringLiteral("access_token")).toString();
    renewed.RefreshToken = answer.values.value(QStringLiteral("refresh_token")).toString();
    if (renewed.RefreshToken.isEmpty()) renewed.RefreshToken = tokens.RefreshToken;
    renewed.Scope = tokens.Scope;
    bool ok = false;
    const qint64 lifetime = answer.values.value(QStringLiteral("expires_in")).toLongLong(&ok);
    if (ok && lifetime > 0) renewed.Expires = QDateTime::currentDateTimeUtc().addSecs(lifetime);
    return renewed;
}
