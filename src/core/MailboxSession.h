#pragma once

#include "core/Classifier.h"
#include "core/MessageRow.h"
#include "mail/MailClient.h"
#include "mail/TrText.h"
#include "settings/MailboxConfig.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class Blacklist;
class LearnedFilter;
class OAuth2RefreshStop;
class Prompter;
class SpamSettings;
class TagDialLink;
class UnknownDomainCheck;

// Who started the running operation, which decides what it may ask of a person.
enum class RunMode {
    Interactive, // a person at the window: the keyring may ask to be unlocked,
                 // an untrusted certificate is put to the person
    Timer,       // the automatic-mode timer of the desktop program
    Sweep,       // the command line's unattended sweep
    Unattended,  // any other command of the command line
};

// A timer run or a sweep: started by the clock rather than by a person.
inline bool startedByTimer(RunMode mode) {
    return mode == RunMode::Timer || mode == RunMode::Sweep;
}

// What a deletion did: the rows marked when it started, the deletions the server
// accepted (each recorded before the session committed it) and those it refused.
struct DeletionOutcome {
    int Marked = 0;
    int Accepted = 0;
    int Refused = 0;
    // What the person should know beyond the counts (see MailClient::removalNote).
    TrText Note;
};

// One mailbox slot's session with its server. It privately owns the mail client
// for the slot it holds, that slot's settings and secrets (read once per
// operation), the rows of the list with their marks, and the classifier that
// marks them. The rows always belong to the mailbox the client holds: row i is
// message i of the client's last listing, a row is added only as the next
// message of that listing, and giving the client another mailbox empties the
// list first. A row's mark is kept only here; what the client removes is
// computed from the marks when a deletion starts.
//
// Everything it does is announced through its signals, in the order it happens,
// for the controller, the windows and the tests.
class MailboxSession : public QObject {
    Q_OBJECT
public:
    // settings, known, domains (which may be null: no domain check) and learned
    // (null: no learned judgement) must outlive the session; client null makes
    // the POP3 client. A slot of the other protocol gets a client of its own
    // (see use).
    MailboxSession(SpamSettings& settings, const Blacklist& known, UnknownDomainCheck* domains,
                   const LearnedFilter* learned, Prompter& prompter,
                   std::unique_ptr<MailClient> client = nullptr, QObject* parent = nullptr);
    ~MailboxSession() override;

    // --- Run mode ---------------------------------------------------------------

    RunMode mode() const { return m_mode; }
    // The mode of the operations from now on.
    void setMode(RunMode mode) { m_mode = mode; }
    // Whether reading secrets may bring up the keyring's unlock prompt: only
    // for a person at the window.
    SecretAccess secretAccess() const;

    // --- The slot ---------------------------------------------------------------

    // Reads slot n with its secrets as the mode allows, after the settings
    // store's one-time version step; nothing on that step's own run. Changes
    // nothing here.
    std::optional<RemotePOPLoad> read(int n) const;
    // Gives the client slot n as read: another mailbox than the one the rows
    // came from empties the list, and a secret that could not be read is never
    // kept from the slot held before.
    void use(int n, const RemotePOPLoad& load);
    // read, then use; false (nothing changed) on the version step's own run.
    bool load(int n);
    // The slot the client holds and the rows come from; 0 before the first.
    int slot() const { return m_slot; }
    // The server and user name of the mailbox the client holds.
    const QString& server() const { return m_account.Server; }
    const QString& userName() const { return m_account.UserName; }
    // The mailbox the client holds, its password left out.
    MailAccount account() const {
        MailAccount shown = m_account;
        shown.Password.clear();
        return shown;
    }
    // Trusts the certificate with this fingerprint for the slot held: stored
    // for the slot and used from the next connection on.
    void trustCertificate(const QString& fingerprint);

    // --- Connection -------------------------------------------------------------

    // The dial-up link the client dials before it connects.
    void setDialLink(TagDialLink* link);
    // Seconds any one network wait may last (120 unless set).
    void setTimeOut(int seconds);
    // Whether listings may use the slot's header cache at all (yes unless set):
    // with no, they neither read nor write it, whatever the slot's switch says.
    void setHeaderCacheAllowed(bool allowed) { m_cacheAllowed = allowed; }
    // Whether a connection is open (kept from the last check).
    bool connected() const { return m_client->connected(); }
    // Signs off a connection that is open.
    void signOff();
    // Ends the running operation without signing off (also a renewal of the
    // OAuth2 token); a listing that was under way leaves an empty list.
    void cancel();

    // --- Rows and marks -----------------------------------------------------------

    // The rows of the list, in server order.
    const QList<MessageRow>& rows() const { return m_rows; }
    // The rows marked for deletion (check mark or blacklist mark).
    int markedCount() const;
    // The header lines of the message in row index.
    const TmsHeaders& headers(int index) const;
    // The server's unique id of the message in row index; empty when it gives none.
    QString uid(int index) const { return m_client->uid(index); }
    // Empties the list.
    void clearRows();
    // The given rows lose their mark when marked; any other gets the check mark.
    void toggleMarks(const QList<int>& indexes);
    // Every row loses its mark.
    void clearMarks();
    // Classifies row index, or every row for -1 (the domain check may wait for
    // the DNS in the event loop).
    void classify(int index);
    // Why row index has its mark, row and counters unchanged.
    Classifier::Explanation explain(int index);

    // --- Operations (each raises the mail library's exceptions) --------------------

    // Lists the mailbox anew: the rows appear as the messages arrive, each
    // classified at once and every row once more at the end. With the slot's
    // header cache on, the headers held there are not downloaded again, and a
    // complete listing writes the cache back when it changed; with it off, the
    // cache file is removed. ruleSlot is the
    // slot whose "To does not contain" rules apply; keep leaves the connection
    // signed in for a deletion. A connection kept since the last check is
    // signed off first, so that mail that arrived meanwhile is listed.
    void check(int ruleSlot, bool keep);
    // Lists the mailbox again after a deletion, as check does.
    void refresh();
    // Deletes the marked rows on the server, each verified first. record is
    // called for each deletion the server accepted, before the session commits
    // it; when it raises, the session ends without committing anything.
    DeletionOutcome deleteMarked(const std::function<void(int index)>& record);
    // Downloads the message of row index whole.
    QByteArray fetch(int index);

Q_SIGNALS:
    // The list was emptied.
    void rowsReset();
    // A row was added at the end.
    void rowAppended(int index);
    // One row's mark may have changed.
    void rowChanged(int index);
    // Marks of any rows may have changed.
    void rowsChanged();

    // A connection is being opened.
    void opening();
    // Signed in; the listing starts.
    void listing();
    // Message index of total has arrived (its row is added, not yet classified).
    void checking(int index, int total);
    // The listing is complete and every row classified.
    void listEnded(int count);
    // A deletion or a download is under way on the server, and has ended.
    void transferring();
    void transferred();
    // Row index is about to be deleted: the done-th of total.
    void deleting(int index, int done, int total);
    // The server accepted the deletion of row index (recorded already).
    void deleted(int index);
    // The server refused to delete row index.
    void deleteRefused(int index);
    // The message of row index is being downloaded, and has been.
    void fetching(int index);
    void fetched(int index);
    // The connection closes, and has closed.
    void closing();
    void closed();
    // The running operation was canceled.
    void canceled();
    // An operation failed with this text, in English for the log and in the
    // user's language for the screen; the failure is raised next.
    void failed(const TrText& text);

private:
    // What the client announces, turned into the session's rows and signals.
    class Events;
    friend class Events;

    void checkNow(int ruleSlot, bool keep);
    // Replaces the rows with the server's listing, through the header cache.
    void listNow();
    // Runs body; a failure it raises that was not announced yet is announced
    // through failed() before it goes on.
    template <class Body> auto announcingFailure(Body&& body);

    // The row of message index of the client's listing.
    MessageRow rowFor(int index) const;
    // Makes client the session's, with everything set that the last had.
    void takeClient(std::unique_ptr<MailClient> client);
    // The slot's header cache for a listing, as its file holds it and written
    // back there; null when listings may not use it (its file is removed when
    // the slot's switch is off).
    HeaderCache* openHeaderCache();
    // The access token for the slot held (the client's token source): the
    // stored tokens, renewed when about to expire or after the server
    // rejected them. Raises with "sign in again" advice when none can be had;
    // never opens a browser or a prompt.
    QString accessToken(bool renew);

    Prompter& m_prompter;
    std::unique_ptr<Events> m_events;
    UnknownDomainCheck* m_domains;
    std::unique_ptr<MailClient> m_client;
    int m_timeOut = 120;
    TagDialLink* m_dialLink = nullptr;
    std::unique_ptr<Classifier> m_classifier;
    RunMode m_mode = RunMode::Interactive;
    QList<MessageRow> m_rows;
    int m_slot = 0;
    MailAccount m_account;
    OAuth2Settings m_oauth2;
    // The slot's header cache: its switch and its file; allowed by the caller.
    bool m_cacheHeaders = false;
    HeaderCache::Mailbox m_cacheMailbox;
    QString m_cacheFile;
    // The cache of the mailbox held, as the last listing left it: the next
    // reads the file only when someone else changed it meanwhile.
    std::unique_ptr<HeaderCache> m_cache;
    bool m_cacheAllowed = true;
    // Why the slot's secrets could not be read (a locked keyring that may not
    // be asked); empty when they were.
    QString m_secretError;
    // The token refresh under way, which a cancel stops; null when none.
    OAuth2RefreshStop* m_refreshStop = nullptr;
    bool m_listing = false; // a listing runs: a cancel leaves no rows
    // The deletion under way.
    const std::function<void(int)>* m_record = nullptr;
    int m_deleteTotal = 0;
    int m_deleteDone = 0;
    int m_accepted = 0;
};

// The access token of slot n's OAuth2 sign-in for account (its user name and
// protocol) with settings: the stored tokens, renewed when about to expire or
// when renew asks, the renewed pair stored. Raises EOAuth2Error with advice
// to sign in again when none can be had (also for tokens granted for another
// protocol's scope); never opens a browser or a prompt. stop, which may be
// null, lets a cancel end the renewal.
QString SlotAccessToken(int n, const MailAccount& account, const OAuth2Settings& settings,
                        SecretAccess access, bool renew, OAuth2RefreshStop* stop = nullptr);
