// The general settings model, the twelve mailboxes with their enciphered
// passwords, and the loading of one mailbox with its one-time version step.
#include "settings/GeneralSettings.h"
#include "settings/SettingsStore.h"
#include "settings/TextFiles.h"
#include "support/ScriptedPrompter.h"
#include "support/TempProfile.h"

#include <QFile>
#include <QtTest>

namespace {
// Anything with the three fields loads a mailbox.
struct FakeClient {
    QString Server, UserName, Password;
};

const QString Server = QStringLiteral("Server");
const QString Warning = QStringLiteral("Warning: You will have to re-enter your passwords for all "
                                       "of your mailboxes!  Sorry for the inconvenience.");

QString stored(const QString& section, const QString& ident) {
    return SettingsStore::tree().ReadString(section, ident, QStringLiteral("(missing)"));
}

QByteArray treeBytes() {
    QFile f(SettingsStore::tree().path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestGeneralSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyStoreGivesTheDefaults() {
        TempProfile profile;
        ScriptedPrompter prompter;
        GeneralSettings g;
        g.Minutes = 99;
        g.Asis = false;
        g.Which = 5;
        g.load(prompter);
        QCOMPARE(g.Automatic, false);
        QCOMPARE(g.Minutes, 10);
        QCOMPARE(g.Which, 1);
        QCOMPARE(g.SysTray, false);
        QCOMPARE(g.Asis, true);
        QCOMPARE(g.Quarter, false);
        QCOMPARE(g.Month, false);
        QCOMPARE(g.Ask, true);
        QCOMPARE(g.Launch, true);
        QCOMPARE(g.Exit, false);
        QCOMPARE(g.Alarm, true);
        QCOMPARE(g.Repeat, true);
        QCOMPARE(g.Kill, false);
        QCOMPARE(g.RAS, 0);
        QCOMPARE(g.Count, QStringLiteral("0"));
        QCOMPARE(g.Logfile, QString());
        QVERIFY(!g.mailbox(1).inUse());
        QVERIFY(prompter.shown().isEmpty());
        QVERIFY(!QFile::exists(SettingsStore::tree().path()));

        // The first load of a mailbox sets the marker, silently.
        FakeClient client;
        QVERIFY(!GetRemotePOPSettings(1, client, prompter));
        QCOMPARE(stored(Server, QStringLiteral("Version161")), QStringLiteral("161"));
        QVERIFY(prompter.shown().isEmpty());
    }

    void savedSettingsLoadBack() {
        TempProfile profile;
        ScriptedPrompter prompter;
        GeneralSettings g;
        g.Logfile = QStringLiteral("/var/log/q.txt");
        g.Mailer = QStringLiteral("/usr/bin/mail program");
        g.AlarmFile = QStringLiteral("harp tune.wav");
        g.Automatic = true;
        g.Ask = false;
        g.Kill = true;
        g.Minutes = 600;
        g.Launch = false;
        g.Exit = true;
        g.Alarm = false;
        g.Repeat = false;
        g.RAS = 3;
        g.RASName = QStringLiteral("Mobile 3G");
        g.Count = QStringLiteral("1234");
        g.SysTray = true;
        g.Points = 77;
        g.Asis = false;
        g.Month = true;
        // One save, one replacement of the settings tree.
        const int before = TextFiles::replacementCount();
        g.save();
        QCOMPARE(TextFiles::replacementCount(), before + 1);

        GeneralSettings back;
        back.load(prompter);
        QCOMPARE(back.Logfile, g.Logfile);
        QCOMPARE(back.Mailer, g.Mailer);
        QCOMPARE(back.AlarmFile, g.AlarmFile);
        QCOMPARE(back.Automatic, true);
        QCOMPARE(back.Ask, false);
        QCOMPARE(back.Kill, true);
        QCOMPARE(back.Minutes, 600);
        QCOMPARE(back.Launch, false);
        QCOMPARE(back.Exit, true);
        QCOMPARE(back.Alarm, false);
        QCOMPARE(back.Repeat, false);
        QCOMPARE(back.RAS, 3);
        QCOMPARE(back.RASName, QStringLiteral("Mobile 3G"));
        QCOMPARE(back.Count, QStringLiteral("1234"));
        QCOMPARE(back.SysTray, true);
        QCOMPARE(back.Asis, false);
        QCOMPARE(back.Quarter, false);
        QCOMPARE(back.Month, true);
        // The score belongs to the About box, which writes it alone.
        QCOMPARE(back.Points, 0);
        g.savePoints();
        back.load(prompter);
        QCOMPARE(back.Points, 77);
    }

    // The dial-up connection chosen from NetworkManager's list as it is now
    // (sorted by name), after a choice stored when the list was {DSL, Mobile}.
    void dialUpChoiceFollowsItsName_data() {
        QTest::addColumn<int>("ras");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("chosen");
        const QStringList before{"DSL", "Mobile"};
        const QStringList earlier{"Backup VPN", "DSL", "Mobile"};
        QTest::newRow("same-list") << 2 << "Mobile" << before << "Mobile";
        QTest::newRow("new-entry-sorts-earlier") << 2 << "Mobile" << earlier << "Mobile";
        QTest::newRow("chosen-entry-gone-is-none")
            << 2 << "Mobile" << QStringList{"DSL", "VPN"} << "";
        QTest::newRow("stored-before-names-uses-position") << 1 << "" << before << "DSL";
        QTest::newRow("position-beyond-the-list-is-none") << 3 << "" << before << "";
        QTest::newRow("none-chosen") << 0 << "" << earlier << "";
    }

    void dialUpChoiceFollowsItsName() {
        QFETCH(int, ras);
        QFETCH(QString, name);
        QFETCH(QStringList, entries);
        QFETCH(QString, chosen);
        GeneralSettings g;
        g.RAS = ras;
        g.RASName = name;
        QCOMPARE(g.dialUpEntry(entries), chosen);
        QCOMPARE(g.dialUpIndex(entries), int(entries.indexOf(chosen)) + 1);

        // Choosing by position keeps the name beside it.
        g.chooseDialUp(2, entries);
        QCOMPARE(g.RAS, 2);
        QCOMPARE(g.RASName, entries.at(1));
        g.chooseDialUp(0, entries);
        QCOMPARE(g.RAS, 0);
        QCOMPARE(g.RASName, QString());
    }

    void mailboxesAreStoredEnciphered() {
        TempProfile profile;
        ScriptedPrompter prompter;
        GeneralSettings g;
        g.Which = 12;
        g.mailbox(1) = {QStringLiteral("pop.one.test"), QStringLiteral("ann"), QString()};
        g.mailbox(12) = {QStringLiteral("pop.twelve.test"), QStringLiteral("bob"),
                         QStringLiteral("hünter2")};
        const int before = TextFiles::replacementCount();
        g.saveMailboxes();
        QCOMPARE(TextFiles::replacementCount(), before + 1);

        QCOMPARE(stored(Server, QStringLiteral("Which")), QStringLiteral("12"));
        QCOMPARE(stored(Server, QStringLiteral("Server12")), QStringLiteral("pop.twelve.test"));
        QCOMPARE(stored(Server, QStringLiteral("Mailbox12")), QStringLiteral("bob"));
        QCOMPARE(stored(Server, QStringLiteral("Passwd1")), QString());
        QCOMPARE(stored(Server, QStringLiteral("Passwd12")).size(), 2 + 2 * 8);
        QVERIFY(!treeBytes().contains("nter2"));

        GeneralSettings back;
        back.load(prompter);
        QCOMPARE(back.Which, 12);
        QCOMPARE(back.mailbox(12).Password, QStringLiteral("hünter2"));
        QCOMPARE(back.mailbox(12).UserName, QStringLiteral("bob"));
        QCOMPARE(back.mailbox(1).Server, QStringLiteral("pop.one.test"));
        QCOMPARE(back.mailbox(1).Password, QString());
        QVERIFY(!back.mailbox(2).inUse());
        QVERIFY(prompter.shown().isEmpty());
    }

    void undecipherablePasswordIsReportedAndNotSet() {
        TempProfile profile;
        ScriptedPrompter prompter;
        GeneralSettings g;
        g.mailbox(2) = {QStringLiteral("pop.two.test"), QStringLiteral("cy"), QStringLiteral("pw")};
        g.mailbox(3) = {QStringLiteral("pop.three.test"), QStringLiteral("di"),
                        QStringLiteral("pw3")};
        g.saveMailboxes();
        SettingsStore::tree().WriteString(Server, QStringLiteral("Passwd2"),
                                          QStringLiteral("not hex"));

        GeneralSettings back;
        back.mailbox(2).Password = QStringLiteral("typed before");
        back.loadMailboxes(prompter);
        QCOMPARE(prompter.shown().size(), 1);
        QCOMPARE(prompter.shown().first().icon, Prompter::Icon::Error);
        QCOMPARE(back.mailbox(2).Server, QStringLiteral("pop.two.test"));
        QCOMPARE(back.mailbox(2).Password, QStringLiteral("typed before"));
        QCOMPARE(back.mailbox(3).Password, QStringLiteral("pw3"));
    }

    void versionStep_data() {
        QTest::addColumn<QString>("marker"); // "-" for none
        QTest::addColumn<bool>("currentHasPassword");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<bool>("warns");
        QTest::addColumn<int>("writes"); // replacements of the settings tree
        QTest::newRow("older-store-with-password") << "-" << true << false << true << 1;
        QTest::newRow("older-marker-with-password") << "160" << true << false << true << 1;
        QTest::newRow("older-store-current-without-password")
            << "xx" << false << false << false << 1;
        QTest::newRow("current-store-is-only-read") << "161" << true << true << false << 0;
    }
    void versionStep() {
        QFETCH(QString, marker);
        QFETCH(bool, currentHasPassword);
        QFETCH(bool, loads);
        QFETCH(bool, warns);
        QFETCH(int, writes);
        TempProfile profile;
        ScriptedPrompter prompter;
        SettingsStore tree = SettingsStore::tree();
        GeneralSettings g;
        g.mailbox(1) = {QStringLiteral("pop.one.test"), QStringLiteral("ann"),
                        currentHasPassword ? QStringLiteral("pw1") : QString()};
        g.mailbox(7) = {QStringLiteral("pop.seven.test"), QStringLiteral("eve"),
                        QStringLiteral("pw7")};
        g.saveMailboxes();
        if (marker != QLatin1String("-"))
            tree.WriteString(Server, QStringLiteral("Version161"), marker);

        FakeClient client{QStringLiteral("before"), QStringLiteral("before"),
                          QStringLiteral("before")};
        const int before = TextFiles::replacementCount();
        QCOMPARE(GetRemotePOPSettings(1, client, prompter), loads);
        QCOMPARE(TextFiles::replacementCount(), before + writes);
        QCOMPARE(stored(Server, QStringLiteral("Version161")), QStringLiteral("161"));
        QCOMPARE(prompter.texts(), warns ? QStringList{Warning} : QStringList{});
        if (warns) QCOMPARE(prompter.shown().first().icon, Prompter::Icon::Warning);

        // The step clears every password when it warns; servers and users stay.
        QCOMPARE(stored(Server, QStringLiteral("Passwd7")).isEmpty(), warns);
        QCOMPARE(stored(Server, QStringLiteral("Server7")), QStringLiteral("pop.seven.test"));
        QCOMPARE(stored(Server, QStringLiteral("Mailbox7")), QStringLiteral("eve"));

        if (!loads) {
            QCOMPARE(client.Server, QStringLiteral("before"));
            QCOMPARE(client.Password, QStringLiteral("before"));
        }
        // From now on the mailbox loads, without another warning.
        prompter.clear();
        const int second = TextFiles::replacementCount();
        QVERIFY(GetRemotePOPSettings(1, client, prompter));
        QCOMPARE(TextFiles::replacementCount(), second);
        QCOMPARE(client.Server, QStringLiteral("pop.one.test"));
        QCOMPARE(client.UserName, QStringLiteral("ann"));
        QCOMPARE(client.Password, currentHasPassword && !warns ? QStringLiteral("pw1") : QString());
        QVERIFY(prompter.shown().isEmpty());
    }

    // The client still holds the previous slot's password; sending that to
    // this slot's server would leak it.
    void undecipherableCurrentPasswordEmptiesThePassword() {
        TempProfile profile;
        ScriptedPrompter prompter;
        SettingsStore tree = SettingsStore::tree();
        tree.WriteString(Server, QStringLiteral("Version161"), QStringLiteral("161"));
        tree.WriteString(Server, QStringLiteral("Server4"), QStringLiteral("pop.four.test"));
        tree.WriteString(Server, QStringLiteral("Passwd4"), QStringLiteral("0A1"));
        FakeClient client{QStringLiteral("pop.one.test"), {}, QStringLiteral("slot-one-secret")};
        QVERIFY(GetRemotePOPSettings(4, client, prompter));
        QCOMPARE(client.Server, QStringLiteral("pop.four.test"));
        QCOMPARE(client.Password, QString());
        QCOMPARE(prompter.shown().size(), 1);
        QCOMPARE(prompter.shown().first().icon, Prompter::Icon::Error);
    }

    void securityAsStored_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("word"); // "-": stored before there was a choice
        QTest::addColumn<int>("security");
        QTest::addColumn<QString>("protocol"); // "-": stored before there was a choice
        QTest::newRow("before-plain-upgrades-when-offered")
            << "pop.test"
            << "-" << int(MailSecurity::StartTlsOptional) << QString("-");
        QTest::newRow("before-pop3s-scheme") << "POP3S://pop.test"
                                             << "-" << int(MailSecurity::Tls) << QString("-");
        QTest::newRow("before-port-995") << "pop.test:995"
                                         << "-" << int(MailSecurity::Tls) << QString("-");
        QTest::newRow("unused-slot-gets-the-new-default")
            << ""
            << "-" << int(MailSecurity::StartTlsRequired) << QString("-");
        QTest::newRow("word-any-case")
            << "pop.test"
            << "StartTLS-Optional" << int(MailSecurity::StartTlsOptional) << QString("-");
        QTest::newRow("none") << "pop.test:110"
                              << "none" << int(MailSecurity::None) << QString("-");
        QTest::newRow("port-995-is-tls-whatever-the-word")
            << "pop.test:995"
            << "none" << int(MailSecurity::Tls) << QString("-");
        QTest::newRow("unknown-word-requires-starttls")
            << "pop.test"
            << "maybe" << int(MailSecurity::StartTlsRequired) << QString("-");
        QTest::newRow("imap-before-imaps-scheme")
            << "IMAPS://imap.test"
            << "-" << int(MailSecurity::Tls) << QString("imap");
        QTest::newRow("imap-port-993-is-tls-whatever-the-word")
            << "imap.test:993"
            << "starttls" << int(MailSecurity::Tls) << QString("imap");
        QTest::newRow("imap-port-995-is-no-tls-port")
            << "imap.test:995"
            << "starttls" << int(MailSecurity::StartTlsRequired) << QString("imap");
    }

    void securityAsStored() {
        QFETCH(QString, server);
        QFETCH(QString, word);
        QFETCH(int, security);
        QFETCH(QString, protocol);
        TempProfile profile;
        SettingsStore tree = SettingsStore::tree();
        tree.WriteString(Server, QStringLiteral("Server5"), server);
        if (protocol != QLatin1String("-"))
            tree.WriteString(Server, QStringLiteral("Protocol5"), protocol);
        if (word != QLatin1String("-")) tree.WriteString(Server, QStringLiteral("Security5"), word);
        tree.WriteString(Server, QStringLiteral("TrustedCert5"),
                         QStringLiteral("AB:").repeated(31) + QStringLiteral("AB"));
        MailboxConfig box;
        box.read(5);
        QCOMPARE(int(box.Security), security);
        QCOMPARE(box.TrustedCert, QStringLiteral("ab").repeated(32));

        // Stored again, the choice is written out and reads back the same.
        box.store(5);
        QCOMPARE(stored(Server, QStringLiteral("Security5")), securityWord(box.Security));
        MailboxConfig again;
        again.read(5);
        QCOMPARE(int(again.Security), security);
    }

    void imapFieldsAreStoredBesideTheMailbox() {
        TempProfile profile;
        MailboxConfig pop("pop.test", "ann", "pw");
        pop.store(2);
        // A POP3 mailbox gains no lines for what only IMAP has.
        for (const char* ident : {"Protocol2", "Folder2", "SpamAction2", "JunkFolder2"})
            QCOMPARE(stored(Server, QLatin1String(ident)), QStringLiteral("(missing)"));
        MailboxConfig read;
        read.read(2);
        QCOMPARE(read.Protocol, MailProtocol::Pop3);
        QCOMPARE(read.Folder, QStringLiteral("INBOX"));
        QCOMPARE(read.Action, SpamAction::Move);

        MailboxConfig imap("imap.test", "ann", "pw");
        imap.Protocol = MailProtocol::Imap;
        imap.Folder = QStringLiteral("Lists/Work");
        imap.Action = SpamAction::Delete;
        imap.JunkFolder = u"Müll"_qs;
        imap.store(2);
        QCOMPARE(stored(Server, "Protocol2"), QStringLiteral("imap"));
        QCOMPARE(stored(Server, "Folder2"), QStringLiteral("Lists/Work"));
        QCOMPARE(stored(Server, "SpamAction2"), QStringLiteral("delete"));
        QCOMPARE(stored(Server, "JunkFolder2"), u"Müll"_qs);
        read.read(2);
        QCOMPARE(read.Protocol, MailProtocol::Imap);
        QCOMPARE(read.OAuth2.Protocol, MailProtocol::Imap); // the scope follows the protocol
        QCOMPARE(read.Folder, QStringLiteral("Lists/Work"));
        QCOMPARE(read.Action, SpamAction::Delete);
        QCOMPARE(read.JunkFolder, u"Müll"_qs);

        // Back to POP3: the stored word changes, nothing is left to read as IMAP.
        pop.store(2);
        QCOMPARE(stored(Server, "Protocol2"), QStringLiteral("pop3"));
        QCOMPARE(stored(Server, "Folder2"), QStringLiteral("INBOX"));

        // Words edited by hand that name nothing read as the defaults.
        SettingsStore::tree().WriteString(Server, "Protocol2", "smtp");
        SettingsStore::tree().WriteString(Server, "SpamAction2", "burn");
        SettingsStore::tree().WriteString(Server, "Folder2", "  ");
        read.read(2);
        QCOMPARE(read.Protocol, MailProtocol::Pop3);
        QCOMPARE(read.Action, SpamAction::Move);
        QCOMPARE(read.Folder, QStringLiteral("INBOX"));
    }

    // The header cache's switch is written once it is off (an older profile
    // stays as it was), and storing a slot removes the cache of a mailbox it
    // no longer checks, or may no longer keep.
    void headerCacheFollowsTheSlot() {
        TempProfile profile;
        const auto cached = [](const MailboxConfig& box) {
            HeaderCache cache(box.cacheMailbox());
            cache.replace({{QStringLiteral("u1"), 1, TmsHeaders{QStringLiteral("X: 1")}}});
            QVERIFY(cache.save(box.headerCacheFile()));
        };
        MailboxConfig ann{QStringLiteral("pop.test"), QStringLiteral("ann"), QStringLiteral("pw")};
        ann.store(3);
        QCOMPARE(stored(Server, QStringLiteral("HeaderCache3")), QStringLiteral("(missing)"));
        cached(ann);
        MailboxConfig same = ann;
        same.Server = QStringLiteral("POP.test");
        same.store(3);
        QVERIFY(QFile::exists(ann.headerCacheFile()));

        MailboxConfig bob = ann;
        bob.UserName = QStringLiteral("bob");
        bob.store(3);
        QVERIFY(!QFile::exists(ann.headerCacheFile()));
        cached(bob);
        bob.CacheHeaders = false;
        bob.store(3);
        QVERIFY(!QFile::exists(bob.headerCacheFile()));
        QCOMPARE(stored(Server, QStringLiteral("HeaderCache3")), QStringLiteral("0"));
        MailboxConfig back;
        back.read(3);
        QVERIFY(!back.CacheHeaders);
        QVERIFY(bob.headerCacheFile().startsWith(profile.cacheHome() + "/Quillmere/headers-"));
    }

    // A POP3 mailbox keeps the cache file it always had; each IMAP folder has
    // one of its own, never the POP3 one, and storing the slot for another
    // protocol or folder removes the cache of the one it held.
    void headerCacheOfImapFolders() {
        TempProfile profile;
        MailboxConfig pop{QStringLiteral("mail.test"), QStringLiteral("ann"), QStringLiteral("pw")};
        QCOMPARE(HeaderCache::fileName(pop.cacheMailbox()),
                 QStringLiteral("headers-5de45e6cf40bc4b843b79b58648f1f48.cache"));
        MailboxConfig inbox = pop;
        inbox.Protocol = MailProtocol::Imap;
        MailboxConfig lower = inbox;
        lower.Folder = QStringLiteral("inbox");
        MailboxConfig work = inbox;
        work.Folder = QStringLiteral("Work");
        QVERIFY(inbox.headerCacheFile() != pop.headerCacheFile());
        QCOMPARE(lower.headerCacheFile(), inbox.headerCacheFile());
        QVERIFY(work.headerCacheFile() != inbox.headerCacheFile());

        QStringList held;
        for (const MailboxConfig& box : {pop, inbox, work}) {
            box.store(4);
            HeaderCache cache(box.cacheMailbox());
            cache.replace({{QStringLiteral("1"), 1, TmsHeaders{QStringLiteral("X: 1")}}});
            QVERIFY(cache.save(box.headerCacheFile()));
            held << box.headerCacheFile();
        }
        // Each store removed the cache of the mailbox stored before.
        QCOMPARE(
            QList<bool>({QFile::exists(held[0]), QFile::exists(held[1]), QFile::exists(held[2])}),
            QList<bool>({false, false, true}));
    }
};

QTEST_GUILESS_MAIN(TestGeneralSettings)
#include "tst_generalsettings.moc"
