#include "activity/LogNaming.h"

LogNaming LogNamingFrom(bool /*asis*/, bool month, bool quarter) {
    if (quarter) return LogNaming::Quarter;
    if (month) return LogNaming::Month;
    return LogNaming::AsIs;
}

QString MonthLogName(const QDate& day, const QLocale& locale) {
    return locale.monthName(day.month(), QLocale::ShortFormat) +
           day.toString(QStringLiteral("yy")) + QStringLiteral(".txt");
}

QString QuarterLogName(const QDate& day) {
    return QStringLiteral("Q%1_").arg((day.month() - 1) / 3 + 1) +
           day.toString(QStringLiteral("yy")) + QStringLiteral(".txt");
}

QString LogFolderPart(const QString& path) {
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString JoinLogPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    if (folder.endsWith(u'/')) return folder + name;
    return folder + u'/' + name;
}

QString CurrentLogPath(const QString& path, LogNaming naming, const QDate& today,
                       const QString& defaultPath, const QLocale& locale) {
    QString current = path.isEmpty() ? defaultPath : path;
    if (naming == LogNaming::Month)
        current = JoinLogPath(LogFolderPart(current), MonthLogName(today, locale));
    else if (naming == LogNaming::Quarter)
        current = JoinLogPath(LogFolderPart(current), QuarterLogName(today));
    return current;
}
