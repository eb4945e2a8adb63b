// The authorization-code grant with PKCE and the token refresh against the
// tests' own provider, with a test client in the role of the browser.
#include "mail/Exceptions.h"
#include "mail/oauth/OAuth2Flow.h"
#include "support/servers/OAuthProvider.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

// The class and message of a failure, or "none".
template <class Operation> QString failureOf(Operation&& operation) {
    try {
        operation();
    } catch (const ECanceledError& e) {
        return "ECanceledError: " + e.message();
    } catch (const ETimedOutError& e) {
        return "ETimedOutError: " + e.message();
    } catch (const EOAuth2Error& e) {
        return "EOAuth2Error: " + e.message();
    }
    return QStringLiteral("none");
}

bool portIsOpen(quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(1000);
}

} // namespace

class TestOAuth2Flow : public QObject {
    Q_OBJECT

    OAuthProvider m_provider;
    QNetworkAccessManager m_browser;

    OAuth2Settings settings() const {
        OAuth2Settings s;
        s.Provider = QStringLiteral("custom");
        s.ClientId = QStringLiteral("quillmere-test");
        s.AuthorizationUrl = m_provider.url("/authorize").toString();
        s.TokenUrl = m_provider.url("/token").toString();
        s.Scope = QStringLiteral("mail");
        return s;
    }

    // Opens the address as a browser would, following the redirect to the
    // loopback address; the reply ends with the page the sign-in shows.
    QNetworkReply* browse(const QUrl& url, bool follow = true) {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             follow ? QNetworkRequest::NoLessSafeRedirectPolicy
                                    : QNetworkRequest::ManualRedirectPolicy);
        return m_browser.get(request);
    }

    // Where the provider sends the browser, without going there.
    QUrl redirectOf(const QUrl& url) {
        QNetworkReply* reply = browse(url, false);
        if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 5000)) return {};
        reply->deleteLater();
        return reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_provider.start(), qPrintable(m_provider.errorString())); }
    void init() {
        QVERIFY(m_provider.setDenyAccess(false));
        QVERIFY(m_provider.setClientSecret({}));
        QVERIFY(m_provider.setExpiresIn(3600));
    }

    // The whole grant through the loopback: the browser lands on a page that
    // says so, the tokens arrive, the port closes.
    void grantThroughTheLoopback() {
        OAuth2SignIn signIn(settings());
        signIn.start();
        const QUrl url = signIn.authorizationUrl();
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue("code_challenge_method"), QStringLiteral("S256"));
        const quint16 loopback =
            quint16(QUrl(query.queryItemValue("redirect_uri", QUrl::FullyDecoded)).port());
        QVERIFY(loopback != 0);

        QNetworkReply* page = browse(url);
        const QDateTime before = QDateTime::currentDateTimeUtc();
        const OAuth2Tokens tokens = signIn.wait(10000);

        QVERIFY(!tokens.AccessToken.isEmpty());
        QVERIFY(!tokens.RefreshToken.isEmpty());
        QVERIFY(qAbs(before.secsTo(tokens.Expires) - 3600) < 30);
        QVERIFY(signIn.isFinished());
        QVERIFY(signIn.errorText().isEmpty());
        QVERIFY(QTest::qWaitFor([page] { return page->isFinished(); }, 5000));
        QVERIFY(page->readAll().contains("You are signed in. You may close this window."));
        delete page;
        QVERIFY(!portIsOpen(loopback));

        // Each sign-in has a verifier and a state of its own; the state is 256
        // random bits, as 43 characters of base64url.
        OAuth2SignIn other(settings());
        other.start();
        const QUrlQuery otherQuery(other.authorizationUrl());
        QVERIFY(otherQuery.queryItemValue("code_challenge") !=
                query.queryItemValue("code_challenge"));
        const QRegularExpression stateForm(QStringLiteral("^[A-Za-z0-9_-]{43}$"));
        QVERIFY2(stateForm.match(query.queryItemValue("state")).hasMatch(),
                 qPrintable(query.queryItemValue("state")));
        QVERIFY(stateForm.match(otherQuery.queryItemValue("state")).hasMatch());
        QVERIFY(otherQuery.queryItemValue("state") != query.queryItemValue("state"));
    }

    void addressesThatMayCarryTheSignIn_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("safe");
        QTest::newRow("https") << "https://id.example.org/token" << true;
        QTest::newRow("http-to-127.0.0.1") << "http://127.0.0.1:8080/token" << true;
        QTest::newRow("http-to-another-127-address") << "http://127.1.2.3/token" << true;
        QTest::newRow("http-to-ipv6-loopback") << "http://[::1]:8080/token" << true;
        QTest::newRow("http-to-localhost") << "http://localhost/token" << true;
        QTest::newRow("http-elsewhere") << "http://id.example.org/token" << false;
        QTest::newRow("http-to-the-local-network") << "http://192.168.1.10/token" << false;
        QTest::newRow("http-to-a-name-like-loopback") << "http://127.0.0.1.example.org/" << false;
        QTest::newRow("http-to-a-name-like-localhost") << "http://localhost.example.org/" << false;
        QTest::newRow("other-scheme") << "ftp://id.example.org/token" << false;
        QTest::newRow("no-scheme") << "id.example.org/token" << false;
    }

    void addressesThatMayCarryTheSignIn() {
        QFETCH(QString, address);
        QFETCH(bool, safe);
        QCOMPARE(IsSafeOAuth2Address(address), safe);
    }

    // A plain http address elsewhere stops the sign-in and the refresh before
    // anything is sent.
    void plainHttpAddressRefused() {
        const QString refused = QStringLiteral(
            "EOAuth2Error: The token address http://id.example.invalid/token is not an https "
            "address: the sign-in goes only over https (or plain http to this computer's "
            "loopback address).");
        OAuth2Settings s = settings();
        s.TokenUrl = QStringLiteral("http://id.example.invalid/token");
        OAuth2SignIn signIn(s);
        QCOMPARE(failureOf([&] { signIn.start(); }), refused);
        OAuth2Tokens held;
        held.RefreshToken = QStringLiteral("refresh");
        QCOMPARE(failureOf([&] { RefreshOAuth2Tokens(s, held, 10000); }), refused);
    }

    void pastedRedirect_data() {
        QTest::addColumn<QString>("change"); // what the test does to the address
        QTest::addColumn<QString>("failure");
        QTest::newRow("as-given") << ""
                                  << "none";
        QTest::newRow("other-state") << "state"
                                     << "EOAuth2Error: The redirect does not belong to this "
                                        "sign-in (its state differs).";
        QTest::newRow("no-code") << "code"
                                 << "EOAuth2Error: The redirect carries no authorization code.";
        QTest::newRow("access-denied") << "deny"
                                       << "EOAuth2Error: access_denied: The user declined access";
        QTest::newRow("code-used-before")
            << "reuse"
            << "EOAuth2Error: invalid_grant: Unknown or used authorization code";
        QTest::newRow("not-an-address")
            << "garbage"
            << "EOAuth2Error: The address holds no answer of the provider.";
    }

    // The address the browser ended on, pasted by the user, takes the same
    // path as the loopback.
    void pastedRedirect() {
        QFETCH(QString, change);
        QFETCH(QString, failure);
        QVERIFY(m_provider.setDenyAccess(change == "deny"));
        OAuth2SignIn signIn(settings());
        signIn.start();
        QUrl redirect = redirectOf(signIn.authorizationUrl());
        QUrlQuery query(redirect);
        if (change == "state" || change == "code") {
            query.removeQueryItem(change);
            if (change == "state") query.addQueryItem("state", "forged");
        } else if (change == "reuse") {
            OAuth2SignIn first(settings());
            first.start();
            const QUrl firstRedirect = redirectOf(first.authorizationUrl());
            first.acceptRedirect(firstRedirect.toString());
            QCOMPARE(failureOf([&] { first.wait(10000); }), QStringLiteral("none"));
            query.removeQueryItem("code");
            query.addQueryItem("code", QUrlQuery(firstRedirect).queryItemValue("code"));
        }
        redirect.setQuery(query);

        signIn.acceptRedirect(change == "garbage" ? QStringLiteral("no idea")
                                                  : redirect.toString());

        QCOMPARE(failureOf([&] { signIn.wait(10000); }), failure);
        QCOMPARE(signIn.errorText(), failure == "none" ? QString() : failure.section(": ", 1));
        QCOMPARE(signIn.tokens().has_value(), failure == "none");
    }

    // Nobody comes back: cancel and the time-out both end the wait and close
    // the port.
    void cancelAndTimeOut() {
        for (const bool cancel : {true, false}) {
            OAuth2SignIn signIn(settings());
            signIn.start();
            const quint16 loopback =
                quint16(QUrl(QUrlQuery(signIn.authorizationUrl())
                                 .queryItemValue("redirect_uri", QUrl::FullyDecoded))
                            .port());
            if (cancel) QTimer::singleShot(50, &signIn, [&] { signIn.cancel(); });
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(failureOf([&] { signIn.wait(cancel ? 10000 : 200); }),
                     cancel ? QStringLiteral("ECanceledError: Operation has been canceled")
                            : QStringLiteral("ETimedOutError: Operation timed out"));
            QVERIFY(clock.elapsed() < 5000);
            QVERIFY(!portIsOpen(loopback));
        }
    }

    // A token address that takes the request and never answers: the refresh
    // ends when it is stopped (a check's Cancel) or at its time-out, and a
    // refresh stopped before it began asks nothing.
    void refreshThatHangs_data() {
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("requests");
        QTest::newRow("stopped-while-waiting")
            << "stop"
            << "ECanceledError: Operation has been canceled" << 1;
        QTest::newRow("stopped-before") << "stopped"
                                        << "ECanceledError: Operation has been canceled" << 0;
        QTest::newRow("time-out") << "time-out"
                                  << "ETimedOutError: Operation timed out" << 1;
    }

    void refreshThatHangs() {
        QFETCH(QString, end);
        QFETCH(QString, failure);
        QFETCH(int, requests);
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        int connections = 0;
        OAuth2RefreshStop stop;
        connect(&silent, &QTcpServer::newConnection, this, [&] {
            ++connections;
            if (end == "stop") QTimer::singleShot(50, this, [&] { stop.stop(); });
        });
        if (end == "stopped") stop.stop();
        OAuth2Settings s = settings();
        s.TokenUrl = QStringLiteral("http://127.0.0.1:%1/token").arg(silent.serverPort());
        OAuth2Tokens held;
        held.AccessToken = QStringLiteral("old");
        held.RefreshToken = QStringLiteral("refresh");

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(failureOf(
                     [&] { RefreshOAuth2Tokens(s, held, end == "time-out" ? 300 : 20000, &stop); }),
                 failure);
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(connections, requests);
    }

    void incompleteSettingsDoNotStart() {
        OAuth2Settings s = settings();
        s.ClientId.clear();
        OAuth2SignIn signIn(s);
        QCOMPARE(failureOf([&] { signIn.start(); }),
                 "EOAuth2Error: Enter the client ID of the application you registered with "
                 "your provider.");
    }

    void refresh_data() {
        QTest::addColumn<QString>("secret"); // the secret the provider requires
        QTest::addColumn<bool>("revoke");    // all tokens revoked first
        QTest::addColumn<QString>("failure");
        QTest::newRow("old-refresh-token-kept") << "" << false << "none";
        QTest::newRow("secret-sent-where-given") << "s3cret" << false << "none";
        QTest::newRow("revoked") << "" << true
                                 << "EOAuth2Error: invalid_grant: Token has been expired or "
                                    "revoked.";
    }

    void refresh() {
        QFETCH(QString, secret);
        QFETCH(bool, revoke);
        QFETCH(QString, failure);
        OAuth2Settings s = settings();
        s.ClientSecret = secret;
        QVERIFY(m_provider.setClientSecret(secret));
        OAuth2SignIn signIn(s);
        signIn.start();
        signIn.acceptRedirect(redirectOf(signIn.authorizationUrl()).toString());
        const OAuth2Tokens first = signIn.wait(10000);
        if (revoke) QVERIFY(m_provider.revokeAll());
        const int before = m_provider.tokenRequests("refresh_token");

        OAuth2Tokens renewed;
        QCOMPARE(failureOf([&] { renewed = RefreshOAuth2Tokens(s, first, 10000); }), failure);

        QCOMPARE(m_provider.tokenRequests("refresh_token"), before + 1);
        if (failure != "none") return;
        QVERIFY(!renewed.AccessToken.isEmpty());
        QVERIFY(renewed.AccessToken != first.AccessToken);
        // No new refresh token in the answer: the one held goes on.
        QCOMPARE(renewed.RefreshToken, first.RefreshToken);
        QVERIFY(renewed.Expires > QDateTime::currentDateTimeUtc().addSecs(3500));
    }
};

QTEST_GUILESS_MAIN(TestOAuth2Flow)
#include "tst_oauth2flow.moc"
