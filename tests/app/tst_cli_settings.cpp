// quillmere-cli settings and rules on a private profile.
#include "CliRunner.h"
#include "settings/MailboxConfig.h"
#include "settings/ProfileLock.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/TempProfile.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

class TestCliSettings : public QObject {
    Q_OBJECT

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private Q_SLOTS:
    void listsEveryKeyWithItsDefault() {
        TempProfile profile;
        const Run r = cli({QStringLiteral("settings")});
        QCOMPARE(r.code, 0);
        for (const char* line :
             {"General/Minutes=10\n", "General/Automatic=false\n", "General/Ask=true\n",
              "Logfile/Asis=true\n", "Server/Which=1\n", "Server/Passwd12=(empty)\n",
              "Exceptions/col5=-1\n", "Smaller/Num=100\n", "Larger/Num=20000\n",
              "Known/Question=false\n", "Known/Num=0\n"})
            QVERIFY2(r.out.contains(QLatin1String(line)), line);
        QVERIFY(!QFile::exists(SettingsStore::tree().path()));
        QVERIFY(!QFile::exists(SettingsStore::iniFile().path()));
    }

    // A value is written when it reads back as its key's type, into the store
    // that holds the key; any other text for a number or a switch is a usage
    // error that writes nothing.
    void writingTakesWhatReadingTakes_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("stored"); // "<none>": nothing written
        QTest::addColumn<QString>("shown");
        QTest::newRow("decimal") << "General/Minutes"
                                 << "25" << 0 << "25"
                                 << "General/Minutes=25";
        QTest::newRow("hexadecimal-kept-as-given") << "general/minutes"
                                                   << "0x1F" << 0 << "0x1F"
                                                   << "General/Minutes=31";
        QTest::newRow("true-stored-as-1") << "General/Automatic"
                                          << "true" << 0 << "1"
                                          << "General/Automatic=true";
        QTest::newRow("false-in-any-case") << "General/Ask"
                                           << "FALSE" << 0 << "0"
                                           << "General/Ask=false";
        QTest::newRow("switch-from-a-number-in-the-settings-file") << "Known/Valid"
                                                                   << "2" << 0 << "1"
                                                                   << "Known/Valid=true";
        QTest::newRow("text-as-given") << "General/Mailer"
                                       << " mail -x " << 0 << " mail -x "
                                       << "General/Mailer= mail -x ";
        QTest::newRow("number-with-letters-refused") << "Smaller/Num"
                                                     << "12ab" << 2 << "<none>"
                                                     << "";
        QTest::newRow("empty-number-refused") << "General/Minutes"
                                              << "" << 2 << "<none>"
                                              << "";
        QTest::newRow("yes-for-a-switch-refused") << "General/Automatic"
                                                  << "yes" << 2 << "<none>"
                                                  << "";
    }

    void writingTakesWhatReadingTakes() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, code);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        TempProfile profile;
        const Run r = cli({QStringLiteral("settings"), key, value});
        QCOMPARE(r.code, code);
        const SettingsKey* k = FindSettingsKey(key.section('/', 0, 0), key.section('/', 1));
        QVERIFY(k);
        QCOMPARE(k->openStore().ReadString(k->section, k->ident, QStringLiteral("<none>")), stored);
        if (code == 0) {
            QCOMPARE(r.out, shown + QLatin1Char('\n'));
            // Only the store that holds the key is written.
            const SettingsStore other = k->store == SettingsStore::Kind::Tree
                                            ? SettingsStore::iniFile()
                                            : SettingsStore::tree();
            QVERIFY(!QFile::exists(other.path()));
        } else {
            QVERIFY2(r.err.contains(QLatin1String("quillmere-cli settings: ") + k->section +
                                    QLatin1Char('/') + k->ident + QLatin1String(" takes ")),
                     qPrintable(r.err));
            QVERIFY(r.out.isEmpty());
            QVERIFY(!QFile::exists(SettingsStore::tree().path()));
            QVERIFY(!QFile::exists(SettingsStore::iniFile().path()));
        }
    }

    void passwordsShowOnlyAsSetOrEmpty() {
        TempProfile profile;
        MailboxConfig box{QStringLiteral("pop.test"), QStringLiteral("ann"),
                          QStringLiteral("hunter2")};
        box.store(3);
        const QString stored = SettingsStore::tree().ReadString(QStringLiteral("Server"),
                                                                QStringLiteral("Passwd3"), {});
        for (const QStringList& args :
             {QStringList{QStringLiteral("settings")},
              QStringList{QStringLiteral("settings"), QStringLiteral("Server/Passwd3")}}) {
            const Run r = cli(args);
            QVERIFY(r.out.contains(QLatin1String("Server/Passwd3=(set)\n")));
            QVERIFY(!r.out.contains(stored));
            QVERIFY(!r.out.contains(QLatin1String("hunter2")));
        }
    }

    void unknownKeyIsAUsageError() {
        TempProfile profile;
        for (const char* key : {"General/Nope", "Nowhere/Minutes", "Minutes"}) {
            const Run r =
                cli({QStringLiteral("settings"), QLatin1String(key), QStringLiteral("1")});
            QCOMPARE(r.code, 2);
            QVERIFY(r.err.contains(QLatin1String("unknown key")));
        }
        QVERIFY(!QFile::exists(SettingsStore::tree().path()));
    }

    void writingWaitsForNoOneWhenTheProfileIsBusy() {
        TempProfile profile;
        ProfileLock held;
        QVERIFY(held.tryLock());
        Run r = cli(
            {QStringLiteral("settings"), QStringLiteral("General/Minutes"), QStringLiteral("5")});
        QCOMPARE(r.code, 75);
        QVERIFY(r.err.contains(QLatin1String("Quillmere is already running for this profile")));
        QVERIFY(!QFile::exists(SettingsStore::tree().path()));
        r = cli({QStringLiteral("settings"), QStringLiteral("General/Minutes")});
        QCOMPARE(r.code, 0);
        held.unlock();
        r = cli(
            {QStringLiteral("settings"), QStringLiteral("General/Minutes"), QStringLiteral("5")});
        QCOMPARE(r.code, 0);
    }

    void rulesShowsTheListsAndTheBlacklist() {
        TempProfile profile;
        writeFile(profile.appFile(QStringLiteral("subj.lst")),
                  "6,3\r\n1,1,Contains\r\n2,1,free offer\r\n3,1,No\r\n4,1,Yes\r\n5,1,0\r\n"
                  "1,2,Is blank\r\n4,2,No\r\n5,2,7\r\n");
        writeFile(profile.appFile(QStringLiteral("except.lst")),
                  "7,2\r\n0,1,Domain name\r\n1,1,Equals\r\n2,1,friend.test\r\n6,1,9\r\n");
        writeFile(profile.appFile(QStringLiteral("known.lst")), "b.test\r\nA@x.test\r\n");
        Run r = cli({QStringLiteral("rules")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QLatin1String("2 rules")));
        QVERIFY(r.out.contains(
            QRegularExpression(QStringLiteral("1 +delete +Contains +free offer +No +Yes +0\n"))));
        QVERIFY(
            r.out.contains(QRegularExpression(QStringLiteral("2 +question +Is blank +No +7\n"))));
        QVERIFY(r.out.contains(
            QRegularExpression(QStringLiteral("1 +9 +Domain name +Equals +friend.test"))));
        QVERIFY(r.out.contains(QLatin1String("2 entries\n  A@x.test\n  b.test\n")));

        writeFile(profile.appFile(QStringLiteral("header.lst")), "garbage\r\n");
        r = cli({QStringLiteral("rules")});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains(QLatin1String("File contains no data or corrupt file")));
        QVERIFY(r.out.contains(QLatin1String("friend.test")));
    }

    void importAddsRulesAndSaves() {
        TempProfile profile;
        const QString words = profile.appFile(QStringLiteral("words.txt"));
        writeFile(words, "cash\r\n\r\n  loan  \r\n  loan  \r\ncash\x1a!\r\n");
        Run r = cli(
            {QStringLiteral("rules"), QStringLiteral("import"), QStringLiteral("subject"), words});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.startsWith(QLatin1String("Added 3 rules to ")), qPrintable(r.out));
        QFile subj(profile.appFile(QStringLiteral("subj.lst")));
        QVERIFY(subj.open(QIODevice::ReadOnly));
        const QByteArray bytes = subj.readAll();
        QVERIFY(bytes.startsWith("6,4\r\n"));
        for (const char* line : {"\r\n1,1,Contains (whole word)\r\n2,1,cash\r\n3,1,No\r\n"
                                 "4,1,Yes\r\n5,1,0\r\n",
                                 "\r\n2,2,loan\r\n", "\r\n2,3,cash !\r\n"})
            QVERIFY2(bytes.contains(line), line);
        QVERIFY(QFile::exists(SettingsStore::iniFile().path()));

        // Standard input, into the exceptions.
        QProcess p;
        p.start(QStringLiteral(QUILL_CLI), {QStringLiteral("rules"), QStringLiteral("import"),
                                            QStringLiteral("exceptions"), QStringLiteral("-")});
        p.write("friend@example.org\n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        r = cli({QStringLiteral("rules")});
        QVERIFY(r.out.contains(QRegularExpression(
            QStringLiteral("1 +3 +E-mail address +Equals +friend@example.org +No +0"))));
    }

    void importChangesNothingWhenTheListCannotBeLoaded() {
        TempProfile profile;
        const QString words = profile.appFile(QStringLiteral("words.txt"));
        writeFile(words, "cash\r\n");
        const QString except = profile.appFile(QStringLiteral("except.lst"));
        writeFile(profile.appFile(QStringLiteral("header.lst")), "garbage\r\n");
        writeFile(except, "7,2\r\n0,1,Domain name\r\n");
        Run r = cli({QStringLiteral("rules"), QStringLiteral("import"),
                     QStringLiteral("exceptions"), words});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains(QLatin1String("File contains no data or corrupt file")));
        QFile f(except);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("7,2\r\n0,1,Domain name\r\n"));
        QVERIFY(!QFile::exists(profile.appFile(QStringLiteral("subj.lst"))));

        r = cli(
            {QStringLiteral("rules"), QStringLiteral("import"), QStringLiteral("headers"), words});
        QCOMPARE(r.code, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliSettings)
#include "tst_cli_settings.moc"
