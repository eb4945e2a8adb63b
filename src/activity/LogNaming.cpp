#include "activity/LogNaming.h"

#include "settings/AppPaths.h"
#include "settings/SettingsStore.h"

LogNaming LogNamingFrom(bool /*asis*/, bool month, bool quarter) {
    if (quarter) return LogNaming::Quarter;
    if (month) return LogNaming::Month;
    return LogNaming::AsIs;
}

QString MonthLogName(const QDate& day) {
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return QLatin1String(months[day.month() - 1]) + day.toString(QStringLiteral("yy")) +
           QStringLiteral(".txt");
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
                       const QString& defaultPath) {
    QString current = path.isEmpty() ? defaultPath : path;
    if (naming == LogNaming::Month)
        current = JoinLogPath(LogFolderPart(current), MonthLogName(today));
    else if (naming == LogNaming::Quarter)
        current = JoinLogPath(LogFolderPart(current), QuarterLogName(today));
    return current;
}

QString DefaultLogPath() {
    return AppPaths::appFile(QStringLiteral("logfile.txt"));
}

QString StoredLogPath(const QDate& today) {
    const SettingsGroup tree(SettingsStore::tree());
    const QString section = QStringLiteral("Logfile");
    const LogNaming naming =
        LogNamingFrom(tree.ReadBool(section, QStringLiteral("Asis"), true),
                      tree.ReadBool(section, QStringLiteral("Month"), false),
                      tree.ReadBool(section, QStringLiteral("Quarter"), false));
    return CurrentLogPath(tree.ReadString(QStringLiteral("General"), QStringLiteral("Logfile"), {}),
                          naming, today, DefaultLogPath());
}
