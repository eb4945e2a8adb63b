// quillmere-cli stats: the statistics of the activity log, as text or JSON.
#include "CliCommand.h"
#include "activity/ChartData.h"
#include "activity/DateRange.h"
#include "activity/LogNaming.h"
#include "activity/LogReader.h"
#include "settings/Clock.h"

#include <QTextStream>
#include <optional>

namespace {
const char* const kName = "stats";

struct CliStats {
    Q_DECLARE_TR_FUNCTIONS(CliStats)
};

struct Options {
    QString log;
    std::optional<QString> mailbox;
    std::optional<DateRangeChoice> range;
    bool json = false;
};

// Parses the arguments; prints the problem and returns false when they are wrong.
bool parse(const QStringList& args, Options& o) {
    const auto fail = [](const QString& why) {
        cliErr() << CliStats::tr("stats: %1").arg(why) << Qt::endl;
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
            if (o.range) return fail(CliStats::tr("give one of --between, --months and --days"));
            DateRangeChoice c;
            if (a == QLatin1String("--between")) {
                if (left < 2) return fail(CliStats::tr("--between needs two dates"));
                c.start = QDate::fromString(args[i + 1], Qt::ISODate);
                c.end = QDate::fromString(args[i + 2], Qt::ISODate);
                if (!c.start.isValid() || !c.end.isValid())
                    return fail(CliStats::tr("dates are written as 2026-12-08"));
                // As in the date range window: an end before the start becomes the start.
                if (c.start > c.end) c.end = c.start;
                i += 2;
            } else if (a == QLatin1String("--months")) {
                c.kind = DateRangeChoice::Months;
                if (left < 1 || !number(args[++i], 1, 12, c.months))
                    return fail(CliStats::tr("--months takes a number from 1 to 12"));
            } else {
                c.kind = DateRangeChoice::Days;
                if (left < 1 || !number(args[++i], 1, 365, c.days))
                    return fail(CliStats::tr("--days takes a number from 1 to 365"));
            }
            o.range = c;
        } else {
            return fail(CliStats::tr("unexpected argument \"%1\"").arg(a));
        }
    }
    return true;
}

// Writes the statistics as one line of compact JSON, piece by piece as it goes,
// so that no second copy of the tables is built in memory.
class JsonWriter {
public:
    explicit JsonWriter(QTextStream& out) : m_out(out) {}

    void string(const QString& s) {
        m_out << '"';
        qsizetype plain = 0; // start of the characters not written yet
        for (qsizetype i = 0; i < s.size(); ++i) {
            const char16_t c = s[i].unicode();
            if (c >= 0x20 && c != u'"' && c != u'\\') continue;
            m_out << QStringView(s).mid(plain, i - plain);
            plain = i + 1;
            switch (c) {
            case u'"':
                m_out << "\\\"";
                break;
            case u'\\':
                m_out << "\\\\";
                break;
            case u'\n':
                m_out << "\\n";
                break;
            case u'\r':
                m_out << "\\r";
                break;
            case u'\t':
                m_out << "\\t";
                break;
            default:
                m_out << QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
            }
        }
        m_out << QStringView(s).mid(plain) << '"';
    }

    // "key": at the start of a member, with the comma before every member but the first.
    void key(const char* name) {
        separate();
        m_out << '"' << name << "\":";
        m_afterKey = true;
    }

    void begin(char bracket) {
        separate();
        m_out << bracket;
        m_first = true;
    }
    void end(char bracket) {
        m_out << bracket;
        m_first = false;
    }

    void value(qint64 n) {
        separate();
        m_out << n;
    }
    void value(const QString& s) {
        separate();
        string(s);
    }

    void strings(const QStringList& list) {
        begin('[');
        for (const QString& s : list)
            value(s);
        end(']');
    }

private:
    void separate() {
        if (m_afterKey) {
            m_afterKey = false;
        } else if (!m_first) {
            m_out << ',';
        }
        m_first = false;
    }

    QTextStream& m_out;
    bool m_first = true;
    bool m_afterKey = false;
};

void rows(JsonWriter& w, const char* name, const QList<QStringList>& table) {
    w.key(name);
    w.begin('[');
    for (const QStringList& row : table)
        w.strings(row);
    w.end(']');
}

void numbers(JsonWriter& w, const char* name, const QList<qint64>& values) {
    w.key(name);
    w.begin('[');
    for (qint64 v : values)
        w.value(v);
    w.end(']');
}

void slots(JsonWriter& w, const char* name, const SlotSeries& s) {
    w.key(name);
    w.begin('{');
    numbers(w, "checks", s.Checks);
    numbers(w, "found", s.Found);
    numbers(w, "deleted", s.Deleted);
    w.end('}');
}

void dayPoints(JsonWriter& w, const char* name, const QList<DayPoint>& points) {
    w.key(name);
    w.begin('[');
    for (const DayPoint& p : points) {
        w.begin('[');
        w.value(p.Date.toString(Qt::ISODate));
        w.value(p.Value);
        w.end(']');
    }
    w.end(']');
}

void tally(JsonWriter& w, const char* name, const QList<TallyEntry>& entries) {
    w.key(name);
    w.begin('[');
    for (const TallyEntry& e : entries) {
        w.begin('[');
        w.value(e.Value);
        w.value(e.Count);
        w.end(']');
    }
    w.end(']');
}

void printJson(const ChartData& d) {
    QTextStream& out = cliOut();
    JsonWriter w(out);
    w.begin('{');
    w.key("mailboxes");
    w.strings(d.Records().Mailboxes);
    rows(w, "emailTraffic", d.EmailTraffic);
    rows(w, "spamDeleted", d.SpamDeleted);
    slots(w, "dayOfWeek", d.DayOfWeek);
    slots(w, "hourOfDay", d.HourOfDay);
    w.key("dayByDay");
    w.begin('{');
    dayPoints(w, "checks", d.DayByDay.Checks);
    dayPoints(w, "found", d.DayByDay.Found);
    dayPoints(w, "deleted", d.DayByDay.Deleted);
    w.end('}');
    w.key("pie");
    w.begin('{');
    w.key("normal");
    w.value(d.Pie.Normal);
    w.key("deleted");
    w.value(d.Pie.Deleted);
    w.end('}');
    tally(w, "topDomains", d.TopDomains);
    tally(w, "topSpammers", d.TopSpammers);
    w.end('}');
    out << '\n';
    out.flush();
}

void printTable(QTextStream& out, const QString& title, const QStringList& columns,
                const QList<QStringList>& table) {
    out << '\n' << title << '\n' << columns.join(u'\t') << '\n';
    for (const QStringList& row : table)
        out << row.join(u'\t') << '\n';
}

void printSlots(QTextStream& out, const QString& title, const QStringList& labels,
                const SlotSeries& s) {
    out << '\n'
        << title << '\t' << CliStats::tr("E-mail Check") << '\t' << CliStats::tr("Number Found")
        << '\t' << CliStats::tr("Number Deleted") << '\n';
    for (int i = 0; i < labels.size(); ++i)
        out << labels[i] << '\t' << s.Checks[i] << '\t' << s.Found[i] << '\t' << s.Deleted[i]
            << '\n';
}

void printText(const ChartData& d) {
    QTextStream& out = cliOut();
    out << d.Title() << '\n';
    out << CliStats::tr("Mailboxes: %1").arg(d.Records().Mailboxes.join(QStringLiteral(", ")))
        << '\n';
    printTable(out, CliStats::tr("Email traffic"), ChartData::EmailTrafficColumns(),
               d.EmailTraffic);
    printTable(out, CliStats::tr("Spam Deleted"), ChartData::SpamDeletedColumns(), d.SpamDeleted);
    printSlots(out, CliStats::tr("Day of week"), d.DayOfWeekLabels(), d.DayOfWeek);
    printSlots(out, CliStats::tr("Hour of day"), d.HourOfDayLabels(), d.HourOfDay);
    out << '\n' << CliStats::tr("Day by day") << '\n';
    const std::pair<QString, const QList<DayPoint>*> series[] = {
        {CliStats::tr("E-mail Check"), &d.DayByDay.Checks},
        {CliStats::tr("Number Found"), &d.DayByDay.Found},
        {CliStats::tr("Number Deleted"), &d.DayByDay.Deleted}};
    for (const auto& [name, points] : series) {
        for (const DayPoint& p : *points)
            out << name << '\t' << p.Date.toString(Qt::ISODate) << '\t' << p.Value << '\n';
    }
    out << '\n'
        << CliStats::tr("% Deleted") << '\n'
        << CliStats::tr("Normal E-mail") << '\t' << d.Pie.Normal << '\n'
        << CliStats::tr("Spam Deleted") << '\t' << d.Pie.Deleted << '\n';
    const std::pair<QString, const QList<TallyEntry>*> tallies[] = {
        {CliStats::tr("Top 10 Spam Domains"), &d.TopDomains},
        {CliStats::tr("Top 10 Spammers"), &d.TopSpammers}};
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
    const QString path = o.log.isEmpty() ? StoredLogPath(Clock::current().now().date()) : o.log;
    ChartData data(LogReader(locale, clock).readInLogFile(path), locale, clock);

    if (o.mailbox) {
        const QStringList& list = data.Records().Mailboxes;
        data.SelectedMailbox = -1;
        for (int i = 0; i < list.size() && data.SelectedMailbox < 0; ++i) {
            if (list[i].compare(*o.mailbox, Qt::CaseInsensitive) == 0) data.SelectedMailbox = i;
        }
        if (data.SelectedMailbox < 0) {
            cliErr()
                << CliStats::tr("stats: the activity log has no mailbox \"%1\"").arg(*o.mailbox)
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
            QT_TRANSLATE_NOOP("CliCommand", "[--log FILE] [--mailbox NAME] [--between DATE DATE | "
                                            "--months N | --days N] [--json]"),
            QT_TRANSLATE_NOOP("CliCommand", "statistics of the activity log: tables, charts' "
                                            "series, spam share, top ten (dates as 2026-12-08)"),
            run);
} // namespace
