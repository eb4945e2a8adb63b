// The IMAP client against a scripted server: the exact command lines, the
// announcements in order, the sign-in and its protection, the removal in each
// form a server allows, and the faults of a server that misbehaves.
#include "ImapEvents.h"
#include "support/servers/DovecotServer.h"
#include "support/servers/ScriptedImapServer.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray H1 = "Subject: one\r\nMessage-ID: <1@example.org>\r\n\r\n";
const QByteArray H2 = "Subject: two\r\nMessage-ID: <2@example.org>\r\n\r\n";
const QByteArray Fetch = "UID FETCH 1:* (UID RFC822.SIZE BODY.PEEK[HEADER])";
const QByteArray Bye = "* BYE Logging out\r\n";

ScriptStep logout(const QByteArray& tag) {
    return {tag + " LOGOUT", Bye + tag + " OK Logout completed\r\n"};
}

// A listing of two messages (UIDs 11 and 12) on a fresh connection; kept
// connections select the folder for writing and stay signed in.
ImapScript listing(bool keep, const QByteArray& capabilities = "IMAP4rev1 IDLE MOVE UIDPLUS") {
    ImapScript script = ScriptedImapServer::signIn(capabilities);
    script << ScriptStep{keep ? "A2 SELECT \"INBOX\"" : "A2 EXAMINE \"INBOX\"",
                         ScriptedImapServer::selected("A2", 2, 7, keep)}
           << ScriptStep{"A3 " + Fetch, ScriptedImapServer::fetched(1, 11, H1, 120) +
                                            ScriptedImapServer::fetched(2, 12, H2, 130) +
                                            "A3 OK Fetch completed\r\n"};
    if (!keep) script << logout("A4");
    return script;
}

void configure(ImapClient& client, const ScriptedPop3Server& server,
               MailSecurity security = MailSecurity::None) {
    MailAccount account;
    account.Server = server.server();
    account.UserName = QStringLiteral("tester");
    account.Password = QStringLiteral("secret");
    account.Security = security;
    account.Protocol = MailProtocol::Imap;
    client.setAccount(account);
    client.setTimeOut(3);
}

QByteArray b64(const QByteArray& raw) {
    return raw.toBase64();
}

} // namespace

class TestImapDialogue : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QSslCertificate m_certificate;
    QSslKey m_key;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(DovecotServer::makeCertificate(m_dir.path(), &m_certificate, &m_key));
    }
    void cleanup() { TagSocket::setExtraCaCertificates({}); }

    void listingSendsSelectAndFetchTogether() {
        ScriptedImapServer server(listing(false));
        ImapClient client;
        configure(client, server);
        ClientEvents log;
        client.setListener(&log);

        client.list();

        QCOMPARE(server.received(), server.expected());
        QCOMPARE(log.events, (QStringList{"open", "listing", "listed 0/2", "listed 1/2", "closing",
                                          "closed", "list ended"}));
        QCOMPARE(client.count(), 2);
        QCOMPARE(client.uid(1), QStringLiteral("12"));
        QCOMPARE(client.size(0), 120);
        QCOMPARE(client.uidValidity(), 7u);
        QCOMPARE(client.headers(1).GetFieldValue("Subject"), QStringLiteral("two"));
        QCOMPARE(client.headers(0).size(), 2); // the empty line ending the header goes
        QVERIFY(!client.connected());
    }

    void listingKeptForARemovalSelectsForWriting() {
        ScriptedImapServer server(listing(true));
        ImapClient client;
        configure(client, server);
        client.setKeepConnection(true);
        client.list();
        QCOMPARE(server.received(), server.expected());
        QVERIFY(client.connected());
    }

    void listingQuirks_data() {
        QTest::addColumn<QByteArray>("reply"); // to the UID FETCH, after the SELECT of 2
        QTest::addColumn<QStringList>("subjects");
        QTest::addColumn<QString>("failure");
        QTest::newRow("header-as-quoted-string-items-in-another-order")
            << QByteArray("* 1 FETCH (BODY[HEADER] \"Subject: q\" RFC822.SIZE 5 UID 3)\r\n"
                          "A3 OK done\r\n")
            << QStringList{"q"} << QString("none");
        QTest::newRow("flags-only-fetch-and-repeated-uid-skipped")
            << QByteArray("* 1 FETCH (FLAGS (\\Seen))\r\n" +
                          ScriptedImapServer::fetched(1, 3, "Subject: a\r\n\r\n") +
                          ScriptedImapServer::fetched(1, 3, "Subject: b\r\n\r\n") +
                          "A3 OK done\r\n")
            << QStringList{"a"} << QString("none");
        QTest::newRow("new-mail-during-the-fetch-counts-in-the-total")
            << QByteArray(
                   ScriptedImapServer::fetched(1, 3, "Subject: a\r\n\r\n") + "* 3 EXISTS\r\n" +
                   ScriptedImapServer::fetched(2, 4, "Subject: b\r\n\r\n") +
                   ScriptedImapServer::fetched(3, 5, "Subject: c\r\n\r\n") + "A3 OK done\r\n")
            << QStringList{"a", "b", "c"} << QString("none");
        QTest::newRow("fetch-refused-with-messages-fails")
            << QByteArray("A3 NO [SERVERBUG] Internal error\r\n") << QStringList{}
            << QString("EServerError: A3 NO [SERVERBUG] Internal error (the reply to UID FETCH)");
    }

    void listingQuirks() {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, subjects);
        QFETCH(QString, failure);
        ImapScript script = ScriptedImapServer::signIn();
        script << ScriptStep{"A2 EXAMINE \"INBOX\"",
                             ScriptedImapServer::selected("A2", 2, 7, false)}
               << ScriptStep{"A3 " + Fetch, reply} << logout("A4");
        ScriptedImapServer server(script);
        ImapClient client;
        configure(client, server);
        QCOMPARE(failureOf([&] { client.list(); }), failure);
        QStringList got;
        for (int i = 0; i < client.count(); ++i)
            got << client.headers(i).GetFieldValue("Subject");
        QCOMPARE(got, subjects);
    }

    void emptyFolderRefusingTheFetchListsNothing() {
        ImapScript script = ScriptedImapServer::signIn();
        script << ScriptStep{"A2 EXAMINE \"INBOX\"",
                             ScriptedImapServer::selected("A2", 0, 7, false)}
               << ScriptStep{"A3 " + Fetch, "A3 BAD Invalid messageset\r\n"} << logout("A4");
        ScriptedImapServer server(script);
        ImapClient client;
        configure(client, server);
        client.list();
        QCOMPARE(client.count(), 0);
        QCOMPARE(server.received(), server.expected());
    }

    void faults_data() {
        QTest::addColumn<ImapScript>("script");
        QTest::addColumn<int>("ceiling");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("rows");

        const ImapScript signIn = ScriptedImapServer::signIn();
        const ScriptStep examine{"A2 EXAMINE \"INBOX\"",
                                 ScriptedImapServer::selected("A2", 2, 7, false)};
        const QByteArray first = ScriptedImapServer::fetched(1, 11, H1);
        QTest::newRow("bye-in-the-middle-of-the-fetch")
            << ImapScript(signIn + ImapScript{examine,
                                              {"A3 " + Fetch, first + "* BYE Shutting down\r\n",
                                               ScriptStep::Close}})
            << 0
            << QString("ESocketError: The server ended the session (* BYE Shutting down) while "
                       "waiting for the reply to UID FETCH")
            << 1;
        QTest::newRow("closed-in-the-middle-of-a-literal")
            << ImapScript(signIn + ImapScript{examine,
                                              {"A3 " + Fetch, first.left(first.size() - 10),
                                               ScriptStep::Close}})
            << 0
            << QString("ESocketError: Connection closed by the server in the middle of the reply "
                       "to UID FETCH")
            << 0;
        QTest::newRow("reply-that-stops")
            << ImapScript(signIn + ImapScript{examine, {"A3 " + Fetch, first, ScriptStep::Stall}})
            << 0 << QString("ETimedOutError: Operation timed out") << 1;
        QByteArray endless;
        for (int i = 0; i < 40; ++i)
            endless += "* OK Still here\r\n";
        QTest::newRow("reply-that-never-ends")
            << ImapScript(signIn +
                          ImapScript{examine, {"A3 " + Fetch, endless, ScriptStep::Stall, 40, 100}})
            << 1 << QString("ETimedOutError: Operation timed out") << 0;
        QTest::newRow("folder-refused")
            << ImapScript(signIn + ImapScript{{"A2 EXAMINE \"INBOX\"",
                                               "A2 NO [NONEXISTENT] No such folder\r\n"},
                                              {"A3 " + Fetch, "A3 BAD No mailbox selected\r\n"}})
            << 0
            << QString("EServerError: A2 NO [NONEXISTENT] No such folder (the reply to EXAMINE "
                       "INBOX)")
            << 0;
        QTest::newRow("password-refused")
            << ImapScript{{"", "* OK [CAPABILITY IMAP4rev1] ready\r\n"},
                          {"A1 LOGIN \"tester\" \"secret\"",
                           "A1 NO [AUTHENTICATIONFAILED] Authentication failed.\r\n"}}
            << 0
            << QString("EServerError: A1 NO [AUTHENTICATIONFAILED] Authentication failed. (the "
                       "reply to LOGIN)")
            << 0;
        QTest::newRow("no-imap-server")
            << ImapScript{{"", "+OK POP3 ready\r\n"}} << 0
            << QString("EServerError: The server's greeting is no IMAP greeting: +OK POP3 ready")
            << 0;
    }

    // Each fault ends the listing with its text and the connection closed.
    void faults() {
        QFETCH(ImapScript, script);
        QFETCH(int, ceiling);
        QFETCH(QString, failure);
        QFETCH(int, rows);
        ScriptedImapServer server(script);
        ImapClient client;
        configure(client, server);
        client.setTimeOut(1);
        if (ceiling > 0) client.setReplyCeiling(ceiling);
        ClientEvents log;
        client.setListener(&log);
        QElapsedTimer took;
        took.start();
        QCOMPARE(failureOf([&] { client.list(); }), failure);
        QVERIFY(took.elapsed() < 3000);
        QCOMPARE(client.count(), rows);
        QVERIFY(!client.connected());
        QVERIFY(!log.events.contains("list ended"));
    }

    void protection_data() {
        QTest::addColumn<int>("security");
        QTest::addColumn<ImapScript>("script");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("password");

        const int required = int(MailSecurity::StartTlsRequired);
        const int optional = int(MailSecurity::StartTlsOptional);
        const int none = int(MailSecurity::None);
        const ImapScript emptyListing{
            {"A2 EXAMINE \"INBOX\"", ScriptedImapServer::selected("A2", 0, 7, false)},
            {"A3 " + Fetch, "A3 OK done\r\n"},
            logout("A4")};
        QTest::newRow("stripped-starttls-refused-before-the-password")
            << required << ImapScript{{"", "* OK [CAPABILITY IMAP4rev1 AUTH=PLAIN] ready\r\n"}}
            << QString("ESocketError: The server does not offer STARTTLS, which this mailbox "
                       "requires; the password was not sent.")
            << QString("secret");
        QTest::newRow("capabilities-asked-when-the-greeting-names-none")
            << required
            << ImapScript{{"", "* OK ready\r\n"},
                          {"A1 CAPABILITY", "* CAPABILITY IMAP4rev1\r\nA1 OK done\r\n"}}
            << QString("ESocketError: The server does not offer STARTTLS, which this mailbox "
                       "requires; the password was not sent.")
            << QString("secret");
        QTest::newRow("starttls-refused")
            << required
            << ImapScript{{"", "* OK [CAPABILITY IMAP4rev1 STARTTLS] ready\r\n"},
                          {"A1 STARTTLS", "A1 NO Not now\r\n"}}
            << QString("ESocketError: The server refused STARTTLS, which this mailbox requires: "
                       "A1 NO Not now; the password was not sent.")
            << QString("secret");
        QTest::newRow("preauth-in-the-clear-refused")
            << required << ImapScript{{"", "* PREAUTH [CAPABILITY IMAP4rev1] Welcome\r\n"}}
            << QString("ESocketError: The server signed in without STARTTLS, which this mailbox "
                       "requires; the password was not sent.")
            << QString("secret");
        QTest::newRow("logindisabled-refused-before-the-password")
            << none << ImapScript{{"", "* OK [CAPABILITY IMAP4rev1 LOGINDISABLED] ready\r\n"}}
            << QString("ESocketError: The server does not accept a password on this connection "
                       "(LOGINDISABLED); the password was not sent.")
            << QString("secret");
        QTest::newRow("optional-without-starttls-signs-in-readable")
            << optional
            << ImapScript(ScriptedImapServer::signIn("IMAP4rev1 AUTH=PLAIN") + emptyListing)
            << QString("none") << QString("secret");
        QTest::newRow("quoted-password-escapes-its-quote-and-backslash")
            << none
            << ImapScript{{"", "* OK [CAPABILITY IMAP4rev1] ready\r\n"},
                          {"A1 LOGIN \"tester\" \"pa\\\"ss\\\\\"", "A1 OK Logged in\r\n"},
                          {"A2 CAPABILITY", "* CAPABILITY IMAP4rev1\r\nA2 OK\r\n"}} +
                   ImapScript{{"A3 EXAMINE \"INBOX\"", ScriptedImapServer::selected("A3", 0)},
                              {"A4 " + Fetch, "A4 OK done\r\n"},
                              logout("A5")}
            << QString("none") << QString("pa\"ss\\");
        QTest::newRow("8-bit-password-waits-for-the-literal-continuation")
            << none
            << ImapScript{{"", "* OK [CAPABILITY IMAP4rev1] ready\r\n"},
                          {"A1 LOGIN \"tester\" {7}", "+ Ready for literal data\r\n"},
                          {"gr\xc3\xbc\xc3\x9f"
                           "e",
                           "A1 OK [CAPABILITY IMAP4rev1] Logged in\r\n"}} +
                   emptyListing
            << QString("none") << u"grüße"_qs;
        QTest::newRow("8-bit-password-ahead-with-literal-plus")
            << none
            << ImapScript{{"", "* OK [CAPABILITY IMAP4rev1 LITERAL+] ready\r\n"},
                          {"A1 LOGIN \"tester\" {7+}", ""},
                          {"gr\xc3\xbc\xc3\x9f"
                           "e",
                           "A1 OK [CAPABILITY IMAP4rev1] Logged in\r\n"}} +
                   emptyListing
            << QString("none") << u"grüße"_qs;
    }

    void protection() {
        QFETCH(int, security);
        QFETCH(ImapScript, script);
        QFETCH(QString, failure);
        QFETCH(QString, password);
        ScriptedImapServer server(script);
        ImapClient client;
        configure(client, server, MailSecurity(security));
        MailAccount account = client.account();
        account.Password = password;
        client.setAccount(account);
        QCOMPARE(failureOf([&] { client.list(); }), failure);
        QCOMPARE(server.received(), server.expected());
    }

    void upgradeDropsWhatCameBeforeTheHandshake() {
        TagSocket::setExtraCaCertificates({m_certificate});
        ImapScript script{
            {"", "* OK [CAPABILITY IMAP4rev1 STARTTLS LOGINDISABLED] ready\r\n"},
            {"A1 STARTTLS", "A1 OK Begin TLS\r\n* CAPABILITY IMAP4rev1 INJECTED\r\n",
             ScriptStep::StartTls},
            {"A2 CAPABILITY", "* CAPABILITY IMAP4rev1 AUTH=PLAIN\r\nA2 OK done\r\n"},
            {"A3 LOGIN \"tester\" \"secret\"", "A3 OK Logged in\r\n"},
            {"A4 CAPABILITY", "* CAPABILITY IMAP4rev1 MOVE\r\nA4 OK done\r\n"},
            {"A5 EXAMINE \"INBOX\"", ScriptedImapServer::selected("A5", 0, 7, false)},
            {"A6 " + Fetch, "A6 OK done\r\n"},
            logout("A7"),
        };
        ScriptedImapServer server(script);
        server.setTlsIdentity(m_certificate, m_key);
        ImapClient client;
        configure(client, server, MailSecurity::StartTlsRequired);
        MailAccount account = client.account();
        account.Server = QStringLiteral("localhost:%1").arg(server.port());
        client.setAccount(account);
        QCOMPARE(failureOf([&] { client.list(); }), QString("none"));
        QCOMPARE(server.received(), server.expected());
    }

    void oauth2_data() {
        QTest::addColumn<QByteArray>("capabilities");
        QTest::addColumn<ImapScript>("exchange"); // after STARTTLS and its CAPABILITY
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("renewals");

        const QByteArray challenge = "+ " + b64(R"({"status":"invalid_token"})") + "\r\n";
        const auto xoauth2 = [](const QByteArray& token) {
            return b64("user=tester\x01"
                       "auth=Bearer " +
                       token + "\x01\x01");
        };
        QTest::newRow("xoauth2-with-the-initial-response")
            << QByteArray("IMAP4rev1 SASL-IR AUTH=XOAUTH2")
            << ImapScript{{"A3 AUTHENTICATE XOAUTH2 " + xoauth2("tok0"),
                           "A3 OK [CAPABILITY IMAP4rev1] Logged in\r\n"}}
            << QString("none") << 0;
        QTest::newRow("oauthbearer-waits-for-the-continuation-without-sasl-ir")
            << QByteArray("IMAP4rev1 AUTH=XOAUTH2 AUTH=OAUTHBEARER")
            << ImapScript{{"A3 AUTHENTICATE OAUTHBEARER", "+ \r\n"},
                          {"OB", "A3 OK [CAPABILITY IMAP4rev1] Logged in\r\n"}}
            << QString("none") << 0;
        QTest::newRow("rejected-token-renewed-once")
            << QByteArray("IMAP4rev1 SASL-IR AUTH=XOAUTH2")
            << ImapScript{{"A3 AUTHENTICATE XOAUTH2 " + xoauth2("tok0"), challenge},
                          {"", "A3 NO [AUTHENTICATIONFAILED] Failed\r\n"},
                          {"A4 AUTHENTICATE XOAUTH2 " + xoauth2("tok1"),
                           "A4 OK [CAPABILITY IMAP4rev1] Logged in\r\n"}}
            << QString("none") << 1;
        QTest::newRow("renewed-token-rejected-too")
            << QByteArray("IMAP4rev1 SASL-IR AUTH=XOAUTH2")
            << ImapScript{{"A3 AUTHENTICATE XOAUTH2 " + xoauth2("tok0"), challenge},
                          {"", "A3 NO [AUTHENTICATIONFAILED] Failed\r\n"},
                          {"A4 AUTHENTICATE XOAUTH2 " + xoauth2("tok1"), challenge},
                          {"", "A4 NO [AUTHENTICATIONFAILED] Failed\r\n"}}
            << QString("EServerError: A4 NO [AUTHENTICATIONFAILED] Failed (invalid_token) (the "
                       "reply to AUTHENTICATE XOAUTH2)")
            << 1;
        QTest::newRow("no-oauth2-mechanism")
            << QByteArray("IMAP4rev1 AUTH=PLAIN") << ImapScript{}
            << QString("ESocketError: The server does not offer OAuth2 sign-in (OAUTHBEARER or "
                       "XOAUTH2); no token was sent.")
            << 0;
    }

    void oauth2() {
        QFETCH(QByteArray, capabilities);
        QFETCH(ImapScript, exchange);
        QFETCH(QString, failure);
        QFETCH(int, renewals);
        TagSocket::setExtraCaCertificates({m_certificate});
        ImapScript script{
            {"", "* OK [CAPABILITY IMAP4rev1 STARTTLS] ready\r\n"},
            {"A1 STARTTLS", "A1 OK Begin TLS\r\n", ScriptStep::StartTls},
            {"A2 CAPABILITY", "* CAPABILITY " + capabilities + "\r\nA2 OK done\r\n"},
        };
        ScriptedImapServer server(script + exchange);
        server.setTlsIdentity(m_certificate, m_key);
        ImapConnection imap;
        imap.Server = QStringLiteral("localhost:%1").arg(server.port());
        imap.UserName = QStringLiteral("tester");
        imap.SignIn = MailSignIn::OAuth2;
        imap.Security = MailSecurity::StartTlsRequired;
        imap.setTimeOut(3);
        int renewed = 0;
        imap.OnAccessToken = [&renewed](bool renew) {
            if (renew) ++renewed;
            return QStringLiteral("tok%1").arg(renewed);
        };
        QCOMPARE(failureOf([&] { imap.Connect(); }), failure);
        QCOMPARE(renewed, renewals);
        QStringList expected = server.expected();
        // The continuation's answer is the OAUTHBEARER response; an error
        // challenge's is an empty line.
        const quint16 port = server.port();
        for (QString& line : expected)
            if (line == QLatin1String("OB"))
                line = QString::fromLatin1(
                    b64("n,a=tester,\x01host=localhost\x01port=" + QByteArray::number(port) +
                        "\x01"
                        "auth=Bearer tok0\x01\x01"));
        QStringList received = server.received();
        received.removeAll(QString());
        QCOMPARE(received, expected);
    }

    void removal_data() {
        QTest::addColumn<QByteArray>("capabilities");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("junkFolder");
        QTest::addColumn<ImapScript>("steps"); // after the kept listing, from A4 on
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("note");

        const int move = int(SpamAction::Move);
        const int remove = int(SpamAction::Delete);
        const QStringList both{"transferring", "removing 0",  "removing 1", "removed 0",
                               "removed 1",    "transferred", "closing",    "closed"};
        const QByteArray allCaps = "IMAP4rev1 MOVE UIDPLUS SPECIAL-USE";
        QTest::newRow("move-into-the-folder-marked-junk")
            << allCaps << move << QString()
            << ImapScript{{"A4 LIST (SPECIAL-USE) \"\" \"*\"",
                           "* LIST (\\HasNoChildren \\Junk) \".\" {4}\r\nSpam\r\nA4 OK done\r\n"},
                          {"A5 UID MOVE 11:12 \"Spam\"",
                           "* OK [COPYUID 9 11:12 1:2] Moved\r\n* 1 EXPUNGE\r\n* 1 EXPUNGE\r\n"
                           "A5 OK Move completed\r\n"},
                          logout("A6")}
            << both << QString();
        QTest::newRow("move-copyuid-names-those-moved")
            << allCaps << move << QString("Junk")
            << ImapScript{{"A4 UID MOVE 11:12 \"Junk\"",
                           "* OK [COPYUID 9 12 2] Moved\r\n* 2 EXPUNGE\r\nA4 OK Done\r\n"},
                          logout("A5")}
            << QStringList{"transferring", "removing 0",  "removing 1", "refused 0",
                           "removed 1",    "transferred", "closing",    "closed"}
            << QString();
        QTest::newRow("move-refused")
            << allCaps << move << QString("Junk")
            << ImapScript{{"A4 UID MOVE 11:12 \"Junk\"", "A4 NO [OVERQUOTA] Quota exceeded\r\n"},
                          logout("A5")}
            << QStringList{"transferring", "removing 0",  "removing 1", "refused 0",
                           "refused 1",    "transferred", "closing",    "closed"}
            << QString("The server refused to move messages into the folder Junk: A4 NO "
                       "[OVERQUOTA] Quota exceeded");
        QTest::newRow("junk-found-by-its-name-at-the-top")
            << QByteArray("IMAP4rev1 MOVE UIDPLUS") << move << QString()
            << ImapScript{{"A4 LIST \"\" \"%\"", "* LIST (\\HasChildren) \"/\" INBOX\r\n* LIST "
                                                 "(\\Noselect) \"/\" Junk\r\n"
                                                 "* LIST () \"/\" \"spam\"\r\nA4 OK done\r\n"},
                          {"A5 UID MOVE 11:12 \"spam\"", "A5 OK Done\r\n"},
                          logout("A6")}
            << both << QString();
        QTest::newRow("junk-made-at-the-first-move")
            << QByteArray("IMAP4rev1 MOVE UIDPLUS") << move << QString()
            << ImapScript{{"A4 LIST \"\" \"%\"", "* LIST () \"/\" INBOX\r\nA4 OK done\r\n"},
                          {"A5 CREATE \"Junk\"", "A5 OK Created\r\n"},
                          {"A6 SUBSCRIBE \"Junk\"", "A6 OK Subscribed\r\n"},
                          {"A7 UID MOVE 11:12 \"Junk\"", "A7 OK Done\r\n"},
                          logout("A8")}
            << both << QString();
        QTest::newRow("junk-named-by-the-user")
            << allCaps << move << u"Müll"_qs
            << ImapScript{{"A4 UID MOVE 11:12 \"M&APw-ll\"", "A4 OK Done\r\n"}, logout("A5")}
            << both << QString();
        QTest::newRow("copy-flag-and-expunge-exactly-those-without-move")
            << QByteArray("IMAP4rev1 UIDPLUS") << move << QString("Junk")
            << ImapScript{{"A4 UID COPY 11:12 \"Junk\"", "A4 OK [COPYUID 9 11:12 5:6] Done\r\n"},
                          {"A5 UID STORE 11:12 +FLAGS.SILENT (\\Deleted)", "A5 OK Stored\r\n"},
                          {"A6 UID EXPUNGE 11:12",
                           "* 1 EXPUNGE\r\n* 1 EXPUNGE\r\nA6 OK Expunged\r\n"},
                          logout("A7")}
            << both << QString();
        QTest::newRow("no-uidplus-others-deleted-no-expunge")
            << QByteArray("IMAP4rev1") << move << QString("Junk")
            << ImapScript{{"A4 UID SEARCH DELETED", "* SEARCH 3 12\r\nA4 OK Search done\r\n"},
                          {"A5 UID COPY 11:12 \"Junk\"", "A5 OK Done\r\n"},
                          {"A6 UID STORE 11:12 +FLAGS.SILENT (\\Deleted)", "A6 OK Stored\r\n"},
                          logout("A7")}
            << both
            << QString("2 message(s) were copied into the folder Junk and flagged as deleted, but "
                       "stay in INBOX until your mail program expunges it: this server cannot "
                       "expunge single messages (it does not offer UIDPLUS), and 1 other "
                       "message(s) there are flagged as deleted too, which expunging now would "
                       "remove.");
        QTest::newRow("no-uidplus-nothing-else-deleted-expunges")
            << QByteArray("IMAP4rev1") << move << QString("Junk")
            << ImapScript{{"A4 UID SEARCH DELETED", "* SEARCH\r\nA4 OK Search done\r\n"},
                          {"A5 UID COPY 11:12 \"Junk\"", "A5 OK Done\r\n"},
                          {"A6 UID STORE 11:12 +FLAGS.SILENT (\\Deleted)", "A6 OK Stored\r\n"},
                          {"A7 EXPUNGE", "* 1 EXPUNGE\r\n* 1 EXPUNGE\r\nA7 OK Expunged\r\n"},
                          logout("A8")}
            << both << QString();
        QTest::newRow("delete-flags-and-expunges-exactly-those")
            << allCaps << remove << QString()
            << ImapScript{{"A4 UID STORE 11:12 +FLAGS.SILENT (\\Deleted)", "A4 OK Stored\r\n"},
                          {"A5 UID EXPUNGE 11:12", "A5 OK Expunged\r\n"},
                          logout("A6")}
            << both << QString();
    }

    void removal() {
        QFETCH(QByteArray, capabilities);
        QFETCH(int, action);
        QFETCH(QString, junkFolder);
        QFETCH(ImapScript, steps);
        QFETCH(QStringList, events);
        QFETCH(QString, note);
        ScriptedImapServer server(listing(true, capabilities) + steps);
        ImapClient client;
        configure(client, server);
        MailAccount account = client.account();
        account.Action = SpamAction(action);
        account.JunkFolder = junkFolder;
        client.setAccount(account);
        client.setKeepConnection(true);
        client.list();
        ClientEvents log;
        client.setListener(&log);

        QCOMPARE(failureOf([&] { client.remove({0, 1}); }), QString("none"));

        QCOMPARE(server.received(), server.expected());
        QCOMPARE(log.events, events);
        QCOMPARE(client.removalNote(), note);
    }

    // The record of a deleted message comes before the expunge: a record that
    // fails leaves the rest on the server.
    void failedRecordStopsBeforeTheExpunge() {
        ScriptedImapServer server(
            listing(true) +
            ImapScript{{"A4 UID STORE 11:12 +FLAGS.SILENT (\\Deleted)", "A4 OK Stored\r\n"},
                       {"A5 UID EXPUNGE 11:12", "A5 OK Expunged\r\n"}});
        ImapClient client;
        configure(client, server);
        MailAccount account = client.account();
        account.Action = SpamAction::Delete;
        client.setAccount(account);
        client.setKeepConnection(true);
        client.list();
        ClientEvents log;
        log.failRecordAt = 1;
        client.setListener(&log);
        QCOMPARE(failureOf([&] {
                     client.remove({0, 1});
                 }),
                 QString("Exception: Unable to write to log"));
        QVERIFY(server.waitForClientClose());
        QVERIFY(!server.received().contains("A5 UID EXPUNGE 11:12"));
        QVERIFY(!client.connected());
    }

    void changedUidValidityMovesNothing() {
        ImapScript again = ScriptedImapServer::signIn();
        again << ScriptStep{"A2 SELECT \"INBOX\"", ScriptedImapServer::selected("A2", 2, 8)};
        ScriptedImapServer server(QList<ImapScript>{listing(false), again});
        ImapClient client;
        configure(client, server);
        client.list();
        ClientEvents log;
        client.setListener(&log);
        const QString failure = failureOf([&] { client.remove({0}); });
        QCOMPARE(failure, QString("ESocketError: IDs are different: the folder INBOX was made anew "
                                  "on the server since it was checked (its UIDVALIDITY changed), "
                                  "so nothing was changed there. Check the mailbox again."));
        QCOMPARE(server.received(1), server.expected(1));
        QVERIFY(!log.events.contains("removed 0"));
        QVERIFY(log.events.contains("error: " + failure.mid(14)));
    }

    void fetchReadsOneMessageWithoutMarkingIt() {
        const QByteArray body = "Subject: two\r\n\r\nHello.\r\n.\r\nend\r\n";
        ImapScript again = ScriptedImapServer::signIn();
        again << ScriptStep{"A2 EXAMINE \"INBOX\"", ScriptedImapServer::selected("A2", 2, 7, false)}
              << ScriptStep{"A3 UID FETCH 12 (BODY.PEEK[])",
                            "* 2 FETCH (UID 12 BODY[] {" + QByteArray::number(body.size()) +
                                "}\r\n" + body + ")\r\nA3 OK Fetch completed\r\n"}
              << logout("A4");
        ImapScript gone = ScriptedImapServer::signIn();
        gone << ScriptStep{"A2 EXAMINE \"INBOX\"", ScriptedImapServer::selected("A2", 1, 7, false)}
             << ScriptStep{"A3 UID FETCH 12 (BODY.PEEK[])", "A3 OK Fetch completed\r\n"};
        ScriptedImapServer server(QList<ImapScript>{listing(false), again, gone});
        ImapClient client;
        configure(client, server);
        client.list();
        ClientEvents log;
        client.setListener(&log);

        QCOMPARE(client.fetch(1), body);
        QCOMPARE(log.events, (QStringList{"open", "transferring", "fetching 1", "fetched 1",
                                          "transferred", "closing", "closed"}));
        QCOMPARE(failureOf([&] { client.fetch(1); }),
                 QString("ESocketError: Message 2 is no longer in INBOX on the server. Check the "
                         "mailbox again."));
        QCOMPARE(server.received(1), server.expected(1));
        QCOMPARE(server.received(2), server.expected(2));
    }

    void largeRemovalGoesInFewCommands() {
        ImapScript script = ScriptedImapServer::signIn("IMAP4rev1 MOVE UIDPLUS");
        QByteArray reply;
        QList<int> all;
        for (int i = 0; i < 3000; ++i) {
            reply += ScriptedImapServer::fetched(i + 1, quint32(2 * i + 1), "Subject: x\r\n\r\n");
            if (i % 2 == 0) all << i;
        }
        script << ScriptStep{"A2 SELECT \"INBOX\"", ScriptedImapServer::selected("A2", 3000)}
               << ScriptStep{"A3 " + Fetch, reply + "A3 OK done\r\n"};
        ScriptedImapServer server(script);
        ImapClient client;
        configure(client, server);
        MailAccount account = client.account();
        account.JunkFolder = QStringLiteral("Junk");
        client.setAccount(account);
        client.setKeepConnection(true);
        client.list();
        QCOMPARE(client.count(), 3000);
        ClientEvents log;
        client.setListener(&log);
        server.setUnexpectedReply("%TAG% OK Done\r\n");
        client.remove(all); // 1,500 UIDs 4 apart, every one its own element of the set
        QStringList moves = server.received().filter(QStringLiteral("UID MOVE"));
        QCOMPARE(moves.size(), 2);
        for (const QString& m : moves)
            QVERIFY2(m.size() <= 7100, qPrintable(QString::number(m.size())));
        QCOMPARE(log.events.filter(QRegularExpression("^removed ")).size(), 1500);
    }
};

QTEST_GUILESS_MAIN(TestImapDialogue)
#include "tst_imapdialogue.moc"
