// Writing the activity log: the stamp, the entry texts, the file handle and the
// log's name by naming mode.
#include "activity/LogEntries.h"
#include "activity/LogFile.h"
#include "activity/LogNaming.h"
#include "activity/LogStamp.h"
#include "mail/Exceptions.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QtTest>

class TestLogWriting : public QObject {
    Q_OBJECT

    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private Q_SLOTS:
    void fix2000_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("two-digit-year") << "M/d/yy"
                                        << "M/d/yyyy";
        QTest::newRow("dotted") << "dd.MM.yy"
                                << "dd.MM.yyyy";
        QTest::newRow("year-first") << "yy. M. d."
                                    << "yyyy. M. d.";
        QTest::newRow("already-four-digits") << "dd/MM/yyyy"
                                             << "dd/MM/yyyy";
        QTest::newRow("no-year") << "d MMM"
                                 << "d MMM";
    }
    void fix2000() {
        QFETCH(QString, format);
        QFETCH(QString, fixed);
        QCOMPARE(::fix2000(format), fixed);
    }

    void stamp_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<QString>("stamp");
        const QDate d(2026, 12, 8);
        QTest::newRow("us-12-hour-evening")
            << "en_US" << QDateTime(d, QTime(21, 57)) << "Tue 12/8/2026 9:57 PM";
        QTest::newRow("us-12-hour-morning")
            << "en_US" << QDateTime(d, QTime(9, 5)) << "Tue 12/8/2026 9:05 AM";
        QTest::newRow("german-three-char-day")
            << "de_DE" << QDateTime(d, QTime(21, 57)) << "Di. 08.12.2026 21:57";
        QTest::newRow("french-four-char-day-gets-english")
            << "fr_FR" << QDateTime(d, QTime(0, 15)) << "Tue 08/12/2026 00:15";
        QTest::newRow("c-date-with-spaces-gets-iso")
            << "C" << QDateTime(d, QTime(21, 57)) << "Tue 2026-12-08 21:57:00";
        QTest::newRow("designator-before-time")
            << "ko_KR" << QDateTime(d, QTime(21, 57))
            << QString::fromUtf8("Tue 2026-12-08 \xEC\x98\xA4\xED\x9B\x84 9:57");
    }
    void stamp() {
        QFETCH(QString, locale);
        QFETCH(QDateTime, at);
        QFETCH(QString, stamp);
        QCOMPARE(LogStamp(at, QLocale(locale)), stamp);
    }

    void entryTexts() {
        const QString s = QStringLiteral("Tue 12/8/2026 9:57 PM");
        QCOMPARE(MailCheckEntry(3, QStringLiteral("bob"), QStringLiteral("pop.example.com"), s),
                 "MAIL CHECK 3 msg(s) for \"bob\" on server pop.example.com at " + s);
        QCOMPARE(ErrorEntry(QStringLiteral("Operation timed out"), QStringLiteral("bob"),
                            QStringLiteral("pop.example.com"), s),
                 "ERROR Operation timed out FOR bob ON pop.example.com AT " + s);
        QCOMPARE(CanceledEntry(QStringLiteral("bob"), QStringLiteral("pop.example.com"), s),
                 "OPERATION CANCELED FOR bob ON pop.example.com AT " + s);
        QCOMPARE(AutomaticModeEntry(true, s), "Automatic mode enabled at " + s);
        QCOMPARE(AutomaticModeEntry(false, s), "Automatic mode disabled at " + s);
        QCOMPARE(DeleteSpamEntry(s, QStringLiteral("pop.example.com"), QStringLiteral("bob"),
                                 QStringLiteral("Cheap %1 pills"),
                                 QStringLiteral("spam@junk.example"), QStringLiteral("2345"),
                                 QStringLiteral("12/7/2026 3:00 AM")),
                 QStringList({"DELETE SPAM on " + s, "   Server:  pop.example.com Mailbox: bob",
                              "   Subject: Cheap %1 pills", "   Sender:  spam@junk.example",
                              "   Size:    2345  Date: 12/7/2026 3:00 AM"}));
    }

    void lineBreakInValueStaysOnItsLine() {
        const QStringList block =
            DeleteSpamEntry(QStringLiteral("Tue 12/8/2026 9:57 PM"), QStringLiteral("pop"),
                            QStringLiteral("bob"), QStringLiteral("Win\r\nMAIL CHECK 9 msg(s)"),
                            QStringLiteral("a@b"), QStringLiteral("1"), QString());
        QCOMPARE(block.value(2), QStringLiteral("   Subject: Win  MAIL CHECK 9 msg(s)"));
        QCOMPARE(ErrorEntry(QStringLiteral("bad\nreply"), QStringLiteral("u"), QStringLiteral("s"),
                            QStringLiteral("t")),
                 QStringLiteral("ERROR bad reply FOR u ON s AT t"));
    }

    void firstEntryCreatesLaterOnesAppend() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("logfile.txt"));
        LogFile log;
        log.AppendLogEntry(path, QStringLiteral("one"));
        QVERIFY(!log.IsOpen());
        QCOMPARE(contents(path), QByteArray("one\r\n"));

        // A deletion holds the log open for its blocks; a second open keeps the
        // first file, and a line written while closed goes nowhere.
        log.OpenLogFile(path);
        log.OpenLogFile(dir.filePath(QStringLiteral("other.txt")));
        QCOMPARE(log.FileName(), path);
        log.WriteLogLines({QStringLiteral("two"), QString::fromUtf8("caf\xC3\xA9")});
        // An entry written meanwhile (an error, a cancel) leaves it open for the
        // blocks that follow.
        log.AppendLogEntry(path, QStringLiteral("entry"));
        QVERIFY(log.IsOpen());
        log.WriteLogLine(QStringLiteral("three"));
        log.CloseLogFile();
        log.CloseLogFile();
        log.WriteLogLine(QStringLiteral("lost"));
        QCOMPARE(contents(path), QByteArray("one\r\ntwo\r\ncaf\xC3\xA9\r\nentry\r\nthree\r\n"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("other.txt"))));
    }

    void blankPathWritesNothing_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << QString();
        QTest::newRow("spaces") << QStringLiteral("   ");
        QTest::newRow("line-ends-and-backspace") << QStringLiteral(" \r\n\b ");
    }
    void blankPathWritesNothing() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        LogFile log;
        log.AppendLogEntry(path, QStringLiteral("nothing"));
        log.OpenLogFile(path);
        QDir::setCurrent(before);
        QVERIFY(!log.IsOpen());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void failedOpenThrowsAndStaysClosed() {
        QTemporaryDir dir;
        LogFile log;
        const QString path = dir.filePath(QStringLiteral("missing/folder/log.txt"));
        QVERIFY_THROWS_EXCEPTION(EFileError, log.AppendLogEntry(path, QStringLiteral("x")));
        QVERIFY(!log.IsOpen());
        try {
            log.OpenLogFile(path);
            QFAIL("no exception");
        } catch (const EFileError& e) {
            QVERIFY(e.message().contains(path));
        }
        // The handle is usable again for a good path.
        log.AppendLogEntry(dir.filePath(QStringLiteral("ok.txt")), QStringLiteral("x"));
        QCOMPARE(contents(dir.filePath(QStringLiteral("ok.txt"))), QByteArray("x\r\n"));
    }

    void clearLogFile_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("exists");
        QTest::newRow("yes-deletes") << true << true;
        QTest::newRow("no-keeps") << false << true;
        QTest::newRow("yes-without-a-file") << true << false;
    }
    void clearLogFile() {
        QFETCH(bool, yes);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("logfile.txt"));
        LogFile log;
        if (exists) log.AppendLogEntry(path, QStringLiteral("entry"));
        ScriptedPrompter prompter;
        prompter.answerNext(yes ? Prompter::Answer::Yes : Prompter::Answer::No);
        QCOMPARE(LogFile::ClearLogFile(path, prompter), yes);
        QCOMPARE(prompter.texts(),
                 QStringList{"If you answer Yes, you will lose any statistics related to this "
                             "log file. Really clear out log file?"});
        QCOMPARE(prompter.shown().first().buttons, Prompter::Buttons::YesNo);
        QCOMPARE(QFile::exists(path), exists && !yes);
        // The next entry creates the file anew.
        log.AppendLogEntry(path, QStringLiteral("next"));
        QCOMPARE(contents(path),
                 exists && !yes ? QByteArray("entry\r\nnext\r\n") : QByteArray("next\r\n"));
    }

    void currentLogPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("naming");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("current");
        const QDate dec8(2026, 12, 8);
        const int asis = int(LogNaming::AsIs), month = int(LogNaming::Month),
                  quarter = int(LogNaming::Quarter);
        QTest::newRow("as-is-keeps-path") << "/logs/mine.log" << asis << dec8 << "/logs/mine.log";
        QTest::newRow("empty-gets-default") << "" << asis << dec8 << "/app/logfile.txt";
        QTest::newRow("month") << "/logs/mine.log" << month << dec8 << "/logs/Dec26.txt";
        QTest::newRow("quarter") << "/logs/mine.log" << quarter << dec8 << "/logs/Q4_26.txt";
        QTest::newRow("quarter-one")
            << "/logs/Dec26.txt" << quarter << QDate(2027, 3, 31) << "/logs/Q1_27.txt";
        QTest::newRow("empty-month-in-app-folder") << "" << month << dec8 << "/app/Dec26.txt";
        QTest::newRow("may-is-not-a-locale-word")
            << "/logs/mine.log" << month << QDate(2026, 5, 1) << "/logs/May26.txt";
        QTest::newRow("no-folder-gives-name-alone")
            << "mine.log" << month << QDate(2027, 1, 2) << "Jan27.txt";
    }
    void currentLogPath() {
        QFETCH(QString, path);
        QFETCH(int, naming);
        QFETCH(QDate, today);
        QFETCH(QString, current);
        // The names are the same in every locale.
        for (const char* name : {"en_US", "de_DE", "fr_FR", "C"}) {
            QLocale::setDefault(QLocale(QLatin1String(name)));
            QCOMPARE(
                CurrentLogPath(path, LogNaming(naming), today, QStringLiteral("/app/logfile.txt")),
                current);
        }
        QLocale::setDefault(QLocale::c());
    }

    void namingFromStoredChoices() {
        QCOMPARE(LogNamingFrom(true, false, false), LogNaming::AsIs);
        QCOMPARE(LogNamingFrom(false, true, false), LogNaming::Month);
        QCOMPARE(LogNamingFrom(false, false, true), LogNaming::Quarter);
        QCOMPARE(LogNamingFrom(false, true, true), LogNaming::Quarter);
        QCOMPARE(JoinLogPath(QStringLiteral("/a"), QStringLiteral("b.txt")), "/a/b.txt");
        QCOMPARE(JoinLogPath(QStringLiteral("/a/"), QStringLiteral("b.txt")), "/a/b.txt");
        QCOMPARE(JoinLogPath(QString(), QStringLiteral("b.txt")), "b.txt");
    }
};

QTEST_GUILESS_MAIN(TestLogWriting)
#include "tst_logwriting.moc"
