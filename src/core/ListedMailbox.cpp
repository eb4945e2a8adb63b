#include "core/ListedMailbox.h"

#include "mail/pop3/RemotePOP.h"

ListedMailbox::ListedMailbox(TmsRemotePOP& client) : m_client(client) {}

bool ListedMailbox::holds(const MailboxConfig& box) const {
    return box.Server.compare(m_client.Server, Qt::CaseInsensitive) == 0 &&
           box.UserName == m_client.UserName;
}

void ListedMailbox::load(int n, const MailboxConfig& mailbox) {
    if (!holds(mailbox)) {
        clear();
        m_client.RemoteInfo.Clear();
        // A connection kept for the old mailbox is dropped without signing off:
        // nothing was asked of it that the server should commit.
        if (m_client.Connected()) m_client.Close();
    }
    // A connection kept under another protection goes the same way.
    if (m_client.Connected() && (m_client.Security != mailbox.Security ||
                                 m_client.TrustedFingerprint != mailbox.TrustedCert))
        m_client.Close();
    m_client.Server = mailbox.Server;
    m_client.UserName = mailbox.UserName;
    m_client.Password = mailbox.Password;
    m_client.SignIn = mailbox.SignIn;
    m_client.Security = mailbox.Security;
    m_client.TrustedFingerprint = mailbox.TrustedCert;
    m_slot = n;
}

void ListedMailbox::clear() {
    if (m_rows.isEmpty()) return;
    m_rows.clear();
    if (OnCleared) OnCleared();
}

bool ListedMailbox::append(int index, const MessageRow& row) {
    if (index != m_rows.size()) return false;
    m_rows.append(row);
    return true;
}
