#pragma once

#include <QDate>
#include <QDateTime>

// The statistics' date range as the date range dialog computes it.

// today moved back by months (1 to 12): the month goes back, the year with it
// when it passes January, and a day the month lacks becomes its last day
// (31 March less one month is 28 or 29 February).
QDate decrementMonths(const QDate& today, int months);

// The three ways of choosing a range.
struct DateRangeChoice {
    enum Kind { Between, Months, Days };
    Kind kind = Between;
    QDate start, end; // Between
    int months = 1;   // Months: 1 to 12
    int days = 1;     // Days: 1 to 365
};

// A computed range, both ends included.
struct DateRange {
    QDateTime start;
    QDateTime end;
};

// The range of a choice on the given day, all at 00:00: between two dates; the
// previous months (from today moved back to today); the previous days (from
// today less that many days to today).
DateRange computeStartEnd(const DateRangeChoice& choice, const QDate& today);
