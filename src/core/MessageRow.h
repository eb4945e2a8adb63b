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
