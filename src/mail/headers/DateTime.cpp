#include "mail/headers/DateTime.h"

#include <cmath>

namespace {

constexpr qint64 kMsecsPerDay = 86400000;
// About 27,000 years either side: beyond it the day count is not a date.
constexpr double kMaxDays = 1e7;

const QDate& dayZero() {
    static const QDate zero(1899, 12, 30);
    return zero;
}

// When in milliseconds: whole days and the time of day, the day rounded towards zero.
bool split(TDateTime When, qint64& days, qint64& msecs) {
    if (!std::isfinite(When) || std::abs(When) > kMaxDays) return false;
    const qint64 total = std::llround(When * double(kMsecsPerDay));
    days = total / kMsecsPerDay;
    msecs = std::abs(total % kMsecsPerDay);
    return true;
}

} // namespace

TDateTime EncodeDateTime(const QDate& Date, const QTime& Time) {
    const double days = double(dayZero().daysTo(Date));
    const double fraction = Time.isValid() ? Time.msecsSinceStartOfDay() / double(kMsecsPerDay) : 0;
    return days >= 0 ? days + fraction : days - fraction;
}

QDate DateOf(TDateTime When) {
    qint64 days = 0, msecs = 0;
    return split(When, days, msecs) ? dayZero().addDays(days) : QDate();
}

QTime TimeOf(TDateTime When) {
    qint64 days = 0, msecs = 0;
    return split(When, days, msecs) ? QTime::fromMSecsSinceStartOfDay(int(msecs)) : QTime();
}

QDateTime DateTimeToQDateTime(TDateTime When) {
    if (When == 0) return {};
    const QDate date = DateOf(When);
    if (!date.isValid()) return {};
    return QDateTime(date, TimeOf(When));
}

TDateTime QDateTimeToDateTime(const QDateTime& When) {
    if (!When.isValid()) return 0;
    return EncodeDateTime(When.date(), When.time());
}
