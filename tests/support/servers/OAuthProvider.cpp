#include "support/servers/OAuthProvider.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrlQuery>

namespace {
constexpr int kStartMs = 15000;
constexpr int kRequestMs = 10000;
} // namespace

OAuthProvider::~OAuthProvider() {
    stop();
}

bool OAuthProvider::start(const QString& clientSecret) {
    stop();
    QStringList args{QStringLiteral(QUILL_OAUTH_PROVIDER_SCRIPT)};
    if (!clientSecret.isEmpty()) args << QStringLiteral("--secret=") + clientSecret;
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral("python3"), args);
    if (!m_process.waitForStarted(kStartMs)) {
        m_error = QStringLiteral("python3 does not start: ") + m_process.errorString();
        return false;
    }
    // The first line on stdout is the port.
    QByteArray line;
    while (!line.contains('\n')) {
        if (!m_process.waitForReadyRead(kStartMs)) {
            m_error = QStringLiteral("the OAuth2 provider did not say its port: ") +
                      QString::fromLocal8Bit(m_process.readAllStandardError());
            stop();
            return false;
        }
        line += m_process.readAllStandardOutput();
    }
    bool ok = false;
    m_port = line.left(line.indexOf('\n')).trimmed().toUShort(&ok);
    if (!ok || m_port == 0) {
        m_error = QStringLiteral("the OAuth2 provider said no port: ") + QString::fromUtf8(line);
        stop();
        return false;
    }
    return true;
}

void OAuthProvider::stop() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    m_port = 0;
}

QUrl OAuthProvider::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
}

QByteArray OAuthProvider::request(const QByteArray& verb, const QUrl& url, int* status) const {
    QNetworkAccessManager manager;
    QNetworkRequest req(url);
    req.setHeader(QNetworkRequest::ContentTypeHeader,
                  QStringLiteral("application/x-www-form-urlencoded"));
    QNetworkReply* reply = verb == "POST" ? manager.post(req, QByteArray()) : manager.get(req);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(kRequestMs);
    loop.exec();
    QByteArray body;
    *status = 0;
    if (reply->isFinished()) {
        *status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        body = reply->readAll();
    } else {
        reply->abort();
    }
    delete reply;
    return body;
}

bool OAuthProvider::control(const QString& name,
                            const QList<QPair<QString, QString>>& items) const {
    QUrl target = url(QStringLiteral("/control/") + name);
    QUrlQuery query;
    query.setQueryItems(items);
    target.setQuery(query);
    int status = 0;
    request("POST", target, &status);
    return status == 200;
}

bool OAuthProvider::setUser(const QString& user) {
    return control(QStringLiteral("user"), {{QStringLiteral("name"), user}});
}

bool OAuthProvider::setExpiresIn(int seconds) {
    return control(QStringLiteral("expires"),
                   {{QStringLiteral("seconds"), QString::number(seconds)}});
}

bool OAuthProvider::revokeAll() {
    return control(QStringLiteral("revoke"), {});
}

bool OAuthProvider::expireAccessTokens() {
    return control(QStringLiteral("expire"), {});
}

bool OAuthProvider::setDenyAccess(bool deny) {
    return control(QStringLiteral("deny"),
                   {{QStringLiteral("on"), deny ? QStringLiteral("1") : QStringLiteral("0")}});
}

bool OAuthProvider::setClientSecret(const QString& secret) {
    return control(QStringLiteral("secret"), {{QStringLiteral("value"), secret}});
}

int OAuthProvider::tokenRequests(const QString& grant) const {
    QUrl target = url(QStringLiteral("/control/count"));
    target.setQuery(QStringLiteral("grant=") + grant);
    int status = 0;
    const QByteArray body = request("GET", target, &status);
    if (status != 200) return -1;
    return QJsonDocument::fromJson(body).object().value(QStringLiteral("count")).toInt(-1);
}

QString OAuthProvider::issueAccessToken() const {
    int status = 0;
    const QByteArray body = request("POST", url(QStringLiteral("/control/issue")), &status);
    if (status != 200) return {};
    return QJsonDocument::fromJson(body).object().value(QStringLiteral("access_token")).toString();
}
