#pragma once

#include "activity/LogReader.h"
#include "activity/Tally.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QStringList>
#include <optional>

class Clock;

// Three series over fixed slots (seven weekdays, or 48 half hours): mail checks,
// messages found by them, messages deleted.
struct SlotSeries {
    QList<qint64> Checks, Found, Deleted;
};

// One point of the day-by-day chart.
struct DayPoint {
    QDate Date;
    qint64 Value = 0;
};

// The day-by-day chart: one point per run of records with the same date text.
struct DaySeries {
    QList<DayPoint> Checks, Found, Deleted;
};

// The share of deleted spam among the messages found.
struct PieSlices {
    qint64 Normal = 0;
    qint64 Deleted = 0;
};

// A count axis from 0 with a tick at every whole multiple of Step up to Max.
struct CountAxis {
    qint64 Max = 1;
    qint64 Step = 1;
    int TickCount() const { return int(Max / Step) + 1; }
};

// The axis for counts up to largest: steps of 1, 2 or 5 times a power of ten,
// at most eight of them. With room, Max lies above largest (for points and value
// marks that would sit on the plot's edge), else it is the first tick at or above it.
CountAxis CountAxisFor(qint64 largest, bool room);

// The date axis of the day-by-day chart: whole days from First to Last, a tick
// every Step days, with a day to spare on either side of the points.
struct DayAxis {
    QDate First, Last;
    int Step = 1;
    int TickCount() const { return int(First.daysTo(Last) / Step) + 1; }
};

// What the statistics window shows, computed from the records of a log: the
// mailbox and date range filter, the two tables, the chart series, the pie and
// the two top-ten tallies. No widgets.
class ChartData {
public:
    // The six charts.
    enum class Chart { DayOfWeek, HourOfDay, DayByDay, Pie, TopDomains, TopSpammers };

    // The statistics of records; the range runs from 1 January 1998 to the clock's now.
    ChartData(ActivityRecords records, const QLocale& locale, const Clock& clock);
    explicit ChartData(ActivityRecords records);

    // The columns of the two tables.
    static QStringList EmailTrafficColumns();
    static QStringList SpamDeletedColumns();

    // The records and the mailboxes to choose from ("All mailboxes" first).
    const ActivityRecords& Records() const { return m_records; }
    // The chosen entry of Records().Mailboxes; 0 is "All mailboxes".
    int SelectedMailbox = 0;

    // The range, both ends included.
    const QDateTime& StartDate() const { return m_start; }
    const QDateTime& EndDate() const { return m_end; }
    void setRange(const QDateTime& start, const QDateTime& end);

    // Whether a record with this date text and mailbox passes the filter: its
    // date (unreadable: the clock's now) lies in the range, and it belongs to the
    // chosen mailbox (compared in ASCII upper case) or all mailboxes are chosen.
    bool qMailboxOK(const QString& date, const QString& mailbox) const;

    // Fills the "Email traffic" and "Spam Deleted" tables with the passing records.
    void fillInGrids();
    // Computes the pie from the tables' rows whose date lies in the range.
    // Throws EConvertError for a "# Mail" that is not a whole number.
    void RecomputePie();
    // Computes every chart series and the tallies from the passing records.
    // Throws EConvertError for a check whose number is not a whole number,
    // keeping what was counted before it.
    void PlotReadings();
    // fillInGrids, RecomputePie and PlotReadings, in that order.
    void Redraw();

    // The chosen mailbox, " from ", the start, " thru ", the end.
    QString Title() const;
    // The window's title line: Title(), but a range that starts before the log's
    // first entry is shown from that entry's date.
    QString TitleLine() const;
    // The date of the log's earliest readable record (invalid when it has none).
    QDate FirstEntryDate() const;
    // Whether chart has something to draw after PlotReadings and RecomputePie: a
    // count above 0, a point, a slice or a bar.
    bool HasData(Chart chart) const;
    // What a chart without data says instead: "No data for " and the title line.
    QString NoDataText() const;
    // The value axis of each chart that counts (not the pie), fitted to its largest count.
    CountAxis AxisOf(Chart chart) const;
    // The date axis of the day-by-day chart (around today when it has no points).
    DayAxis DayByDayAxis() const;
    // The locale's full day names, Sunday first.
    QStringList DayOfWeekLabels() const;
    // The start of each half hour in the locale's short time format.
    QStringList HourOfDayLabels() const;

    QList<QStringList> EmailTraffic;
    QList<QStringList> SpamDeleted;
    SlotSeries DayOfWeek;
    SlotSeries HourOfDay;
    DaySeries DayByDay;
    PieSlices Pie;
    // The bars of the two tallies (candidates with an empty value draw none).
    QList<TallyEntry> TopDomains;
    QList<TallyEntry> TopSpammers;

private:
    struct DateInfo {
        bool readable = false;
        QDate date;
        qint64 msecs = 0; // 00:00 of date
    };
    // A moment taken apart once: reading a local date-time's parts is costly.
    struct Moment {
        bool valid = false;
        QDate date;
        QTime time;
        qint64 msecs = 0;
        static Moment of(const QDateTime& at);
    };
    class Pass;
    Moment now() const;
    const DateInfo& dateOf(const QString& text) const;
    QDate dayOf(const QString& dateText) const;
    int slotOf(const QString& timeText) const;
    bool inRange(const QString& dateText) const;
    bool mailboxOK(const QString& mailbox) const;
    qint64 largest(Chart chart) const;
    QString titleFrom(const QDate& from) const;

    ActivityRecords m_records;
    QLocale m_locale;
    const Clock& m_clock;
    QDateTime m_start, m_end;
    qint64 m_startMs = 0, m_endMs = 0;
    mutable Moment m_passNow; // while a pass runs
    mutable QHash<QString, DateInfo> m_dates;
    mutable QHash<QString, int> m_slots;
    mutable std::optional<QDate> m_firstEntry; // the records never change
};

// text as a whole number; throws EConvertError when it is not one.
qint64 WholeNumber(const QString& text);
