// bench_stats_window FILE: times the statistics window on an activity log: the
// load (reading the log and filling the tables and the six charts) and a Redraw
// after choosing a mailbox and after choosing a date range, each against the
// statistics data computing the same without the window (the baseline).
#include "activity/ChartData.h"
#include "activity/DateRange.h"
#include "activity/LogReader.h"
#include "dialogs/TfrmChart.h"
#include "settings/Clock.h"
#include "settings/Prompter.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTabWidget>
#include <cstdio>

namespace {
class PrintingPrompter : public Prompter {
public:
    Answer message(const QString& text, Icon, Buttons) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return Answer::Ok;
    }
};

// Lets the window paint what changed, on every page.
void paintAll(TfrmChart& w) {
    for (int p = 0; p < w.PageControl1->count(); ++p) {
        w.PageControl1->setCurrentIndex(p);
        QApplication::processEvents();
    }
    w.PageControl1->setCurrentIndex(0);
    QApplication::processEvents();
}

void report(const char* what, qint64 windowMs, qint64 baseMs) {
    std::printf("  %-28s window %5lld ms  data alone %5lld ms  ratio %.2f\n", what, windowMs,
                baseMs, double(windowMs) / double(qMax<qint64>(1, baseMs)));
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_stats_window FILE\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    // "Now" is after the log's last entry so that every record is in range.
    const FixedClock clock(QDateTime(QDate(2027, 1, 1), QTime(12, 0)));
    Clock::install(&clock);
    PrintingPrompter prompter;
    QElapsedTimer t;

    // Baseline: the data module alone, as the command line computes it.
    t.start();
    ChartData data(LogReader(QLocale(), clock).readInLogFile(path), QLocale(), clock);
    data.Redraw();
    const qint64 baseLoad = t.elapsed();
    t.restart();
    data.SelectedMailbox = 1;
    data.Redraw();
    const qint64 baseMailbox = t.elapsed();
    const DateRange last3 =
        computeStartEnd({DateRangeChoice::Months, {}, {}, 3, 1}, clock.now().date());
    t.restart();
    data.setRange(last3.start, last3.end);
    data.Redraw();
    const qint64 baseRange = t.elapsed();

    // The window: read, fill, show and paint every page.
    t.restart();
    TfrmChart w(LogReader(QLocale(), clock).readInLogFile(path), prompter);
    if (!w.prepare()) return 1;
    w.show();
    paintAll(w);
    const qint64 load = t.elapsed();

    t.restart();
    w.cbMailbox->setCurrentIndex(1);
    w.btPlotClick();
    paintAll(w);
    const qint64 mailbox = t.elapsed();

    t.restart();
    w.data().setRange(last3.start, last3.end);
    w.btPlotClick();
    paintAll(w);
    const qint64 range = t.elapsed();

    std::printf("  records: %lld checks, %lld deletions\n",
                qint64(w.data().Records().Checks.size()),
                qint64(w.data().Records().Deletions.size()));
    report("load", load, baseLoad);
    report("redraw after a mailbox", mailbox, baseMailbox);
    report("redraw after a date range", range, baseRange);
    std::printf("  goal: each redraw well under 1000 ms\n");
    Clock::install(nullptr);
    return 0;
}
