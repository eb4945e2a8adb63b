// quillmere-cli mailbox, check, why, delete and sweep on a private profile
// against a private Dovecot.
#include "CliRunner.h"
#include "mail/transport/MailSecurity.h"
#include "settings/MailboxConfig.h"
#include "settings/ProfileLock.h"
#include "settings/SettingsStore.h"
#include "support/TempProfile.h"
#include "support/TestFiles.h"
#include "support/servers/DovecotServer.h"
#include "support/servers/ScriptedPop3Server.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

QByteArray mail(const QByteArray& id, const QByteArray& subject,
                const QByteArray& from = "Ann <ann@example.org>") {
    return "From: " + from + "\nMessage-ID: <" + id + "@example.org>\nSubject: " + subject +
           "\nDate: Mon, 5 Feb 2024 10:00:00 +0100\n\nHello.\n";
}

QString readFile(const QString& path) {
    return QString::fromUtf8(readAll(path));
}

} // namespace

class TestCliMailCheck : public QObject {
    Q_OBJECT

    DovecotServer m_server;


    // A profile of the program's own making: the version marker in place, no
    // domain look-ups, a subject rule that deletes "pills".
    static void profileWithRules(TempProfile& profile) {
        SettingsStore::tree().WriteString("Server", "Version161", "161");
        SettingsStore::iniFile().WriteBool("Known", "Valid", false);
        writeFile(profile.appFile("subj.lst"),
                  "6,2\r\n1,1,Contains\r\n2,1,pills\r\n3,1,No\r\n4,1,Yes\r\n5,1,0\r\n");
    }
    void slot(int n, const QString& user, const QString& password = QStringLiteral("secret")) {
        MailboxConfig{m_server.server(), user, password, MailSecurity::None}.store(n);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.errorString())); }

    // A server whose certificate nobody trusts yet: the command line asks no
    // question, names the fingerprint and the command that trusts it, and
    // stores nothing; after that command the check goes through.
    void untrustedCertificateNamesTheTrustCommand() {
        DovecotServer tls(true);
        QVERIFY2(tls.start(), qPrintable(tls.errorString()));
        QVERIFY(tls.addUser("trusty", "secret"));
        QVERIFY(tls.addMessage("trusty", mail("a", "Hello")));
        TempProfile profile;
        profileWithRules(profile);
        MailboxConfig{tls.server(), "trusty", "secret", MailSecurity::StartTlsRequired}.store(3);
        const QString fingerprint = readableFingerprint(QString::fromLatin1(
            tls.certificates().value(0).digest(QCryptographicHash::Sha256).toHex()));

        Run r = cli({"check", "--mailbox", "3"});
        QCOMPARE(r.code, 1);
        const QString command = "quillmere-cli mailbox 3 --trust-fingerprint " + fingerprint;
        QVERIFY2(r.err.contains(command + "\n"), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QVERIFY(SettingsStore::tree().ReadString("Server", "TrustedCert3", {}).isEmpty());

        QCOMPARE(cli(command.split(' ').mid(1)).code, 0);
        r = cli({"check", "--mailbox", "3"});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("Hello"), qPrintable(r.out + r.err));
    }

    // A password stored from the command line on a fresh profile survives the
    // program's first start, which has no version marker to go by yet. A new
    // mailbox requires STARTTLS, which this server does not offer: the check
    // stops before the password goes out, until the mailbox says "none".
    void mailboxStoredOnAFreshProfileIsUsable() {
        TempProfile profile;
        const QString user = m_server.mailbox({mail("a", "Hello")});
        SettingsStore::iniFile().WriteBool("Known", "Valid", false);

        Run r =
            cli({"mailbox", "2", "--server", m_server.server(), "--user", user, "--password-stdin"},
                "secret\n");
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains(
                     QRegularExpression("^   2  " + QRegularExpression::escape(m_server.server()) +
                                        " +" + user + " +password \\(set\\)    starttls\n$")),
                 qPrintable(r.out));
        MailboxConfig stored;
        stored.read(2);
        QCOMPARE(stored.Password, QStringLiteral("secret"));
        QVERIFY(!readFile(SettingsStore::tree().path()).contains("secret"));

        QCOMPARE(cli({"mailbox", "--current", "2"}).code, 0);
        r = cli({"mailbox"});
        QCOMPARE(r.code, 0);
        // Twelve slots and the store in use.
        QCOMPARE(r.out.count('\n'), 13);
        QVERIFY2(r.out.endsWith("\nPasswords, client secrets and tokens are kept in the settings "
                                "file (enciphered).\n"),
                 qPrintable(r.out));
        QVERIFY(r.out.contains(QRegularExpression("\n\\*  2  ")));
        QVERIFY(!r.out.section('\n', 0, 11).contains("secret"));

        r = cli({"check", "--json"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("The server does not offer STARTTLS, which this mailbox "
                                "requires; the password was not sent."),
                 qPrintable(r.err));
        QCOMPARE(cli({"mailbox", "2", "--security", "none"}).code, 0);
        r = cli({"check", "--json"});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("\"subject\": \"Hello\""), qPrintable(r.err));
        QVERIFY(r.err.isEmpty());
    }

    void mailboxSecurityOptions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("security");    // stored afterwards
        QTest::addColumn<QString>("trustedCert"); // stored afterwards ("f..." was there before)
        const QString before = QString(64, u'f');
        const QString digits = QStringLiteral("0123456789abcdef").repeated(4);
        QTest::newRow("new-mailbox-on-995-uses-tls")
            << QStringList{"--server", "pop.test:995"} << 1 << "tls" << before;
        QTest::newRow("chosen-word")
            << QStringList{"--security", "starttls-optional"} << 0 << "starttls-optional" << before;
        QTest::newRow("unknown-word")
            << QStringList{"--security", "ssl"} << 2 << "<none>" << before;
        QTest::newRow("fingerprint-with-colons")
            << QStringList{"--trust-fingerprint", "01:23:45:67:89:AB:CD:EF:01:23:45:67:89:AB:CD:"
                                                  "EF:01:23:45:67:89:AB:CD:EF:01:23:45:67:89:AB:"
                                                  "CD:EF"}
            << 0 << "starttls" << digits;
        QTest::newRow("fingerprint-forgotten")
            << QStringList{"--trust-fingerprint", ""} << 0 << "starttls"
            << "";
        QTest::newRow("fingerprint-too-short")
            << QStringList{"--trust-fingerprint", "0123"} << 2 << "<none>" << before;
        QTest::newRow("server-with-an-empty-port")
            << QStringList{"--server", "127.0.0.1:"} << 2 << "<none>" << before;
        QTest::newRow("server-port-out-of-range")
            << QStringList{"--server", "pop.test:65536"} << 2 << "<none>" << before;
        QTest::newRow("server-port-not-a-number")
            << QStringList{"--server", "pop.test:pop3"} << 2 << "<none>" << before;
        QTest::newRow("server-without-a-host")
            << QStringList{"--server", "pop3s://:995"} << 2 << "<none>" << before;
        QTest::newRow("server-with-scheme-and-port")
            << QStringList{"--server", "pop3s://pop.test:1995"} << 1 << "tls" << before;
    }

    // Exit code 1 for a server without a user name: stored all the same, as the
    // general settings store it; 2 for a word, a fingerprint or a server it
    // cannot take, which changes nothing.
    void mailboxSecurityOptions() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, security);
        QFETCH(QString, trustedCert);
        TempProfile profile;
        SettingsStore tree = SettingsStore::tree();
        tree.WriteString("Server", "TrustedCert4", QString(64, u'f'));
        const Run r = cli(QStringList{"mailbox", "4"} + args);
        QCOMPARE(r.code, code);
        QCOMPARE(tree.ReadString("Server", "Security4", "<none>"), security);
        QCOMPARE(tree.ReadString("Server", "TrustedCert4", "<none>"), trustedCert);
    }

    void mailboxChecksWhatTheSettingsCheck_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::newRow("server-without-user") << QStringList{"mailbox", "3", "--server", "pop.test"}
                                             << "Mailbox 3 has a server pop.test but no mailbox";
        QTest::newRow("user-without-server")
            << QStringList{"mailbox", "3", "--user", "ann"} << "Mailbox 3 ann has a blank server";
        QTest::newRow("no-password")
            << QStringList{"mailbox", "3", "--server", "pop.test", "--user", "ann"}
            << "Mailbox 3 - there is no password set";
    }

    void mailboxChecksWhatTheSettingsCheck() {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        TempProfile profile;
        const Run r = cli(args);
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(error), qPrintable(r.err));
        QCOMPARE(cli({"mailbox", "0", "--server", "x"}).code, 2);
    }

    void checkPrintsTheRowsAsJson() {
        TempProfile profile;
        profileWithRules(profile);
        const QString user = m_server.mailbox({mail("a", "Cheap pills"),
                                      mail("b", "Say \"hi\" \\ =?UTF-8?Q?Gr=C3=BC=C3=9Fe?="),
                                      "From: x@example.org\nSubject: undated\n\nbody\n"});
        slot(1, user);

        const Run r = cli({"check", "--json"});
        QCOMPARE(r.code, 0);
        const QList<QByteArray> stored = m_server.messages(user);
        const auto size = [&](int i) { return stored[i].size() + stored[i].count('\n'); };
        QCOMPARE(
            r.out,
            QStringLiteral("{\"mailbox\": 1, \"server\": \"%1\", \"user\": \"%2\", \"messages\": "
                           "[{\"index\": 0, \"subject\": \"Cheap pills\", \"sender\": "
                           "\"ann@example.org\", \"size\": \"%3\", \"date\": \"5 Feb 2024 "
                           "10:00:00\", \"mark\": 0}, {\"index\": 1, \"subject\": \"Say "
                           "\\\"hi\\\" \\\\ Grüße\", \"sender\": \"ann@example.org\", \"size\": "
                           "\"%4\", \"date\": \"5 Feb 2024 10:00:00\", \"mark\": -1}, "
                           "{\"index\": 2, \"subject\": \"undated\", \"sender\": "
                           "\"x@example.org\", \"size\": \"%5\", \"date\": \"\", \"mark\": -1}]}\n")
                .arg(m_server.server(), user)
                .arg(size(0))
                .arg(size(1))
                .arg(size(2)));
        QVERIFY(readFile(profile.appFile("logfile.txt"))
                    .startsWith("MAIL CHECK 3 msg(s) for \"" + user + "\""));
        QVERIFY(readFile(profile.appFile("subj.lst")).contains("5,1,1\r\n")); // hit counted, saved

        const Run plain = cli({"check"});
        QCOMPARE(plain.code, 0);
        QVERIFY(plain.out.startsWith("mailbox 1: " + user + " on " + m_server.server() +
                                     ", 3 message(s), 1 marked\n"));
        QVERIFY(plain.out.contains(
            QRegularExpression("\n +0  delete +Cheap pills  \\(ann@example.org")));
    }

    // --no-cache neither reads nor writes the mailbox's header cache; a check
    // without it writes the cache and prints the same.
    void checkWithoutTheCache() {
        TempProfile profile;
        profileWithRules(profile);
        slot(1, m_server.mailbox({mail("a", "Cheap pills"), mail("b", "Hello")}));
        MailboxConfig box;
        box.readFields(1);

        const Run bare = cli({"check", "--no-cache"});

        QCOMPARE(bare.code, 0);
        QVERIFY(!QFile::exists(box.headerCacheFile()));
        QCOMPARE(cli({"check"}).out, bare.out);
        QVERIFY(QFile::exists(box.headerCacheFile()));
        QCOMPARE(cli({"check"}).out, bare.out);
    }

    void checkFailureGoesToStandardError() {
        TempProfile profile;
        profileWithRules(profile);
        slot(1, m_server.mailbox({mail("a", "Hello")}), "wrong");
        const Run r = cli({"check", "--json"});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.contains("-ERR [AUTH] Authentication failed."), qPrintable(r.err));
        QVERIFY(!r.err.contains("wrong"));

        QCOMPARE(cli({"check", "--mailbox", "13"}).code, 2);
        const Run empty = cli({"check", "--mailbox", "5"});
        QCOMPARE(empty.code, 1);
        QVERIFY(empty.err.contains("You need to enter your e-mail username in the settings."));
    }

    // A check keeps its hands off files it cannot take in whole: a settings tree
    // that is all junk (the check fails before it has read a mailbox) and a rule
    // list with a line of the user's own (the check runs, the file stays).
    void checkLeavesDamagedFilesAsTheyAre() {
        TempProfile profile;
        profileWithRules(profile);
        slot(1, m_server.mailbox({mail("a", "Cheap pills")}));
        const QString subjPath = profile.appFile("subj.lst");
        const QByteArray subj =
            readAll(subjPath).replace("\r\n1,1,", "\r\nkeep: pills rule from 2019\r\n1,1,");
        writeFile(subjPath, subj);
        Run r = cli({"check"});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QRegularExpression("\n +0  delete +Cheap pills")));
        QCOMPARE(r.err.count(QStringLiteral("Line 2 of %1 is neither").arg(subjPath)), 1);
        QCOMPARE(readAll(subjPath), subj);

        const QString treePath = SettingsStore::tree().path();
        const QByteArray junk("\x89PNG\r\n\x1a\n not a settings tree \xff\n");
        writeFile(treePath, junk);
        const QByteArray log = readAll(profile.appFile("logfile.txt"));
        r = cli({"check"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(
                     QStringLiteral("Unable to write to %1: it cannot be read (").arg(treePath)),
                 qPrintable(r.err));
        QCOMPARE(readAll(treePath), junk);
        QCOMPARE(readAll(profile.appFile("logfile.txt")), log);
        QCOMPARE(readAll(subjPath), subj);
    }

    void whyPrintsTheExplanation() {
        TempProfile profile;
        profileWithRules(profile);
        slot(4, m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap pills")}));
        slot(1, m_server.mailbox());
        const Run r = cli({"why", "1", "--mailbox", "4"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("Message from ann@example.org\nSubject of   Cheap pills\n\n"
                                       "Delete   :  Subject Contains \"pills\" \n"));
        const Run none = cli({"why", "0", "--mailbox", "4"});
        QCOMPARE(none.out, QStringLiteral("Message from ann@example.org\nSubject of   Hello\n\n"
                                          "Message was neither on the exception list nor on the "
                                          "list of matching criteria\n"));
        QCOMPARE(cli({"why", "2", "--mailbox", "4"}).code, 1);
        QCOMPARE(cli({"why"}).code, 2);
    }

    void deleteShowsThenDeletes() {
        TempProfile profile;
        profileWithRules(profile);
        const QString user =
            m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap pills"), mail("c", "more pills")});
        slot(1, user);
        Run r = cli({"delete"});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.startsWith("would delete 2 of 3 message(s) from mailbox 1"));
        QCOMPARE(r.out.count('\n'), 3);
        QCOMPARE(m_server.messages(user).size(), 3);

        r = cli({"delete", "--yes"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("deleted 2 message(s) from mailbox 1 (%1 on %2), 1 left\n")
                            .arg(user, m_server.server()));
        QCOMPARE(m_server.messages(user).size(), 1);
        QCOMPARE(SettingsStore::tree().ReadString("General", "Count", {}), QStringLiteral("2"));
        // The mode the user chose is left as it was.
        QVERIFY(!SettingsStore::tree().ReadBool("General", "Automatic", true));
        QCOMPARE(readFile(profile.appFile("logfile.txt")).count("DELETE SPAM on "), 2);
    }

    // An IMAP mailbox set up from the command line: the listing names its
    // folder and spam action, the check lists the inbox, and "delete" moves
    // the marked messages into the server's Junk folder, logged and counted.
    void imapMailboxMovesIntoTheJunkFolder() {
        TempProfile profile;
        profileWithRules(profile);
        const QString user =
            m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap pills"), mail("c", "more pills")});
        Run r = cli({"mailbox", "1", "--server", m_server.imapServer(), "--user", user,
                     "--password-stdin", "--security", "none", "--protocol", "imap"},
                    "secret\n");
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.endsWith("none  imap folder INBOX  spam move to (the Junk folder)\n"),
                 qPrintable(r.out));
        QCOMPARE(cli({"mailbox", "1", "--spam-folder", "Spam", "--spam-action", "delete"}).code, 0);
        QVERIFY(cli({"mailbox"}).out.contains("imap folder INBOX  spam delete\n"));
        QCOMPARE(cli({"mailbox", "1", "--spam-action", "move", "--spam-folder", ""}).code, 0);
        QCOMPARE(cli({"mailbox", "1", "--protocol", "smtp"}).code, 2);
        QCOMPARE(cli({"mailbox", "1", "--server", "imaps://:993"}).code, 2);

        r = cli({"delete", "--yes"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("moved 2 message(s) into the Junk folder from mailbox 1 "
                                       "(%1 on %2), 1 left\n")
                            .arg(user, m_server.imapServer()));
        QCOMPARE(m_server.messages(user).size(), 1);
        QCOMPARE(m_server.messages(user, "Junk").size(), 2);
        QCOMPARE(readFile(profile.appFile("logfile.txt")).count("DELETE SPAM on "), 2);
        QCOMPARE(SettingsStore::tree().ReadString("General", "Count", {}), QStringLiteral("2"));
    }

    // The server refuses one of the two deletions: it is neither logged nor
    // counted, the user is told, and the command does not report success.
    void deleteReportsWhatTheServerRefused() {
        const auto scan = [](int n, const QByteArray& subject) {
            const QByteArray number = QByteArray::number(n);
            return Pop3Script{{"LIST " + number, "+OK " + number + " 100\r\n"},
                              {"TOP " + number + " 1", "+OK\r\nFrom: ann@example.org\r\nSubject: " +
                                                           subject + "\r\n\r\nHello.\r\n.\r\n"}};
        };
        ScriptedPop3Server server(QList<Pop3Script>{
            ScriptedPop3Server::signIn("+OK 2 200") + scan(1, "pills one") + scan(2, "pills two") +
                scan(1, "pills one") + Pop3Script{{"DELE 1", "-ERR locked\r\n"}} +
                scan(2, "pills two") + Pop3Script{{"DELE 2", "+OK\r\n"}, {"QUIT", "+OK bye\r\n"}},
            ScriptedPop3Server::signIn("+OK 1 100") + scan(1, "pills one"),
        });
        TempProfile profile;
        profileWithRules(profile);
        MailboxConfig{server.server(), QStringLiteral("tester"), QStringLiteral("secret"),
                      MailSecurity::None}
            .store(1);

        const Run r = cli({"delete", "--yes"});

        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("The server refused to delete 1 of the 2 marked messages"),
                 qPrintable(r.err));
        QVERIFY(r.out.startsWith("deleted 1 message(s) from mailbox 1"));
        QCOMPARE(server.received(0), server.expected(0));
        QCOMPARE(SettingsStore::tree().ReadString("General", "Count", {}), QStringLiteral("1"));
        QCOMPARE(readFile(profile.appFile("logfile.txt")).count("DELETE SPAM on "), 1);
    }

    // With a single mailbox the check keeps its connection for a deletion; the
    // command signs off when it ends instead of leaving it open.
    void checkSignsOffWhenItEnds() {
        ScriptedPop3Server server(ScriptedPop3Server::signIn("+OK 1 100") +
                                  Pop3Script{{"LIST 1", "+OK 1 100\r\n"},
                                             {"TOP 1 1", "+OK\r\nSubject: hi\r\n\r\n.\r\n"},
                                             {"QUIT", "+OK bye\r\n"}});
        TempProfile profile;
        profileWithRules(profile);
        MailboxConfig{server.server(), QStringLiteral("tester"), QStringLiteral("secret"),
                      MailSecurity::None}
            .store(1);

        const Run r = cli({"check"});

        QCOMPARE(r.code, 0);
        QCOMPARE(server.received(), server.expected());
    }

    void sweep_data() {
        QTest::addColumn<bool>("kill");
        QTest::addColumn<QString>("password1");
        QTest::addColumn<bool>("mailIn2");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("lines"); // mailbox lines printed
        QTest::newRow("mail-waits-in-slot-2") << false << "secret" << true << 3 << 2;
        QTest::newRow("nothing-waits") << false << "secret" << false << 0 << 3;
        QTest::newRow("failing-mailbox-goes-on") << false << "wrong" << true << 1 << 2;
        QTest::newRow("kill-cleans-everywhere") << true << "secret" << true << 0 << 3;
    }

    void sweep() {
        QFETCH(bool, kill);
        QFETCH(QString, password1);
        QFETCH(bool, mailIn2);
        QFETCH(int, code);
        QFETCH(int, lines);
        TempProfile profile;
        profileWithRules(profile);
        SettingsStore::tree().WriteBool("General", "Kill", kill);
        const QString u1 = m_server.mailbox();
        const QString u2 =
            mailIn2 ? m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap pills")}) : m_server.mailbox();
        const QString u7 =
            m_server.mailbox(kill ? QList<QByteArray>{mail("c", "pills")} : QList<QByteArray>{});
        slot(1, u1, password1);
        slot(2, u2);
        slot(7, u7);

        const Run r = cli({"sweep"});

        QCOMPARE(r.code, code);
        QCOMPARE(
            r.out.count(QRegularExpression("^mailbox \\d+: ", QRegularExpression::MultilineOption)),
            lines);
        // A mailbox whose check failed reports no figures.
        QVERIFY2(r.out.startsWith("mailbox 1: " + u1 + " on " + m_server.server() +
                                  (password1 == "secret" ? " - 0 message(s)" : " - not checked\n")),
                 qPrintable(r.out));
        if (code == 3 || (code == 1 && mailIn2)) {
            QVERIFY(r.out.contains("mailbox 2: " + u2 + " on " + m_server.server() +
                                   " - 2 message(s), 1 marked, 0 deleted\n"));
            QVERIFY(r.out.contains("mail waits in mailbox 2:\n"));
            QVERIFY(r.out.contains(QRegularExpression("\n +1  delete +Cheap pills")));
            QVERIFY(!r.out.contains(u7)); // later slots are not checked
        }
        QCOMPARE(r.err.contains("mailbox 1: " + u1), password1 != "secret");
        if (kill) {
            QVERIFY(r.out.contains(" - 1 message(s), 1 marked, 1 deleted\n"));
            QCOMPARE(m_server.messages(u2).size(), 1);
            QCOMPARE(m_server.messages(u7).size(), 0);
        }
    }

    void everyWriterWaitsForNoOne() {
        TempProfile profile;
        profileWithRules(profile);
        slot(1, m_server.mailbox({mail("a", "Cheap pills")}));
        const QString tree = readFile(SettingsStore::tree().path());
        ProfileLock held;
        QVERIFY(held.tryLock());
        for (const QStringList& args : QList<QStringList>{{"check"},
                                                          {"why", "0"},
                                                          {"delete", "--yes"},
                                                          {"sweep"},
                                                          {"mailbox", "1", "--server", "other"},
                                                          {"mailbox", "--current", "3"}}) {
            const Run r = cli(args, "pw\n");
            QCOMPARE(r.code, 75);
            QCOMPARE(r.err, QStringLiteral("Quillmere is already running for this profile\n"));
            QVERIFY(r.out.isEmpty());
        }
        QCOMPARE(readFile(SettingsStore::tree().path()), tree);
        QVERIFY(!QFile::exists(profile.appFile("logfile.txt")));
        QCOMPARE(cli({"mailbox"}).code, 0); // listing only reads
    }
};

QTEST_GUILESS_MAIN(TestCliMailCheck)
#include "tst_cli_mailcheck.moc"
