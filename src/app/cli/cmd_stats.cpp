// quillmere-cli stats: the statistics of the activity log, as text or JSON.
#include "CliCommand.h"
#include "activity/ChartData.h"
#include "activity/DateRange.h"
#include "activity/LogNaming.h"
#include "activity/LogReader.h"
#include "settings/AppPaths.h"
#include "settings/Clock.h"
#include "settings/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

namespace {
const char* const kName = "stats";

struct Options {
    QString log;
    std::optional<QString> mailbox;
    std::optional<DateRangeChoice> range;
    bool json = false;
};

// The log the program writes to now: the stored path ("logfile.txt" in the
// application folder when none is stored), named by the stored naming mode.
QString storedLogPath() {
    const SettingsStore tree = SettingsStore::tree();
    const QString stored =
        tree.ReadString(QStringLiteral("General"), QStringLiteral("Logfile"), {});
    const LogNaming naming =
        LogNamingFrom(tree.ReadBool(QStringLiteral("Logfile"), QStringLiteral("Asis"), true),
                      tree.ReadBool(QStringLiteral("Logfile"), QStringLiteral("Month"), false),
                      tree.ReadBool(QStringLiteral("Logfile"), QStringLiteral("Quarter"), false));
    return CurrentLogPath(stored, naming, Clock::current().now().date(),
                          AppPaths::appFile(QStringLiteral("logfile.txt")));
}

// Parses the arguments; prints the problem and returns false when they are wrong.
bool parse(const QStringList& args, Options& o) {
    const auto fail = [](const QString& why) {
        cliErr() << "stats: " << why << Qt::endl;
        return false;
    };
    const auto number = [&](const QString& text, int lo, int hi, int& out) {
        bool ok = false;
        out = text.toInt(&ok);
        return ok && out >= lo && out <= hi;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const qsizetype left = args.size() - i - 1;
        if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("--log") && left >= 1) {
            o.log = args[++i];
        } else if (a == QLatin1String("--mailbox") && left >= 1) {
            o.mailbox = args[++i];
        } else if (a == QLatin1String("--between") || a == QLatin1String("--months") ||
                   a == QLatin1String("--days")) {
            if (o.range) return fail(QStringLiteral("give one of --between, --months and --days"));
            DateRangeChoice c;
            if (a == QLatin1String("--between")) {
                if (left < 2) return fail(QStringLiteral("--between needs two dates"));
                c.start = QDate::fromString(args[i + 1], Qt::ISODate);
                c.end = QDate::fromString(args[i + 2], Qt::ISODate);
                if (!c.start.isValid() || !c.end.isValid())
                    return fail(QStringLiteral("dates are written as 2026-12-08"));
                // As in the date range window: an end before the start becomes the start.
                if (c.start > c.end) c.end = c.start;
                i += 2;
            } else if (a == QLatin1String("--months")) {
                c.kind = DateRangeChoice::Months;
                if (left < 1 || !number(args[++i], 1, 12, c.months))
                    return fail(QStringLiteral("--months takes a number from 1 to 12"));
            } else {
                c.kind = DateRangeChoice::Days;
                if (left < 1 || !number(args[++i], 1, 365, c.days))
                    return fail(QStringLiteral("--days takes a number from 1 to 365"));
            }
            o.range = c;
        } else {
            return fail(QStringLiteral("unexpected argument \"%1\"").arg(a));
        }
    }
    return true;
}

QJsonArray rows(const QList<QStringList>& table) {
    QJsonArray out;
    for (const QStringList& row : table)
        out.append(QJsonArray::fromStringList(row));
    return out;
}

QJsonArray numbers(const QList<qint64>& values) {
    QJsonArray out;
    for (qint64 v : values)
        out.append(v);
    return out;
}

QJsonObject slots(const SlotSeries& s) {
    return {{QStringLiteral("checks"), numbers(s.Checks)},
            {QStringLiteral("found"), numbers(s.Found)},
            {QStringLiteral("deleted"), numbers(s.Deleted)}};
}

QJsonArray dayPoints(const QList<DayPoint>& points) {
    QJsonArray out;
    for (const DayPoint& p : points)
        out.append(QJsonArray{p.Date.toString(Qt::ISODate), p.Value});
    return out;
}

QJsonArray tally(const QList<TallyEntry>& entries) {
    QJsonArray out;
    for (const TallyEntry& e : entries)
        out.append(QJsonArray{e.Value, e.Count});
    return out;
}

void printJson(const ChartData& d) {
    const QJsonObject o{
        {QStringLiteral("mailboxes"), QJsonArray::fromStringList(d.Records().Mailboxes)},
        {QStringLiteral("emailTraffic"), rows(d.EmailTraffic)},
        {QStringLiteral("spamDeleted"), rows(d.SpamDeleted)},
        {QStringLiteral("dayOfWeek"), slots(d.DayOfWeek)},
        {QStringLiteral("hourOfDay"), slots(d.HourOfDay)},
        {QStringLiteral("dayByDay"),
         QJsonObject{{QStringLiteral("checks"), dayPoints(d.DayByDay.Checks)},
                     {QStringLiteral("found"), dayPoints(d.DayByDay.Found)},
                     {QStringLiteral("deleted"), dayPoints(d.DayByDay.Deleted)}}},
        {QStringLiteral("pie"), QJsonObject{{QStringLiteral("normal"), d.Pie.Normal},
                                            {QStringLiteral("deleted"), d.Pie.Deleted}}},
        {QStringLiteral("topDomains"), tally(d.TopDomains)},
        {QStringLiteral("topSpammers"), tally(d.TopSpammers)},
    };
    cliOut() << QJsonDocument(o).toJson(QJsonDocument::Compact) << '\n';
}

void printTable(QTextStream& out, const QString& title, const QStringList& columns,
                const QList<QStringList>& table) {
    out << '\n' << title << '\n' << columns.join(u'\t') << '\n';
    for (const QStringList& row : table)
        out << row.join(u'\t') << '\n';
}

void printSlots(QTextStream& out, const QString& title, const QStringList& labels,
                const SlotSeries& s) {
    out << '\n' << title << "\tE-mail Check\tNumber Found\tNumber Deleted\n";
    for (int i = 0; i < labels.size(); ++i)
        out << labels[i] << '\t' << s.Checks[i] << '\t' << s.Found[i] << '\t' << s.Deleted[i]
            << '\n';
}

void printText(const ChartData& d) {
    QTextStream& out = cliOut();
    out << d.Title() << '\n';
    out << "Mailboxes: " << d.Records().Mailboxes.join(QStringLiteral(", ")) << '\n';
    printTable(out, QStringLiteral("Email traffic"), ChartData::EmailTrafficColumns(),
               d.EmailTraffic);
    printTable(out, QStringLiteral("Spam Deleted"), ChartData::SpamDeletedColumns(), d.SpamDeleted);
    printSlots(out, QStringLiteral("Day of week"), d.DayOfWeekLabels(), d.DayOfWeek);
    printSlots(out, QStringLiteral("Hour of day"), d.HourOfDayLabels(), d.HourOfDay);
    out << "\nDay by day\n";
    const std::pair<const char*, const QList<DayPoint>*> series[] = {
        {"E-mail Check", &d.DayByDay.Checks},
        {"Number Found", &d.DayByDay.Found},
        {"Number Deleted", &d.DayByDay.Deleted}};
    for (const auto& [name, points] : series) {
        for (const DayPoint& p : *points)
            out << name << '\t' << p.Date.toString(Qt::ISODate) << '\t' << p.Value << '\n';
    }
    out << "\n% Deleted\nNormal E-mail\t" << d.Pie.Normal << "\nSpam Deleted\t" << d.Pie.Deleted
        << '\n';
    const std::pair<const char*, const QList<TallyEntry>*> tallies[] = {
        {"Top 10 Spam Domains", &d.TopDomains}, {"Top 10 Spammers", &d.TopSpammers}};
    for (const auto& [name, entries] : tallies) {
        out << '\n' << name << '\n';
        for (const TallyEntry& e : *entries)
            out << e.Value << '\t' << e.Count << '\n';
    }
    out.flush();
}

int run(const QStringList& args) {
    Options o;
    if (!parse(args, o)) return cliUsage(kName);

    const QLocale locale;
    const Clock& clock = Clock::current();
    const QString path = o.log.isEmpty() ? storedLogPath() : o.log;
    ChartData data(LogReader(locale, clock).readInLogFile(path), locale, clock);

    if (o.mailbox) {
        const QStringList& list = data.Records().Mailboxes;
        data.SelectedMailbox = -1;
        for (int i = 0; i < list.size() && data.SelectedMailbox < 0; ++i) {
            if (list[i].compare(*o.mailbox, Qt::CaseInsensitive) == 0) data.SelectedMailbox = i;
        }
        if (data.SelectedMailbox < 0) {
            cliErr() << "stats: the activity log has no mailbox \"" << *o.mailbox << '"'
                     << Qt::endl;
            return ExitFailure;
        }
    }
    if (o.range) {
        const DateRange r = computeStartEnd(*o.range, clock.now().date());
        data.setRange(r.start, r.end);
    }

    data.Redraw();
    if (o.json)
        printJson(data);
    else
        printText(data);
    return ExitOk;
}

const CliCommand
    command(kName,
            "[--log FILE] [--mailbox NAME] [--between DATE DATE | --months N | --days N] [--json]",
            "statistics of the activity log: tables, charts' series, spam share, top ten (dates as "
            "2026-12-08)",
            run);
} // namespace
