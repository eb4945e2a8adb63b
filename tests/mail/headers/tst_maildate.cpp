// Header dates and the day-count date type.
#include "mail/headers/MailDate.h"

#include <QtTest>
#include <cmath>

class TestMailDate : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // A locale whose own time format ("h:mm AP") matches no mail date.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("when"); // empty for 0
        QTest::addColumn<QString>("rest");

        QTest::newRow("full-with-offset") << "Tue, 8 Dec 1998 10:20:30 -0500"
                                          << "1998-12-08 10:20:30"
                                          << "-0500";
        QTest::newRow("two-digit-year-zone-name") << "8 Dec 98 10:20 GMT"
                                                  << "1998-12-08 10:20:00"
                                                  << "GMT";
        QTest::newRow("year-00") << "Mon, 3 Jan 00 07:00:00 +0100"
                                 << "2000-01-03 07:00:00"
                                 << "+0100";
        QTest::newRow("year-50-is-2050") << "1 Jan 50 00:00 +0000"
                                         << "2050-01-01 00:00:00"
                                         << "+0000";
        QTest::newRow("year-51-is-1951") << "1 Jan 51 00:00 +0000"
                                         << "1951-01-01 00:00:00"
                                         << "+0000";
        QTest::newRow("four-digit-year-unchanged") << "1 Jul 1850 18:30 +0000"
                                                   << "1850-07-01 18:30:00"
                                                   << "+0000";
        QTest::newRow("afternoon-24-hour") << "8 Dec 1998 23:59:59 +0000"
                                           << "1998-12-08 23:59:59"
                                           << "+0000";
        QTest::newRow("one-digit-hour") << "8 Dec 1998 9:05 EST"
                                        << "1998-12-08 09:05:00"
                                        << "EST";
        QTest::newRow("no-zone") << "8 Dec 1998 10:20"
                                 << "1998-12-08 10:20:00"
                                 << "";
        QTest::newRow("comma-after-year") << "8 Dec 1998, 10:20:30, +0100"
                                          << "1998-12-08 10:20:30"
                                          << "+0100";
        QTest::newRow("quoted-lower-case-rest-upper") << "\"tue, 8 dec 1998 10:20:30 est\""
                                                      << "1998-12-08 10:20:30"
                                                      << "EST";
        QTest::newRow("month-first-in-fixed-order") << "8 DEC 1998 10:20 (JANUARY)"
                                                    << "1998-01-08 10:20:00"
                                                    << "(JANUARY)";
        QTest::newRow("unreadable-time-is-midnight") << "8 Dec 1998 10h20 GMT"
                                                     << "1998-12-08 00:00:00"
                                                     << "GMT";
        QTest::newRow("twelve-hour-time-unread") << "8 Dec 1998 10:20AM GMT"
                                                 << "1998-12-08 00:00:00"
                                                 << "GMT";
        QTest::newRow("no-time") << "8 Dec 1998"
                                 << ""
                                 << "";
        QTest::newRow("iso-form") << "1998-12-08 10:20"
                                  << ""
                                  << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("impossible-date") << "Fri, 31 Feb 2023 10:00 +0000"
                                         << ""
                                         << "";
        QTest::newRow("no-month") << "8 Foo 1998 10:20"
                                  << ""
                                  << "";
        QTest::newRow("year-beyond-9999") << "8 Dec 10000 10:20"
                                          << ""
                                          << "";
        QTest::newRow("day-not-a-number") << "8th Dec 1998 10:20"
                                          << ""
                                          << "";
    }

    void parse() {
        QFETCH(QString, text);
        QFETCH(QString, when);
        QFETCH(QString, rest);
        TDateTime parsed = 1;
        QString parsedRest = QStringLiteral("stale");
        ParseMailDate(text, parsed, parsedRest);
        if (when.isEmpty())
            QCOMPARE(parsed, TDateTime(0));
        else
            QCOMPARE(DateTimeToQDateTime(parsed).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                     when);
        QCOMPARE(parsedRest, rest);
    }

    void dayCount_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<double>("value");

        QTest::newRow("day-zero-noon") << QDate(1899, 12, 30) << QTime(12, 0) << 0.5;
        QTest::newRow("1970") << QDate(1970, 1, 1) << QTime(0, 0) << 25569.0;
        QTest::newRow("2000-six-in-the-morning") << QDate(2000, 1, 1) << QTime(6, 0) << 36526.25;
        QTest::newRow("before-day-zero-fraction-counts-forward")
            << QDate(1899, 12, 29) << QTime(6, 0) << -1.25;
        QTest::newRow("last-millisecond")
            << QDate(1998, 12, 8) << QTime(23, 59, 59, 999) << 36137 + 86399999 / 86400000.0;
    }

    void dayCount() {
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(double, value);
        QCOMPARE(EncodeDateTime(date, time), value);
        QCOMPARE(DateOf(value), date);
        QCOMPARE(TimeOf(value), time);
        QCOMPARE(QDateTimeToDateTime(DateTimeToQDateTime(value)), value);
    }

    void missingAndInvalidDates() {
        QVERIFY(!DateTimeToQDateTime(0).isValid());
        QCOMPARE(QDateTimeToDateTime(QDateTime()), TDateTime(0));
        QVERIFY(!DateOf(std::nan("")).isValid());
        QVERIFY(!DateOf(1e300).isValid());
        QVERIFY(!TimeOf(-INFINITY).isValid());
    }
};

QTEST_GUILESS_MAIN(TestMailDate)
#include "tst_maildate.moc"
