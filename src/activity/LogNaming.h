#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// How the log file is named: the path as the user set it, or a file per month
// ("Dec26.txt") or per quarter ("Q4_26.txt") in the folder of that path.
enum class LogNaming { AsIs, Month, Quarter };

// The naming mode from the three stored choices ("Asis", "Month", "Quarter" of
// section "Logfile"); quarter wins over month, and neither means as-is.
LogNaming LogNamingFrom(bool asis, bool month, bool quarter);

// The month log's name: the locale's abbreviated month name, the two-digit year
// and ".txt" ("Dec26.txt").
QString MonthLogName(const QDate& day, const QLocale& locale = QLocale());

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
                       const QString& defaultPath, const QLocale& locale = QLocale());
