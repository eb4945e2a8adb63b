#include "mail/headers/MailDate.h"

#include "mail/headers/HeaderWords.h"
#include "mail/mime/Text.h"

#include <QRegularExpression>

namespace {

qsizetype firstDigit(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i)
        if (s[i] >= u'0' && s[i] <= u'9') return i;
    return -1;
}

// The month whose name occurs first in the fixed order JAN to DEC, anywhere in s.
int monthIn(const QString& s) {
    static const char* const names[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    for (int m = 0; m < 12; ++m)
        if (s.contains(QLatin1String(names[m]))) return m + 1;
    return 0;
}

QTime timeOfDay(const QString& token) {
    static const QRegularExpression form(
        QStringLiteral("^([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?$"));
    const QRegularExpressionMatch m = form.match(token);
    if (!m.hasMatch()) return {};
    return QTime(m.captured(1).toInt(), m.captured(2).toInt(),
                 m.hasCaptured(3) ? m.captured(3).toInt() : 0);
}

QString chopComma(QString token) {
    if (token.endsWith(u',')) token.chop(1);
    return token;
}

} // namespace

void ParseMailDate(const QString& Text, TDateTime& When, QString& Rest) {
    When = 0;
    Rest.clear();
    QString s = UnquoteText(Text).toUpper();
    if (s.isEmpty()) return;

    // The day of the week goes with everything before the first digit.
    qsizetype at = firstDigit(s);
    if (at < 0 || at == s.size() - 1) return;
    s = TrimBlanks(QStringView(s).mid(at));

    qsizetype space = s.indexOf(u' ');
    if (space < 0 || space == s.size() - 1) return;
    const std::optional<int> day = ParseWholeNumber(TrimBlanks(QStringView(s).left(space)));
    if (!day) return;
    s = TrimBlanks(QStringView(s).mid(space + 1));

    const int month = monthIn(s);
    if (month == 0) return;

    at = firstDigit(s);
    if (at < 0 || at == s.size() - 1) return;
    s = s.mid(at);
    qsizetype end = 0;
    while (end < s.size() && s[end] != u' ' && s[end] != u',')
        ++end;
    if (end >= s.size() - 1) return;
    // The year is a 16-bit number.
    const std::optional<int> token =
        ParseWholeNumber(chopComma(TrimBlanks(QStringView(s).left(end))));
    if (!token || *token < 0 || *token > 0xFFFF) return;
    const int year = *token <= 50 ? 2000 + *token : *token <= 99 ? 1900 + *token : *token;

    s = TrimBlanks(QStringView(s).mid(end + 1));
    space = s.indexOf(u' ');
    if (space == s.size() - 1) return;
    const QString time =
        chopComma(TrimBlanks(space < 0 ? QStringView(s) : QStringView(s).left(space)));
    if (time.isEmpty()) return;

    const QDate date(year, month, *day);
    if (!date.isValid() || year > 9999) return;
    When = EncodeDateTime(date, timeOfDay(time));
    Rest = space < 0 ? QString() : TrimBlanks(QStringView(s).mid(space + 1));
}
