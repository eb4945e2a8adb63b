#pragma once

#include "activity/LogReader.h"
#include "activity/Tally.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QStringList>

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

// What the statistics window shows, computed from the records of a log: the
// mailbox and date range filter, the two tables, the chart series, the pie and
// the two top-ten tallies. No widgets.
class ChartData {
public:
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

    // The title line: the chosen mailbox, " from ", the start, " thru ", the end.
    QString Title() const;
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

    ActivityRecords m_records;
    QLocale m_locale;
    const Clock& m_clock;
    QDateTime m_start, m_end;
    qint64 m_startMs = 0, m_endMs = 0;
    mutable Moment m_passNow; // while a pass runs
    mutable QHash<QString, DateInfo> m_dates;
    mutable QHash<QString, int> m_slots;
};

// text as a whole number; throws EConvertError when it is not one.
qint64 WholeNumber(const QString& text);
