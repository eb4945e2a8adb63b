#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

class Clock;
class QIODevice;

// One mail check entry read back. Every field is text, trimmed.
struct CheckRecord {
    QString Number;
    QString Mailbox;
    QString Server;
    QString Date;
    QString Time;
};

// One deleted-message block read back. Every field is text, trimmed; the sender
// is in lower case and the domain is the part of it after its first "@".
struct DeletionRecord {
    QString Mailbox;
    QString Server;
    QString Date;
    QString Time;
    QString Size;
    QString Sender;
    QString Domain;
};

// What a log holds for the statistics: both record lists in file order, and the
// mailboxes to choose from ("All mailboxes", then each user name of a mail check
// entry in order of first appearance, without duplicates regardless of case).
struct ActivityRecords {
    QList<CheckRecord> Checks;
    QList<DeletionRecord> Deletions;
    QStringList Mailboxes;
};

// Reads an activity log back into records. Error, cancellation and
// automatic-mode entries and every other line are skipped.
class LogReader {
public:
    // The first entry of the mailbox list.
    static QString AllMailboxes();
    // The failures of readInLogFile.
    static QString MissingFileText();
    static QString UnreadableFileText();

    // Reads with the locale's forms; the clock gives the time of a line without one.
    explicit LogReader(const QLocale& locale = QLocale());
    LogReader(const QLocale& locale, const Clock& clock);

    // Called before each line is read with the bytes "read so far" (sixty per
    // line, at most the size) and the file's size.
    std::function<void(qint64 position, qint64 size)> OnProgress;

    // Reads the log file at path. Throws EFileError with MissingFileText() when
    // it does not exist and UnreadableFileText() when it cannot be opened.
    ActivityRecords readInLogFile(const QString& path);

    // Reads the log from an open device.
    ActivityRecords read(QIODevice& device, qint64 size = 0);

private:
    QLocale m_locale;
    const Clock& m_clock;
};
