#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// A date and time as a day count: whole days since 30 December 1899 plus the
// fraction of the day (before that day the fraction counts forward from the
// whole day: -1.25 is 29 December 1899, 06:00). 0 stands for a missing date.
using TDateTime = double;

// The day count of Date at Time; an invalid Time counts as midnight.
TDateTime EncodeDateTime(const QDate& Date, const QTime& Time = QTime(0, 0));
// The calendar day of When; invalid when When is not a finite day count within the calendar.
QDate DateOf(TDateTime When);
// The time of day of When, to the millisecond.
QTime TimeOf(TDateTime When);

// When as a local date and time; an invalid QDateTime for 0 (a missing date).
QDateTime DateTimeToQDateTime(TDateTime When);
// The day count of When's own date and time; 0 for an invalid QDateTime.
TDateTime QDateTimeToDateTime(const QDateTime& When);
