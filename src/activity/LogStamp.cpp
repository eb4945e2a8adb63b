#include "activity/LogStamp.h"

#include "settings/Clock.h"

namespace {
const QString kIsoDate = QStringLiteral("yyyy-MM-dd");
const QString kClockTime = QStringLiteral("HH:mm");

int digit(QChar c) {
    return (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : -1;
}

// Two ASCII digits at i, or -1.
int twoDigits(QStringView s, qsizetype i) {
    const int a = digit(s[i]), b = digit(s[i + 1]);
    return (a < 0 || b < 0) ? -1 : a * 10 + b;
}

// HH:mm or HH:mm:ss, read without the locale's parser (the common case).
QTime readClockTime(QStringView s) {
    if ((s.size() != 5 && s.size() != 8) || s[2] != u':') return {};
    const int h = twoDigits(s, 0), m = twoDigits(s, 3);
    int sec = 0;
    if (s.size() == 8) {
        if (s[5] != u':') return {};
        sec = twoDigits(s, 6);
    }
    if (h < 0 || h > 23 || m < 0 || m > 59 || sec < 0 || sec > 59) return {};
    return QTime(h, m, sec);
}

bool hasDigit(QStringView s) {
    for (QChar c : s) {
        if (c.isDigit()) return true;
    }
    return false;
}

// The time text of a stamp, if the reader's time rule gives it back whole.
bool timeReadsBack(const QString& time, const QTime& at, const QLocale& locale) {
    const qsizetype space = time.indexOf(u' ');
    if (space >= 0) {
        if (time.indexOf(u' ', space + 1) >= 0) return false;
        if (ReadLogTime(QStringView(time).mid(space + 1), locale).isValid()) return false;
    }
    const QTime read = ReadLogTime(time, locale);
    return read.isValid() && read.hour() == at.hour() && read.minute() == at.minute();
}
} // namespace

QString fix2000(const QString& dateFormat) {
    if (dateFormat.contains(QLatin1String("yyyy"))) return dateFormat;
    const qsizetype at = dateFormat.indexOf(QLatin1String("yy"));
    if (at < 0) return dateFormat;
    QString fixed = dateFormat;
    fixed.insert(at, QLatin1String("yy"));
    return fixed;
}

QString LogDateFormat(const QLocale& locale) {
    return fix2000(locale.dateFormat(QLocale::ShortFormat));
}

QString LogStamp(const QDateTime& at, const QLocale& locale) {
    const QDate d = at.date();
    QString day = locale.dayName(d.dayOfWeek(), QLocale::ShortFormat);
    if (day.size() != 3 || day.contains(u' '))
        day = QLocale::c().dayName(d.dayOfWeek(), QLocale::ShortFormat);

    QString date = locale.toString(d, LogDateFormat(locale));
    if (date.isEmpty() || date.contains(u' ') || ReadLogDate(date, locale) != d)
        date = d.toString(kIsoDate);

    QString time = locale.toString(at.time(), locale.timeFormat(QLocale::ShortFormat));
    if (!timeReadsBack(time, at.time(), locale)) time = at.time().toString(kClockTime);

    return day + u' ' + date + u' ' + time;
}

QDate ReadLogDate(QStringView text, const QLocale& locale) {
    if (text.isEmpty()) return {};
    if (text.size() == 10 && text[4] == u'-' && text[7] == u'-') {
        const QDate iso = QDate::fromString(text.toString(), kIsoDate);
        if (iso.isValid()) return iso;
    }
    return locale.toDate(text.toString(), LogDateFormat(locale));
}

QTime ReadLogTime(QStringView text, const QLocale& locale) {
    const QTime clock = readClockTime(text);
    if (clock.isValid() || !hasDigit(text)) return clock;
    const QString s = text.toString();
    QTime t = locale.toTime(s, locale.timeFormat(QLocale::ShortFormat));
    if (!t.isValid()) t = locale.toTime(s, locale.timeFormat(QLocale::LongFormat));
    return t;
}

QString LogTimeOfLine(QStringView line, const QLocale& locale, const Clock& clock) {
    const qsizetype last = line.lastIndexOf(u' ');
    const qsizetype secondLast = last > 0 ? line.lastIndexOf(u' ', last - 1) : -1;
    if (secondLast < 0) return locale.toString(clock.now().time(), QLocale::LongFormat);
    const QString lastWord = TrimField(line.mid(last + 1));
    if (ReadLogTime(lastWord, locale).isValid()) return lastWord;
    return TrimField(line.mid(secondLast + 1));
}

QString TrimField(QStringView text) {
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 0x20)
        ++b;
    while (e > b && text[e - 1].unicode() <= 0x20)
        --e;
    return text.mid(b, e - b).toString();
}
