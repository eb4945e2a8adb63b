#pragma once

#include <QDate>
#include <QString>

// How the log file is named: the path as the user set it, or a file per month
// ("Dec26.txt") or per quarter ("Q4_26.txt") in the folder of that path.
enum class LogNaming { AsIs, Month, Quarter };

// The naming mode from the three stored choices ("Asis", "Month", "Quarter" of
// section "Logfile"); quarter wins over month, and neither means as-is.
LogNaming LogNamingFrom(bool asis, bool month, bool quarter);

// The month log's name: the English three-letter month, the two-digit year and
// ".txt" ("Dec26.txt"). The same in every locale, so that a change of locale
// never splits one month's entries over two files.
QString MonthLogName(const QDate& day);

// The quarter log's name: "Q1_" to "Q4_", the two-digit year and ".txt" ("Q4_26.txt").
QString QuarterLogName(const QDate& day);

// The folder part of path: everything up to and including its last "/", or empty.
QString LogFolderPart(const QString& path);

// A folder and a file name joined: an empty folder gives the name alone, a folder
// ending in "/" is followed directly by the name, any other gets a "/" between.
QString JoinLogPath(const QString& folder, const QString& name);

// The log path brought up to date on the given day: an empty path becomes
// defaultPath ("logfile.txt" in the application folder), then the month or
// quarter mode names the file of that day in the path's folder.
QString CurrentLogPath(const QString& path, LogNaming naming, const QDate& today,
                       const QString& defaultPath);

// "logfile.txt" in the application folder: the log when no path is set.
QString DefaultLogPath();

// The log the program writes to on the given day, from the settings tree: the
// stored path ("Logfile" of "General", DefaultLogPath when empty) named by the
// stored naming mode (section "Logfile").
QString StoredLogPath(const QDate& today);
