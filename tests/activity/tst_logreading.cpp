// Reading the activity log back: the entry rules, the time rule, the file's
// failures, and logs written in several locales read back whole.
#include "activity/ChartData.h"
#include "activity/LogEntries.h"
#include "activity/LogFile.h"
#include "activity/LogReader.h"
#include "activity/LogStamp.h"
#include "mail/Exceptions.h"
#include "settings/Clock.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString show(const CheckRecord& r) {
    return QStringList{r.Number, r.Mailbox, r.Server, r.Date, r.Time}.join(u'|');
}
QString show(const DeletionRecord& r) {
    return QStringList{r.Mailbox, r.Server, r.Date, r.Time, r.Size, r.Sender, r.Domain}.join(u'|');
}
const QDateTime kNow(QDate(2026, 12, 10), QTime(14, 5, 9));
} // namespace

class TestLogReading : public QObject {
    Q_OBJECT

    QLocale m_savedDefault;

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(m_savedDefault); }

    void entries_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QStringList>("checks");
        QTest::addColumn<QStringList>("deletions");
        QTest::addColumn<QStringList>("mailboxes"); // after "All mailboxes"

        const QByteArray stamp = "Tue 12/8/2026 9:57 PM";
        const QByteArray block = "DELETE SPAM on " + stamp +
                                 "\r\n   Server:  pop.example.com Mailbox: bob\r\n"
                                 "   Subject: Cheap pills\r\n"
                                 "   Sender:  Spam@Junk.EXAMPLE\r\n"
                                 "   Size:    2345  Date: 12/7/2026 3:00 AM\r\n";

        QTest::newRow("mail-check-fields")
            << "MAIL CHECK 12 msg(s) for \"Bob Smith\" on server pop.example.com at " + stamp +
                   "\r\n"
            << QStringList{"12|Bob Smith|pop.example.com|12/8/2026|9:57 PM"} << QStringList{}
            << QStringList{"Bob Smith"};
        QTest::newRow("zero-messages")
            << "MAIL CHECK 0 msg(s) for \"bob\" on server pop at " + stamp + "\r\n"
            << QStringList{"0|bob|pop|12/8/2026|9:57 PM"} << QStringList{} << QStringList{"bob"};
        QTest::newRow("nothing-after-prefix-offers-empty-mailbox")
            << QByteArray("MAIL CHECK \r\n") << QStringList{} << QStringList{} << QStringList{""};
        QTest::newRow("no-at-leaves-date-and-time-empty")
            << QByteArray("MAIL CHECK 4 msg(s) for \"bob\" on server pop\r\n")
            << QStringList{"4|bob|pop||"} << QStringList{} << QStringList{"bob"};
        QTest::newRow("24-hour-time-is-the-last-word")
            << QByteArray(
                   "MAIL CHECK 3 msg(s) for \"anna\" on server mx at Di. 08.12.2026 21:57\r\n"
                   "MAIL CHECK 1 msg(s) for \"anna\" on server mx at Tue 2026-12-08 "
                   "07:05:00\r\n")
            << QStringList{"3|anna|mx|08.12.2026|21:57", "1|anna|mx|2026-12-08|07:05:00"}
            << QStringList{} << QStringList{"anna"};
        QTest::newRow("mailboxes-without-regard-to-case")
            << QByteArray("MAIL CHECK 1 msg(s) for \"Bob\" on server a at " + stamp +
                          "\r\nMAIL CHECK 2 msg(s) for \"BOB\" on server a at " + stamp +
                          "\r\nMAIL CHECK 3 msg(s) for \"ann\" on server a at " + stamp + "\r\n")
            << QStringList{"1|Bob|a|12/8/2026|9:57 PM", "2|BOB|a|12/8/2026|9:57 PM",
                           "3|ann|a|12/8/2026|9:57 PM"}
            << QStringList{} << QStringList{"Bob", "ann"};
        QTest::newRow("deletion-block-sender-in-lower-case")
            << block << QStringList{}
            << QStringList{"bob|pop.example.com|12/8/2026|9:57 PM|2345|spam@junk.example|"
                           "junk.example"}
            << QStringList{};
        QTest::newRow("sender-without-at-has-no-domain")
            << QByteArray(block).replace("Spam@Junk.EXAMPLE", "MAILER-DAEMON") << QStringList{}
            << QStringList{"bob|pop.example.com|12/8/2026|9:57 PM|2345|mailer-daemon|"}
            << QStringList{};
        QTest::newRow("block-cut-short-at-end-of-file")
            << "MAIL CHECK 2 msg(s) for \"bob\" on server pop at " + stamp + "\r\nDELETE SPAM on " +
                   stamp + "\r\n   Server:  pop Mailbox: bob\r\n"
            << QStringList{"2|bob|pop|12/8/2026|9:57 PM"}
            << QStringList{"bob|pop|12/8/2026|9:57 PM|||"} << QStringList{"bob"};
        QTest::newRow("block-takes-the-next-four-lines-whatever-they-hold")
            << "DELETE SPAM on " + stamp +
                   "\r\n   Server:  pop Mailbox: bob\r\n"
                   "MAIL CHECK 7 msg(s) for \"eve\" on server x at " +
                   stamp + "\r\n\r\n   Size:    99  Date: x\r\n"
            << QStringList{} << QStringList{"bob|pop|12/8/2026|9:57 PM|99||"} << QStringList{};
        QTest::newRow("other-entries-are-skipped")
            << "ERROR Operation timed out FOR bob ON pop AT " + stamp +
                   "\r\nOPERATION CANCELED FOR bob ON pop AT " + stamp +
                   "\r\nAutomatic mode enabled at " + stamp + "\r\nsomething else\r\n\r\n"
            << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("windows-1252-bytes")
            << QByteArray(block).replace("Spam@Junk.EXAMPLE", "Caf\xe9@Junk.example")
            << QStringList{}
            << QStringList{QString::fromUtf8(
                   "bob|pop.example.com|12/8/2026|9:57 PM|2345|caf\xC3\xA9@junk.example|"
                   "junk.example")}
            << QStringList{};
        QTest::newRow("lf-line-ends-and-no-final-line-end")
            << QByteArray("MAIL CHECK 5 msg(s) for \"bob\" on server pop at Tue 12/8/2026 9:57 PM\n"
                          "MAIL CHECK 6 msg(s) for \"bob\" on server pop at Tue 12/8/2026 10:01 PM")
            << QStringList{"5|bob|pop|12/8/2026|9:57 PM", "6|bob|pop|12/8/2026|10:01 PM"}
            << QStringList{} << QStringList{"bob"};
        QTest::newRow("fewer-than-two-spaces-takes-the-clock")
            << QByteArray("DELETE SPAM\r\n") << QStringList{} << QStringList{"|||NOW|||"}
            << QStringList{};
    }
    void entries() {
        QFETCH(QByteArray, log);
        QFETCH(QStringList, checks);
        QFETCH(QStringList, deletions);
        QFETCH(QStringList, mailboxes);
        const QLocale us(QStringLiteral("en_US"));
        const FixedClock clock(kNow);
        QBuffer buffer(&log);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const ActivityRecords r = LogReader(us, clock).read(buffer);

        QStringList gotChecks, gotDeletions;
        for (const CheckRecord& c : r.Checks)
            gotChecks << show(c);
        for (const DeletionRecord& d : r.Deletions)
            gotDeletions << show(d);
        deletions.replaceInStrings(QStringLiteral("NOW"),
                                   us.toString(kNow.time(), QLocale::LongFormat));
        QCOMPARE(gotChecks, checks);
        QCOMPARE(gotDeletions, deletions);
        QCOMPARE(r.Mailboxes, QStringList{LogReader::AllMailboxes()} + mailboxes);
    }

    void fileFailures() {
        QTemporaryDir dir;
        LogReader reader;
        try {
            reader.readInLogFile(dir.filePath(QStringLiteral("none.txt")));
            QFAIL("no exception for a missing file");
        } catch (const EFileError& e) {
            QCOMPARE(e.message(),
                     QStringLiteral("The activity log file does not exist!  Either you have "
                                    "cleared/deleted the activity log or you have not yet begun "
                                    "to use Quillmere."));
        }
        try {
            reader.readInLogFile(dir.path());
            QFAIL("no exception for a folder");
        } catch (const EFileError& e) {
            QCOMPARE(e.message(), QStringLiteral("Could not open Activity log file for reading!"));
        }
    }

    // Every locale writes a log that reads back into the moments written and
    // counts them in the right half hour.
    void writtenLogReadsBack_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("english-12-hour") << "en_US";
        QTest::newRow("german-24-hour") << "de_DE";
        QTest::newRow("french") << "fr_FR";
        QTest::newRow("c-locale") << "C";
        QTest::newRow("designator-before-time") << "ko_KR";
    }
    void writtenLogReadsBack() {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        const FixedClock clock(QDateTime(QDate(2027, 6, 1), QTime(8, 0)));
        const QList<QDateTime> moments = {
            QDateTime(QDate(2026, 12, 8), QTime(21, 57)),
            QDateTime(QDate(2027, 1, 1), QTime(0, 15)),
            QDateTime(QDate(2026, 6, 30), QTime(12, 30)),
            QDateTime(QDate(2026, 2, 28), QTime(9, 5)),
        };

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("logfile.txt"));
        LogFile log;
        for (int i = 0; i < moments.size(); ++i) {
            const QString stamp = LogStamp(moments[i]);
            const QString user = QStringLiteral("user%1").arg(i % 2);
            log.AppendLogEntry(path, ErrorEntry(QStringLiteral("Operation timed out"), user,
                                                QStringLiteral("pop.example.com"), stamp));
            log.AppendLogEntry(path,
                               MailCheckEntry(i, user, QStringLiteral("pop.example.com"), stamp));
            log.OpenLogFile(path);
            log.WriteLogLines(DeleteSpamEntry(stamp, QStringLiteral("pop.example.com"), user,
                                              QStringLiteral("Subject"),
                                              QStringLiteral("Spammer@Junk.example"),
                                              QString::number(1000 + i), QStringLiteral("x y")));
            log.CloseLogFile();
            log.AppendLogEntry(path, CanceledEntry(user, QStringLiteral("pop.example.com"), stamp));
            log.AppendLogEntry(path, AutomaticModeEntry(i % 2, stamp));
        }

        const ActivityRecords r = LogReader(QLocale(), clock).readInLogFile(path);
        QCOMPARE(r.Checks.size(), moments.size());
        QCOMPARE(r.Deletions.size(), moments.size());
        QCOMPARE(r.Mailboxes, QStringList({LogReader::AllMailboxes(), "user0", "user1"}));
        for (int i = 0; i < moments.size(); ++i) {
            const CheckRecord& c = r.Checks[i];
            const DeletionRecord& d = r.Deletions[i];
            QCOMPARE(c.Number, QString::number(i));
            QCOMPARE(c.Mailbox, d.Mailbox);
            QCOMPARE(c.Server, QStringLiteral("pop.example.com"));
            QCOMPARE(d.Server, QStringLiteral("pop.example.com"));
            QCOMPARE(d.Size, QString::number(1000 + i));
            QCOMPARE(d.Sender, QStringLiteral("spammer@junk.example"));
            for (const QString& date : {c.Date, d.Date})
                QCOMPARE(ReadLogDate(date), moments[i].date());
            for (const QString& time : {c.Time, d.Time}) {
                const QTime t = ReadLogTime(time);
                QCOMPARE(QTime(t.hour(), t.minute()), moments[i].time());
            }
        }

        ChartData data(r, QLocale(), clock);
        data.Redraw();
        for (const QDateTime& m : moments) {
            const int slot = 2 * m.time().hour() + (m.time().minute() >= 30);
            QCOMPARE(data.HourOfDay.Checks[slot], 1);
            QCOMPARE(data.HourOfDay.Deleted[slot], 1);
        }
        QCOMPARE(data.DayByDay.Checks.size(), moments.size());
    }
};

QTEST_GUILESS_MAIN(TestLogReading)
#include "tst_logreading.moc"
