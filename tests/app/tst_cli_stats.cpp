// quillmere-cli stats: the log it reads by default, the JSON it prints, the
// mailbox and date range options, and its failures.
#include "CliRunner.h"
#include "activity/LogEntries.h"
#include "activity/LogStamp.h"
#include "settings/SettingsStore.h"
#include "support/TempProfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {
const QLocale kUs(QStringLiteral("en_US"));

// Runs "stats" in the en_US locale.
Run stats(const QStringList& args) {
    return cli(QStringList{QStringLiteral("stats")} + args, {}, QStringLiteral("en_US.UTF-8"));
}

QDateTime daysAgo(int days, int hour) {
    return QDateTime(QDate::currentDate().addDays(-days), QTime(hour, 10));
}

// A log of mail checks by "bob" today, yesterday and 40 days ago and by "Ann"
// today, with three deletions from two senders.
QString writeLog(const QString& path) {
    QStringList lines;
    const auto checkAt = [&](const QDateTime& at, const char* user, int n) {
        lines << MailCheckEntry(n, QString::fromUtf8(user), QStringLiteral("pop.example.com"),
                                LogStamp(at, kUs));
    };
    const auto deleteAt = [&](const QDateTime& at, const char* user, const char* sender) {
        lines << DeleteSpamEntry(LogStamp(at, kUs), QStringLiteral("pop.example.com"),
                                 QString::fromUtf8(user), QStringLiteral("Offer"),
                                 QString::fromUtf8(sender), QStringLiteral("1200"),
                                 QStringLiteral("12/1/2026 3:00 AM"));
    };
    checkAt(daysAgo(40, 9), "bob", 4);
    deleteAt(daysAgo(40, 9), "bob", "Spam@X.example");
    checkAt(daysAgo(1, 21), "bob", 2);
    deleteAt(daysAgo(1, 21), "bob", "spam@x.example");
    lines << ErrorEntry(QStringLiteral("Operation timed out"), QStringLiteral("bob"),
                        QStringLiteral("pop.example.com"), LogStamp(daysAgo(0, 8), kUs));
    checkAt(daysAgo(0, 8), "bob", 1);
    checkAt(daysAgo(0, 9), "Ann", 3);
    deleteAt(daysAgo(0, 9), "Ann", "other@y.example");
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    return path;
}

QJsonObject json(const Run& r) {
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
}
} // namespace

class TestCliStats : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void jsonHasEveryPart() {
        TempProfile profile;
        const QString log = writeLog(profile.appFile(QStringLiteral("activity.txt")));
        const Run r = stats({QStringLiteral("--log"), log, QStringLiteral("--json")});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        const QJsonObject o = json(r);
        QCOMPARE(o.keys(),
                 QStringList({"dayByDay", "dayOfWeek", "emailTraffic", "hourOfDay", "mailboxes",
                              "pie", "spamDeleted", "topDomains", "topSpammers"}));
        QCOMPARE(o["mailboxes"].toArray(), QJsonArray({"All mailboxes", "bob", "Ann"}));

        const QJsonArray traffic = o["emailTraffic"].toArray();
        QCOMPARE(traffic.size(), 4);
        const QDateTime today8 = daysAgo(0, 8);
        QCOMPARE(traffic[2].toArray(),
                 QJsonArray({kUs.toString(today8.date(), QStringLiteral("M/d/yyyy")), "8:10 AM",
                             "pop.example.com", "bob", "1"}));
        QCOMPARE(o["spamDeleted"].toArray()[0].toArray().size(), 7);
        QCOMPARE(o["spamDeleted"].toArray()[0].toArray()[5].toString(), "spam@x.example");

        QCOMPARE(o["dayOfWeek"].toObject()["checks"].toArray().size(), 7);
        const QJsonObject hours = o["hourOfDay"].toObject();
        QCOMPARE(hours["found"].toArray().size(), 48);
        QCOMPARE(hours["checks"].toArray()[16].toInt(), 1); // 8:10 AM
        QCOMPARE(hours["found"].toArray()[42].toInt(), 2);  // 9:10 PM
        QCOMPARE(o["dayByDay"].toObject()["checks"].toArray().last().toArray(),
                 QJsonArray({today8.date().toString(Qt::ISODate), 2}));
        QCOMPARE(o["pie"].toObject(), QJsonObject({{"normal", 7}, {"deleted", 3}}));
        QCOMPARE(o["topSpammers"].toArray(),
                 QJsonArray({QJsonArray{"spam@x.example", 2}, QJsonArray{"other@y.example", 1}}));
        QCOMPARE(o["topDomains"].toArray(),
                 QJsonArray({QJsonArray{"x.example", 2}, QJsonArray{"y.example", 1}}));

        const Run text = stats({QStringLiteral("--log"), log});
        QCOMPARE(text.code, 0);
        QVERIFY(text.out.startsWith(QStringLiteral("All mailboxes from 1/1/98 thru ")));
        QVERIFY(text.out.contains(QStringLiteral("\nTop 10 Spammers\nspam@x.example\t2\n")));
    }

    // Text fields reach the JSON whole: quotes, backslashes, control and
    // non-ASCII characters are escaped or kept, never cut.
    void jsonKeepsOddText() {
        TempProfile profile;
        const QString log = profile.appFile(QStringLiteral("odd.txt"));
        const QString sender = QStringLiteral("a\\b \"q\"\x01\tz\u00e9\u4e2d@x.example");
        QFile f(log);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(DeleteSpamEntry(QStringLiteral("Tue 12/8/2026 9:57 PM"), QStringLiteral("pop"),
                                QStringLiteral("bob"), QStringLiteral("Offer"), sender,
                                QStringLiteral("1200"), QStringLiteral("x"))
                    .join(QStringLiteral("\r\n"))
                    .toUtf8());
        f.close();
        const Run r = stats({QStringLiteral("--log"), log, QStringLiteral("--json")});
        QCOMPARE(r.code, 0);
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(o["spamDeleted"].toArray()[0].toArray()[5].toString(), sender);
    }

    void mailboxAndRange_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("checks");
        QTest::addColumn<int>("deleted");
        const QString fortyDaysAgo = QDate::currentDate().addDays(-40).toString(Qt::ISODate);
        QTest::newRow("mailbox-in-any-case") << QStringList{"--mailbox", "BOB"} << 3 << 2;
        QTest::newRow("all-mailboxes-by-name")
            << QStringList{"--mailbox", "all mailboxes"} << 4 << 3;
        QTest::newRow("days-1-is-yesterday-and-today") << QStringList{"--days", "1"} << 3 << 2;
        QTest::newRow("months-1") << QStringList{"--months", "1"} << 3 << 2;
        QTest::newRow("between-iso-dates")
            << QStringList{"--between", fortyDaysAgo, fortyDaysAgo} << 1 << 1;
        QTest::newRow("mailbox-and-days")
            << QStringList{"--mailbox", "Ann", "--days", "1"} << 1 << 1;
    }
    void mailboxAndRange() {
        QFETCH(QStringList, args);
        QFETCH(int, checks);
        QFETCH(int, deleted);
        TempProfile profile;
        const QString log = writeLog(profile.appFile(QStringLiteral("activity.txt")));
        const Run r =
            stats(QStringList{QStringLiteral("--json"), QStringLiteral("--log"), log} + args);
        QCOMPARE(r.code, 0);
        const QJsonObject o = json(r);
        QCOMPARE(o["emailTraffic"].toArray().size(), checks);
        QCOMPARE(o["spamDeleted"].toArray().size(), deleted);
        QCOMPARE(o["pie"].toObject()["deleted"].toInt(), deleted);
    }

    // Without --log the command reads the log the program writes to.
    void storedLogPath_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("naming");   // "", "Month" or "Quarter"
        QTest::addColumn<QString>("expected"); // in the profile's application folder
        const QDate today = QDate::currentDate();
        QTest::newRow("nothing-stored-gives-logfile-txt") << ""
                                                          << ""
                                                          << "logfile.txt";
        QTest::newRow("stored-path") << "mine.log"
                                     << ""
                                     << "mine.log";
        QTest::newRow("month-naming") << "old.txt"
                                      << "Month"
                                      << kUs.monthName(today.month(), QLocale::ShortFormat) +
                                             today.toString(QStringLiteral("yy")) + ".txt";
        QTest::newRow("quarter-naming") << "old.txt"
                                        << "Quarter"
                                        << QStringLiteral("Q%1_").arg((today.month() + 2) / 3) +
                                               today.toString(QStringLiteral("yy")) + ".txt";
    }
    void storedLogPath() {
        QFETCH(QString, stored);
        QFETCH(QString, naming);
        QFETCH(QString, expected);
        TempProfile profile;
        SettingsStore tree = SettingsStore::tree();
        if (!stored.isEmpty())
            tree.WriteString(QStringLiteral("General"), QStringLiteral("Logfile"),
                             profile.appFile(stored));
        if (!naming.isEmpty()) {
            tree.WriteBool(QStringLiteral("Logfile"), QStringLiteral("Asis"), false);
            tree.WriteBool(QStringLiteral("Logfile"), naming, true);
        }
        writeLog(profile.appFile(expected));
        const Run r = stats({QStringLiteral("--json")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(json(r)["emailTraffic"].toArray().size(), 4);
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("log"); // written to the profile's logfile.txt when set
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString missing = QStringLiteral(
            "The activity log file does not exist!  Either you have cleared/deleted the activity "
            "log or you have not yet begun to use Quillmere.");
        const QByteArray good = "MAIL CHECK 1 msg(s) for \"bob\" on server s at Tue 12/8/2026 "
                                "9:57 PM\r\n";
        QTest::newRow("no-log-yet") << QStringList{} << QByteArray() << 1 << missing;
        QTest::newRow("missing-log")
            << QStringList{"--log", "/nonexistent/log.txt"} << QByteArray() << 1 << missing;
        QTest::newRow("log-is-a-folder") << QStringList{"--log", "/"} << QByteArray() << 1
                                         << "Could not open Activity log file for reading!";
        QTest::newRow("number-not-whole")
            << QStringList{}
            << QByteArray("MAIL CHECK lots msg(s) for \"bob\" on server s at Sun 1/5/2020 "
                          "9:57 PM\r\n")
            << 1 << "'lots' is not a valid integer value";
        QTest::newRow("unknown-mailbox")
            << QStringList{"--mailbox", "nobody"} << good << 1 << "no mailbox \"nobody\"";
        QTest::newRow("not-an-iso-date")
            << QStringList{"--between", "12/1/2026", "2026-12-08"} << good << 2 << "2026-12-08";
        QTest::newRow("between-needs-two-dates")
            << QStringList{"--between", "2026-12-01"} << good << 2 << "two dates";
        QTest::newRow("two-ranges")
            << QStringList{"--days", "1", "--months", "1"} << good << 2 << "one of";
        QTest::newRow("days-out-of-range")
            << QStringList{"--days", "366"} << good << 2 << "1 to 365";
        QTest::newRow("months-not-a-number")
            << QStringList{"--months", "x"} << good << 2 << "1 to 12";
        QTest::newRow("unknown-option") << QStringList{"--weeks", "2"} << good << 2 << "--weeks";
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, log);
        QFETCH(int, code);
        QFETCH(QString, message);
        TempProfile profile;
        if (!log.isEmpty()) {
            QFile f(profile.appFile(QStringLiteral("logfile.txt")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(log);
        }
        const Run r = stats(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliStats)
#include "tst_cli_stats.moc"
