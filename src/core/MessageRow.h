#pragma once

#include <QString>

// The mark of a message row, which is also the index of the picture it shows.
// 3 to 14 are the exception pictures (the number the exception row chose).
enum MarkState : int {
    NoMark = -1,
    CheckMark = 0,     // to be deleted
    QuestionMark = 1,  // possible spam; the user decides
    BlacklistMark = 2, // the sender is on the blacklist; to be deleted
    FirstExceptionMark = 3,
    LastExceptionMark = 14,
};

// Whether a mark means the message is deleted: the check mark or the blacklist mark.
inline bool isMarked(MarkState mark) {
    return mark == CheckMark || mark == BlacklistMark;
}

// Whether a mark is one of the exception pictures.
inline bool isExceptionMark(MarkState mark) {
    return mark >= FirstExceptionMark && mark <= LastExceptionMark;
}

// One row of the message list. Its position is the index of the message on the
// server (row i is message i+1 of the mailbox checked last).
struct MessageRow {
    QString Subject;
    QString Sender; // the bare address of "From"
    QString Size;   // octets, decimal
    QString Date;
    MarkState Mark = NoMark;
};

class TmsHeaders;

// How the list writes a message's date and time: the locale's short date with a
// four-digit year and its time with seconds.
QString listDateFormat();

// The row of a message with these header lines and size: subject, the bare
// address of "From", the size, and the date in dateFormat (the header's text
// when it cannot be read); no mark.
MessageRow messageRowFor(const TmsHeaders& headers, qint64 size, const QString& dateFormat);
