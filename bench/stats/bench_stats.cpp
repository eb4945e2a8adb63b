// bench_stats generate FILE ENTRIES: writes an activity log of ENTRIES entries
//   (mail checks and deleted-message blocks over three years, five mailboxes).
// bench_stats read FILE: reads the log and computes all statistics from it, then
//   prints the counts that the awk baseline prints too, and its own timings.
// Both run in the en_US locale (a 12-hour clock, the costlier time rule).
#include "activity/ChartData.h"
#include "activity/LogEntries.h"
#include "activity/LogFile.h"
#include "activity/LogReader.h"
#include "activity/LogStamp.h"
#include "settings/Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <cstdio>

namespace {
int generate(const QString& path, int entries) {
    QRandomGenerator rng(20261208);
    const QStringList users = {"alice", "bob.smith", "carol", "dave", "erin"};
    QStringList domains, senders;
    for (int i = 0; i < 800; ++i)
        domains << QStringLiteral("spam%1.example").arg(i);
    for (int i = 0; i < 5000; ++i) {
        // Skewed: low-numbered domains send most of the spam.
        const int d = int(domains.size() * std::pow(rng.generateDouble(), 3));
        senders << QStringLiteral("Sender%1@%2").arg(i).arg(domains[d]);
    }

    QFile::remove(path);
    LogFile log;
    log.OpenLogFile(path);
    const QDateTime start(QDate(2024, 1, 1), QTime(0, 0));
    const qint64 span = start.secsTo(QDateTime(QDate(2027, 1, 1), QTime(0, 0)));
    const qint64 step = span / (entries * 2 / 5); // about two checks in five entries
    QDateTime at = start;
    int written = 0;
    while (written < entries) {
        at = at.addSecs(1 + qint64(rng.bounded(int(2 * step))));
        const QString stamp = LogStamp(at);
        const int u = rng.bounded(users.size());
        const QString server = QStringLiteral("pop.mail%1.example").arg(u);
        const int found = rng.bounded(8);
        log.WriteLogLine(MailCheckEntry(found, users[u], server, stamp));
        ++written;
        const int spam = std::min(found, entries - written);
        for (int i = 0; i < spam && rng.bounded(10) < 8; ++i) {
            const int s = int(senders.size() * std::pow(rng.generateDouble(), 2));
            log.WriteLogLines(DeleteSpamEntry(
                stamp, server, users[u], QStringLiteral("Offer number %1").arg(rng.bounded(1000)),
                senders[s], QString::number(1000 + rng.bounded(90000)),
                LogStamp(at.addSecs(-rng.bounded(86400))).mid(4)));
            ++written;
        }
    }
    log.CloseLogFile();
    std::printf("wrote %d entries to %s\n", written, qPrintable(path));
    return 0;
}

int read(const QString& path) {
    // "Now" is after the log's last entry so that every record is in range.
    const FixedClock clock(QDateTime(QDate(2027, 1, 1), QTime(12, 0)));
    QElapsedTimer t;
    t.start();
    ActivityRecords records = LogReader(QLocale(), clock).readInLogFile(path);
    const qint64 readMs = t.elapsed();
    ChartData data(std::move(records), QLocale(), clock);
    data.Redraw();
    const qint64 totalMs = t.elapsed();

    qint64 found = 0;
    for (qint64 n : data.DayOfWeek.Found)
        found += n;
    std::printf("checks %lld deletions %lld found %lld mailboxes %lld\n",
                qint64(data.EmailTraffic.size()), qint64(data.SpamDeleted.size()), found,
                qint64(data.Records().Mailboxes.size() - 1));
    std::printf("top spammer %s %d\n", qPrintable(data.TopSpammers.value(0).Value),
                data.TopSpammers.value(0).Count);
    std::fprintf(stderr, "read %lld ms, computed %lld ms\n", readMs, totalMs - readMs);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("generate"))
        return generate(args[1], args[2].toInt());
    if (args.size() == 2 && args[0] == QLatin1String("read")) return read(args[1]);
    std::fprintf(stderr, "usage: bench_stats generate FILE ENTRIES | read FILE\n");
    return 2;
}
