#include "core/IdleWatch.h"

#include "core/MailboxSession.h"
#include "core/TextTests.h"
#include "mail/Exceptions.h"
#include "mail/imap/ImapIdle.h"
#include "settings/MailboxConfig.h"

IdleWatch::IdleWatch(QObject* parent) : QObject(parent) {}

IdleWatch::~IdleWatch() {
    for (Watch& w : m_watches) {
        // One that is not inside its sign-in goes now; the event loop may not
        // run again to delete it later.
        if (w.idle && !w.idle->signingIn()) {
            delete w.idle;
            w.idle = nullptr;
        }
        end(w);
    }
}

void IdleWatch::setActive(bool active) {
    if (active == m_active) return;
    m_active = active;
    if (active) {
        reload();
        return;
    }
    for (Watch& w : m_watches)
        end(w);
    m_watches.clear();
    Q_EMIT watchingChanged();
}

QList<IdleWatch::Watch> IdleWatch::wanted() const {
    QList<Watch> out;
    for (int n = 1; n <= MailboxConfig::Count; ++n) {
        MailboxConfig box;
        try {
            // Nobody may be there to unlock the keyring.
            box.read(n, SecretAccess::NeverPrompt);
        } catch (const Exception&) {
            continue;
        }
        if (box.Protocol != MailProtocol::Imap || IsBlank(box.Server) || IsBlank(box.UserName))
            continue;
        Watch w;
        w.slot = n;
        w.account.Server = box.Server;
        w.account.UserName = box.UserName;
        w.account.Password = box.Password;
        w.account.SignIn = box.SignIn;
        w.account.Security = box.Security;
        w.account.TrustedFingerprint = box.TrustedCert;
        w.account.Protocol = box.Protocol;
        w.account.Folder = box.Folder;
        w.oauth2 = box.OAuth2;
        // One connection per mailbox and folder.
        const bool seen = std::any_of(out.begin(), out.end(), [&](const Watch& o) {
            return o.account.Server.compare(w.account.Server, Qt::CaseInsensitive) == 0 &&
                   o.account.UserName == w.account.UserName && o.account.Folder == w.account.Folder;
        });
        if (!seen) out << w;
    }
    return out;
}

void IdleWatch::reload() {
    if (!m_active) return;
    QList<Watch> next = wanted();
    for (Watch& w : next) {
        for (Watch& old : m_watches) {
            if (old.idle && old.slot == w.slot && old.account == w.account &&
                old.oauth2 == w.oauth2) {
                w.idle = std::exchange(old.idle, nullptr); // still watching as it should
                break;
            }
        }
    }
    for (Watch& old : m_watches)
        end(old);
    m_watches = next;
    for (Watch& w : m_watches)
        if (!w.idle) begin(w);
    Q_EMIT watchingChanged();
}

void IdleWatch::begin(Watch& w) {
    auto* idle = new ImapIdle;
    idle->setAccount(w.account);
    idle->setBackOff(m_firstBackOffMs, m_mostBackOffMs);
    idle->setAccessTokenSource([slot = w.slot, account = w.account, oauth2 = w.oauth2](bool renew) {
        return SlotAccessToken(slot, account, oauth2, SecretAccess::NeverPrompt, renew);
    });
    const int slot = w.slot;
    connect(idle, &ImapIdle::newMail, this, [this, slot] {
        m_woken.insert(slot);
        Q_EMIT wokeUp(slot);
    });
    connect(idle, &ImapIdle::watchingStarted, this, &IdleWatch::watchingChanged);
    connect(idle, &ImapIdle::dropped, this, &IdleWatch::watchingChanged);
    w.idle = idle;
    idle->start();
}

void IdleWatch::end(Watch& w) {
    if (!w.idle) return;
    // It goes by itself once no sign-in of its own is under way.
    w.idle->disconnect(this);
    w.idle->dispose();
    w.idle = nullptr;
}

QList<int> IdleWatch::watching() const {
    QList<int> out;
    for (const Watch& w : m_watches)
        if (w.idle && w.idle->watching()) out << w.slot;
    return out;
}

QList<int> IdleWatch::takeWakeUps() {
    QList<int> out(m_woken.begin(), m_woken.end());
    std::sort(out.begin(), out.end());
    m_woken.clear();
    return out;
}

void IdleWatch::setBackOff(int firstMs, int mostMs) {
    m_firstBackOffMs = firstMs;
    m_mostBackOffMs = mostMs;
}
