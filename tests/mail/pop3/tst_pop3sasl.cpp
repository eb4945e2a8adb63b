// OAuth2 sign-in through SASL against a scripted server: the mechanism, the
// exact lines, the answers to an error challenge, the renewal of a rejected
// token, and that no token leaves on an unprotected connection.
#include "PopEvents.h"
#include "support/servers/DovecotServer.h"
#include "support/servers/OAuthProvider.h"
#include "support/servers/ScriptedPop3Server.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray b64(const QByteArray& raw) {
    return raw.toBase64();
}

QByteArray xoauth2(const QByteArray& token) {
    return b64("user=tester\x01"
               "auth=Bearer " +
               token + "\x01\x01");
}

QByteArray oauthbearer(const QByteArray& token, quint16 port) {
    return b64("n,a=tester,\x01host=localhost\x01port=" + QByteArray::number(port) +
               "\x01"
               "auth=Bearer " +
               token + "\x01\x01");
}

// Greeting, CAPA, STLS and the CAPA after it, which offers sasl.
Pop3Script upgraded(const QByteArray& sasl) {
    return Pop3Script{
        {"", "+OK ready\r\n"},
        {"CAPA", "+OK\r\nSTLS\r\nSASL PLAIN\r\n.\r\n"},
        {"STLS", "+OK begin TLS\r\n", ScriptStep::StartTls},
        {"CAPA", "+OK\r\nUSER\r\nTOP\r\n" +
                     (sasl.isEmpty() ? QByteArray() : "SASL " + sasl + "\r\n") + ".\r\n"},
    };
}

} // namespace

class TestPop3Sasl : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QSslCertificate m_certificate;
    QSslKey m_key;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(DovecotServer::makeCertificate(m_dir.path(), &m_certificate, &m_key));
    }
    void init() { TagSocket::setExtraCaCertificates({m_certificate}); }
    void cleanup() { TagSocket::setExtraCaCertificates({}); }

    void signIn_data() {
        QTest::addColumn<QByteArray>("sasl");
        QTest::addColumn<QByteArray>("token");
        // The exchange after the CAPA; "PORT" in an expected line stands for the
        // server's port (OAUTHBEARER carries it).
        QTest::addColumn<QList<QByteArray>>("exchange");
        QTest::addColumn<QString>("failure"); // empty: signs in
        QTest::addColumn<int>("renewals");

        const QByteArray ok = "+OK\r\n";
        const QByteArray challenge = "+ " + b64(R"({"status":"invalid_token"})") + "\r\n";
        const QByteArray longToken(1200, 'x');
        QTest::newRow("xoauth2-when-oauthbearer-absent")
            << QByteArray("PLAIN XOAUTH2") << QByteArray("tok")
            << QList<QByteArray>{"AUTH XOAUTH2 " + xoauth2("tok"), ok} << QString() << 0;
        QTest::newRow("oauthbearer-preferred")
            << QByteArray("XOAUTH2 OAUTHBEARER") << QByteArray("tok")
            << QList<QByteArray>{"AUTH OAUTHBEARER OB:tok", ok} << QString() << 0;
        QTest::newRow("long-token-goes-on-its-own-line")
            << QByteArray("XOAUTH2") << longToken
            << QList<QByteArray>{"AUTH XOAUTH2", "+ \r\n", xoauth2(longToken), ok} << QString()
            << 0;
        QTest::newRow("rejected-token-renewed-once")
            << QByteArray("XOAUTH2") << QByteArray("tok")
            << QList<QByteArray>{"AUTH XOAUTH2 " + xoauth2("tok"),
                                 challenge,
                                 "",
                                 "-ERR [AUTH] failed\r\n",
                                 "AUTH XOAUTH2 " + xoauth2("tok2"),
                                 ok}
            << QString() << 1;
        QTest::newRow("second-rejection-shows-server-text")
            << QByteArray("OAUTHBEARER") << QByteArray("tok")
            << QList<QByteArray>{"AUTH OAUTHBEARER OB:tok",
                                 challenge,
                                 "AQ==",
                                 "-ERR [AUTH] failed\r\n",
                                 "AUTH OAUTHBEARER OB:tok2",
                                 challenge,
                                 "AQ==",
                                 "-ERR [AUTH] failed\r\n"}
            << QString("EServerError: -ERR [AUTH] failed (invalid_token; the reply to AUTH "
                       "OAUTHBEARER)")
            << 1;
        QTest::newRow("no-mechanism-offered")
            << QByteArray("PLAIN") << QByteArray("tok") << QList<QByteArray>{}
            << QString("ESocketError: The server does not offer OAuth2") << 0;
    }

    void signIn() {
        QFETCH(QByteArray, sasl);
        QFETCH(QByteArray, token);
        QFETCH(QList<QByteArray>, exchange);
        QFETCH(QString, failure);
        QFETCH(int, renewals);

        // The port is known only once the server listens: OAUTHBEARER lines are
        // filled in after a first server tells it (ports differ, so the lines are
        // compared after the run instead).
        Pop3Script script = upgraded(sasl);
        for (qsizetype i = 0; i + 1 < exchange.size(); i += 2)
            script.append({exchange[i], exchange[i + 1]});
        if (failure.isEmpty()) script += Pop3Script{{"STAT", "+OK 0 0\r\n"}, {"QUIT", "+OK\r\n"}};
        ScriptedPop3Server server(script);
        server.setTlsIdentity(m_certificate, m_key);
        // Every line after the greeting, the empty answer to a challenge included.
        QStringList expected;
        for (qsizetype i = 1; i < script.size(); ++i)
            expected << QString::fromLatin1(script[i].expect);
        for (QString& line : expected) {
            if (!line.contains(QStringLiteral(" OB:"))) continue;
            const QByteArray tok = line.section(QStringLiteral(" OB:"), 1).toLatin1();
            line = line.section(QStringLiteral(" OB:"), 0, 0) + QLatin1Char(' ') +
                   QString::fromLatin1(oauthbearer(tok, server.port()));
        }

        TmsRemotePOP pop;
        pop.Server = QStringLiteral("localhost:%1").arg(server.port());
        pop.UserName = QStringLiteral("tester");
        pop.SignIn = MailSignIn::OAuth2;
        pop.setTimeOut(3);
        int renewed = 0;
        pop.OnAccessToken = [&](bool renew) {
            if (renew) ++renewed;
            return QString::fromLatin1(renew ? token + "2" : token);
        };
        const QString got = failureOf([&] { pop.UpdateInfo(); });
        if (failure.isEmpty())
            QCOMPARE(got, QStringLiteral("none"));
        else
            QVERIFY2(got.startsWith(failure), qPrintable(got));
        QCOMPARE(renewed, renewals);
        QStringList received = server.received();
        if (!failure.isEmpty() && received.size() > expected.size())
            received.resize(expected.size());
        QCOMPARE(received, expected.mid(0, received.size()));
        QCOMPARE(received.size(), failure.isEmpty() ? expected.size() : received.size());
        QVERIFY(!server.received().join('\n').contains("AUTH") || sasl != "PLAIN");
    }

    // Nothing of the token on a plain connection, and nothing at all once the
    // token source fails.
    void noTokenSent_data() {
        QTest::addColumn<bool>("plain");
        QTest::addColumn<QString>("failure");
        QTest::newRow("plain-connection")
            << true << "ESocketError: OAuth2 is only sent over an encrypted";
        QTest::newRow("token-source-raises") << false << "Exception: sign in again";
    }

    void noTokenSent() {
        QFETCH(bool, plain);
        QFETCH(QString, failure);
        Pop3Script script =
            plain ? Pop3Script{{"", "+OK ready\r\n"}, {"CAPA", "+OK\r\nSASL XOAUTH2\r\n.\r\n"}}
                  : upgraded("XOAUTH2");
        ScriptedPop3Server server(script);
        server.setTlsIdentity(m_certificate, m_key);
        TmsRemotePOP pop;
        pop.Server = QStringLiteral("localhost:%1").arg(server.port());
        pop.UserName = QStringLiteral("tester");
        pop.SignIn = MailSignIn::OAuth2;
        pop.Security = plain ? MailSecurity::None : MailSecurity::StartTlsRequired;
        pop.setTimeOut(3);
        pop.OnAccessToken = [&](bool) -> QString {
            if (!plain) throw EOAuth2Error(QStringLiteral("sign in again"));
            return QStringLiteral("tok");
        };
        const QString got = failureOf([&] { pop.UpdateInfo(); });
        QVERIFY2(got.startsWith(failure), qPrintable(got));
        QCOMPARE(server.received(), server.expected());
        QVERIFY(!pop.Connected());
    }

    // A real server checks the token with the provider: both mechanisms sign
    // in, and a revoked token ends with the server's text after one renewal.
    void againstDovecot() {
        OAuthProvider provider;
        QVERIFY2(provider.start(), qPrintable(provider.errorString()));
        QVERIFY(provider.setUser(QStringLiteral("alice")));
        DovecotServer dovecot(true);
        dovecot.setOAuth2Introspection(provider.url(QStringLiteral("/introspect")).toString());
        QVERIFY(dovecot.addUser(QStringLiteral("alice"), QStringLiteral("unused")));
        QVERIFY2(dovecot.start(), qPrintable(dovecot.errorString()));
        TagSocket::setExtraCaCertificates(dovecot.certificates());

        TmsRemotePOP pop;
        pop.Server = dovecot.server();
        pop.UserName = QStringLiteral("alice");
        pop.SignIn = MailSignIn::OAuth2;
        pop.Security = MailSecurity::StartTlsRequired;
        pop.setTimeOut(10);
        int renewals = 0;
        pop.OnAccessToken = [&](bool renew) {
            renewals += renew;
            return provider.issueAccessToken();
        };
        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }), QStringLiteral("none"));
        pop.Server = dovecot.secureServer();
        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }), QStringLiteral("none"));
        QCOMPARE(renewals, 0);

        pop.OnAccessToken = [&](bool renew) {
            renewals += renew;
            const QString token = provider.issueAccessToken();
            provider.revokeAll();
            return token;
        };
        const QString got = failureOf([&] { pop.UpdateInfo(); });
        QVERIFY2(got.startsWith(QStringLiteral("EServerError: -ERR [AUTH]")), qPrintable(got));
        QCOMPARE(renewals, 1);
    }
};

QTEST_GUILESS_MAIN(TestPop3Sasl)
#include "tst_pop3sasl.moc"
