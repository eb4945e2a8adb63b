#pragma once

#include "mail/headers/Headers.h"

#include <QList>
#include <QString>

// One message found on disk, by its header.
struct FoundMessage {
    QString where; // the file, with "#N" (from 1) for the Nth message of a mailbox file
    TmsHeaders headers;
};

// Reads the messages of each path: a message file, a mailbox file (messages
// separated by "From " lines) or a folder (a Maildir's cur and new, or else each
// file in it). Only the header of each message is kept. Returns false and sets
// error at the first path that cannot be read.
bool readMessages(const QStringList& paths, QList<FoundMessage>& found, QString& error);
