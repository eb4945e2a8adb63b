// quillmere-cli settings and rules on a private profile.
#include "settings/MailboxConfig.h"
#include "settings/ProfileLock.h"
#include "settings/SettingsStore.h"
#include "support/TempProfile.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

class TestCliSettings : public QObject {
    Q_OBJECT

    struct Run {
        int code;
        QString out, err;
    };
    static Run cli(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(QUILL_CLI), args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

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

    void writesIntoTheStoreThatHoldsTheSection() {
        TempProfile profile;
        Run r = cli({QStringLiteral("settings"), QStringLiteral("general/minutes"),
                     QStringLiteral("0x1F")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("General/Minutes=31\n"));
        r = cli({QStringLiteral("settings"), QStringLiteral("Known/Valid"), QStringLiteral("2")});
        QCOMPARE(r.out, QStringLiteral("Known/Valid=true\n"));
        r = cli(
            {QStringLiteral("settings"), QStringLiteral("Smaller/Num"), QStringLiteral("12ab")});
        QCOMPARE(r.out, QStringLiteral("Smaller/Num=100\n"));

        QCOMPARE(SettingsStore::tree().ReadString(QStringLiteral("General"),
                                                  QStringLiteral("Minutes"), {}),
                 QStringLiteral("0x1F"));
        QVERIFY(!SettingsStore::tree().hasSection(QStringLiteral("Known")));
        QCOMPARE(SettingsStore::iniFile().ReadString(QStringLiteral("Known"),
                                                     QStringLiteral("Valid"), {}),
                 QStringLiteral("2"));
        r = cli({QStringLiteral("settings"), QStringLiteral("General/Minutes")});
        QCOMPARE(r.out, QStringLiteral("General/Minutes=31\n"));
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
};

QTEST_GUILESS_MAIN(TestCliSettings)
#include "tst_cli_settings.moc"
