#include "mail/imap/ImapClient.h"

#include "mail/Exceptions.h"
#include "mail/cache/HeaderCache.h"
#include "mail/imap/ImapText.h"

#include <QSet>

namespace {
const QByteArray ListingFetch = "UID FETCH 1:* (UID RFC822.SIZE BODY.PEEK[HEADER])";

QByteArray digits(quint32 n) {
    return QByteArray::number(n);
}
} // namespace

ImapClient::ImapClient() {
    const auto tell = [this](auto call) {
        return [this, call](auto&&... args) {
            if (m_listener) call(*m_listener, args...);
        };
    };
    m_imap.OnOpen = tell([](MailClientListener& l, QObject*) { l.opening(); });
    m_imap.OnClosing = tell([](MailClientListener& l, QObject*) { l.closing(); });
    m_imap.OnClosed = tell([](MailClientListener& l, QObject*) { l.closed(); });
    m_imap.OnCancel = tell([](MailClientListener& l, QObject*) { l.canceled(); });
    m_imap.OnError = tell([](MailClientListener& l, QObject*, QString& text) { l.failed(text); });
}

ImapClient::~ImapClient() {
    // Closing on the way out announces nothing to a listener that may be gone.
    m_listener = nullptr;
}

void ImapClient::setAccount(const MailAccount& account) {
    const bool sameMailbox = account.Server.compare(m_account.Server, Qt::CaseInsensitive) == 0 &&
                             account.UserName == m_account.UserName &&
                             account.Folder == m_account.Folder;
    if (!sameMailbox) {
        forget();
        // A connection kept for the old mailbox is dropped without signing off.
        if (m_imap.Connected()) m_imap.Close();
    }
    if (m_imap.Connected() && (account.Security != m_account.Security ||
                               account.TrustedFingerprint != m_account.TrustedFingerprint))
        m_imap.Close();
    if (!sameMailbox || account.JunkFolder != m_account.JunkFolder) {
        m_junk.clear();
        m_junkName.clear();
    }
    m_account = account;
    m_imap.useAccount(account);
}

void ImapClient::setAccessTokenSource(std::function<QString(bool renew)> source) {
    m_imap.OnAccessToken = std::move(source);
}

QString ImapClient::uid(int index) const {
    return QString::number(m_items.at(size_t(index)).uid);
}

void ImapClient::forget() {
    m_items.clear();
    m_indexOf.clear();
    m_uidValidity = 0;
    m_listedFolder.clear();
    m_listedAsHeld = false;
}

QByteArray ImapClient::folderName() const {
    const QString folder = m_account.Folder.trimmed();
    return encodeFolderName(folder.isEmpty() ? QStringLiteral("INBOX") : folder);
}

void ImapClient::raise(const TrText& text) {
    QString t = text.english();
    if (m_imap.OnError) m_imap.OnError(&m_imap, t);
    throw ESocketError(Reworded(text, t));
}

void ImapClient::list() {
    closeOnFailure([this] {
        forget();
        m_note = TrText();
        m_imap.Connect();
        m_imap.setLiteralLimit(ImapConnection::HeaderLimit);
        if (m_listener) m_listener->listing();
        const QByteArray folder = folderName();
        // The listing goes with the selection: one round trip for both. Only a
        // connection kept for a removal selects the folder for writing.
        const QByteArray selectTag = m_imap.sendSelect(folder, m_keep, true);
        // A cache still being read is waited for here, while the server answers.
        // Nothing held: the full listing goes with the selection as without one.
        const bool cold = !m_cache || m_cache->isEmpty();
        QByteArray fetchTag;
        if (cold) fetchTag = m_imap.send(ListingFetch, QStringLiteral("UID FETCH"), true);
        m_imap.completeSelect(selectTag);
        const ImapConnection::Folder selected = m_imap.selected();
        m_uidValidity = selected.uidValidity;
        m_listedFolder = folder;
        if (cold || !listFromCache()) {
            if (!cold) fetchTag = m_imap.send(ListingFetch, QStringLiteral("UID FETCH"));
            takeFullListing(fetchTag);
        }
        // Written while the client signs off.
        if (m_cache) renewCache(selected.uidNext, selected.highestModSeq);
        if (!m_keep) m_imap.Disconnect();
        if (m_listener) m_listener->listEnded();
    });
}

bool ImapClient::addItem(Item item) {
    if (m_indexOf.contains(item.uid)) return false;
    const int index = int(m_items.size());
    m_indexOf.insert(item.uid, index);
    m_items.push_back(std::move(item));
    const int total = int(std::max<qint64>(m_imap.selected().exists, qint64(index) + 1));
    if (m_listener) m_listener->listed(index, total);
    return true;
}

namespace {

// A FETCH response's header lines as a listing keeps them.
TmsHeaders listedHeaders(const QByteArray& header) {
    TmsHeaders headers;
    headers.LoadFromBytes(header);
    headers.StripBody();
    return headers;
}

// The UIDNEXT a cache's state notes; 0 for none.
quint64 notedUidNext(const QByteArray& state) {
    const QList<QByteArray> words = state.split(' ');
    for (qsizetype i = 0; i + 1 < words.size(); i += 2)
        if (words[i] == "UIDNEXT") return words[i + 1].toULongLong();
    return 0;
}

} // namespace

void ImapClient::takeFullListing(const QByteArray& tag) {
    const ImapResponse done = m_imap.complete(
        tag, QStringLiteral("UID FETCH"),
        [this](const ImapResponse& r) {
            const ImapFetch& f = r.fetch;
            if (r.name != "FETCH" || !f.uid || !f.header) return;
            addItem({*f.uid, f.size.value_or(0), listedHeaders(*f.header)});
        },
        false);
    // An empty folder may answer "1:*" with a refusal.
    if (!done.ok() && !(m_items.empty() && m_imap.selected().exists == 0))
        throw EServerError(m_imap.failure(done, QStringLiteral("UID FETCH")));
}

bool ImapClient::listFromCache() {
    const ImapConnection::Folder now = m_imap.selected();
    // Without a UIDVALIDITY no UID can be told again; under another one each
    // names another message.
    if (now.uidValidity == 0 || m_cache->validity() != now.uidValidity) return false;
    const std::vector<HeaderCache::Entry>& held = m_cache->entries();
    std::vector<quint32> heldUids;
    heldUids.reserve(held.size());
    quint64 highest = 0;
    for (const HeaderCache::Entry& e : held) {
        bool ok = false;
        const uint uid = e.Key.toUInt(&ok);
        if (!ok || uid == 0) return false;
        heldUids.push_back(uid);
        highest = std::max<quint64>(highest, uid);
    }
    const quint64 notedNext = notedUidNext(m_cache->state());
    const qint64 heldCount = qint64(held.size());
    const auto takeHeld = [&] {
        for (size_t i = 0; i < held.size(); ++i)
            addItem({heldUids[i], held[i].Size, held[i].Headers});
    };
    // Messages from here up are new; below it the cache holds every message
    // still there.
    const quint64 from = std::max(notedNext, highest + 1);
    // A UIDNEXT that went back breaks the rule that UIDs only grow.
    if (from > 0xFFFFFFFFu || (now.uidNext != 0 && now.uidNext < from)) return false;
    const bool news = now.uidNext == 0 || now.uidNext > from;
    // Nothing came (no UID given since) and nothing went (as many as held).
    if (!news && now.exists == heldCount) {
        takeHeld();
        m_listedAsHeld = true;
        return true;
    }
    // Fewer than held, or none new yet not as many: some went.
    bool gone = now.exists < heldCount || !news;
    const QByteArray newFetch =
        "UID FETCH " + digits(quint32(from)) + ":* (UID RFC822.SIZE BODY.PEEK[HEADER])";
    const QByteArray oldFetch = "UID FETCH 1:" + digits(quint32(from - 1)) + " (UID RFC822.SIZE)";
    const QString step = QStringLiteral("UID FETCH");
    QByteArray newTag, oldTag;
    if (news) newTag = m_imap.send(newFetch, step, gone);
    if (gone) oldTag = m_imap.send(oldFetch, step);

    std::vector<Item> fresh;
    if (news) {
        // "n:*" names the last message even when its UID is below n.
        QSet<quint32> seen;
        const ImapResponse done = m_imap.complete(
            newTag, step,
            [&](const ImapResponse& r) {
                const ImapFetch& f = r.fetch;
                if (r.name != "FETCH" || !f.uid || !f.header || *f.uid < from ||
                    seen.contains(*f.uid))
                    return;
                seen.insert(*f.uid);
                fresh.push_back({*f.uid, f.size.value_or(0), listedHeaders(*f.header)});
            },
            false);
        if (!done.ok() && m_imap.selected().exists > 0)
            throw EServerError(m_imap.failure(done, step));
        // The older messages still there are all held; they are as many as
        // held only when none of them went.
        if (!gone && m_imap.selected().exists - qint64(fresh.size()) == heldCount) {
            takeHeld();
            for (Item& item : fresh)
                addItem(std::move(item));
            return true;
        }
        if (!gone) {
            gone = true;
            oldTag = m_imap.send(oldFetch, step);
        }
    }

    // Which of the older messages are still there, with their sizes.
    std::vector<std::pair<quint32, qint64>> older;
    {
        QSet<quint32> seen;
        const ImapResponse done = m_imap.complete(
            oldTag, step,
            [&](const ImapResponse& r) {
                const ImapFetch& f = r.fetch;
                if (r.name != "FETCH" || !f.uid || !f.size || *f.uid >= from ||
                    seen.contains(*f.uid))
                    return;
                seen.insert(*f.uid);
                older.emplace_back(*f.uid, *f.size);
            },
            false);
        if (!done.ok() && m_imap.selected().exists > qint64(fresh.size()))
            throw EServerError(m_imap.failure(done, step));
    }
    QList<quint32> wanted;
    for (const auto& [uid, size] : older)
        if (!m_cache->find(QString::number(uid), size)) wanted << uid;
    // The headers the cache does not hold, in batches sent together.
    QHash<quint32, Item> got;
    if (!wanted.isEmpty()) {
        QList<QByteArray> tags;
        const QList<QList<quint32>> parts = batches(wanted);
        for (qsizetype i = 0; i < parts.size(); ++i)
            tags << m_imap.send("UID FETCH " + uidSetText(parts[i]) +
                                    " (UID RFC822.SIZE BODY.PEEK[HEADER])",
                                step, i + 1 < parts.size());
        for (const QByteArray& tag : tags)
            m_imap.complete(tag, step, [&](const ImapResponse& r) {
                const ImapFetch& f = r.fetch;
                if (r.name != "FETCH" || !f.uid || !f.header || *f.uid >= from) return;
                got.insert(*f.uid, {*f.uid, f.size.value_or(0), listedHeaders(*f.header)});
            });
    }
    for (const auto& [uid, size] : older) {
        if (const TmsHeaders* headers = m_cache->find(QString::number(uid), size)) {
            addItem({uid, size, *headers});
            continue;
        }
        // One that went meanwhile is not listed.
        const auto at = got.constFind(uid);
        if (at != got.cend()) addItem(*at);
    }
    for (Item& item : fresh)
        addItem(std::move(item));
    return true;
}

void ImapClient::renewCache(quint64 uidNext, quint64 highestModSeq) {
    // Without a UIDVALIDITY no message can be told again at the next check.
    if (m_uidValidity == 0) {
        m_cache->clear();
        return;
    }
    QByteArray state;
    if (uidNext) state = "UIDNEXT " + QByteArray::number(uidNext);
    if (highestModSeq)
        state += (state.isEmpty() ? "" : " ") + QByteArray("HIGHESTMODSEQ ") +
                 QByteArray::number(highestModSeq);
    // A listing of just what the cache held, as it held it, leaves it as it is.
    if (m_listedAsHeld && state == m_cache->state()) return;
    std::vector<HeaderCache::Entry> entries;
    entries.reserve(m_items.size());
    for (const Item& item : m_items)
        entries.push_back({QString::number(item.uid), item.size, item.headers});
    m_cache->replace(std::move(entries), m_uidValidity, state);
}

void ImapClient::openListedFolder(bool writable) {
    m_imap.Connect();
    const ImapConnection::Folder& now = m_imap.selected();
    if (!(m_imap.hasSelected() && now.name == m_listedFolder && (now.writable || !writable)))
        m_imap.completeSelect(m_imap.sendSelect(m_listedFolder, writable, false));
    // The UIDs name the messages listed only while the folder keeps its UIDVALIDITY.
    if (m_imap.selected().uidValidity != m_uidValidity)
        raise(TrText::translate(
                  "Exception", "IDs are different: the folder %1 was made anew on the server since "
                               "it was checked (its UIDVALIDITY changed), so nothing was changed "
                               "there. Check the mailbox again.")
                  .arg(decodeFolderName(m_listedFolder)));
}

QByteArray ImapClient::fetch(int index) {
    if (index < 0 || index >= count()) return {};
    QByteArray body;
    closeOnFailure([this, index, &body] {
        m_note = TrText();
        openListedFolder(false);
        if (m_listener) m_listener->transferring();
        if (m_listener) m_listener->fetching(index);
        const quint32 uid = uidOf(index);
        std::optional<QByteArray> got;
        m_imap.setLiteralLimit(ImapConnection::MessageLimit);
        m_imap.run("UID FETCH " + digits(uid) + " (BODY.PEEK[])",
                   QStringLiteral("UID FETCH %1").arg(uid), [&got, uid](const ImapResponse& r) {
                       if (r.name == "FETCH" && r.fetch.uid == uid && r.fetch.body)
                           got = r.fetch.body;
                   });
        m_imap.setLiteralLimit(ImapConnection::HeaderLimit);
        if (!got)
            raise(TrText::translate(
                      "Exception", "Message %1 is no longer in %2 on the server. Check the mailbox "
                                   "again.")
                      .arg(index + 1)
                      .arg(decodeFolderName(m_listedFolder)));
        body = *got;
        if (m_listener) m_listener->fetched(index);
        if (m_listener) m_listener->transferred();
        m_imap.Disconnect();
    });
    return body;
}

QList<QList<quint32>> ImapClient::batches(const QList<quint32>& uids) {
    QList<quint32> sorted = uids;
    std::sort(sorted.begin(), sorted.end());
    QList<QList<quint32>> out;
    qsizetype length = 0;
    bool inRun = false; // the last UID extends a range
    for (quint32 uid : sorted) {
        if (!out.isEmpty() && !out.last().isEmpty() && out.last().last() + 1 == uid) {
            // "a:b" grows at its end only.
            const quint32 previous = out.last().last();
            length += digits(uid).size() + 1 - (inRun ? digits(previous).size() + 1 : 0);
            inRun = true;
        } else {
            length += (out.isEmpty() || out.last().isEmpty() ? 0 : 1) + digits(uid).size();
            inRun = false;
        }
        if (out.isEmpty() || length > BatchTextLimit) {
            out.append(QList<quint32>());
            length = digits(uid).size();
            inRun = false;
        }
        out.last().append(uid);
    }
    return out;
}

void ImapClient::announce(const QList<quint32>& batch, const QList<quint32>& done) {
    const QSet<quint32> accepted(done.begin(), done.end());
    for (quint32 uid : batch) {
        const int index = m_indexOf.value(uid, -1);
        if (index < 0 || !m_listener) continue;
        if (accepted.contains(uid))
            m_listener->removed(index);
        else
            m_listener->removeRefused(index);
    }
}

void ImapClient::remove(const QList<int>& indexes) {
    m_note = TrText();
    QList<quint32> uids;
    for (int i : indexes)
        if (i >= 0 && i < count() && !uids.contains(uidOf(i))) uids << uidOf(i);
    if (uids.isEmpty()) return;
    closeOnFailure([&] {
        openListedFolder(true);
        if (m_listener) m_listener->transferring();
        if (m_account.Action == SpamAction::Move) {
            const QByteArray junk = findJunkFolder();
            if (m_imap.offers("MOVE"))
                moveAll(uids, junk);
            else
                copyAndFlag(uids, junk);
        } else {
            copyAndFlag(uids, {});
        }
        if (m_listener) m_listener->transferred();
        m_imap.Disconnect();
    });
}

// Each message is announced once the server has moved it. The COPYUID code
// (UIDPLUS) names exactly the messages moved; without it every UID of an
// accepted command counts.
void ImapClient::moveAll(const QList<quint32>& uids, const QByteArray& junk) {
    for (const QList<quint32>& batch : batches(uids)) {
        for (quint32 uid : batch)
            if (m_listener) m_listener->removing(m_indexOf.value(uid));
        std::optional<QList<quint32>> moved;
        const auto copyUid = [&moved](const ImapResponse& r) {
            if (r.code.name == "COPYUID" && r.code.args.size() >= 3)
                moved = uidSetValues(r.code.args.at(1).textValue());
        };
        const QString step = QStringLiteral("UID MOVE");
        const ImapResponse r = m_imap.run("UID MOVE " + uidSetText(batch) + ' ' + imapQuoted(junk),
                                          step, copyUid, false);
        copyUid(r);
        if (!r.ok()) {
            m_note =
                TrText::translate("Exception",
                                  "The server refused to move messages into the folder %1: %2")
                    .arg(TrText::plain(m_junkName), TrText::plain(QString::fromUtf8(r.summary())));
            announce(batch, {});
            continue;
        }
        announce(batch, moved.value_or(batch));
    }
}

// Without MOVE a move is a copy, \Deleted and an expunge; a deletion is the last
// two. Each message is announced once the server has taken its copy and its
// flag, before the expunge that makes it go, so that a record that fails still
// stops the expunge.
void ImapClient::copyAndFlag(const QList<quint32>& uids, const QByteArray& junk) {
    const bool uidplus = m_imap.offers("UIDPLUS");
    // EXPUNGE without UIDPLUS takes every message flagged \Deleted.
    QList<quint32> others;
    if (!uidplus)
        for (quint32 uid : deletedUids())
            if (!uids.contains(uid)) others << uid;
    QList<quint32> flagged;
    for (const QList<quint32>& batch : batches(uids)) {
        for (quint32 uid : batch)
            if (m_listener) m_listener->removing(m_indexOf.value(uid));
        QList<quint32> taken = batch;
        if (!junk.isEmpty()) {
            std::optional<QList<quint32>> copied;
            const ImapResponse r =
                m_imap.run("UID COPY " + uidSetText(batch) + ' ' + imapQuoted(junk),
                           QStringLiteral("UID COPY"), {}, false);
            if (!r.ok()) {
                m_note = TrText::translate("Exception",
                                           "The server refused to copy messages into the folder "
                                           "%1: %2")
                             .arg(TrText::plain(m_junkName),
                                  TrText::plain(QString::fromUtf8(r.summary())));
                announce(batch, {});
                continue;
            }
            if (r.code.name == "COPYUID" && r.code.args.size() >= 3)
                copied = uidSetValues(r.code.args.at(1).textValue());
            if (copied) {
                taken.clear();
                for (quint32 uid : batch)
                    if (copied->contains(uid)) taken << uid;
            }
        }
        if (taken.isEmpty()) {
            announce(batch, {});
            continue;
        }
        const ImapResponse r =
            m_imap.run("UID STORE " + uidSetText(taken) + " +FLAGS.SILENT (\\Deleted)",
                       QStringLiteral("UID STORE"), {}, false);
        if (!r.ok()) {
            m_note =
                TrText::translate("Exception", "The server refused to flag messages as deleted: %1")
                    .arg(QString::fromUtf8(r.summary()));
            announce(batch, {});
            continue;
        }
        announce(batch, taken);
        flagged += taken;
    }
    if (flagged.isEmpty()) return;
    const QString folder = decodeFolderName(m_listedFolder);
    if (uidplus) {
        for (const QList<quint32>& batch : batches(flagged)) {
            const ImapResponse r = m_imap.run("UID EXPUNGE " + uidSetText(batch),
                                              QStringLiteral("UID EXPUNGE"), {}, false);
            if (!r.ok())
                m_note =
                    TrText::translate("Exception",
                                      "The server did not expunge the messages flagged as "
                                      "deleted, so they stay in %1 until your mail program "
                                      "expunges it: %2")
                        .arg(TrText::plain(folder), TrText::plain(QString::fromUtf8(r.summary())));
        }
    } else if (others.isEmpty()) {
        m_imap.run("EXPUNGE");
    } else {
        m_note = junk.isEmpty()
                     ? TrText::translate("Exception",
                                         "%1 message(s) were flagged as deleted, but stay in %2 "
                                         "until your mail program expunges it: this server cannot "
                                         "expunge single messages (it does not offer UIDPLUS), and "
                                         "%3 other message(s) there are flagged as deleted too, "
                                         "which expunging now would remove.")
                           .arg(flagged.size())
                           .arg(folder)
                           .arg(others.size())
                     : TrText::translate("Exception",
                                         "%1 message(s) were copied into the folder %2 and flagged "
                                         "as deleted, but stay in %3 until your mail program "
                                         "expunges it: this server cannot expunge single messages "
                                         "(it does not offer UIDPLUS), and %4 other message(s) "
                                         "there are flagged as deleted too, which expunging now "
                                         "would remove.")
                           .arg(flagged.size())
                           .arg(m_junkName)
                           .arg(folder)
                           .arg(others.size());
    }
}

QList<quint32> ImapClient::deletedUids() {
    QList<quint32> out;
    m_imap.run("UID SEARCH DELETED", QString(), [&out](const ImapResponse& r) {
        if (r.name != "SEARCH") return;
        for (const ImapValue& v : r.data)
            if (v.isNumber() && v.number > 0 && v.number <= 0xFFFFFFFFu) out << quint32(v.number);
    });
    return out;
}

QByteArray ImapClient::findJunkFolder() {
    if (m_junk.isEmpty()) {
        const QString named = m_account.JunkFolder.trimmed();
        if (!named.isEmpty()) {
            m_junk = encodeFolderName(named);
        } else {
            // The folder the server marks as Junk, else "Junk" or "Spam" at the
            // top, else "Junk" made now.
            std::optional<ImapFolder> marked, junk, spam;
            const auto look = [&](const ImapResponse& r) {
                const std::optional<ImapFolder> f = listedFolder(r);
                if (!f || f->has("\\Noselect") || f->has("\\NonExistent")) return;
                if (f->has("\\Junk") && !marked) marked = f;
                if (f->name.compare(QLatin1String("Junk"), Qt::CaseInsensitive) == 0 && !junk)
                    junk = f;
                if (f->name.compare(QLatin1String("Spam"), Qt::CaseInsensitive) == 0 && !spam)
                    spam = f;
            };
            if (m_imap.offers("SPECIAL-USE"))
                m_imap.run("LIST (SPECIAL-USE) \"\" \"*\"", QString(), look, false);
            if (!marked) m_imap.run("LIST \"\" \"%\"", QString(), look);
            const std::optional<ImapFolder> found = marked ? marked : junk ? junk : spam;
            if (found) {
                m_junk = found->rawName;
            } else {
                const ImapResponse r = m_imap.run("CREATE \"Junk\"", QString(), {}, false);
                if (!r.ok() && r.code.name != "ALREADYEXISTS")
                    throw EServerError(m_imap.failure(r, QStringLiteral("CREATE \"Junk\"")));
                // So that mail programs that show subscribed folders only show it.
                m_imap.run("SUBSCRIBE \"Junk\"", QString(), {}, false);
                m_junk = "Junk";
            }
        }
        m_junkName = decodeFolderName(m_junk);
    }
    if (m_junk == m_listedFolder)
        raise(TrText::translate("Exception",
                                "The folder checked, %1, is the Junk folder itself: choose another "
                                "Junk folder or \"Delete\" as the spam action.")
                  .arg(m_junkName));
    return m_junk;
}

void ImapClient::signOff() {
    if (m_imap.Connected()) m_imap.Disconnect();
}
