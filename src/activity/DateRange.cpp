#include "activity/DateRange.h"

QDate decrementMonths(const QDate& today, int months) {
    int year = today.year();
    int month = today.month() - months;
    if (month <= 0) {
        month += 12;
        --year;
    }
    int day = today.day();
    while (day > 1 && !QDate(year, month, day).isValid())
        --day;
    return QDate(year, month, day);
}

DateRange computeStartEnd(const DateRangeChoice& choice, const QDate& today) {
    const auto midnight = [](const QDate& d) { return QDateTime(d, QTime(0, 0)); };
    switch (choice.kind) {
    case DateRangeChoice::Months:
        return {midnight(decrementMonths(today, choice.months)), midnight(today)};
    case DateRangeChoice::Days:
        return {midnight(today.addDays(-choice.days)), midnight(today)};
    case DateRangeChoice::Between:
        break;
    }
    return {midnight(choice.start), midnight(choice.end)};
}
