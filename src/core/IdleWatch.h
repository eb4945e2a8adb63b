#pragma once

#include "mail/MailClient.h"
#include "mail/oauth/OAuth2.h"

#include <QList>
#include <QObject>
#include <QSet>

class ImapIdle;

// Automatic mode's watch on IMAP mailboxes. While it is active, each IMAP
// mailbox slot in use whose server offers IDLE is watched on a connection of
// its own, one per mailbox and folder (slots that name the same one share it,
// under the first of them). New mail there wakes the slot: woken slots are
// kept until taken, so that none is lost while another operation runs.
// Secrets are read without a prompt; a slot whose keyring is locked is not
// watched (its countdown check stays).
class IdleWatch : public QObject {
    Q_OBJECT
public:
    explicit IdleWatch(QObject* parent = nullptr);
    ~IdleWatch() override;

    // Watches the mailboxes as stored now (true), or closes every watch. A
    // watch already running is left as it is.
    void setActive(bool active);
    bool active() const { return m_active; }
    // While active: reads the mailboxes again, watches anew those that
    // changed and closes those no longer IMAP or in use.
    void reload();
    // The slots watched now (IDLE running), ascending.
    QList<int> watching() const;
    // Whether a slot woke and was not taken yet.
    bool hasWakeUps() const { return !m_woken.isEmpty(); }
    // The slots that woke, ascending, each once; forgotten here.
    QList<int> takeWakeUps();
    // Keeps slot woken, as one taken and not swept.
    void wokeAgain(int slot) { m_woken.insert(slot); }
    // Pauses before a dropped connection is made again (5 s doubling to 5
    // minutes unless set).
    void setBackOff(int firstMs, int mostMs);

Q_SIGNALS:
    // New mail arrived in the mailbox of slot.
    void wokeUp(int slot);
    // A watch started or ended.
    void watchingChanged();

private:
    struct Watch {
        int slot = 0;
        MailAccount account;
        OAuth2Settings oauth2;
        ImapIdle* idle = nullptr;
    };
    QList<Watch> wanted() const;
    void begin(Watch& watch);
    void end(Watch& watch);

    bool m_active = false;
    QList<Watch> m_watches;
    QSet<int> m_woken;
    int m_firstBackOffMs = 5000;
    int m_mostBackOffMs = 5 * 60 * 1000;
};
