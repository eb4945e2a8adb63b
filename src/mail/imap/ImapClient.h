#pragma once

#include "mail/MailClient.h"
#include "mail/imap/ImapConnection.h"

#include <QHash>
#include <vector>

// An IMAP folder behind the protocol-neutral client. A listing is one SELECT
// (EXAMINE when the connection is not kept for a removal) and, sent with it,
// one UID FETCH of every message's UID, size and header (BODY.PEEK: nothing
// is marked as seen); rows come as the responses stream in. A message is known
// by its UID, which holds as long as the folder's UIDVALIDITY does: a fetch or
// a removal first makes sure it is still the one listed. A removal moves the
// messages into the Junk folder (UID MOVE, or UID COPY with \Deleted and UID
// EXPUNGE of exactly those) or deletes them (\Deleted and UID EXPUNGE), per the
// account's spam action; without UIDPLUS nothing is expunged while another
// message of the folder carries \Deleted, since EXPUNGE would remove it too.
//
// With a header cache a listing downloads what the cache cannot vouch for. The
// cache is keyed by UID under the folder's UIDVALIDITY and notes the folder's
// UIDNEXT. UIDs only grow and are never given again, so a folder whose
// UIDVALIDITY, UIDNEXT and EXISTS are what the cache noted holds exactly the
// cached messages: the SELECT is the whole re-check. Otherwise the messages
// above the cached ones are fetched; when the count then shows that others
// went, the sizes of the older ones are listed too (with that fetch when the
// SELECT already shows it), and any that the cache does not hold with that
// size are fetched. Another UIDVALIDITY, or an empty cache, gets the full
// listing.
class ImapClient : public MailClient {
public:
    ImapClient();
    ~ImapClient() override;

    void setListener(MailClientListener* listener) override { m_listener = listener; }
    void setAccount(const MailAccount& account) override;
    const MailAccount& account() const override { return m_account; }
    void setAccessTokenSource(std::function<QString(bool renew)> source) override;
    void setTimeOut(int seconds) override { m_imap.setTimeOut(seconds); }
    void setDialLink(TagDialLink* link) override { m_imap.RAS = link; }
    void setKeepConnection(bool keep) override { m_keep = keep; }
    bool connected() const override { return m_imap.Connected(); }
    MailProtocol protocol() const override { return MailProtocol::Imap; }
    void setHeaderCache(HeaderCache* cache) override { m_cache = cache; }

    void list() override;
    int count() const override { return int(m_items.size()); }
    QString uid(int index) const override;
    qint64 size(int index) const override { return m_items.at(size_t(index)).size; }
    const TmsHeaders& headers(int index) const override {
        return m_items.at(size_t(index)).headers;
    }
    void forget() override;

    QByteArray fetch(int index) override;
    void remove(const QList<int>& indexes) override;
    QString removalNote() const override { return m_note.english(); }
    TrText removalNoteText() const override { return m_note; }
    void signOff() override;
    void cancel() override { m_imap.Cancel(); }

    // The UID of message index, and the folder's UIDVALIDITY at the listing.
    quint32 uidOf(int index) const { return m_items.at(size_t(index)).uid; }
    quint64 uidValidity() const { return m_uidValidity; }
    // The Junk folder the last move went to (as the server names it); empty before.
    const QString& junkFolder() const { return m_junkName; }
    // Seconds one command's replies may take however the server dribbles them.
    void setReplyCeiling(int seconds) { m_imap.BlockCeiling = seconds; }
    // The most UIDs one command names: the lines stay well within what servers
    // accept (about 8,000 bytes).
    static constexpr qsizetype BatchTextLimit = 7000;

private:
    struct Item {
        quint32 uid = 0;
        qint64 size = 0;
        TmsHeaders headers;
    };

    template <class Step> void closeOnFailure(Step&& step) {
        try {
            step();
        } catch (...) {
            if (m_imap.Connected()) m_imap.Close();
            throw;
        }
    }
    // Reads the responses to the full listing's UID FETCH sent under tag,
    // announcing each message as it comes.
    void takeFullListing(const QByteArray& tag);
    // The listing from the cache and what changed since (see the class); false,
    // having sent nothing, when the cache cannot be read that way.
    bool listFromCache();
    // Appends item to the listing and announces it; false for a UID listed already.
    bool addItem(Item item);
    // Leaves the cache holding exactly the listing, under the folder's
    // UIDVALIDITY and with its UIDNEXT (and HIGHESTMODSEQ) as selected.
    void renewCache(quint64 uidNext, quint64 highestModSeq);
    // The folder to check, as the server names it.
    QByteArray folderName() const;
    // Signs in unless connected, selects the folder (writable when asked and
    // not so already) and makes sure its UIDVALIDITY is the one listed.
    void openListedFolder(bool writable);
    // The folder spam goes into: the account's, else found or made (see the class).
    QByteArray findJunkFolder();
    // The UIDs of the folder flagged \Deleted.
    QList<quint32> deletedUids();
    // Splits uids into batches whose sets stay within BatchTextLimit.
    static QList<QList<quint32>> batches(const QList<quint32>& uids);
    // Moves or deletes uids, announcing each message as the server confirms it.
    void moveAll(const QList<quint32>& uids, const QByteArray& junk);
    void copyAndFlag(const QList<quint32>& uids, const QByteArray& junk);
    // Announces every uid in done as removed, the others of batch as refused.
    void announce(const QList<quint32>& batch, const QList<quint32>& done);
    [[noreturn]] void raise(const TrText& text);

    ImapConnection m_imap;
    MailAccount m_account;
    MailClientListener* m_listener = nullptr;
    HeaderCache* m_cache = nullptr;
    bool m_keep = false;
    std::vector<Item> m_items;
    quint64 m_uidValidity = 0;
    bool m_listedAsHeld = false; // the listing is the cache's entries, unchanged
    QByteArray m_listedFolder;
    QByteArray m_junk; // the Junk folder found on this connection
    QString m_junkName;
    TrText m_note;
    QHash<quint32, int> m_indexOf; // UID -> index of the listing
};
