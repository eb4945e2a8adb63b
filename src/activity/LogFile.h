#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QStringList>

class Prompter;

// The activity log as it is written: one handle that is open only while entries
// are written. A one-line entry is written as OpenLogFile, WriteLogLine,
// CloseLogFile (AppendLogEntry); a deletion opens the log once, writes a block
// for each message and closes it when the server is done.
class LogFile {
public:
    // A path that is empty or made only of spaces, CR, LF and backspaces.
    static bool IsBlank(const QString& path);

    // Opens path for appending, creating it when missing. Does nothing when the
    // log is already open or the path is blank. Throws EFileError when the file
    // cannot be opened; the log then stays closed.
    void OpenLogFile(const QString& path);

    // Appends text and CR LF when the log is open; does nothing when it is
    // closed. Throws EFileError when the write fails.
    void WriteLogLine(const QString& text);

    // Writes each of lines as by WriteLogLine.
    void WriteLogLines(const QStringList& lines);

    // Closes the log, everything written being in the file; nothing when closed.
    void CloseLogFile();

    // Whether the log is open.
    bool IsOpen() const { return m_file.isOpen(); }

    // The file of the open log, or empty.
    QString FileName() const { return m_file.isOpen() ? m_file.fileName() : QString(); }

    // "Clear log file": asks whether to lose the statistics of the log at path and
    // deletes the file on Yes. Returns whether the user answered Yes.
    static bool ClearLogFile(const QString& path, Prompter& prompter);

    // The error shown when the log cannot be opened for viewing.
    static QString ViewFailedText() {
        return QCoreApplication::translate("LogFile", "Unable to open log file. ");
    }

    // One entry as open, write, close: a blank path writes nothing. When the log
    // is open already (a deletion holds it), the entry goes there and the log
    // stays open.
    void AppendLogEntry(const QString& path, const QString& text);

private:
    QFile m_file;
};
