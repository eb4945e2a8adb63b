// Both stores: value encodings, names without regard to case, nothing created on
// reading, exact values in the settings tree, the settings file's read limit,
// bytes and line ends a rewrite keeps, files that cannot be read and are never
// written over, groups written in one step, and failed writes that leave the old
// file whole.
#include "mail/Exceptions.h"
#include "settings/SettingsStore.h"
#include "settings/TextFiles.h"
#include "support/TempProfile.h"

#include <QDir>
#include <QFile>
#include "support/TestFiles.h"

#include <QtTest>
#include <unistd.h>

using Kind = SettingsStore::Kind;

namespace {
QString failureOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const EFileError& e) {
        return e.message();
    }
    return QStringLiteral("(no failure)");
}
} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

    static QList<SettingsStore> bothStores() {
        return {SettingsStore::tree(), SettingsStore::iniFile()};
    }

private Q_SLOTS:
    void integerEncodings_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected"); // read with the default 7
        QTest::newRow("decimal") << "42" << 42;
        QTest::newRow("negative") << "-5" << -5;
        QTest::newRow("hex-lower-x") << "0x1F" << 31;
        QTest::newRow("hex-upper-X") << "0X1f" << 31;
        QTest::newRow("hex-all-bits") << "0xFFFFFFFF" << -1;
        QTest::newRow("hex-too-long") << "0x1FFFFFFFF" << 7;
        QTest::newRow("bare-0x-is-not-hex") << "0x" << 7;
        QTest::newRow("bad-hex-digit") << "0x1G" << 7;
        QTest::newRow("digits-then-letters") << "12ab" << 7;
        QTest::newRow("empty") << "" << 7;
        QTest::newRow("overflow") << "2147483648" << 7;
        QTest::newRow("leading-zero-decimal") << "010" << 10;
    }
    void integerEncodings() {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        TempProfile profile;
        for (SettingsStore s : bothStores()) {
            s.WriteString(QStringLiteral("General"), QStringLiteral("Minutes"), stored);
            QCOMPARE(s.ReadInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 7),
                     expected);
        }
    }

    void booleanEncodings_data() {
        QTest::addColumn<QString>("stored"); // "-" for a missing value
        QTest::addColumn<bool>("def");
        QTest::addColumn<bool>("expected");
        QTest::newRow("two-is-true") << "2" << false << true;
        QTest::newRow("zero-is-false") << "0" << true << false;
        QTest::newRow("hex-one") << "0x1" << false << true;
        QTest::newRow("garbage-gives-true-default") << "yes" << true << true;
        QTest::newRow("garbage-gives-false-default") << "yes" << false << false;
        QTest::newRow("missing-gives-default") << "-" << true << true;
    }
    void booleanEncodings() {
        QFETCH(QString, stored);
        QFETCH(bool, def);
        QFETCH(bool, expected);
        TempProfile profile;
        for (SettingsStore s : bothStores()) {
            s.WriteBool(QStringLiteral("Known"), QStringLiteral("Other"), true);
            if (stored != QLatin1String("-"))
                s.WriteString(QStringLiteral("Known"), QStringLiteral("Valid"), stored);
            QCOMPARE(s.ReadBool(QStringLiteral("Known"), QStringLiteral("Valid"), def), expected);
        }
    }

    void writtenTypesReadBack() {
        TempProfile profile;
        for (SettingsStore s : bothStores()) {
            s.WriteInteger(QStringLiteral("Larger"), QStringLiteral("Num"), -20000);
            s.WriteBool(QStringLiteral("Larger"), QStringLiteral("Check"), false);
            QCOMPARE(s.ReadString(QStringLiteral("Larger"), QStringLiteral("Num"), {}),
                     QStringLiteral("-20000"));
            QCOMPARE(s.ReadString(QStringLiteral("Larger"), QStringLiteral("Check"), {}),
                     QStringLiteral("0"));
            QCOMPARE(s.ReadBool(QStringLiteral("Larger"), QStringLiteral("Check"), true), false);
        }
    }

    void namesCompareWithoutCase() {
        TempProfile profile;
        for (SettingsStore s : bothStores()) {
            s.WriteString(QStringLiteral("General"), QStringLiteral("AlarmFile"),
                          QStringLiteral("a.wav"));
            QCOMPARE(s.ReadString(QStringLiteral("GENERAL"), QStringLiteral("Alarmfile"), {}),
                     QStringLiteral("a.wav"));
            s.WriteString(QStringLiteral("general"), QStringLiteral("alarmfile"),
                          QStringLiteral("b.wav"));
            QCOMPARE(s.ReadString(QStringLiteral("General"), QStringLiteral("AlarmFile"), {}),
                     QStringLiteral("b.wav"));
            // One section, one value, the first spelling kept.
            const QByteArray file = readAll(s.path());
            QCOMPARE(file.count("[General]"), 1);
            QVERIFY(!file.contains("general"));
            QCOMPARE(file.count("AlarmFile="), 1);
        }
    }

    void readingCreatesNothing() {
        TempProfile profile;
        for (SettingsStore s : bothStores()) {
            QCOMPARE(s.ReadString(QStringLiteral("Server"), QStringLiteral("Server1"),
                                  QStringLiteral("def")),
                     QStringLiteral("def"));
            QVERIFY(!QFile::exists(s.path()));
            s.WriteString(QStringLiteral("General"), QStringLiteral("Mailer"), QStringLiteral("m"));
            const QByteArray before = readAll(s.path());
            QCOMPARE(s.ReadInteger(QStringLiteral("Logfile"), QStringLiteral("Asis"), 3), 3);
            QVERIFY(!s.hasSection(QStringLiteral("Logfile")));
            QCOMPARE(readAll(s.path()), before);
        }
    }

    void valuesKeptAsStored_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("treeReads");
        QTest::addColumn<QString>("iniReads");
        QTest::newRow("spaces-around") << " a b "
                                       << " a b "
                                       << "a b";
        QTest::newRow("quoted") << "\"x y\""
                                << "\"x y\""
                                << "x y";
        QTest::newRow("equals-sign") << "a=b"
                                     << "a=b"
                                     << "a=b";
        QTest::newRow("backslashes") << "C:\\temp\\n"
                                     << "C:\\temp\\n"
                                     << "C:\\temp\\n";
        QTest::newRow("non-ascii") << "Grüße €"
                                   << "Grüße €"
                                   << "Grüße €";
        QTest::newRow("bracket-and-semicolon") << "[x];y"
                                               << "[x];y"
                                               << "[x];y";
    }
    void valuesKeptAsStored() {
        QFETCH(QString, value);
        QFETCH(QString, treeReads);
        QFETCH(QString, iniReads);
        TempProfile profile;
        SettingsStore tree = SettingsStore::tree();
        SettingsStore ini = SettingsStore::iniFile();
        tree.WriteString(QStringLiteral("General"), QStringLiteral("Mailer"), value);
        ini.WriteString(QStringLiteral("General"), QStringLiteral("Mailer"), value);
        QCOMPARE(tree.ReadString(QStringLiteral("General"), QStringLiteral("Mailer"), {}),
                 treeReads);
        QCOMPARE(ini.ReadString(QStringLiteral("General"), QStringLiteral("Mailer"), {}), iniReads);
    }

    void treeHoldsLineBreaksIniRefusesThem() {
        TempProfile profile;
        SettingsStore tree = SettingsStore::tree();
        tree.WriteString(QStringLiteral("General"), QStringLiteral("Mailer"),
                         QStringLiteral("a\r\nb"));
        tree.WriteString(QStringLiteral("General"), QStringLiteral("Exit"), QStringLiteral("1"));
        QCOMPARE(tree.ReadString(QStringLiteral("General"), QStringLiteral("Mailer"), {}),
                 QStringLiteral("a\r\nb"));
        QCOMPARE(tree.ReadBool(QStringLiteral("General"), QStringLiteral("Exit"), false), true);

        SettingsStore ini = SettingsStore::iniFile();
        QCOMPARE(failureOf([&] {
                     ini.WriteString(QStringLiteral("Known"), QStringLiteral("Num"),
                                     QStringLiteral("1\n[General]"));
                 }),
                 QStringLiteral("Unable to write to %1").arg(ini.path()));
        QVERIFY(!ini.hasSection(QStringLiteral("General")));
    }

    void brokenTreeValueIsInvalidData() {
        TempProfile profile;
        const SettingsStore tree = SettingsStore::tree();
        writeFile(tree.path(), "[General]\nLogfile=C:\\temp\\log.txt\nMinutes=5\n");
        QCOMPARE(failureOf([&] {
                     tree.ReadString(QStringLiteral("General"), QStringLiteral("Logfile"), {});
                 }),
                 QStringLiteral("Invalid data type for 'Logfile'"));
        QCOMPARE(tree.ReadInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 10), 5);
    }

    void iniReadsAreCutAt1023() {
        TempProfile profile;
        SettingsStore ini = SettingsStore::iniFile();
        const QString longText(2000, QLatin1Char('k'));
        ini.WriteString(QStringLiteral("Known"), QStringLiteral("Num"), longText);
        QCOMPARE(ini.ReadString(QStringLiteral("Known"), QStringLiteral("Num"), {}),
                 longText.left(1023));
        SettingsStore tree = SettingsStore::tree();
        tree.WriteString(QStringLiteral("General"), QStringLiteral("Logfile"), longText);
        QCOMPARE(tree.ReadString(QStringLiteral("General"), QStringLiteral("Logfile"), {}),
                 longText);
    }

    // Three writes: a value the file has, one its section lacks, one in a new section.
    void rewritingKeepsUntouchedBytes_data() {
        QTest::addColumn<QByteArray>("before"); // "-" for no file
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("crlf-lines-in-both-encodings-stay")
            << QByteArray("; my limits\r\n[smaller]\r\n  num = 250 \r\nOld=caf\xe9\r\n"
                          "New=caf\xc3\xa9\r\nnot a value\r\n\r\n[Other]\r\nx=1\r\n")
            << QByteArray("; my limits\r\n[smaller]\r\n  num =300\r\nOld=caf\xe9\r\n"
                          "New=caf\xc3\xa9\r\nnot a value\r\nCheck=0\r\n\r\n[Other]\r\nx=1\r\n"
                          "\r\n[Known]\r\nNum=n\xe9\r\n");
        QTest::newRow("lf-file-stays-lf-and-utf8")
            << QByteArray("[Smaller]\nNum=5\nOld=caf\xc3\xa9\n")
            << QByteArray(
                   "[Smaller]\nNum=300\nOld=caf\xc3\xa9\nCheck=0\n\n[Known]\nNum=n\xc3\xa9\n");
        QTest::newRow("last-line-without-end-gets-the-files-end")
            << QByteArray("[Smaller]\r\nNum=5")
            << QByteArray("[Smaller]\r\nNum=300\r\nCheck=0\r\n\r\n[Known]\r\nNum=n\xc3\xa9\r\n");
        QTest::newRow("new-file-gets-crlf")
            << QByteArray("-")
            << QByteArray("[Smaller]\r\nNum=300\r\nCheck=0\r\n\r\n[Known]\r\nNum=n\xc3\xa9\r\n");
    }
    void rewritingKeepsUntouchedBytes() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        TempProfile profile;
        SettingsStore ini = SettingsStore::iniFile();
        if (before != "-") writeFile(ini.path(), before);
        ini.WriteInteger(QStringLiteral("Smaller"), QStringLiteral("Num"), 300);
        ini.WriteBool(QStringLiteral("Smaller"), QStringLiteral("Check"), false);
        ini.WriteString(QStringLiteral("Known"), QStringLiteral("Num"), QStringLiteral("né"));
        QCOMPARE(readAll(ini.path()), after);
        // Each line reads in its own encoding.
        QCOMPARE(ini.ReadString(QStringLiteral("Known"), QStringLiteral("Num"), {}),
                 QStringLiteral("né"));
        if (before.contains("Old="))
            QCOMPARE(ini.ReadString(QStringLiteral("Smaller"), QStringLiteral("Old"), {}),
                     QStringLiteral("café"));
        if (before.contains("New="))
            QCOMPARE(ini.ReadString(QStringLiteral("Smaller"), QStringLiteral("New"), {}),
                     QStringLiteral("café"));
    }

    void unreadableFileIsNeverWrittenOver_data() {
        QTest::addColumn<bool>("tree");
        QTest::addColumn<QByteArray>("content"); // "dir" for a folder in the file's place
        QTest::addColumn<QString>("why");        // empty: any reason
        QTest::addColumn<int>("minutes");        // what General/Minutes reads (default 10)
        QTest::newRow("ini-not-text")
            << false << QByteArray("[General]\r\nMinutes=5\r\n") + '\0' + "\r\n"
            << "it is not a text file" << 5;
        QTest::newRow("ini-cannot-be-opened") << false << QByteArray("dir") << "" << 10;
        QTest::newRow("tree-all-junk") << true << QByteArray("this is not\nthe settings tree\n")
                                       << "line 1 is not a section, a value or a comment" << 10;
        QTest::newRow("tree-junk-after-values")
            << true << QByteArray("[General]\nMinutes=5\n\x01\x02garbage\n")
            << "line 3 is not a section, a value or a comment" << 5;
        QTest::newRow("tree-not-utf8")
            << true << QByteArray("[General]\nMinutes=5\nMailer=caf\xe9\n")
            << "it is not UTF-8 text" << 5;
        QTest::newRow("tree-cannot-be-opened") << true << QByteArray("dir") << "" << 10;
        QTest::newRow("ini-without-permission") // not for root, who reads it all the same
            << false << QByteArray("no permission") << "" << 10;
    }
    void unreadableFileIsNeverWrittenOver() {
        QFETCH(bool, tree);
        QFETCH(QByteArray, content);
        QFETCH(QString, why);
        QFETCH(int, minutes);
        TempProfile profile;
        SettingsStore s = tree ? SettingsStore::tree() : SettingsStore::iniFile();
        if (content == "dir") {
            QVERIFY(QDir().mkpath(s.path()));
        } else if (content == "no permission") {
            if (::geteuid() == 0) QSKIP("root reads any file");
            writeFile(s.path(), "[General]\r\nMinutes=5\r\n");
            QVERIFY(QFile::setPermissions(s.path(), QFileDevice::Permissions()));
        } else {
            writeFile(s.path(), content);
        }

        // Reading gives what can be read.
        QCOMPARE(s.ReadInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 10), minutes);
        const QString failure = failureOf(
            [&] { s.WriteInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 7); });
        const QString prefix =
            QStringLiteral("Unable to write to %1: it cannot be read (").arg(s.path());
        QVERIFY2(failure.startsWith(prefix) &&
                     failure.endsWith(QLatin1String("), so it is left as it is")),
                 qPrintable(failure));
        if (!why.isEmpty())
            QCOMPARE(failure, prefix + why + QStringLiteral("), so it is left as it is"));
        if (content == "dir")
            QVERIFY(QFileInfo(s.path()).isDir());
        else if (content == "no permission")
            QCOMPARE(QFileInfo(s.path()).size(), qint64(22));
        else
            QCOMPARE(readAll(s.path()), content);
        QVERIFY(!QFile::exists(TextFiles::temporaryPath(s.path())));
    }

    void aGroupReplacesTheFileOnce() {
        TempProfile profile;
        for (const SettingsStore& s : bothStores()) {
            const int before = TextFiles::replacementCount();
            {
                SettingsGroup group(s);
                group.WriteString(QStringLiteral("General"), QStringLiteral("Mailer"),
                                  QStringLiteral("m"));
                group.WriteInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 5);
                group.WriteBool(QStringLiteral("Logfile"), QStringLiteral("Asis"), false);
                // The group reads its own writes; the file is not written yet.
                QCOMPARE(group.ReadInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 0),
                         5);
                QVERIFY(!QFile::exists(s.path()));
                group.commit();
            }
            QCOMPARE(TextFiles::replacementCount(), before + 1);
            QCOMPARE(s.ReadBool(QStringLiteral("Logfile"), QStringLiteral("Asis"), true), false);

            // Writing what the file holds already writes nothing; a group that ends
            // without commit() neither.
            SettingsGroup same(s);
            same.WriteInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 5);
            same.commit();
            SettingsGroup dropped(s);
            dropped.WriteInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 6);
            QCOMPARE(TextFiles::replacementCount(), before + 1);
            QCOMPARE(s.ReadInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 0), 5);
        }
    }

    void failedWriteKeepsTheOldFile_data() {
        QTest::addColumn<bool>("tree");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("expected"); // %1 the file's path
        QTest::newRow("ini") << false << "Smaller"
                             << "Unable to write to %1";
        QTest::newRow("tree-existing-section") << true << "Smaller"
                                               << "Failed to set data for 'Num'";
        QTest::newRow("tree-new-section") << true << "Larger"
                                          << "Failed to create key %1 [Larger]";
    }
    void failedWriteKeepsTheOldFile() {
        QFETCH(bool, tree);
        QFETCH(QString, section);
        QFETCH(QString, expected);
        TempProfile profile;
        SettingsStore s = tree ? SettingsStore::tree() : SettingsStore::iniFile();
        s.WriteInteger(QStringLiteral("Smaller"), QStringLiteral("Num"), 100);
        const QByteArray before = readAll(s.path());
        // A directory where the temporary file must go makes the write fail.
        QVERIFY(QDir().mkpath(TextFiles::temporaryPath(s.path())));
        QCOMPARE(failureOf([&] { s.WriteInteger(section, QStringLiteral("Num"), 5); }),
                 expected.contains(QLatin1String("%1")) ? expected.arg(s.path()) : expected);
        QCOMPARE(readAll(s.path()), before);
        QCOMPARE(s.ReadInteger(QStringLiteral("Smaller"), QStringLiteral("Num"), 0), 100);
    }

    void treeFileIsPrivate() {
        TempProfile profile;
        SettingsStore tree = SettingsStore::tree();
        writeFile(tree.path(), "[General]\n");
        QFile::setPermissions(tree.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                               QFile::ReadOther);
        tree.WriteString(QStringLiteral("Server"), QStringLiteral("Passwd1"),
                         QStringLiteral("0A11"));
        const QFile::Permissions perms = QFile::permissions(tree.path());
        QVERIFY(perms.testFlags(QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(perms & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
                 QFile::Permissions());
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
