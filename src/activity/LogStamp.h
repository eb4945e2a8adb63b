#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>

class Clock;

// The time stamp of every log entry and the ways the log's dates and times are
// read back. The stamp is "ddd ddddd t": a three-letter day name, a date without
// spaces and the locale's short time. Where the locale cannot give one of these
// forms the stamp uses a fixed one instead (the English day name, yyyy-MM-dd,
// 24-hour HH:mm), so that every stamp written reads back.

// The short date format with a four-digit year: a second "yy" is inserted at the
// first "yy" when the format has no "yyyy" ("M/d/yy" gives "M/d/yyyy").
QString fix2000(const QString& dateFormat);

// The locale's short date format with a four-digit year.
QString LogDateFormat(const QLocale& locale = QLocale());

// The stamp for the moment at, in the given locale.
QString LogStamp(const QDateTime& at, const QLocale& locale = QLocale());

// A log date text read as a date: the locale's short date (with a four-digit
// year) or yyyy-MM-dd. Invalid when it is neither.
QDate ReadLogDate(QStringView text, const QLocale& locale = QLocale());

// A log time text read as a time: the locale's short or long time format, or the
// 24-hour forms HH:mm and HH:mm:ss. Invalid when it is none of these.
QTime ReadLogTime(QStringView text, const QLocale& locale = QLocale());

// The time text of a log line: its last word when that reads as a time, else its
// last two words (a 12-hour time with its AM/PM); a line with fewer than two
// spaces gives the clock's current time in the locale's long time format.
QString LogTimeOfLine(QStringView line, const QLocale& locale, const Clock& clock);

// Text with leading and trailing blanks and control characters removed.
QString TrimField(QStringView text);
