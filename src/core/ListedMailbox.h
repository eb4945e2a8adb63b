#pragma once

#include "core/MessageRow.h"
#include "settings/MailboxConfig.h"

#include <QList>
#include <QString>
#include <functional>

class TmsRemotePOP;

// The rows of the main list, the slot they were listed from and the mailbox the
// POP3 client holds, kept in step. Rows address messages by position, so a row
// is only ever paired with the mailbox it came from: giving the client another
// mailbox empties the list first, and a row is added only as the next message
// of the client's own listing. Nothing else sets the client's mailbox.
class ListedMailbox {
public:
    explicit ListedMailbox(TmsRemotePOP& client);

    const QList<MessageRow>& rows() const { return m_rows; }
    // The rows for the classifier and the mark commands: their marks may change,
    // never their number or order.
    QList<MessageRow>& markableRows() { return m_rows; }
    // The slot whose mailbox the client holds (and the rows come from); 0 before
    // the first one.
    int slot() const { return m_slot; }

    // Gives the client slot n's mailbox. When that is another mailbox than the
    // one the rows came from (another server or user name), the list is emptied
    // and the client forgets its message list and closes a connection it kept.
    void load(int n, const MailboxConfig& mailbox);
    // Whether box is the mailbox the client holds.
    bool holds(const MailboxConfig& box) const;

    // Empties the list.
    void clear();
    // Adds the row of message index of the client's listing: only the next one
    // (index equal to the number of rows) is taken, so that no row names another
    // message. Returns whether it was added.
    bool append(int index, const MessageRow& row);

    // Called after the list was emptied.
    std::function<void()> OnCleared;

private:
    TmsRemotePOP& m_client;
    QList<MessageRow> m_rows;
    int m_slot = 0;
};
