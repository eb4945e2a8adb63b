// Loading and saving the spam settings: defaults, the order and failure of
// readSettings, no write-back of a list that failed to load or holds lines of
// its own, one write per file, and failed saves that leave the old files whole.
#include "mail/Exceptions.h"
#include "rules/SpamSettings.h"
#include "settings/SettingsStore.h"
#include "settings/TextFiles.h"
#include "support/TempProfile.h"

#include <QDir>
#include <QFile>
#include "support/TestFiles.h"

#include <QtTest>

namespace {
QString failureOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const EFileError& e) {
        return e.message();
    }
    return QStringLiteral("(no failure)");
}

const QByteArray SubjectFile = "6,2\r\n1,1,Contains\r\n2,1,free\r\n3,1,No\r\n4,1,Yes\r\n5,1,41\r\n";
const QByteArray SenderFile = "6,2\r\n1,1,Domain name\r\n2,1,Equals\r\n3,1,spam.test\r\n"
                              "4,1,No\r\n5,1,0\r\n";
const QByteArray ExceptFile = "7,2\r\n0,1,E-mail address\r\n1,1,Equals\r\n"
                              "2,1,friend@example.org\r\n3,1,No\r\n4,1,2\r\n6,1,5\r\n";
const QByteArray IniFile = "[Smaller]\nNum=5\n";
} // namespace

class TestSpamSettings : public QObject {
    Q_OBJECT

    // A profile whose files hold one rule each and a settings file; headerFile
    // goes into "header.lst".
    static void writeProfile(const TempProfile& p, const QByteArray& headerFile) {
        writeFile(p.appFile(QStringLiteral("subj.lst")), SubjectFile);
        writeFile(p.appFile(QStringLiteral("header.lst")), headerFile);
        writeFile(p.appFile(QStringLiteral("from.lst")), SenderFile);
        writeFile(p.appFile(QStringLiteral("except.lst")), ExceptFile);
        writeFile(p.appFile(QStringLiteral("quillmere.ini")), IniFile);
    }

private Q_SLOTS:
    void nothingOnDiskGivesDefaults() {
        TempProfile profile;
        SpamSettings s;
        s.Smaller.Num = 1;
        s.Known.Num = QStringLiteral("9");
        s.readSettings();
        for (const RuleList* list : s.lists())
            QVERIFY(list->isEmpty());
        QCOMPARE(s.Smaller.QSmaller, false);
        QCOMPARE(s.Smaller.Num, 100);
        QCOMPARE(s.Smaller.Check, true);
        QCOMPARE(s.Larger.QLarger, false);
        QCOMPARE(s.Larger.Num, 20000);
        QCOMPARE(s.Larger.Check, true);
        QCOMPARE(s.Known.QMonitor, true);
        QCOMPARE(s.Known.Valid, true);
        QCOMPARE(s.Known.Question, false);
        QCOMPARE(s.Known.Num, QStringLiteral("0"));
        QCOMPARE(s.Learning.On, true);
        QCOMPARE(s.Learning.Check, false);
        QCOMPARE(s.Learning.Cutoff, 95);
        QCOMPARE(s.Learning.OwnDomains, QString());
        QVERIFY(QDir(profile.appFolder()).isEmpty());

        s.Savesettings();
        QVERIFY(readAll(profile.appFile(QStringLiteral("subj.lst"))).startsWith("6,2\r\n"));
        QVERIFY(readAll(profile.appFile(QStringLiteral("from.lst"))).startsWith("6,2\r\n"));
        QVERIFY(readAll(profile.appFile(QStringLiteral("except.lst"))).startsWith("7,2\r\n"));
        QCOMPARE(SettingsStore::iniFile().ReadString(QStringLiteral("Larger"),
                                                     QStringLiteral("Num"), {}),
                 QStringLiteral("20000"));
    }

    void savedSettingsReadBack() {
        TempProfile profile;
        SpamSettings s;
        s.readSettings();
        s.Smaller = {true, 250, false};
        s.Larger = {true, 99999999, false};
        s.Known = {false, false, true, QStringLiteral("x")};
        s.Learning = {false, true, 80, QStringLiteral("mail.example, example.net")};
        s.bumpUnknown();
        s.gridSubject.appendRule({QString(), QStringLiteral("Equals"), QStringLiteral("a,b"),
                                  QStringLiteral("Yes"), QStringLiteral("No"),
                                  QStringLiteral("0")});
        s.gridSubject.bumpHits(1);
        // One save: each list file and the settings file replaced once; the
        // settings file not at all when its values did not change.
        int before = TextFiles::replacementCount();
        s.Savesettings();
        QCOMPARE(TextFiles::replacementCount(), before + 5);
        before = TextFiles::replacementCount();
        s.Savesettings();
        QCOMPARE(TextFiles::replacementCount(), before + 4);

        SpamSettings back;
        back.readSettings();
        QCOMPARE(back.Smaller.QSmaller, true);
        QCOMPARE(back.Smaller.Num, 250);
        QCOMPARE(back.Smaller.Check, false);
        QCOMPARE(back.Larger.Num, 99999999);
        QCOMPARE(back.Larger.Check, false);
        QCOMPARE(back.Known.QMonitor, false);
        QCOMPARE(back.Known.Valid, false);
        QCOMPARE(back.Known.Question, true);
        QCOMPARE(back.Known.Num, QStringLiteral("1"));
        QCOMPARE(back.Learning.On, false);
        QCOMPARE(back.Learning.Check, true);
        QCOMPARE(back.Learning.Cutoff, 80);
        QCOMPARE(back.Learning.OwnDomains, QStringLiteral("mail.example, example.net"));
        QCOMPARE(back.gridSubject.cell(2, 1), QStringLiteral("a,b"));
        QCOMPARE(back.gridSubject.cell(5, 1), QStringLiteral("1"));
        QCOMPARE(back.gridSubject.image(1), int(ImageQuestion));
    }

    void nothingIsWrittenBeforeTheFirstLoad() {
        TempProfile profile;
        writeProfile(profile, SenderFile);
        SpamSettings s;
        s.Savesettings();
        QCOMPARE(readAll(profile.appFile(QStringLiteral("subj.lst"))), SubjectFile);
        QCOMPARE(readAll(profile.appFile(QStringLiteral("quillmere.ini"))), IniFile);
    }

    void aListThatFailedToLoadIsNotWrittenBack() {
        TempProfile profile;
        writeProfile(profile, "corrupt\r\n");
        const QString headerPath = profile.appFile(QStringLiteral("header.lst"));
        SpamSettings s;
        QCOMPARE(failureOf([&] { s.readSettings(); }),
                 QStringLiteral("File contains no data or corrupt file %1").arg(headerPath));
        // The lists before the failure loaded; the ones after it and the values did not.
        QCOMPARE(s.gridSubject.cell(2, 1), QStringLiteral("free"));
        QVERIFY(s.gridFrom.isEmpty());
        QCOMPARE(s.Smaller.Num, 100);

        // The save after a mail check keeps the user's files.
        s.gridSubject.bumpHits(1);
        s.bumpUnknown();
        s.Savesettings();
        QVERIFY(readAll(profile.appFile(QStringLiteral("subj.lst"))).contains("\r\n5,1,42\r\n"));
        QCOMPARE(readAll(headerPath), QByteArray("corrupt\r\n"));
        QCOMPARE(readAll(profile.appFile(QStringLiteral("from.lst"))), SenderFile);
        QCOMPARE(readAll(profile.appFile(QStringLiteral("except.lst"))), ExceptFile);
        QCOMPARE(readAll(profile.appFile(QStringLiteral("quillmere.ini"))), IniFile);

        // A later successful load makes them writable again.
        writeFile(headerPath, SenderFile);
        s.readSettings();
        QCOMPARE(s.Smaller.Num, 5);
        s.gridFrom.bumpHits(1);
        s.Savesettings();
        QVERIFY(readAll(profile.appFile(QStringLiteral("from.lst"))).contains("\r\n5,1,1\r\n"));
    }

    // Rules added to a list that is not written back stay in use, and the save
    // after each addition names the list; hits raised by a check do not.
    void rulesAddedToAListNotWrittenBackAreNamed() {
        TempProfile profile;
        writeProfile(profile, "corrupt\r\n");
        const QString headerPath = profile.appFile(QStringLiteral("header.lst"));
        const QString fromPath = profile.appFile(QStringLiteral("from.lst"));
        auto named = [](const QString& path) {
            return QStringLiteral("The rules added to %1 are not saved: the file could not be "
                                  "read, so it is left as it is until the spam settings are "
                                  "confirmed")
                .arg(path);
        };
        SpamSettings s;
        failureOf([&] { s.readSettings(); });
        s.gridHeader.appendRule({"", "Contains", "X-Spam", "No", "Yes", "0"});
        QCOMPARE(failureOf([&] { s.Savesettings(); }), named(headerPath));
        QCOMPARE(s.gridHeader.cell(2, 1), QStringLiteral("X-Spam"));

        s.gridHeader.bumpHits(1);
        QCOMPARE(failureOf([&] { s.Savesettings(); }), QStringLiteral("(no failure)"));

        s.gridFrom.insertAtTop({"", "E-mail address", "Equals", "a@b.test", "Yes", "1"});
        s.gridHeader.appendRule({"", "Contains", "X-Bulk", "No", "Yes", "0"});
        QCOMPARE(failureOf([&] { s.Savesettings(); }),
                 named(headerPath) + QLatin1Char('\n') + named(fromPath));
        QCOMPARE(readAll(headerPath), QByteArray("corrupt\r\n"));
        QCOMPARE(readAll(fromPath), SenderFile);
    }

    // Lines the program does not understand are the user's; a save after a check
    // would drop them.
    void aListWithForeignLinesIsKeptFromAutomaticSaves() {
        TempProfile profile;
        const QByteArray headerFile = "6,2\r\n1,1,Contains\r\n2,1,X-Mailer: Floodgate\r\n"
                                      "my note: keep this rule\r\n4,1,Yes\r\n5,1,0\r\n";
        writeProfile(profile, headerFile);
        const QString headerPath = profile.appFile(QStringLiteral("header.lst"));
        SpamSettings s;
        QCOMPARE(failureOf([&] { s.readSettings(); }),
                 QStringLiteral("Line 4 of %1 is neither a column width nor a cell: the file is "
                                "left as it is until the spam settings are confirmed")
                     .arg(headerPath));
        // Everything loaded, that list without the line.
        QCOMPARE(s.gridHeader.cell(2, 1), QStringLiteral("X-Mailer: Floodgate"));
        QCOMPARE(s.gridHeader.image(1), int(ImageCheck));
        QCOMPARE(s.gridFrom.cell(3, 1), QStringLiteral("spam.test"));
        QCOMPARE(s.Smaller.Num, 5);
        QVERIFY(!s.isWritable(s.gridHeader));
        QVERIFY(s.isWritable(s.gridFrom) && s.valuesWritable());

        for (RuleList* list : s.lists())
            list->bumpHits(1);
        s.Savesettings();
        QCOMPARE(readAll(headerPath), headerFile);
        QVERIFY(readAll(profile.appFile(QStringLiteral("from.lst"))).contains("\r\n5,1,1\r\n"));

        s.allowWriteBack();
        s.Savesettings();
        QVERIFY(readAll(headerPath).contains("\r\n5,1,1\r\n"));
        QVERIFY(!readAll(headerPath).contains("my note"));
    }

    void theUsersConfirmationWritesEverything() {
        TempProfile profile;
        writeProfile(profile, "corrupt\r\n");
        const QString headerPath = profile.appFile(QStringLiteral("header.lst"));
        SpamSettings s;
        QVERIFY_THROWS_EXCEPTION(EFileError, s.readSettings());
        QVERIFY(!s.isWritable(s.gridHeader));
        QVERIFY(s.isWritable(s.gridSubject));
        s.allowWriteBack();
        s.Savesettings();
        QVERIFY(readAll(headerPath).startsWith("6,2\r\n"));
        QVERIFY(readAll(profile.appFile(QStringLiteral("from.lst"))).startsWith("6,2\r\n"));
        QCOMPARE(SettingsStore::iniFile().ReadInteger(QStringLiteral("Smaller"),
                                                      QStringLiteral("Num"), 0),
                 100);
    }

    void failedSaveKeepsTheOldFiles() {
        TempProfile profile;
        writeProfile(profile, SenderFile);
        SpamSettings s;
        s.readSettings();
        const QString fromPath = profile.appFile(QStringLiteral("from.lst"));
        const QString iniPath = profile.appFile(QStringLiteral("quillmere.ini"));
        // Directories where the temporary files must go.
        QVERIFY(QDir().mkpath(TextFiles::temporaryPath(fromPath)));
        QVERIFY(QDir().mkpath(TextFiles::temporaryPath(iniPath)));
        for (RuleList* list : s.lists())
            list->bumpHits(1);
        s.Smaller.Num = 77;

        QCOMPARE(
            failureOf([&] { s.Savesettings(); }),
            QStringLiteral("Unable to write to %1\nUnable to write to %2").arg(fromPath, iniPath));
        QCOMPARE(readAll(fromPath), SenderFile);
        QCOMPARE(readAll(iniPath), IniFile);
        // The files that could be written were.
        QVERIFY(readAll(profile.appFile(QStringLiteral("subj.lst"))).contains("\r\n5,1,42\r\n"));
        QVERIFY(readAll(profile.appFile(QStringLiteral("except.lst"))).contains("\r\n4,1,3\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSpamSettings)
#include "tst_spamsettings.moc"
