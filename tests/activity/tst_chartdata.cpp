// The statistics data: the record filter, the tables, the chart series, the
// pie, the top-ten tallies and the date range.
#include "activity/ChartData.h"
#include "activity/DateRange.h"
#include "mail/Exceptions.h"
#include "settings/Clock.h"

#include <QtTest>

namespace {
const QLocale kUs(QStringLiteral("en_US"));
const QDateTime kNow(QDate(2026, 12, 8), QTime(12, 0)); // a Tuesday

CheckRecord check(const char* date, const char* time, const char* mailbox, const char* number) {
    return {QString::fromUtf8(number), QString::fromUtf8(mailbox), QStringLiteral("pop"),
            QString::fromUtf8(date), QString::fromUtf8(time)};
}

DeletionRecord deletion(const char* date, const char* time, const char* mailbox, const char* size,
                        const char* sender) {
    const QString s = QString::fromUtf8(sender);
    const qsizetype at = s.indexOf(u'@');
    return {QString::fromUtf8(mailbox),        QStringLiteral("pop"),   QString::fromUtf8(date),
            QString::fromUtf8(time),           QString::fromUtf8(size), s,
            at < 0 ? QString() : s.mid(at + 1)};
}

// The non-zero slots of a series, as "slot:value ...".
QString nonZero(const QList<qint64>& series) {
    QStringList out;
    for (int i = 0; i < series.size(); ++i) {
        if (series[i]) out << QStringLiteral("%1:%2").arg(i).arg(series[i]);
    }
    return out.join(u' ');
}

QString points(const QList<DayPoint>& series) {
    QStringList out;
    for (const DayPoint& p : series)
        out << p.Date.toString(Qt::ISODate) + u':' + QString::number(p.Value);
    return out.join(u' ');
}

QStringList tally(const QList<TallyEntry>& entries) {
    QStringList out;
    for (const TallyEntry& e : entries)
        out << e.Value + u'=' + QString::number(e.Count);
    return out;
}

ActivityRecords sampleLog() {
    ActivityRecords r;
    r.Mailboxes =
        QStringList{QStringLiteral("All mailboxes"), QStringLiteral("bob"), QStringLiteral("ann")};
    r.Checks = {
        check("12/6/2026", "9:57 PM", "bob", "3"),  check("12/6/2026", "10:10 PM", "ann", "0"),
        check("12/7/2026", "12:00 AM", "bob", "2"), check("12/6/2026", "11:30 PM", "bob", "1"),
        check("12/8/2026", "9:15 AM", "ann", "0"),
    };
    r.Deletions = {
        deletion("12/6/2026", "9:57 PM", "bob", "100", "spam@a.example"),
        deletion("12/6/2026", "9:58 PM", "bob", "200", "spam@a.example"),
        deletion("12/7/2026", "12:10 AM", "ann", "300", "x@b.example"),
        deletion("12/7/2026", "12:20 AM", "ann", "400", "mailer-daemon"),
    };
    return r;
}
} // namespace

class TestChartData : public QObject {
    Q_OBJECT

    FixedClock m_clock{kNow};

private Q_SLOTS:
    void filter_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("mailbox");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QDateTime>("start"); // invalid: the initial range
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<bool>("passes");
        const QDateTime initial;
        const QDateTime dec1(QDate(2026, 12, 1), QTime(0, 0)),
            dec8(QDate(2026, 12, 8), QTime(0, 0));
        QTest::newRow("initial-range-includes-today") << "12/8/2026"
                                                      << "bob" << 0 << initial << initial << true;
        QTest::newRow("initial-range-starts-1998") << "1/1/1998"
                                                   << "bob" << 0 << initial << initial << true;
        QTest::newRow("before-1998") << "12/31/1997"
                                     << "bob" << 0 << initial << initial << false;
        QTest::newRow("end-day-included") << "12/8/2026"
                                          << "bob" << 0 << dec1 << dec8 << true;
        QTest::newRow("start-day-included") << "12/1/2026"
                                            << "bob" << 0 << dec1 << dec8 << true;
        QTest::newRow("after-end") << "12/9/2026"
                                   << "bob" << 0 << dec1 << dec8 << false;
        QTest::newRow("iso-date") << "2026-12-05"
                                  << "bob" << 0 << dec1 << dec8 << true;
        QTest::newRow("mailbox-in-ascii-upper-case") << "12/5/2026"
                                                     << "BOB" << 1 << dec1 << dec8 << true;
        QTest::newRow("other-mailbox") << "12/5/2026"
                                       << "ann" << 1 << dec1 << dec8 << false;
        QTest::newRow("unreadable-date-is-now-in-initial-range")
            << "08.12.2026"
            << "bob" << 0 << initial << initial << true;
        QTest::newRow("unreadable-date-falls-out-of-range-ending-before-now")
            << "08.12.2026"
            << "bob" << 0 << dec1 << dec8 << false;
    }
    void filter() {
        QFETCH(QString, date);
        QFETCH(QString, mailbox);
        QFETCH(int, selected);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(bool, passes);
        ChartData data(sampleLog(), kUs, m_clock);
        QCOMPARE(data.EndDate(), kNow);
        data.SelectedMailbox = selected;
        if (start.isValid()) data.setRange(start, end);
        QCOMPARE(data.qMailboxOK(date, mailbox), passes);
    }

    void emptyLog() {
        ActivityRecords none;
        none.Mailboxes = QStringList{QStringLiteral("All mailboxes")};
        ChartData data(none, kUs, m_clock);
        data.Redraw();
        QVERIFY(data.EmailTraffic.isEmpty());
        QVERIFY(data.SpamDeleted.isEmpty());
        QCOMPARE(data.DayOfWeek.Checks, QList<qint64>(7, 0));
        QCOMPARE(data.DayOfWeek.Deleted, QList<qint64>(7, 0));
        QCOMPARE(data.HourOfDay.Found, QList<qint64>(48, 0));
        QVERIFY(data.DayByDay.Checks.isEmpty());
        QCOMPARE(data.Pie.Normal, 0);
        QCOMPARE(data.Pie.Deleted, 0);
        QVERIFY(data.TopDomains.isEmpty() && data.TopSpammers.isEmpty());
    }

    void allMailboxes() {
        ChartData data(sampleLog(), kUs, m_clock);
        data.Redraw();
        QCOMPARE(data.EmailTraffic.size(), 5);
        QCOMPARE(data.EmailTraffic[0], QStringList({"12/6/2026", "9:57 PM", "pop", "bob", "3"}));
        QCOMPARE(data.SpamDeleted.size(), 4);
        QCOMPARE(data.SpamDeleted[2], QStringList({"12/7/2026", "12:10 AM", "pop", "ann", "300",
                                                   "x@b.example", "b.example"}));

        QCOMPARE(nonZero(data.DayOfWeek.Checks), QStringLiteral("0:3 1:1 2:1"));
        QCOMPARE(nonZero(data.DayOfWeek.Found), QStringLiteral("0:4 1:2"));
        QCOMPARE(nonZero(data.DayOfWeek.Deleted), QStringLiteral("0:2 1:2"));
        QCOMPARE(nonZero(data.HourOfDay.Checks), QStringLiteral("0:1 18:1 43:1 44:1 47:1"));
        QCOMPARE(nonZero(data.HourOfDay.Found), QStringLiteral("0:2 43:3 47:1"));
        QCOMPARE(nonZero(data.HourOfDay.Deleted), QStringLiteral("0:2 43:2"));

        // Runs of equal date texts: a date met again later gets a second point,
        // and a run that found nothing adds no "found" point.
        QCOMPARE(points(data.DayByDay.Checks),
                 QStringLiteral("2026-12-06:2 2026-12-07:1 2026-12-06:1 2026-12-08:1"));
        QCOMPARE(points(data.DayByDay.Found),
                 QStringLiteral("2026-12-06:3 2026-12-07:2 2026-12-06:1"));
        QCOMPARE(points(data.DayByDay.Deleted), QStringLiteral("2026-12-06:2 2026-12-07:2"));

        QCOMPARE(data.Pie.Normal, 2);
        QCOMPARE(data.Pie.Deleted, 4);
        QCOMPARE(tally(data.TopSpammers),
                 QStringList({"spam@a.example=2", "x@b.example=1", "mailer-daemon=1"}));
        QCOMPARE(tally(data.TopDomains), QStringList({"a.example=2", "b.example=1"}));

        QCOMPARE(data.DayOfWeekLabels().first(), QStringLiteral("Sunday"));
        QCOMPARE(data.HourOfDayLabels().value(47), QStringLiteral("11:30 PM"));
    }

    void oneMailboxAndRange() {
        ChartData data(sampleLog(), kUs, m_clock);
        data.SelectedMailbox = 1;
        data.setRange(QDateTime(QDate(2026, 12, 7), QTime(0, 0)), kNow);
        data.Redraw();
        QCOMPARE(data.Title(), QStringLiteral("bob from 12/7/26 thru 12/8/26"));
        QCOMPARE(data.EmailTraffic.size(), 1);
        QVERIFY(data.SpamDeleted.isEmpty());
        QCOMPARE(data.Pie.Normal, 2);
        QCOMPARE(data.Pie.Deleted, 0);
        QCOMPARE(nonZero(data.HourOfDay.Checks), QStringLiteral("0:1"));
        QVERIFY(data.TopSpammers.isEmpty());
    }

    void titleStartsAtTheFirstEntry_data() {
        QTest::addColumn<QDateTime>("start"); // invalid: the initial range
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<QString>("title");
        QTest::newRow("initial-range-from-the-first-entry")
            << QDateTime() << QDateTime() << "All mailboxes from 12/6/26 thru 12/8/26";
        QTest::newRow("range-starting-after-it-kept")
            << QDateTime(QDate(2026, 12, 7), QTime(0, 0)) << kNow
            << "All mailboxes from 12/7/26 thru 12/8/26";
        QTest::newRow("range-ending-before-it-kept") << QDateTime(QDate(2020, 1, 1), QTime(0, 0))
                                                     << QDateTime(QDate(2026, 12, 1), QTime(0, 0))
                                                     << "All mailboxes from 1/1/20 thru 12/1/26";
    }
    // The window's title line starts at the log's first entry where the range
    // starts before it; the range itself stays.
    void titleStartsAtTheFirstEntry() {
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(QString, title);
        ActivityRecords r = sampleLog();
        r.Checks.append(check("08.12.2026", "9:15 AM", "ann", "0")); // unreadable: not a first
        ChartData data(r, kUs, m_clock);
        if (start.isValid()) data.setRange(start, end);
        QCOMPARE(data.FirstEntryDate(), QDate(2026, 12, 6));
        QCOMPARE(data.TitleLine(), title);
        QVERIFY(data.Title().startsWith(
            QStringLiteral("All mailboxes from ") +
            kUs.toString(data.StartDate().date(), QLocale::ShortFormat))); // the range as set
    }

    void countAxes_data() {
        QTest::addColumn<qint64>("largest");
        QTest::addColumn<bool>("room");
        QTest::addColumn<qint64>("max");
        QTest::addColumn<qint64>("step");
        QTest::newRow("nothing-counted") << qint64(0) << false << qint64(1) << qint64(1);
        QTest::newRow("one-bar-whole-ticks-not-halves")
            << qint64(1) << true << qint64(2) << qint64(1);
        QTest::newRow("seven-in-ones-up-to-the-top")
            << qint64(7) << false << qint64(7) << qint64(1);
        QTest::newRow("eight-with-room-in-twos") << qint64(8) << true << qint64(10) << qint64(2);
        QTest::newRow("seventeen-in-fives") << qint64(17) << false << qint64(20) << qint64(5);
        QTest::newRow("thousands-in-hundreds")
            << qint64(1234) << false << qint64(1400) << qint64(200);
    }
    void countAxes() {
        QFETCH(qint64, largest);
        QFETCH(bool, room);
        QFETCH(qint64, max);
        QFETCH(qint64, step);
        const CountAxis axis = CountAxisFor(largest, room);
        QCOMPARE(axis.Max, max);
        QCOMPARE(axis.Step, step);
        QCOMPARE(axis.Max % axis.Step, 0);
        QVERIFY(axis.TickCount() <= 9);
        QVERIFY(room ? axis.Max > largest : axis.Max >= largest);
    }

    // Each chart's axis follows its own largest count; a chart without a count,
    // point, slice or bar says so with the mailbox and range.
    void axesAndNoData() {
        using Chart = ChartData::Chart;
        ChartData data(sampleLog(), kUs, m_clock);
        data.Redraw();
        QCOMPARE(data.AxisOf(Chart::TopSpammers).Max, 3); // 2 deletions, room for the mark
        QCOMPARE(data.AxisOf(Chart::TopSpammers).Step, 1);
        QCOMPARE(data.AxisOf(Chart::DayOfWeek).Max, 4); // 4 found on Sunday
        QCOMPARE(data.AxisOf(Chart::HourOfDay).Max, 4); // 3 found at 9:30 PM, and room
        for (Chart c : {Chart::DayOfWeek, Chart::HourOfDay, Chart::DayByDay, Chart::Pie,
                        Chart::TopDomains, Chart::TopSpammers})
            QVERIFY(data.HasData(c));

        data.SelectedMailbox = 2; // ann, who had nothing deleted on the last day
        data.setRange(QDateTime(QDate(2026, 12, 8), QTime(0, 0)), kNow);
        data.Redraw();
        QVERIFY(data.HasData(Chart::DayOfWeek) && data.HasData(Chart::DayByDay));
        QVERIFY(!data.HasData(Chart::Pie));
        QVERIFY(!data.HasData(Chart::TopSpammers) && !data.HasData(Chart::TopDomains));
        QCOMPARE(data.NoDataText(), QStringLiteral("No data for ann from 12/8/26 thru 12/8/26"));

        ActivityRecords none;
        none.Mailboxes = QStringList{QStringLiteral("All mailboxes")};
        ChartData empty(none, kUs, m_clock);
        empty.Redraw();
        QVERIFY(!empty.HasData(Chart::DayOfWeek) && !empty.HasData(Chart::HourOfDay));
        QCOMPARE(empty.NoDataText(),
                 QStringLiteral("No data for All mailboxes from 1/1/98 thru 12/8/26"));
    }

    void dayAxis_data() {
        QTest::addColumn<QList<QDate>>("points");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<int>("step");
        const QDate dec8(2026, 12, 8);
        QTest::newRow("one-day-in-the-middle")
            << QList<QDate>{dec8} << dec8.addDays(-1) << dec8.addDays(1) << 1;
        QTest::newRow("no-points-around-today")
            << QList<QDate>{} << dec8.addDays(-1) << dec8.addDays(1) << 1;
        QTest::newRow("two-weeks-by-the-day")
            << QList<QDate>{dec8.addDays(-11), dec8} << dec8.addDays(-12) << dec8.addDays(1) << 1;
        QTest::newRow("a-quarter-by-the-week")
            << QList<QDate>{dec8.addDays(-90), dec8} << dec8.addDays(-91) << dec8.addDays(7) << 7;
        QTest::newRow("a-year-in-three-weeks")
            << QList<QDate>{dec8, dec8.addYears(-1)} << dec8.addYears(-1).addDays(-1)
            << dec8.addYears(-1).addDays(-1 + 18 * 21) << 21;
    }
    void dayAxis() {
        QFETCH(QList<QDate>, points);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(int, step);
        ChartData data(sampleLog(), kUs, m_clock);
        for (const QDate& d : points)
            data.DayByDay.Checks.append({d, 1});
        const DayAxis axis = data.DayByDayAxis();
        QCOMPARE(axis.First, first);
        QCOMPARE(axis.Last, last);
        QCOMPARE(axis.Step, step);
        QCOMPARE(axis.First.daysTo(axis.Last) % axis.Step, 0); // every tick on a whole day
        QVERIFY(axis.TickCount() <= 27);
    }

    void numberThatIsNotWhole() {
        ActivityRecords r = sampleLog();
        r.Checks.append(check("12/8/2026", "9:15 AM", "ann", "lots"));
        ChartData data(r, kUs, m_clock);
        data.fillInGrids();
        try {
            data.PlotReadings();
            QFAIL("no exception");
        } catch (const EConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("'lots' is not a valid integer value"));
        }
        QVERIFY_THROWS_EXCEPTION(EConvertError, data.RecomputePie());
    }

    void tallies_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("top");
        QStringList eleven, emptiesAndTen;
        for (int i = 0; i <= 10; ++i)
            eleven << QStringLiteral("s%1@x").arg(i, 2, 10, QLatin1Char('0'));
        emptiesAndTen << QString() << QString() << eleven.mid(0, 10);
        QTest::newRow("largest-first")
            << QStringList{"b", "a", "a", "a"} << QStringList{"a=3", "b=1"};
        QTest::newRow("equal-counts-value-sorting-last-first")
            << QStringList{"x", "z", "y"} << QStringList{"z=1", "y=1", "x=1"};
        QTest::newRow("padded-counts-order-by-number")
            << (QStringList(12, "a") + QStringList(9, "b")) << QStringList{"a=12", "b=9"};
        QTest::newRow("ten-places-the-last-sorting-addresses")
            << eleven << QStringList{"s10@x=1", "s09@x=1", "s08@x=1", "s07@x=1", "s06@x=1",
                                     "s05@x=1", "s04@x=1", "s03@x=1", "s02@x=1", "s01@x=1"};
        QTest::newRow("empty-value-uses-a-place")
            << emptiesAndTen << QStringList{"=2",      "s09@x=1", "s08@x=1", "s07@x=1", "s06@x=1",
                                            "s05@x=1", "s04@x=1", "s03@x=1", "s02@x=1", "s01@x=1"};
    }
    void tallies() {
        QFETCH(QStringList, values);
        QFETCH(QStringList, top);
        QCOMPARE(tally(TopTen(values)), top);
    }

    void decrementMonths_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("back");
        QTest::newRow("31-march-to-end-of-february")
            << QDate(2026, 3, 31) << 1 << QDate(2026, 2, 28);
        QTest::newRow("31-march-leap-year") << QDate(2028, 3, 31) << 1 << QDate(2028, 2, 29);
        QTest::newRow("31-may-to-30-april") << QDate(2026, 5, 31) << 1 << QDate(2026, 4, 30);
        QTest::newRow("across-new-year") << QDate(2026, 1, 15) << 1 << QDate(2025, 12, 15);
        QTest::newRow("twelve-months") << QDate(2026, 12, 31) << 12 << QDate(2025, 12, 31);
    }
    void decrementMonths() {
        QFETCH(QDate, today);
        QFETCH(int, months);
        QFETCH(QDate, back);
        QCOMPARE(::decrementMonths(today, months), back);
    }

    void rangeChoices() {
        const QDate today(2026, 3, 31);
        DateRangeChoice months;
        months.kind = DateRangeChoice::Months;
        DateRange r = computeStartEnd(months, today);
        QCOMPARE(r.start, QDateTime(QDate(2026, 2, 28), QTime(0, 0)));
        QCOMPARE(r.end, QDateTime(today, QTime(0, 0)));

        DateRangeChoice between;
        between.start = QDate(2026, 1, 2);
        between.end = QDate(2026, 1, 9);
        r = computeStartEnd(between, today);
        QCOMPARE(r.start, QDateTime(QDate(2026, 1, 2), QTime(0, 0)));
        QCOMPARE(r.end, QDateTime(QDate(2026, 1, 9), QTime(0, 0)));
    }

    void daysOneCoversYesterdayAndToday() {
        DateRangeChoice days;
        days.kind = DateRangeChoice::Days;
        const DateRange r = computeStartEnd(days, kNow.date());
        ChartData data(sampleLog(), kUs, m_clock);
        data.setRange(r.start, r.end);
        QVERIFY(!data.qMailboxOK(QStringLiteral("12/6/2026"), QString()));
        QVERIFY(data.qMailboxOK(QStringLiteral("12/7/2026"), QString()));
        QVERIFY(data.qMailboxOK(QStringLiteral("12/8/2026"), QString()));
    }
};

QTEST_GUILESS_MAIN(TestChartData)
#include "tst_chartdata.moc"
