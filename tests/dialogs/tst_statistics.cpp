// The statistics windows over a small log: every series, slice, bar and table
// row equals what the statistics data gives for the same filter; Redraw after a
// mailbox or a range restricts all of them; the date range dialog's ranges; the
// start dialog's stored path, failures, Cancel and the one process-wide flag;
// printing a table and saving a chart.
#include "activity/ChartData.h"
#include "activity/LogEntries.h"
#include "activity/LogReader.h"
#include "activity/LogStamp.h"
#include "dialogs/ChartView.h"
#include "dialogs/StatsTable.h"
#include "dialogs/TablePrinter.h"
#include "dialogs/TfrmChart.h"
#include "dialogs/TfrmChartMain.h"
#include "dialogs/TfrmSelectDateRange.h"
#include "settings/Clock.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempProfile.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QValueAxis>
#include <QtTest>

namespace {
const QLocale kUs(QStringLiteral("en_US"));
const QDateTime kNow(QDate(2026, 12, 8), QTime(12, 0)); // a Tuesday

// A log over three weeks: "bob" and "Ann" check at different hours; four
// senders of three domains; one check of "carol" without deletions.
QByteArray sampleLog() {
    QStringList lines;
    const auto stamp = [](int daysAgo, int hour, int minute) {
        return LogStamp(QDateTime(kNow.date().addDays(-daysAgo), QTime(hour, minute)), kUs);
    };
    const auto check = [&](int daysAgo, int hour, int minute, const char* user, int n) {
        lines << MailCheckEntry(n, QString::fromUtf8(user), QStringLiteral("pop.example.com"),
                                stamp(daysAgo, hour, minute));
    };
    const auto del = [&](int daysAgo, int hour, int minute, const char* user, const char* sender,
                         const char* size) {
        lines << DeleteSpamEntry(stamp(daysAgo, hour, minute), QStringLiteral("pop.example.com"),
                                 QString::fromUtf8(user), QStringLiteral("Offer"),
                                 QString::fromUtf8(sender), QString::fromUtf8(size),
                                 QStringLiteral("12/1/2026 3:00 AM"));
    };
    check(20, 9, 10, "bob", 4);
    del(20, 9, 11, "bob", "spam@x.example", "1200");
    del(20, 9, 11, "bob", "spam@x.example", "900");
    check(20, 21, 40, "Ann", 2);
    del(20, 21, 41, "Ann", "deals@y.example", "15000");
    check(6, 7, 0, "bob", 0);
    check(1, 23, 59, "carol", 5);
    check(1, 0, 15, "BOB", 3);
    del(1, 0, 16, "bob", "Spam@X.example", "300");
    del(1, 0, 16, "bob", "other@x.example", "45");
    lines << ErrorEntry(QStringLiteral("timed out"), QStringLiteral("bob"),
                        QStringLiteral("pop.example.com"), stamp(0, 8, 0));
    check(0, 8, 5, "Ann", 1);
    del(0, 8, 6, "Ann", "mailer-daemon", "2000");
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

ActivityRecords readSample() {
    QBuffer buffer;
    buffer.setData(sampleLog());
    buffer.open(QIODevice::ReadOnly);
    return LogReader(kUs, Clock::current()).read(buffer);
}

QList<qint64> barValues(const QBarSet* set) {
    QList<qint64> out;
    for (int i = 0; i < set->count(); ++i)
        out << qint64(set->at(i));
    return out;
}

QList<qint64> yValues(const QLineSeries* s) {
    QList<qint64> out;
    for (const QPointF& p : s->points())
        out << qint64(p.y());
    return out;
}

QStringList dayPoints(const QLineSeries* s) {
    QStringList out;
    for (const QPointF& p : s->points())
        out << QDateTime::fromMSecsSinceEpoch(qint64(p.x())).date().toString(Qt::ISODate) + u':' +
                   QString::number(qint64(p.y()));
    return out;
}

QStringList dayPoints(const QList<DayPoint>& points) {
    QStringList out;
    for (const DayPoint& p : points)
        out << p.Date.toString(Qt::ISODate) + u':' + QString::number(p.Value);
    return out;
}

// The bars of a top-ten chart from the top down, as "value=count".
QStringList bars(const QHorizontalBarSeries* series, const QBarCategoryAxis* axis) {
    QStringList out;
    const QBarSet* set = series->barSets().first();
    for (int i = set->count() - 1; i >= 0; --i)
        out << axis->at(i) + u'=' + QString::number(qint64(set->at(i)));
    return out;
}

QStringList bars(const QList<TallyEntry>& entries) {
    QStringList out;
    for (const TallyEntry& e : entries)
        out << e.Value + u'=' + QString::number(e.Count);
    return out;
}

QList<QStringList> tableRows(const QTableView* view) {
    QList<QStringList> rows = visibleRows(view);
    if (rows.size() == 1 && rows[0].join(QString()).isEmpty()) rows.clear(); // the empty row
    return rows;
}

// Everything the window shows equals what the data module computes for the same filter.
void compareWithData(TfrmChart& w, const ChartData& d) {
    QCOMPARE(w.lblTitle->text(), d.TitleLine());
    QCOMPARE(tableRows(w.gridTraffic), d.EmailTraffic);
    QCOMPARE(tableRows(w.gridSpam), d.SpamDeleted);
    const QList<qint64>* dow[3] = {&d.DayOfWeek.Checks, &d.DayOfWeek.Found, &d.DayOfWeek.Deleted};
    const QList<qint64>* hod[3] = {&d.HourOfDay.Checks, &d.HourOfDay.Found, &d.HourOfDay.Deleted};
    const QList<DayPoint>* dbd[3] = {&d.DayByDay.Checks, &d.DayByDay.Found, &d.DayByDay.Deleted};
    for (int s = 0; s < 3; ++s) {
        QCOMPARE(barValues(w.dayOfWeekSeries->barSets()[s]), *dow[s]);
        QCOMPARE(yValues(w.hourSeries[s]), *hod[s]);
        QCOMPARE(dayPoints(w.daySeries[s]), dayPoints(*dbd[s]));
    }
    QCOMPARE(qint64(w.pieSeries->slices()[0]->value()), d.Pie.Normal);
    QCOMPARE(qint64(w.pieSeries->slices()[1]->value()), d.Pie.Deleted);
    QCOMPARE(bars(w.domainSeries, w.domainAxis), bars(d.TopDomains));
    QCOMPARE(bars(w.spammerSeries, w.spammerAxis), bars(d.TopSpammers));

    // Count axes end where the data says, a tick at each whole step; a chart
    // without data says so.
    using Chart = ChartData::Chart;
    const std::pair<TfrmChart::Page, Chart> pages[] = {
        {TfrmChart::DayOfWeekPage, Chart::DayOfWeek},
        {TfrmChart::HourOfDayPage, Chart::HourOfDay},
        {TfrmChart::DayByDayPage, Chart::DayByDay},
        {TfrmChart::PiePage, Chart::Pie},
        {TfrmChart::DomainsPage, Chart::TopDomains},
        {TfrmChart::SpammersPage, Chart::TopSpammers}};
    for (const auto& [page, chart] : pages) {
        const ChartView* view = w.charts[page];
        QCOMPARE(view->noDataText(), d.HasData(chart) ? QString() : d.NoDataText());
        if (chart == Chart::Pie) continue;
        const Qt::Orientation counts = chart == Chart::TopDomains || chart == Chart::TopSpammers
                                           ? Qt::Horizontal
                                           : Qt::Vertical;
        auto* axis = qobject_cast<QValueAxis*>(view->chart()->axes(counts).first());
        QVERIFY(axis);
        QCOMPARE(qint64(axis->max()), d.AxisOf(chart).Max);
        QCOMPARE(qint64(axis->tickInterval()), d.AxisOf(chart).Step);
        QCOMPARE(axis->tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(axis->tickAnchor(), 0.0);
    }
}
} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

    FixedClock m_clock{kNow};

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(kUs);
        Clock::install(&m_clock);
    }
    void cleanupTestCase() { Clock::install(nullptr); }

    void windowShowsTheData_data() {
        QTest::addColumn<QString>("mailbox"); // chosen before Redraw ("" for no Redraw)
        QTest::addColumn<int>("rangeDays");   // the previous days, 0 for the initial range
        QTest::newRow("as-first-drawn") << "" << 0;
        QTest::newRow("redraw-all-mailboxes") << "All mailboxes" << 0;
        QTest::newRow("redraw-bob-restricts-everything") << "bob" << 0;
        QTest::newRow("redraw-ann") << "Ann" << 0;
        QTest::newRow("redraw-carol-without-deletions") << "carol" << 0;
        QTest::newRow("range-previous-7-days") << "All mailboxes" << 7;
        QTest::newRow("range-and-mailbox") << "bob" << 7;
        QTest::newRow("range-and-mailbox-without-deletions") << "carol" << 7;
        QTest::newRow("range-without-records") << "All mailboxes" << -1;
    }
    void windowShowsTheData() {
        QFETCH(QString, mailbox);
        QFETCH(int, rangeDays);
        TempProfile profile;
        ScriptedPrompter prompter;
        TfrmChart w(readSample(), prompter);
        QVERIFY(w.prepare());
        w.show();
        QCOMPARE(w.cbMailbox->count(), 4); // All mailboxes, bob, Ann, carol

        ChartData d(readSample(), kUs, m_clock);
        if (rangeDays < 0) { // a month long before the log
            TfrmSelectDateRange* range = w.dateRangeDialog();
            const QDate start(2020, 3, 1), end(2020, 3, 31);
            QTimer::singleShot(0, range, [range, start, end] {
                range->setDates(start, end);
                range->accept();
            });
            w.cbMailbox->setCurrentIndex(w.cbMailbox->findText(mailbox));
            w.btDateRangeClick();
            d.setRange(QDateTime(start, QTime(0, 0)), QDateTime(end, QTime(0, 0)));
        } else if (rangeDays) {
            TfrmSelectDateRange* range = w.dateRangeDialog();
            QTimer::singleShot(0, range, [range, rangeDays] {
                range->rbDays->click();
                range->nDays->setValue(rangeDays);
                range->accept();
            });
            w.cbMailbox->setCurrentIndex(w.cbMailbox->findText(mailbox));
            w.btDateRangeClick(); // redraws
            d.setRange(QDateTime(kNow.date().addDays(-rangeDays), QTime(0, 0)),
                       QDateTime(kNow.date(), QTime(0, 0)));
        } else if (!mailbox.isEmpty()) {
            w.cbMailbox->setCurrentIndex(w.cbMailbox->findText(mailbox));
            QTest::mouseClick(w.btPlot, Qt::LeftButton);
        }
        d.SelectedMailbox = qMax(0, d.Records().Mailboxes.indexOf(mailbox));
        d.fillInGrids();
        d.RecomputePie();
        d.PlotReadings();
        compareWithData(w, d);
        if (mailbox == QLatin1String("bob"))
            QVERIFY(w.lblTitle->text().startsWith(QStringLiteral("bob from ")));
        if (mailbox == QLatin1String("carol")) {
            QCOMPARE(w.gridSpam->model()->rowCount(), 1); // the one empty row
            QCOMPARE(w.spammerSeries->barSets().first()->count(), 0);
        }
    }

    // A mailbox chosen changes nothing until Redraw.
    void choosingAMailboxWaitsForRedraw() {
        TempProfile profile;
        ScriptedPrompter prompter;
        TfrmChart w(readSample(), prompter);
        QVERIFY(w.prepare());
        const int rows = w.gridTraffic->model()->rowCount();
        w.cbMailbox->setCurrentIndex(w.cbMailbox->findText(QStringLiteral("Ann")));
        QCOMPARE(w.gridTraffic->model()->rowCount(), rows);
        w.btPlotClick();
        QCOMPARE(w.gridTraffic->model()->rowCount(), 2);
    }

    void pagesAndButtons() {
        TempProfile profile;
        ScriptedPrompter prompter;
        TfrmChart w(readSample(), prompter);
        QVERIFY(w.prepare());
        QStringList pages;
        for (int p = 0; p < w.PageControl1->count(); ++p)
            pages << w.PageControl1->tabText(p);
        QCOMPARE(pages, QStringList({"Day of week", "Hour of day", "Day by day", "% Deleted",
                                     "Top 10 Spam Domains", "Top 10 Spammers", "Email traffic",
                                     "Spam Deleted"}));
        QCOMPARE(w.btPlot->toolTip(),
                 QStringLiteral("Click here after changing the mailbox to view"));
        QCOMPARE(w.btClose->toolTip(), QStringLiteral("Return to Quillmere"));
        // The check boxes hide and show their series.
        QCheckBox* found = w.cbSeries[0][0];
        QCOMPARE(found->text(), QStringLiteral("Found"));
        found->setChecked(false);
        QVERIFY(!w.hourSeries[1]->isVisible());
        w.cbSeries[1][2]->setChecked(false); // "Checked" on "Day by day"
        QVERIFY(!w.daySeries[0]->isVisible());
        QCOMPARE(w.sbDepth[0]->minimum(), 5);
        QCOMPARE(w.sbDepth[0]->maximum(), 70);
        // Hints sits centred on the window; on the tables it has nothing to say.
        w.resize(900, 600);
        w.show();
        QTest::mouseClick(w.btHints, Qt::LeftButton);
        QVERIFY(w.pnlHints->isVisible());
        QCOMPARE(w.pnlHints->x(), w.width() / 2 - w.pnlHints->width() / 2);
        w.PageControl1->setCurrentIndex(TfrmChart::TrafficPage);
        QVERIFY(!w.pnlHints->isVisible());
        QVERIFY(!w.btHints->isEnabled() && !w.btSave->isEnabled());
        w.PageControl1->setCurrentIndex(TfrmChart::SpammersPage);
        QVERIFY(w.btHints->isEnabled());

        // The hour axis names every hour or every two hours, side by side where
        // they fit, else turned.
        w.PageControl1->setCurrentIndex(TfrmChart::HourOfDayPage);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QStringList halfHours = ChartData(readSample(), kUs, m_clock).HourOfDayLabels();
        auto* hours = qobject_cast<QCategoryAxis*>(
            w.charts[TfrmChart::HourOfDayPage]->chart()->axes(Qt::Horizontal).first());
        QVERIFY(hours);
        const QStringList labels = hours->categoriesLabels();
        QVERIFY2(labels.size() == 12 || labels.size() == 24, qPrintable(labels.join(u',')));
        for (const QString& label : labels)
            QVERIFY2(halfHours.indexOf(label) % 2 == 0, qPrintable(label));
        const QFontMetrics fm(hours->labelsFont());
        if (hours->labelsAngle() == 0)
            QVERIFY(labels.size() * fm.horizontalAdvance(QStringLiteral("12:00 AM")) <
                    w.charts[TfrmChart::HourOfDayPage]->chart()->plotArea().width());
        // Escape closes.
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }

    // "Size" and "# Mail" sort as numbers.
    void tablesSortNumbers() {
        TempProfile profile;
        ScriptedPrompter prompter;
        TfrmChart w(readSample(), prompter);
        QVERIFY(w.prepare());
        w.gridSpam->sortByColumn(4, Qt::AscendingOrder);
        QStringList sizes;
        for (const QStringList& row : visibleRows(w.gridSpam))
            sizes << row[4];
        QCOMPARE(sizes, QStringList({"45", "300", "900", "1200", "2000", "15000"}));
        w.gridTraffic->sortByColumn(4, Qt::DescendingOrder);
        QCOMPARE(visibleRows(w.gridTraffic).first()[4], QStringLiteral("5"));
    }

    void dateRangeDialog_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("number");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        const QDate dec8(2026, 12, 8);
        QTest::newRow("between-two-dates")
            << "between" << 0 << dec8 << QDate(2026, 11, 2) << QDate(2026, 11, 20);
        QTest::newRow("days-1-is-yesterday-and-today")
            << "days" << 1 << dec8 << QDate(2026, 12, 7) << dec8;
        QTest::newRow("days-365") << "days" << 365 << dec8 << QDate(2025, 12, 8) << dec8;
        QTest::newRow("months-1") << "months" << 1 << dec8 << QDate(2026, 11, 8) << dec8;
        QTest::newRow("months-back-over-new-year")
            << "months" << 12 << dec8 << QDate(2025, 12, 8) << dec8;
        QTest::newRow("march-31-less-a-month-is-feb-28")
            << "months" << 1 << QDate(2026, 3, 31) << QDate(2026, 2, 28) << QDate(2026, 3, 31);
        QTest::newRow("march-31-leap-year")
            << "months" << 1 << QDate(2028, 3, 31) << QDate(2028, 2, 29) << QDate(2028, 3, 31);
    }
    void dateRangeDialog() {
        QFETCH(QString, choice);
        QFETCH(int, number);
        QFETCH(QDate, today);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        m_clock.set(QDateTime(today, QTime(15, 30)));
        TfrmSelectDateRange d;
        d.setDates(QDate(2026, 11, 2), QDate(2026, 11, 20));
        QRadioButton* rb = choice == QLatin1String("months") ? d.rbMonths
                           : choice == QLatin1String("days") ? d.rbDays
                                                             : d.rbBetween;
        rb->click();
        if (choice == QLatin1String("months")) d.nMonths->setValue(number);
        if (choice == QLatin1String("days")) d.nDays->setValue(number);
        // Only the chosen line's inputs are enabled.
        QCOMPARE(d.dtStart->isEnabled(), rb == d.rbBetween);
        QCOMPARE(d.nMonths->isEnabled(), rb == d.rbMonths);
        QCOMPARE(d.nDays->isEnabled(), rb == d.rbDays);
        d.accept();
        m_clock.set(kNow);
        QCOMPARE(d.range().start, QDateTime(start, QTime(0, 0)));
        QCOMPARE(d.range().end, QDateTime(end, QTime(0, 0)));
    }

    void dateRangeLimitsAndStartAfterEnd() {
        TfrmSelectDateRange d;
        QVERIFY(d.rbBetween->isChecked());
        QCOMPARE(d.nMonths->minimum(), 1);
        QCOMPARE(d.nMonths->maximum(), 12);
        QCOMPARE(d.nDays->maximum(), 365);
        d.setDates(QDate(2026, 11, 2), QDate(2026, 11, 20));
        d.dtStart->setDate(QDate(2026, 11, 25));
        Q_EMIT d.dtStart->editingFinished(); // leaving the start field
        QCOMPARE(d.dtEnd->date(), QDate(2026, 11, 25));
    }

    // The start dialog: the stored path, reading, the window shown once with the
    // flag set, and the flag cleared again whatever happened.
    void startDialogOpensTheWindow() {
        TempProfile profile;
        const QString log = writeFile(profile.appFile(QStringLiteral("act.txt")), sampleLog());
        SettingsStore::tree().WriteString(QStringLiteral("General"), QStringLiteral("Logfile"),
                                          log);
        ScriptedPrompter prompter;
        TfrmChartMain start(prompter);
        QCOMPARE(start.windowTitle(), QStringLiteral("Activity Log Statistics for Quillmere"));
        start.show();
        QCOMPARE(start.edPath->text(), log);
        QVERIFY(!start.ProgressBar1->isVisible());

        int shown = 0;
        bool flagWhileOpen = false, secondIgnored = false;
        start.OnChartReady = [&](TfrmChart& w) {
            ++shown;
            flagWhileOpen = TfrmChartMain::StatisticsOpen();
            // A second request from anywhere is ignored while the window is open.
            TfrmChartMain other(prompter);
            other.edPath->setText(log);
            int nested = 0;
            other.OnChartReady = [&](TfrmChart&) { ++nested; };
            other.btOKClick();
            secondIgnored = nested == 0;
            QCOMPARE(w.gridTraffic->model()->rowCount(), 6);
            QTimer::singleShot(0, &w, &QDialog::reject);
        };
        QTest::mouseClick(start.btOK, Qt::LeftButton);
        QCOMPARE(shown, 1);
        QVERIFY(flagWhileOpen);
        QVERIFY(secondIgnored);
        QVERIFY(!TfrmChartMain::StatisticsOpen());
        QVERIFY(!start.isVisible());
        QVERIFY(prompter.texts().isEmpty());
    }

    void startDialogFailures_data() {
        QTest::addColumn<QByteArray>("log"); // null: no file
        QTest::addColumn<bool>("folder");    // the path names a folder
        QTest::addColumn<QString>("message");
        QTest::newRow("missing-log") << QByteArray() << false << LogReader::MissingFileText();
        QTest::newRow("unreadable-log") << QByteArray() << true << LogReader::UnreadableFileText();
        QTest::newRow("number-not-whole")
            << QByteArray(
                   "MAIL CHECK 3x msg(s) for \"bob\" on server s at Tue 12/8/2026 9:57 AM\r\n")
            << false << "'3x' is not a valid integer value";
    }
    void startDialogFailures() {
        QFETCH(QByteArray, log);
        QFETCH(bool, folder);
        QFETCH(QString, message);
        TempProfile profile;
        QString path = profile.appFile(QStringLiteral("act.txt"));
        if (folder)
            path = profile.appFolder();
        else if (!log.isNull())
            writeFile(path, log);
        ScriptedPrompter prompter;
        TfrmChartMain start(prompter);
        start.show();
        start.edPath->setText(path);
        bool shown = false;
        start.OnChartReady = [&](TfrmChart&) { shown = true; };
        start.btOKClick();
        QVERIFY(!shown);
        QCOMPARE(prompter.texts(), QStringList{message});
        QVERIFY(!TfrmChartMain::StatisticsOpen());
        QVERIFY(!start.isVisible());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // Cancel while a log is read stops the reading: no window, no message.
    void cancelStopsReading() {
        TempProfile profile;
        QByteArray big;
        for (int i = 0; i < 3000; ++i)
            big += "MAIL CHECK 1 msg(s) for \"bob\" on server s at Tue 12/8/2026 9:57 AM\r\n";
        const QString log = writeFile(profile.appFile(QStringLiteral("act.txt")), big);
        ScriptedPrompter prompter;
        TfrmChartMain start(prompter);
        start.show();
        start.edPath->setText(log);
        start.LinesPerEventCheck = 100;
        bool shown = false, barShown = false;
        start.OnChartReady = [&](TfrmChart&) { shown = true; };
        QTimer::singleShot(0, &start, [&] {
            barShown = start.ProgressBar1->isVisible();
            QTest::mouseClick(start.btCancel, Qt::LeftButton);
        });
        start.btOKClick();
        QVERIFY(barShown);
        QVERIFY(!shown);
        QVERIFY(prompter.texts().isEmpty());
        QVERIFY(!TfrmChartMain::StatisticsOpen());
    }

    // Left drag down-right zooms in, right drag moves, left drag up-left resets.
    void zoomAndMoveByMouse() {
        TempProfile profile;
        ScriptedPrompter prompter;
        TfrmChart w(readSample(), prompter);
        QVERIFY(w.prepare());
        w.resize(900, 600);
        w.show();
        w.PageControl1->setCurrentIndex(TfrmChart::HourOfDayPage);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ChartView* view = w.charts[TfrmChart::HourOfDayPage];
        auto* x = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).first());
        QVERIFY(x);
        const auto span = [x] { return x->max() - x->min(); };
        const qreal whole = span();
        const QRect plot = view->chart()->plotArea().toRect();
        const auto drag = [view](Qt::MouseButton button, QPoint from, QPoint to) {
            QTest::mousePress(view->viewport(), button, {}, from);
            QTest::mouseMove(view->viewport(), (from + to) / 2);
            QTest::mouseMove(view->viewport(), to);
            QTest::mouseRelease(view->viewport(), button, {}, to);
        };
        drag(Qt::LeftButton, plot.topLeft() + QPoint(20, 20), plot.center());
        QVERIFY(span() < whole * 0.8);
        const qreal zoomedMin = x->min();
        drag(Qt::RightButton, plot.center(), plot.center() + QPoint(0, 60));
        QVERIFY(x->min() > zoomedMin); // dragged down: the values move up
        drag(Qt::LeftButton, plot.center(), plot.topLeft() + QPoint(10, 10));
        QCOMPARE(span(), whole);
    }

    // A table prints on as many pages as its rows need; each chart saves as a
    // PNG or SVG picture.
    void printAndSave() {
        TempProfile profile;
        QList<QStringList> rows;
        for (int i = 0; i < 300; ++i)
            rows << QStringList{"12/8/2026", "9:57 AM", "pop", "bob", QString::number(i)};
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(profile.appFile(QStringLiteral("table.pdf")));
        const int pages = printTable(&printer, QStringLiteral("E-mail traffic"),
                                     ChartData::EmailTrafficColumns(), rows, 4, kNow);
        QVERIFY2(pages >= 3 && pages <= 20, qPrintable(QString::number(pages)));
        QVERIFY(QFileInfo(printer.outputFileName()).size() > 0);

        ScriptedPrompter prompter;
        TfrmChart w(readSample(), prompter);
        QVERIFY(w.prepare());
        w.resize(800, 600);
        w.show();
        ChartView* chart = w.charts[TfrmChart::DayOfWeekPage];
        const QString png = profile.appFile(QStringLiteral("chart.png"));
        const QString svg = profile.appFile(QStringLiteral("chart.svg"));
        QVERIFY(chart->savePicture(png));
        QVERIFY(chart->savePicture(svg));
        QCOMPARE(QImage(png).size(), chart->grab().size());
        QFile f(svg);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("<svg"));
        QVERIFY(!chart->savePicture(QStringLiteral("/nonexistent/folder/chart.png")));
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
