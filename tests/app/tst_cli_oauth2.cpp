// quillmere-cli mailbox N --oauth2: the sign-in through the address it prints,
// taken on the loopback port or pasted on standard input, against the tests'
// own provider; the mailbox then checked against Dovecot with that sign-in.
#include "CliRunner.h"
#include "mail/transport/MailSecurity.h"
#include "settings/MailboxConfig.h"
#include "settings/SecretStore.h"
#include "settings/SettingsStore.h"
#include "support/OAuthBrowser.h"
#include "support/TempProfile.h"
#include "support/servers/DovecotServer.h"
#include "support/servers/OAuthProvider.h"

#include <QProcess>
#include <QtTest>

namespace {

QString stored(const QString& ident) {
    return SettingsStore::tree().ReadString(QStringLiteral("Server"), ident,
                                            QStringLiteral("<none>"));
}

} // namespace

class TestCliOAuth2 : public QObject {
    Q_OBJECT

    OAuthProvider m_provider;
    DovecotServer m_dovecot{true};
    OAuthBrowser m_browser;
    int m_users = 0;

    QStringList customProvider() const {
        return {"--oauth2",    "custom",
                "--client-id", "quillmere-test",
                "--auth-url",  m_provider.url(QStringLiteral("/authorize")).toString(),
                "--token-url", m_provider.url(QStringLiteral("/token")).toString()};
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(m_provider.start(), qPrintable(m_provider.errorString()));
        m_dovecot.setOAuth2Introspection(m_provider.url(QStringLiteral("/introspect")).toString());
        QVERIFY2(m_dovecot.start(), qPrintable(m_dovecot.errorString()));
    }

    void signIn_data() {
        QTest::addColumn<QString>("browser"); // "follows", "elsewhere" (pasted), "denies"
        QTest::newRow("loopback-redirect") << "follows";
        QTest::newRow("address-pasted-on-stdin") << "elsewhere";
        QTest::newRow("user-declines-nothing-stored") << "denies";
    }

    // The printed address leads to the tokens; the listing shows the sign-in
    // and a check signs in with it.
    void signIn() {
        QFETCH(QString, browser);
        TempProfile profile;
        SettingsStore::tree().WriteString("Server", "Version161", "161");
        const QString user = QStringLiteral("cli%1").arg(++m_users);
        QVERIFY(m_dovecot.addUser(user, "unused"));
        QVERIFY(m_dovecot.addMessage(user, "Subject: Hello\nMessage-ID: <a@example.org>\n\nHi.\n"));
        QVERIFY(m_provider.setUser(user));
        QVERIFY(m_provider.setDenyAccess(browser == QLatin1String("denies")));
        const QString fingerprint = certificateFingerprint(m_dovecot.certificates().value(0));

        QProcess* p = startCli(QStringList{"mailbox", "3", "--server", m_dovecot.server(), "--user",
                                           user, "--trust-fingerprint", fingerprint} +
                               customProvider());
        QString out;
        while (!out.contains("press Enter.\n") && p->waitForReadyRead(10000))
            out += QString::fromUtf8(p->readAllStandardOutput());
        const QStringList lines = out.split('\n');
        QVERIFY2(lines.size() >= 3 && lines[0].startsWith("Open this address"), qPrintable(out));
        const QUrl address(lines[1]);
        QCOMPARE(address.path(), QStringLiteral("/authorize"));
        if (browser == QLatin1String("elsewhere")) {
            const QString redirect = m_browser.redirectOf(address);
            QVERIFY2(redirect.startsWith("http://127.0.0.1:"), qPrintable(redirect));
            p->write("\n" + redirect.toUtf8() + "\n");
        } else {
            m_browser.follow(address);
        }
        QTRY_VERIFY_WITH_TIMEOUT(p->state() == QProcess::NotRunning, 30000);
        const Run r = finishCli(p, out);

        if (browser == QLatin1String("denies")) {
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains("the OAuth2 sign-in failed: access_denied"), qPrintable(r.err));
            QCOMPARE(stored("Server3"), QStringLiteral("<none>"));
            QVERIFY(!ReadOAuth2Tokens(3, SecretAccess::NeverPrompt));
            return;
        }
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains("\nSigned in\n"), qPrintable(r.out));
        QVERIFY2(r.out.contains("oauth2 custom (signed in)"), qPrintable(r.out));
        QCOMPARE(stored("SignIn3"), QStringLiteral("oauth2"));
        QVERIFY(ReadOAuth2Tokens(3, SecretAccess::NeverPrompt));

        const Run check = cli({"check", "--mailbox", "3"});
        QVERIFY2(check.code == 0, qPrintable(check.err));
        QVERIFY2(check.out.contains("Hello"), qPrintable(check.out));

        // Back to the password: no sign-in is started, the tokens stay.
        const Run back =
            cli({"mailbox", "3", "--sign-in", "password", "--password-stdin"}, "secret\n");
        QVERIFY2(back.code == 0, qPrintable(back.err));
        QCOMPARE(stored("SignIn3"), QStringLiteral("password"));
        QVERIFY(!back.out.contains("oauth2"));
    }

    void refused_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown-provider") << QStringList{"--oauth2", "yahoo", "--client-id", "x"}
                                          << 2 << "not an OAuth2 provider";
        QTest::newRow("client-id-without-oauth2")
            << QStringList{"--client-id", "x"} << 2 << "usage";
        QTest::newRow("oauth2-and-password-at-once")
            << QStringList{"--oauth2", "google", "--client-id", "x", "--sign-in", "password"} << 2
            << "usage";
        QTest::newRow("custom-without-addresses")
            << QStringList{"--oauth2", "custom", "--client-id", "x"} << 1
            << "Enter the provider's authorization and token addresses.";
        QTest::newRow("google-without-secret")
            << QStringList{"--oauth2", "google", "--client-id", "x"} << 1
            << "Enter the client secret Google gave your application.";
        QTest::newRow("unencrypted-connection")
            << QStringList{"--security", "starttls-optional", "--oauth2",
                           "microsoft",  "--client-id",       "x"}
            << 1 << "OAuth2 is sent only over an encrypted connection";
        QTest::newRow("plain-http-token-address")
            << QStringList{"--security",  "tls",
                           "--oauth2",    "custom",
                           "--client-id", "x",
                           "--auth-url",  "https://id.example.org/authorize",
                           "--token-url", "http://id.example.org/token"}
            << 1
            << "The token address http://id.example.org/token is not an https address: the "
               "sign-in goes only over https (or plain http to this computer's loopback address).";
    }

    // Refused before any sign-in starts, and nothing is stored.
    void refused() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, error);
        TempProfile profile;
        const Run r =
            cli(QStringList{"mailbox", "5", "--server", "pop.example.org", "--user", "ann"} + args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(error, Qt::CaseInsensitive), qPrintable(r.err));
        QVERIFY(!r.out.contains("Open this address"));
        QCOMPARE(stored("Server5"), QStringLiteral("<none>"));
    }

    // A change the OAuth2 sign-in refuses leaves the stored mailbox as it was.
    void refusedChangeOfAnOAuth2MailboxChangesNothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        const QString unencrypted = "OAuth2 is sent only over an encrypted connection";
        QTest::newRow("security-none") << QStringList{"--security", "none"} << unencrypted;
        QTest::newRow("security-starttls-if-offered")
            << QStringList{"--security", "starttls-optional"} << unencrypted;
    }

    void refusedChangeOfAnOAuth2MailboxChangesNothing() {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        TempProfile profile;
        SettingsStore::tree().WriteString("Server", "Version161", "161");
        MailboxConfig box{QStringLiteral("pop.example.org"),
                          QStringLiteral("ann"),
                          {},
                          MailSecurity::StartTlsRequired};
        box.SignIn = MailSignIn::OAuth2;
        box.OAuth2.Provider = QStringLiteral("microsoft");
        box.OAuth2.ClientId = QStringLiteral("x");
        box.store(6);
        QFile tree(SettingsStore::tree().path());
        QVERIFY(tree.open(QIODevice::ReadOnly));
        const QByteArray before = tree.readAll();
        tree.close();

        const Run r = cli(QStringList{"mailbox", "6"} + args);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(error), qPrintable(r.err));
        QVERIFY(tree.open(QIODevice::ReadOnly));
        QCOMPARE(tree.readAll(), before);
    }
};

QTEST_GUILESS_MAIN(TestCliOAuth2)
#include "tst_cli_oauth2.moc"
