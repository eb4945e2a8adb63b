#include "mail/pop3/Pop3Client.h"

#include "mail/Exceptions.h"

Pop3Client::Pop3Client() {
    // Each announcement of the POP3 dialogue goes to the listener as it happens.
    const auto tell = [this](auto call) {
        return [this, call](auto&&... args) {
            if (m_listener) call(*m_listener, args...);
        };
    };
    m_pop.OnOpen = tell([](MailClientListener& l, QObject*) { l.opening(); });
    m_pop.OnUpdatingInfo = tell([](MailClientListener& l, QObject*) { l.listing(); });
    m_pop.OnNextInfoUpdated = [this](QObject*, int index) {
        if (m_listener) m_listener->listed(index, m_pop.MessageCount);
    };
    m_pop.OnInfoUpdated = tell([](MailClientListener& l, QObject*) { l.listEnded(); });
    m_pop.OnTransferringData = tell([](MailClientListener& l, QObject*) { l.transferring(); });
    m_pop.OnDataTransfered = tell([](MailClientListener& l, QObject*) { l.transferred(); });
    m_pop.OnDeleting = tell([](MailClientListener& l, QObject*, int n) { l.removing(n); });
    m_pop.OnDeleted = tell([](MailClientListener& l, QObject*, int n) { l.removed(n); });
    m_pop.OnDeleteRefused = tell([](MailClientListener& l, QObject*, int n) { l.removeRefused(n); });
    m_pop.OnRetrieving = tell([](MailClientListener& l, QObject*, int n) { l.fetching(n); });
    m_pop.OnRetrieved = tell([](MailClientListener& l, QObject*, int n) { l.fetched(n); });
    m_pop.OnClosing = tell([](MailClientListener& l, QObject*) { l.closing(); });
    m_pop.OnClosed = tell([](MailClientListener& l, QObject*) { l.closed(); });
    m_pop.OnCancel = tell([](MailClientListener& l, QObject*) { l.canceled(); });
    m_pop.OnError = tell([](MailClientListener& l, QObject*, QString& text) { l.failed(text); });
    // A fetched message is handed back to the caller, never written here.
    m_pop.OnUserMessageSave = [this](QObject*, int, const QByteArray& contents) {
        m_fetched = contents;
    };
}

Pop3Client::~Pop3Client() {
    // Closing on the way out announces nothing to a listener that may be gone.
    m_listener = nullptr;
}

void Pop3Client::setAccount(const MailAccount& account) {
    const bool sameMailbox = account.Server.compare(m_account.Server, Qt::CaseInsensitive) == 0 &&
                             account.UserName == m_account.UserName;
    if (!sameMailbox) {
        m_pop.RemoteInfo.Clear();
        // A connection kept for the old mailbox is dropped without signing off:
        // nothing was asked of it that the server should commit.
        if (m_pop.Connected()) m_pop.Close();
    }
    // A connection kept under another protection goes the same way.
    if (m_pop.Connected() && (account.Security != m_account.Security ||
                              account.TrustedFingerprint != m_account.TrustedFingerprint))
        m_pop.Close();
    m_account = account;
    m_pop.useAccount(account);
}

void Pop3Client::setAccessTokenSource(std::function<QString(bool renew)> source) {
    m_pop.OnAccessToken = std::move(source);
}

void Pop3Client::list() {
    m_pop.UpdateInfo();
}

void Pop3Client::unmarkAll() {
    for (int i = 0; i < m_pop.RemoteInfo.Count(); ++i)
        m_pop.Unmark(i);
}

QByteArray Pop3Client::fetch(int index) {
    // Only this message is fetched: no mark from elsewhere may make the
    // transfer fetch or delete another one.
    unmarkAll();
    if (index < 0 || index >= m_pop.RemoteInfo.Count()) return {};
    m_pop.MarkRetrieve(index);
    m_fetched.clear();
    try {
        m_pop.TransferData();
    } catch (...) {
        unmarkAll();
        throw;
    }
    unmarkAll();
    return std::exchange(m_fetched, QByteArray());
}

void Pop3Client::remove(const QList<int>& indexes) {
    unmarkAll();
    for (int i : indexes)
        if (i >= 0 && i < m_pop.RemoteInfo.Count()) m_pop.MarkDelete(i);
    try {
        m_pop.TransferData();
    } catch (...) {
        unmarkAll();
        throw;
    }
    unmarkAll();
}

void Pop3Client::signOff() {
    if (m_pop.Connected()) m_pop.Disconnect();
}
