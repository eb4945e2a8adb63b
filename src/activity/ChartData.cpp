#include "activity/ChartData.h"

#include "activity/LogStamp.h"
#include "mail/Exceptions.h"
#include "settings/Clock.h"

#include <QCoreApplication>
#include <limits>

namespace {
constexpr int kDays = 7;
constexpr int kSlots = 48;

SlotSeries zeroSeries(int n) {
    return {QList<qint64>(n, 0), QList<qint64>(n, 0), QList<qint64>(n, 0)};
}

int slotOfTime(const QTime& t) {
    return 2 * t.hour() + (t.minute() >= 30 ? 1 : 0);
}

// 0 for Sunday to 6 for Saturday.
int weekdayIndex(const QDate& d) {
    return d.dayOfWeek() % 7;
}

bool equalAsciiUpper(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= u'a' && x <= u'z') x -= 32;
        if (y >= u'a' && y <= u'z') y -= 32;
        if (x != y) return false;
    }
    return true;
}

QList<TallyEntry> bars(const QStringList& values) {
    QList<TallyEntry> out;
    for (TallyEntry& e : TopTen(values)) {
        if (!e.Value.isEmpty()) out.append(std::move(e));
    }
    return out;
}
} // namespace

CountAxis CountAxisFor(qint64 largest, bool room) {
    constexpr qint64 kMostSteps = 8;
    largest = qMax<qint64>(0, largest);
    for (qint64 power = 1; power <= std::numeric_limits<qint64>::max() / 50; power *= 10) {
        for (const qint64 times : {1, 2, 5}) {
            const qint64 step = times * power;
            const qint64 steps =
                room ? largest / step + 1 : qMax<qint64>(1, (largest + step - 1) / step);
            if (steps <= kMostSteps) return {steps * step, step};
        }
    }
    return {largest, largest};
}

qint64 WholeNumber(const QString& text) {
    bool ok = false;
    const qint64 n = text.toLongLong(&ok, 10);
    if (!ok)
        throw EConvertError(
            TrText::translate("ChartData", "'%1' is not a valid integer value").arg(text));
    return n;
}

ChartData::ChartData(ActivityRecords records, const QLocale& locale, const Clock& clock)
    : m_records(std::move(records)), m_locale(locale), m_clock(clock) {
    setRange(QDateTime(QDate(1998, 1, 1), QTime(0, 0)), m_clock.now());
    DayOfWeek = zeroSeries(kDays);
    HourOfDay = zeroSeries(kSlots);
}

ChartData::ChartData(ActivityRecords records)
    : ChartData(std::move(records), QLocale(), Clock::current()) {}

QStringList ChartData::EmailTrafficColumns() {
    return {QCoreApplication::translate("ChartData", "Date"),
            QCoreApplication::translate("ChartData", "Time"),
            QCoreApplication::translate("ChartData", "Server"),
            QCoreApplication::translate("ChartData", "Mailbox"),
            QCoreApplication::translate("ChartData", "# Mail")};
}

QStringList ChartData::SpamDeletedColumns() {
    return {QCoreApplication::translate("ChartData", "Date"),
            QCoreApplication::translate("ChartData", "Time"),
            QCoreApplication::translate("ChartData", "Server"),
            QCoreApplication::translate("ChartData", "Mailbox"),
            QCoreApplication::translate("ChartData", "Size"),
            QCoreApplication::translate("ChartData", "Sender"),
            QCoreApplication::translate("ChartData", "Domain")};
}

void ChartData::setRange(const QDateTime& start, const QDateTime& end) {
    m_start = start;
    m_end = end;
    m_startMs = start.toMSecsSinceEpoch();
    m_endMs = end.toMSecsSinceEpoch();
}

ChartData::Moment ChartData::Moment::of(const QDateTime& at) {
    return {true, at.date(), at.time(), at.toMSecsSinceEpoch()};
}

ChartData::Moment ChartData::now() const {
    return m_passNow.valid ? m_passNow : Moment::of(m_clock.now());
}

// Holds "now" still for one pass over the records: the clock is read (and local
// time worked out) once, not once for every record whose date or time cannot be
// read.
class ChartData::Pass {
public:
    explicit Pass(const ChartData& data) : m_data(data) {
        m_data.m_passNow = Moment::of(m_data.m_clock.now());
    }
    ~Pass() { m_data.m_passNow = Moment(); }

private:
    const ChartData& m_data;
};

const ChartData::DateInfo& ChartData::dateOf(const QString& text) const {
    auto it = m_dates.constFind(text);
    if (it == m_dates.cend()) {
        DateInfo info;
        info.date = ReadLogDate(text, m_locale);
        info.readable = info.date.isValid();
        if (info.readable) info.msecs = QDateTime(info.date, QTime(0, 0)).toMSecsSinceEpoch();
        it = m_dates.insert(text, info);
    }
    return *it;
}

QDate ChartData::dayOf(const QString& dateText) const {
    const DateInfo& info = dateOf(dateText);
    return info.readable ? info.date : now().date;
}

int ChartData::slotOf(const QString& timeText) const {
    auto it = m_slots.constFind(timeText);
    if (it == m_slots.cend()) {
        const QTime t = ReadLogTime(timeText, m_locale);
        it = m_slots.insert(timeText, t.isValid() ? slotOfTime(t) : -1);
    }
    return *it >= 0 ? *it : slotOfTime(now().time);
}

bool ChartData::inRange(const QString& dateText) const {
    const DateInfo& info = dateOf(dateText);
    const qint64 ms = info.readable ? info.msecs : now().msecs;
    return ms >= m_startMs && ms <= m_endMs;
}

bool ChartData::mailboxOK(const QString& mailbox) const {
    if (SelectedMailbox <= 0 || SelectedMailbox >= m_records.Mailboxes.size()) return true;
    return equalAsciiUpper(mailbox, m_records.Mailboxes[SelectedMailbox]);
}

bool ChartData::qMailboxOK(const QString& date, const QString& mailbox) const {
    return inRange(date) && mailboxOK(mailbox);
}

void ChartData::fillInGrids() {
    const Pass pass(*this);
    EmailTraffic.clear();
    SpamDeleted.clear();
    for (const CheckRecord& r : m_records.Checks) {
        if (qMailboxOK(r.Date, r.Mailbox))
            EmailTraffic.append({r.Date, r.Time, r.Server, r.Mailbox, r.Number});
    }
    for (const DeletionRecord& r : m_records.Deletions) {
        if (qMailboxOK(r.Date, r.Mailbox))
            SpamDeleted.append({r.Date, r.Time, r.Server, r.Mailbox, r.Size, r.Sender, r.Domain});
    }
}

void ChartData::RecomputePie() {
    const Pass pass(*this);
    PieSlices pie;
    qint64 found = 0;
    for (const QStringList& row : EmailTraffic) {
        if (inRange(row[0])) found += WholeNumber(row[4]);
    }
    for (const QStringList& row : SpamDeleted) {
        if (inRange(row[0])) ++pie.Deleted;
    }
    pie.Normal = found - pie.Deleted;
    Pie = pie;
}

void ChartData::PlotReadings() {
    const Pass pass(*this);
    DayOfWeek = zeroSeries(kDays);
    HourOfDay = zeroSeries(kSlots);
    DayByDay = DaySeries();
    TopDomains.clear();
    TopSpammers.clear();

    // Runs of consecutive passing records with the same date text.
    const QString* runDate = nullptr;
    qint64 runCount = 0, runFound = 0;
    const auto endCheckRun = [&] {
        if (!runDate) return;
        const QDate d = dayOf(*runDate);
        DayByDay.Checks.append({d, runCount});
        if (runFound > 0) DayByDay.Found.append({d, runFound});
    };
    for (const CheckRecord& r : m_records.Checks) {
        if (!qMailboxOK(r.Date, r.Mailbox)) continue;
        const qint64 n = WholeNumber(r.Number);
        const int day = weekdayIndex(dayOf(r.Date));
        const int slot = slotOf(r.Time);
        ++DayOfWeek.Checks[day];
        DayOfWeek.Found[day] += n;
        ++HourOfDay.Checks[slot];
        HourOfDay.Found[slot] += n;
        if (runDate && *runDate != r.Date) {
            endCheckRun();
            runDate = nullptr;
        }
        if (!runDate) {
            runDate = &r.Date;
            runCount = runFound = 0;
        }
        ++runCount;
        runFound += n;
    }
    endCheckRun();

    runDate = nullptr;
    runCount = 0;
    QStringList domains, senders;
    for (const DeletionRecord& r : m_records.Deletions) {
        if (!qMailboxOK(r.Date, r.Mailbox)) continue;
        ++DayOfWeek.Deleted[weekdayIndex(dayOf(r.Date))];
        ++HourOfDay.Deleted[slotOf(r.Time)];
        domains.append(r.Domain);
        senders.append(r.Sender);
        if (runDate && *runDate != r.Date) {
            DayByDay.Deleted.append({dayOf(*runDate), runCount});
            runDate = nullptr;
        }
        if (!runDate) {
            runDate = &r.Date;
            runCount = 0;
        }
        ++runCount;
    }
    if (runDate) DayByDay.Deleted.append({dayOf(*runDate), runCount});

    TopDomains = bars(domains);
    TopSpammers = bars(senders);
}

void ChartData::Redraw() {
    fillInGrids();
    RecomputePie();
    PlotReadings();
}

QString ChartData::titleFrom(const QDate& from) const {
    const int i = (SelectedMailbox >= 0 && SelectedMailbox < m_records.Mailboxes.size())
                      ? SelectedMailbox
                      : 0;
    // The records name every mailbox in English (the first entry is "All
    // mailboxes"); the title is shown in the user's language.
    const QString mailbox = i == 0 && m_records.Mailboxes.value(0) == LogReader::AllMailboxes()
                                ? QCoreApplication::translate("ChartData", "All mailboxes")
                                : m_records.Mailboxes.value(i);
    return QCoreApplication::translate("ChartData", "%1 from %2 thru %3")
        .arg(mailbox, m_locale.toString(from, QLocale::ShortFormat),
             m_locale.toString(m_end.date(), QLocale::ShortFormat));
}

QString ChartData::Title() const {
    return titleFrom(m_start.date());
}

QString ChartData::TitleLine() const {
    QDate from = m_start.date();
    const QDate first = FirstEntryDate();
    if (first.isValid() && from < first && first <= m_end.date()) from = first;
    return titleFrom(from);
}

QDate ChartData::FirstEntryDate() const {
    if (m_firstEntry) return *m_firstEntry;
    QDate first;
    const auto see = [&](const QString& text) {
        const DateInfo& info = dateOf(text);
        if (info.readable && (!first.isValid() || info.date < first)) first = info.date;
    };
    for (const CheckRecord& r : m_records.Checks)
        see(r.Date);
    for (const DeletionRecord& r : m_records.Deletions)
        see(r.Date);
    m_firstEntry = first;
    return first;
}

qint64 ChartData::largest(Chart chart) const {
    qint64 most = 0;
    const auto slotMax = [&most](const SlotSeries& s) {
        for (const QList<qint64>* values : {&s.Checks, &s.Found, &s.Deleted})
            for (qint64 v : *values)
                most = qMax(most, v);
    };
    const auto barMax = [&most](const QList<TallyEntry>& entries) {
        for (const TallyEntry& e : entries)
            most = qMax<qint64>(most, e.Count);
    };
    switch (chart) {
    case Chart::DayOfWeek:
        slotMax(DayOfWeek);
        break;
    case Chart::HourOfDay:
        slotMax(HourOfDay);
        break;
    case Chart::DayByDay:
        for (const QList<DayPoint>* points : {&DayByDay.Checks, &DayByDay.Found, &DayByDay.Deleted})
            for (const DayPoint& p : *points)
                most = qMax(most, p.Value);
        break;
    case Chart::Pie:
        most = qMax(Pie.Normal, Pie.Deleted);
        break;
    case Chart::TopDomains:
        barMax(TopDomains);
        break;
    case Chart::TopSpammers:
        barMax(TopSpammers);
        break;
    }
    return most;
}

bool ChartData::HasData(Chart chart) const {
    return largest(chart) > 0;
}

QString ChartData::NoDataText() const {
    return QCoreApplication::translate("ChartData", "No data for %1").arg(TitleLine());
}

CountAxis ChartData::AxisOf(Chart chart) const {
    // Bars may reach the top; points and the value marks beside bars need room.
    return CountAxisFor(largest(chart), chart != Chart::DayOfWeek);
}

DayAxis ChartData::DayByDayAxis() const {
    constexpr qint64 kMostTicks = 26;
    QDate first, last;
    for (const QList<DayPoint>* points : {&DayByDay.Checks, &DayByDay.Found, &DayByDay.Deleted})
        for (const DayPoint& p : *points) {
            if (!p.Date.isValid()) continue;
            if (!first.isValid() || p.Date < first) first = p.Date;
            if (!last.isValid() || p.Date > last) last = p.Date;
        }
    if (!first.isValid()) first = last = m_clock.now().date();
    DayAxis axis;
    axis.First = first.addDays(-1);
    const qint64 days = first.daysTo(last) + 2;
    // A tick a day for two weeks, else a tick every week or every few weeks.
    axis.Step = days <= 14 ? 1 : 7 * int((days + 7 * kMostTicks - 1) / (7 * kMostTicks));
    axis.Last = axis.First.addDays((days + axis.Step - 1) / axis.Step * axis.Step);
    return axis;
}

QStringList ChartData::DayOfWeekLabels() const {
    QStringList names;
    for (int d : {7, 1, 2, 3, 4, 5, 6})
        names.append(m_locale.dayName(d, QLocale::LongFormat));
    return names;
}

QStringList ChartData::HourOfDayLabels() const {
    QStringList labels;
    for (int slot = 0; slot < kSlots; ++slot)
        labels.append(m_locale.toString(QTime(slot / 2, (slot % 2) * 30), QLocale::ShortFormat));
    return labels;
}
