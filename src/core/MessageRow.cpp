#include "core/MessageRow.h"

#include "activity/LogStamp.h"
#include "mail/headers/Headers.h"
#include "mail/headers/MailAddress.h"
#include "mail/headers/MailDate.h"

#include <QDateTime>
#include <QLocale>

namespace {

// The locale's time with seconds, as written in the list: its long time format
// without the time zone (the Date header's zone is not applied).
QString listTimeFormat() {
    const QString format = QLocale().timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u't') continue;
        out += c;
    }
    return out.simplified();
}

} // namespace

QString listDateFormat() {
    return fix2000(QLocale().dateFormat(QLocale::ShortFormat)) + u' ' + listTimeFormat();
}

MessageRow messageRowFor(const TmsHeaders& headers, qint64 size, const QString& dateFormat) {
    MessageRow row;
    row.Subject = headers.GetFieldValue(QStringLiteral("Subject"));
    QString name;
    SplitMailAddress(headers.GetFieldValue(QStringLiteral("From")), row.Sender, name);
    row.Size = QString::number(size);
    const QString date = headers.GetFieldValue(QStringLiteral("Date"));
    TDateTime when = 0;
    QString zone;
    ParseMailDate(date, when, zone);
    const QDateTime at = when != 0 ? DateTimeToQDateTime(when) : QDateTime();
    row.Date = at.isValid() ? QLocale().toString(at, dateFormat) : date;
    row.Mark = NoMark;
    return row;
}
