// What other mail programs say: the first POP3 account of the Thunderbird
// profile in use (found through profiles.ini), and the desktop's mailto handler
// with its Exec line made a command.
#include "settings/MailPrefill.h"
#include "support/ScopedEnv.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
// Two profiles: "old" (Default=1) and "new"; the POP3 server of the account
// list's first POP3 account in each, so that the test sees which profile won.
const QByteArray OldPrefs = R"(user_pref("mail.accountmanager.accounts", "account1");
user_pref("mail.account.account1.server", "server1");
user_pref("mail.server.server1.type", "pop3");
user_pref("mail.server.server1.hostname", "pop.old.example");
user_pref("mail.server.server1.userName", "olduser");
)";
} // namespace

class TestMailPrefill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void profileInUse_data();
    void profileInUse();
    void firstMailAccount_data();
    void firstMailAccount();
    void mailtoHandler_data();
    void mailtoHandler();
    void commandFromExec_data();
    void commandFromExec();
};

void TestMailPrefill::profileInUse_data() {
    QTest::addColumn<QString>("root");
    QTest::addColumn<QByteArray>("profilesIni");
    QTest::addColumn<QString>("server");
    const QByteArray profiles = "[Profile1]\nName=new\nIsRelative=1\nPath=p/new\n\n"
                                "[Profile0]\nName=old\nIsRelative=1\nPath=p/old\nDefault=1\n";
    QTest::newRow("install-section-wins")
        << ".thunderbird"
        << "[Install4F96D1932A9F858E]\nDefault=p/new\nLocked=1\n\n" + profiles << "pop.new.example";
    QTest::newRow("default-profile-without-install")
        << ".thunderbird" << profiles << "pop.old.example";
    QTest::newRow("no-default-is-nothing")
        << ".thunderbird" << QByteArray("[Profile0]\nName=old\nIsRelative=1\nPath=p/old\n") << "";
    QTest::newRow("flatpak-folder")
        << ".var/app/org.mozilla.Thunderbird/.thunderbird" << profiles << "pop.old.example";
    QTest::newRow("absolute-path")
        << ".thunderbird" << QByteArray("[Profile0]\nIsRelative=0\nPath=@ROOT@/p/new\nDefault=1\n")
        << "pop.new.example";
}

void TestMailPrefill::profileInUse() {
    QFETCH(QString, root);
    QFETCH(QByteArray, profilesIni);
    QFETCH(QString, server);
    QTemporaryDir home;
    const QString folder = home.filePath(root);
    writeFile(folder + "/profiles.ini", profilesIni.replace("@ROOT@", folder.toUtf8()));
    writeFile(folder + "/p/old/prefs.js", OldPrefs);
    writeFile(folder + "/p/new/prefs.js", QByteArray(OldPrefs).replace(".old.", ".new."));
    const std::optional<PrefillAccount> a = ThunderbirdMailAccount(home.path());
    QCOMPARE(a ? a->Server : QString(), server);
}

void TestMailPrefill::firstMailAccount_data() {
    QTest::addColumn<QByteArray>("prefs");
    // protocol, server, port, user, security, server field
    QTest::addColumn<QStringList>("expected");
    const QByteArray head =
        "// Mozilla User Preferences\n"
        "user_pref(\"mail.accountmanager.accounts\", \"account3,account1,account2\");\n"
        "user_pref(\"mail.account.account1.server\", \"server1\");\n"
        "user_pref(\"mail.account.account2.server\", \"server2\");\n"
        "user_pref(\"mail.account.account3.server\", \"server3\");\n"
        "user_pref(\"mail.server.server3.type\", \"nntp\");\n"
        "user_pref(\"mail.server.server3.hostname\", \"news.example\");\n"
        "user_pref(\"mail.server.server2.type\", \"pop3\");\n"
        "user_pref(\"mail.server.server2.hostname\", \"pop.second.example\");\n"
        "user_pref(\"mail.server.server2.userName\", \"second\");\n"
        "user_pref(\"mail.server.server1.type\", \"pop3\");\n"
        "user_pref(\"mail.server.server1.hostname\", \"pop.example.org\");\n"
        "user_pref(\"mail.server.server1.userName\", \"ann\");\n";
    const auto pref = [](const char* name, const char* value) {
        return QByteArray("user_pref(\"mail.server.server1.") + name + "\", " + value + ");\n";
    };
    QTest::newRow("news-skipped-list-order-wins")
        << head << QStringList{"pop3", "pop.example.org", "110", "ann", "none", "pop.example.org"};
    QTest::newRow("ssl-socket-type")
        << head + pref("socketType", "3")
        << QStringList{"pop3", "pop.example.org", "995", "ann", "tls", "pop3s://pop.example.org"};
    QTest::newRow("starttls-socket-type")
        << head + pref("socketType", "2")
        << QStringList{"pop3", "pop.example.org", "110", "ann", "starttls", "pop.example.org"};
    QTest::newRow("try-starttls-socket-type")
        << head + pref("socketType", "1")
        << QStringList{"pop3", "pop.example.org",   "110",
                       "ann",  "starttls-optional", "pop.example.org"};
    QTest::newRow("port-995-without-socket-type-is-tls")
        << head + pref("port", "995")
        << QStringList{"pop3", "pop.example.org", "995", "ann", "tls", "pop3s://pop.example.org"};
    QTest::newRow("odd-port-in-server-field")
        << head + pref("port", "1110") + pref("socketType", "0")
        << QStringList{"pop3", "pop.example.org", "1110", "ann", "none", "pop.example.org:1110"};
    QTest::newRow("renamed-host-and-user-in-use")
        << head + pref("realhostname", "\"mail.new.example\"") + pref("realuserName", "\"ann.b\"")
        << QStringList{"pop3", "mail.new.example", "110", "ann.b", "none", "mail.new.example"};
    QTest::newRow("escaped-user-name")
        << QByteArray(head).replace("\"ann\"", R"("a\"n\\n\u00e9")")
        << QStringList{"pop3", "pop.example.org", "110", "a\"n\\n\u00e9",
                       "none", "pop.example.org"};
    const QByteArray imapFirst = QByteArray(head).replace("\"nntp\"", "\"imap\"");
    QTest::newRow("imap-account-taken-in-list-order")
        << imapFirst << QStringList{"imap", "news.example", "143", "", "none", "news.example"};
    QTest::newRow("imap-ssl-socket-type")
        << imapFirst + "user_pref(\"mail.server.server3.socketType\", 3);\n"
        << QStringList{"imap", "news.example", "993", "", "tls", "imaps://news.example"};
    QTest::newRow("imap-port-993-without-socket-type-is-tls")
        << imapFirst + "user_pref(\"mail.server.server3.port\", 993);\n"
        << QStringList{"imap", "news.example", "993", "", "tls", "imaps://news.example"};
    QTest::newRow("no-mail-account")
        << QByteArray(head).replace("\"pop3\"", "\"rss\"") << QStringList{};
    QTest::newRow("no-account-list") << QByteArray("user_pref(\"x\", 1);\n") << QStringList{};
}

void TestMailPrefill::firstMailAccount() {
    QFETCH(QByteArray, prefs);
    QFETCH(QStringList, expected);
    QTemporaryDir home;
    writeFile(home.filePath(".thunderbird/profiles.ini"),
              "[Profile0]\nName=default\nIsRelative=1\nPath=abc.default\nDefault=1\n");
    writeFile(home.filePath(".thunderbird/abc.default/prefs.js"), prefs);
    const std::optional<PrefillAccount> a = ThunderbirdMailAccount(home.path());
    QStringList got;
    if (a)
        got = {a->Protocol, a->Server,   QString::number(a->Port),
               a->UserName, a->Security, a->serverText()};
    QCOMPARE(got, expected);
}

void TestMailPrefill::mailtoHandler_data() {
    QTest::addColumn<QByteArray>("userList");    // $XDG_CONFIG_HOME/mimeapps.list
    QTest::addColumn<QByteArray>("systemCache"); // <data dir>/applications/mimeinfo.cache
    QTest::addColumn<QString>("command");
    const QByteArray tb =
        "[Default Applications]\nx-scheme-handler/mailto=missing.desktop;tb.desktop;\n";
    QTest::newRow("default-first-existing")
        << tb << QByteArray() << "/opt/tb/thunderbird --compose";
    QTest::newRow("cache-when-no-default")
        << QByteArray("[Default Applications]\ntext/html=web.desktop\n")
        << QByteArray("[MIME Cache]\nx-scheme-handler/mailto=mutt.desktop;tb.desktop;\n")
        << "xterm -e mutt";
    QTest::newRow("nothing-known") << QByteArray() << QByteArray() << "";
}

void TestMailPrefill::mailtoHandler() {
    QFETCH(QByteArray, userList);
    QFETCH(QByteArray, systemCache);
    QFETCH(QString, command);
    QTemporaryDir dir;
    const QString config = dir.filePath("config"), data = dir.filePath("data"),
                  system = dir.filePath("system");
    ScopedEnv env({{"XDG_CONFIG_HOME", config},
                   {"XDG_DATA_HOME", data},
                   {"XDG_CONFIG_DIRS", dir.filePath("etc")},
                   {"XDG_DATA_DIRS", system},
                   {"XDG_CURRENT_DESKTOP", "GNOME"}});
    if (!userList.isEmpty()) writeFile(config + "/mimeapps.list", userList);
    if (!systemCache.isEmpty()) writeFile(system + "/applications/mimeinfo.cache", systemCache);
    writeFile(system + "/applications/tb.desktop",
              "[Desktop Entry]\nName=Mail\nExec=/opt/tb/thunderbird --compose %u\n"
              "[Desktop Action x]\nExec=wrong\n");
    writeFile(data + "/applications/mutt.desktop", "[Desktop Entry]\nExec=xterm -e mutt %U\n");
    QCOMPARE(GetMailPath(), command);
}

void TestMailPrefill::commandFromExec_data() {
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("command");
    QTest::newRow("field-code-word-dropped") << "thunderbird %u"
                                             << "thunderbird";
    QTest::newRow("codes-inside-a-word-dropped") << "evolution --mailto=%u"
                                                 << "evolution --mailto=";
    QTest::newRow("double-percent-kept") << "prog 100%%"
                                         << "prog 100%";
    QTest::newRow("quoted-path-with-space") << R"("/opt/My Mail/mail" -compose %U)"
                                            << R"("/opt/My Mail/mail" -compose)";
    QTest::newRow("escaped-quote-in-quotes") << R"(prog "say \"hi\"")"
                                             << R"(prog "say """hi"""")";
    QTest::newRow("flatpak") << "/usr/bin/flatpak run --branch=stable org.mozilla.Thunderbird %u"
                             << "/usr/bin/flatpak run --branch=stable org.mozilla.Thunderbird";
}

void TestMailPrefill::commandFromExec() {
    QFETCH(QString, exec);
    QFETCH(QString, command);
    QCOMPARE(CommandFromDesktopExec(exec), command);
}

QTEST_GUILESS_MAIN(TestMailPrefill)
#include "tst_mailprefill.moc"
