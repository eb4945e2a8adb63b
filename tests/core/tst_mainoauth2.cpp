// OAuth2 mailboxes checked by the controller against Dovecot, which asks the
// tests' own provider about every token: stored tokens used as they are,
// refreshed before they expire or after the server rejected them, and a sign-in
// that cannot be renewed failing its mailbox with advice to sign in again,
// without a prompt in a sweep.
#include "ControllerFixture.h"
#include "mail/transport/Socket.h"
#include "settings/SecretStore.h"
#include "support/OAuthBrowser.h"
#include "support/servers/OAuthProvider.h"

#include <QTcpServer>
#include <QtTest>

class TestMainOAuth2 : public QObject {
    Q_OBJECT

    OAuthProvider m_provider;
    DovecotServer m_dovecot{true};
    DovecotServer m_plain; // a password mailbox beside the OAuth2 one
    OAuthBrowser m_browser;
    int m_users = 0;

    // A user of both the provider and the server with one message waiting.
    QString oauthUser() {
        const QString user = QStringLiteral("oa%1").arg(++m_users);
        if (!m_dovecot.addUser(user, "unused") || !m_provider.setUser(user))
            qFatal("%s", qPrintable(m_dovecot.errorString()));
        m_dovecot.addMessage(user, mail(user.toLatin1(), "Hello " + user.toLatin1()));
        return user;
    }

    // Slot n signs in as user with OAuth2 through the tests' provider (or
    // another token address).
    void oauthSlot(int n, const QString& user, const QString& tokenUrl = {}) {
        MailboxConfig box{m_dovecot.server(), user, {}, MailSecurity::StartTlsRequired};
        box.SignIn = MailSignIn::OAuth2;
        box.OAuth2.Provider = QStringLiteral("custom");
        box.OAuth2.ClientId = QStringLiteral("quillmere-test");
        box.OAuth2.AuthorizationUrl = m_provider.url(QStringLiteral("/authorize")).toString();
        box.OAuth2.TokenUrl =
            tokenUrl.isEmpty() ? m_provider.url(QStringLiteral("/token")).toString() : tokenUrl;
        box.store(n);
    }

    OAuth2Tokens issued() {
        return m_browser.issue(m_provider.url(QStringLiteral("/control/issue")));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(m_provider.start(), qPrintable(m_provider.errorString()));
        m_dovecot.setOAuth2Introspection(m_provider.url(QStringLiteral("/introspect")).toString());
        QVERIFY2(m_dovecot.start(), qPrintable(m_dovecot.errorString()));
        QVERIFY2(m_plain.start(), qPrintable(m_plain.errorString()));
        TagSocket::setExtraCaCertificates(m_dovecot.certificates());
    }

    void storedTokens_data() {
        QTest::addColumn<QString>("stored"); // how the stored access token stands
        QTest::addColumn<int>("refreshes");
        QTest::newRow("valid-token-used-as-it-is") << "valid" << 0;
        QTest::newRow("expiring-token-refreshed-before-use") << "expiring" << 1;
        QTest::newRow("token-the-server-rejects-renewed-once") << "rejected" << 1;
    }

    // The check lists the mailbox's mail; a refreshed pair replaces the stored one.
    void storedTokens() {
        QFETCH(QString, stored);
        QFETCH(int, refreshes);
        Harness h;
        const QString user = oauthUser();
        oauthSlot(1, user);
        OAuth2Tokens tokens = issued();
        if (stored == QLatin1String("expiring"))
            tokens.Expires = QDateTime::currentDateTimeUtc().addSecs(20);
        if (stored == QLatin1String("rejected")) tokens.AccessToken = QStringLiteral("withdrawn");
        StoreOAuth2Tokens(1, tokens);
        const int before = m_provider.tokenRequests(QStringLiteral("refresh_token"));

        MainController& c = h.start();
        QVERIFY2(c.btListClick(), qPrintable(c.LastFailure()));
        QCOMPARE(h.subjects(), QStringList{"Hello " + user});
        QCOMPARE(m_provider.tokenRequests(QStringLiteral("refresh_token")) - before, refreshes);
        const std::optional<OAuth2Tokens> after = ReadOAuth2Tokens(1, SecretAccess::NeverPrompt);
        QVERIFY(after);
        QCOMPARE(after->AccessToken == tokens.AccessToken, refreshes == 0);
        QCOMPARE(after->RefreshToken, tokens.RefreshToken);
        QVERIFY(h.prompter.shown().isEmpty());
    }

    // An IMAP mailbox signs in with its token through AUTHENTICATE (Dovecot
    // asks the provider about it as over POP3).
    void imapMailboxSignsInWithItsToken() {
        Harness h;
        const QString user = oauthUser();
        oauthSlot(1, user);
        MailboxConfig box;
        box.read(1);
        box.Server = m_dovecot.imapServer();
        box.Protocol = MailProtocol::Imap;
        box.store(1);
        StoreOAuth2Tokens(1, issued());
        MainController& c = h.start();
        QVERIFY2(c.btListClick(), qPrintable(c.LastFailure()));
        QCOMPARE(h.subjects(), QStringList{"Hello " + user});
    }

    // Tokens granted for POP3's scope open no IMAP mailbox where the provider's
    // IMAP scope is another: the check asks for a new sign-in before any token
    // goes out, and one granted for IMAP is used.
    void mailboxSwitchedToImapSignsInAgain() {
        Harness h;
        const QString user = oauthUser();
        MailboxConfig box{m_dovecot.imapServer(), user, {}, MailSecurity::StartTlsRequired};
        box.SignIn = MailSignIn::OAuth2;
        box.OAuth2.Provider = QStringLiteral("microsoft");
        box.OAuth2.ClientId = QStringLiteral("quillmere-test");
        box.Protocol = box.OAuth2.Protocol = MailProtocol::Imap;
        box.store(1);
        OAuth2Tokens tokens = issued(); // stored before the scope was kept: POP3's
        StoreOAuth2Tokens(1, tokens);
        MainController& c = h.start();
        QVERIFY(!c.btListClick());
        QVERIFY2(c.LastFailure().contains("the OAuth2 sign-in was granted for POP3, not for IMAP. "
                                          "Sign in again in the mailbox's details."),
                 qPrintable(c.LastFailure()));
        tokens.Scope = box.OAuth2.effective().Scope;
        QVERIFY(tokens.Scope.contains("IMAP.AccessAsUser.All"));
        StoreOAuth2Tokens(1, tokens);
        QVERIFY2(c.btListClick(), qPrintable(c.LastFailure()));
        QCOMPARE(h.subjects(), QStringList{"Hello " + user});
    }

    void signInAgain_data() {
        QTest::addColumn<QString>("tokens");
        QTest::addColumn<QString>("reason");
        QTest::newRow("never-signed-in") << "none"
                                         << "the mailbox has no OAuth2 sign-in yet.";
        QTest::newRow("refresh-token-revoked")
            << "revoked"
            << "the OAuth2 sign-in has expired or was withdrawn (invalid_grant: ";
        QTest::newRow("expired-without-refresh-token")
            << "no-refresh"
            << "the OAuth2 access token has expired and the provider gave no refresh token.";
    }

    // A hidden timer sweep: the OAuth2 mailbox fails with the advice, nothing
    // asks anything, and the next mailbox is checked. A check the user starts
    // fails with the same text.
    void signInAgain() {
        QFETCH(QString, tokens);
        QFETCH(QString, reason);
        Harness h;
        const QString user = oauthUser();
        oauthSlot(1, user);
        QVERIFY(m_plain.addUser(QStringLiteral("plain%1").arg(m_users), "secret"));
        Harness::slot(2, m_plain.server(), QStringLiteral("plain%1").arg(m_users));
        if (tokens != QLatin1String("none")) {
            OAuth2Tokens t = issued();
            t.Expires = QDateTime::currentDateTimeUtc().addSecs(-10);
            if (tokens == QLatin1String("revoked")) QVERIFY(m_provider.revokeAll());
            if (tokens == QLatin1String("no-refresh")) t.RefreshToken.clear();
            StoreOAuth2Tokens(1, t);
        }
        const QString advice = QStringLiteral("Mailbox 1 (%1): ").arg(user);

        MainController& c = h.start();
        h.view.visible = false;
        QList<SweptMailbox> swept;
        connect(&c, &MainController::mailboxSwept, this,
                [&](const SweptMailbox& m) { swept << m; });
        c.SweepNow();
        QCOMPARE(swept.size(), 2);
        QVERIFY2(swept[0].Failure.startsWith(advice + reason), qPrintable(swept[0].Failure));
        QVERIFY(swept[0].Failure.endsWith(" Sign in again in the mailbox's details."));
        QVERIFY2(swept[1].Failure.isEmpty(), qPrintable(swept[1].Failure));
        QVERIFY(h.prompter.shown().isEmpty());
        // The failure is logged as an error, never as a check of the mailbox.
        QCOMPARE(h.logLinesStartingWith("ERROR " + advice + reason).size(), 1);
        QCOMPARE(h.logLinesStartingWith("MAIL CHECK").size(), 1);
        QVERIFY(h.logLinesStartingWith("MAIL CHECK 0 msg(s) for \"" + user).isEmpty());
        // A refusal stays with the tokens: nobody takes them for a working sign-in.
        const std::optional<OAuth2Tokens> kept = ReadOAuth2Tokens(1, SecretAccess::NeverPrompt);
        QCOMPARE(kept && !kept->Refused.isEmpty(), tokens == QLatin1String("revoked"));

        h.view.visible = true;
        QVERIFY(!c.checkSlot(1));
        QVERIFY2(c.LastFailure().contains(reason), qPrintable(c.LastFailure()));
        QVERIFY(c.LastFailure().contains("Sign in again"));
        QCOMPARE(h.logLinesStartingWith("ERROR " + advice + reason).size(), 2);
    }

    // A provider that takes the token request and never answers: Cancel ends
    // the check at once, as it would a wait for the server, and the stored
    // pair stays.
    void cancelWhileRenewing() {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        Harness h;
        const QString user = oauthUser();
        oauthSlot(1, user, QStringLiteral("http://127.0.0.1:%1/token").arg(silent.serverPort()));
        OAuth2Tokens tokens = issued();
        tokens.Expires = QDateTime::currentDateTimeUtc().addSecs(-10);
        StoreOAuth2Tokens(1, tokens);

        MainController& c = h.start();
        connect(&silent, &QTcpServer::newConnection, this,
                [&] { QTimer::singleShot(100, &c, [&] { c.btCancelClick(); }); });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!c.btListClick());
        QVERIFY2(clock.elapsed() < 20000, "the check waited for the refresh's time-out");
        QCOMPARE(h.prompter.texts(), QStringList{"Operation has been canceled"});
        QCOMPARE(h.logLinesStartingWith("OPERATION CANCELED FOR " + user).size(), 1);
        QVERIFY(!c.session().connected());
        QCOMPARE(ReadOAuth2Tokens(1, SecretAccess::NeverPrompt)->AccessToken, tokens.AccessToken);
    }
};

QTEST_GUILESS_MAIN(TestMainOAuth2)
#include "tst_mainoauth2.moc"
