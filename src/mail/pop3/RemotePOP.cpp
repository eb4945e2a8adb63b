#include "mail/pop3/RemotePOP.h"

#include "mail/Exceptions.h"
#include "mail/cache/HeaderCache.h"

#include <QHash>
#include <QSaveFile>
#include <deque>
#include <numeric>

void TmsRemotePOP::setMessageDirectory(const QString& folder) {
    m_messageDirectory = folder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        m_messageDirectory += QLatin1Char('/');
}

void TmsRemotePOP::SaveMessage(int Index, const QByteArray& Contents) {
    if (OnUserMessageSave) {
        OnUserMessageSave(this, Index, Contents);
        return;
    }
    const QString name = m_messageDirectory + QStringLiteral("msg_") + QString::number(Index) +
                         QStringLiteral(".eml");
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(Contents) != Contents.size() ||
        !file.commit())
        throw EFileError(TrText::translate("Exception", "Cannot create file \"%1\". %2")
                             .arg(name, file.errorString()));
}

void TmsRemotePOP::readUidlReply(int Index, TmsRemoteInfoItem& Item, bool& Ok) {
    expectReply(QStringLiteral("UIDL ") + QString::number(Index + 1));
    Item.UID.clear();
    if (ReadReplyLine(LastReply) == 1)
        Item.UID = ExtractWord(LastReply, 2, true);
    else
        Ok = false;
}

void TmsRemotePOP::readListReply(int Index, TmsRemoteInfoItem& Item) {
    expectReply(QStringLiteral("LIST ") + QString::number(Index + 1));
    requirePositive(ReadReplyLine(LastReply));
    Item.Size = listedSize();
}

void TmsRemotePOP::readTopReply(int Index, TmsRemoteInfoItem& Item) {
    expectReply(QStringLiteral("TOP ") + QString::number(Index + 1) + QStringLiteral(" 1"));
    requirePositive(ReadReplyLine(LastReply));
    QByteArray block;
    ReadToStream(block, -1, TopReplyLimit);
    Item.Headers.LoadFromBytes(block);
    Item.Headers.StripBody();
}

namespace {

// Gives take each line of a listing whose number names message 1 to count,
// by its index.
template <class Take> void forEachListed(const QByteArray& block, int count, Take&& take) {
    for (QByteArray line : block.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line == ".") continue;
        const QString text = QString::fromLatin1(line);
        bool number = false;
        const int n = text.section(QLatin1Char(' '), 0, 0).toInt(&number);
        if (number && n >= 1 && n <= count) take(n - 1, text);
    }
}

} // namespace

std::vector<QString> TmsRemotePOP::ParseUidlListing(const QByteArray& Block, int Count) {
    std::vector<QString> ids(static_cast<size_t>(std::max(Count, 0)));
    forEachListed(Block, Count, [&](int index, const QString& text) {
        ids[size_t(index)] = ExtractWord(text, 1, true);
    });
    return ids;
}

std::vector<int> TmsRemotePOP::ParseListListing(const QByteArray& Block, int Count) {
    std::vector<int> sizes(static_cast<size_t>(std::max(Count, 0)));
    std::vector<bool> given(sizes.size());
    forEachListed(Block, Count, [&](int index, const QString& text) {
        sizes[size_t(index)] = sizeAfterNumber(text);
        given[size_t(index)] = true;
    });
    // STAT counted a message that LIST leaves out: the server contradicts itself.
    for (int i = 0; i < Count; ++i)
        if (!given[size_t(i)])
            throw EServerError(
                TrText::translate("Exception", "The server's reply to LIST leaves out message %1")
                    .arg(i + 1));
    return sizes;
}

QByteArray TmsRemotePOP::readListingBlock(const QString& Command, int Count, qint64 LineLimit) {
    expectReply(Command);
    requirePositive(ReadReplyLine(LastReply));
    QByteArray block;
    ReadToStream(block, -1, qint64(Count) * LineLimit + 1024);
    return block;
}

std::vector<QString> TmsRemotePOP::readUidlListing(int Count) {
    // A line per message: its number and an id of at most 70 characters.
    return ParseUidlListing(readListingBlock(QStringLiteral("UIDL"), Count, 96), Count);
}

std::vector<int> TmsRemotePOP::readListListing(int Count) {
    // A line per message: its number and its size.
    return ParseListListing(readListingBlock(QStringLiteral("LIST"), Count, 32), Count);
}

void TmsRemotePOP::requireTop() {
    if (OffersTop()) return;
    const TrText tr =
        TrText::translate("Exception", "The server does not offer TOP, which a check needs");
    QString text = tr.english();
    if (OnError) OnError(this, text);
    throw ESocketError(Reworded(tr, text));
}

void TmsRemotePOP::FetchInfo(int Index, TmsRemoteInfoItem& Item, bool WithUID, bool WithHeaders,
                             bool& Ok) {
    closeOnFailure([&] {
        const QString n = QString::number(Index + 1);
        if (WithUID && OffersUidl()) {
            sendCommand(QStringLiteral("UIDL ") + n);
            readUidlReply(Index, Item, Ok);
            if (!Ok) return;
        }
        if (WithHeaders) {
            sendCommand(QStringLiteral("LIST ") + n);
            readListReply(Index, Item);
            sendCommand(QStringLiteral("TOP ") + n + QStringLiteral(" 1"));
            readTopReply(Index, Item);
        }
    });
}

void TmsRemotePOP::UpdateInfo() {
    closeOnFailure([this] {
        Connect();
        requireTop();
        if (OnUpdatingInfo) OnUpdatingInfo(this);
        RemoteInfo.Clear();
        if (Cache && OffersUidl()) {
            listWithCache();
        } else {
            listEach();
            // Without unique ids no message can be told again at the next check.
            if (Cache) Cache->clear();
        }
        if (!KeepConnection) Disconnect();
        if (OnInfoUpdated) OnInfoUpdated(this);
    });
}

void TmsRemotePOP::listEach() {
    const int count = MessageCount;
    const bool ahead = Pipelined();
    int sent = 0; // messages whose commands are on their way
    // Topped up when half the window has been answered: few large writes
    // rather than one small one per message.
    const auto window = [&](int index) {
        QStringList lines;
        if (sent - index <= PipelineWindow / 2)
            for (; sent < count && sent < index + PipelineWindow; ++sent) {
                const QString n = QString::number(sent + 1);
                lines << QStringLiteral("LIST ") + n << QStringLiteral("TOP ") + n + " 1";
            }
        return lines;
    };
    // Every message's unique id in one reply, ahead of the first window.
    const bool withIds = count > 0 && OffersUidl();
    std::vector<QString> ids;
    if (withIds) {
        expectReply(QStringLiteral("UIDL"));
        if (ahead)
            QueueLines(QStringList{QStringLiteral("UIDL")} + window(0));
        else
            SendLine(QStringLiteral("UIDL"));
        ids = readUidlListing(count);
    }
    for (int index = 0; index < count; ++index) {
        auto item = std::make_unique<TmsRemoteInfoItem>();
        if (ahead) {
            QueueLines(window(index));
            readListReply(index, *item);
            readTopReply(index, *item);
        } else {
            bool ok = true;
            FetchInfo(index, *item, false, true, ok);
        }
        if (withIds) item->UID = ids[size_t(index)];
        RemoteInfo.Add(std::move(item));
        if (OnNextInfoUpdated) OnNextInfoUpdated(this, index);
    }
}

void TmsRemotePOP::listWithCache() {
    const int count = MessageCount;
    const bool ahead = Pipelined();
    std::vector<QString> ids;
    std::vector<int> sizes;
    std::vector<TmsHeaders> held(size_t(std::max(count, 0)));
    // The messages whose header is downloaded, in order; TOP n 1 for up to
    // PipelineWindow of them ahead of their replies, topped up when half the
    // window has been answered.
    std::vector<int> wanted;
    size_t sent = 0, next = 0;
    const auto window = [&] {
        QStringList lines;
        if (sent - next <= size_t(PipelineWindow / 2))
            for (; sent < wanted.size() && sent < next + PipelineWindow; ++sent)
                lines << QStringLiteral("TOP ") + QString::number(wanted[sent] + 1) +
                             QStringLiteral(" 1");
        return lines;
    };
    if (count > 0) {
        expectReply(QStringLiteral("UIDL"));
        if (ahead)
            QueueLines({QStringLiteral("UIDL"), QStringLiteral("LIST")});
        else
            SendLine(QStringLiteral("UIDL"));
        // A cache still being read is waited for here, while the server answers.
        // Nothing held: every header is wanted, and the first TOP commands
        // follow UIDL and LIST at once.
        const bool cold = Cache->isEmpty();
        if (cold) {
            wanted.resize(size_t(count));
            std::iota(wanted.begin(), wanted.end(), 0);
            if (ahead) QueueLines(window());
        }
        ids = readUidlListing(count);
        if (!ahead) SendLine(QStringLiteral("LIST"));
        sizes = readListListing(count);
        if (!cold) {
            // An id the listing gives twice names no one message.
            QHash<QString, int> listed;
            listed.reserve(count);
            for (const QString& id : ids)
                ++listed[id];
            for (int i = 0; i < count; ++i) {
                const QString& id = ids[size_t(i)];
                const TmsHeaders* headers = id.isEmpty() || listed.value(id) != 1
                                                ? nullptr
                                                : Cache->find(id, sizes[size_t(i)]);
                if (headers)
                    held[size_t(i)] = *headers;
                else
                    wanted.push_back(i);
            }
        }
    }
    std::vector<HeaderCache::Entry> entries;
    entries.reserve(size_t(std::max(count, 0)));
    for (int index = 0; index < count; ++index) {
        auto item = std::make_unique<TmsRemoteInfoItem>();
        item->UID = ids[size_t(index)];
        item->Size = sizes[size_t(index)];
        if (next < wanted.size() && wanted[next] == index) {
            if (ahead)
                QueueLines(window());
            else
                sendCommand(QStringLiteral("TOP ") + QString::number(index + 1) +
                            QStringLiteral(" 1"));
            readTopReply(index, *item);
            ++next;
        } else {
            item->Headers = held[size_t(index)];
        }
        if (!item->UID.isEmpty()) entries.push_back({item->UID, item->Size, item->Headers});
        RemoteInfo.Add(std::move(item));
        if (OnNextInfoUpdated) OnNextInfoUpdated(this, index);
    }
    Cache->replace(std::move(entries));
}

void TmsRemotePOP::checkSameMessage(int Index, const TmsRemoteInfoItem& Now) {
    const TmsRemoteInfoItem& listed = RemoteInfo.Items(Index);
    // With UIDL the ids decide first; the header lines must agree all the same.
    bool same = !OffersUidl() || Now.UID == listed.UID;
    const QString idNow = Now.Headers.GetFieldValue(QStringLiteral("Message-ID"));
    const QString idListed = listed.Headers.GetFieldValue(QStringLiteral("Message-ID"));
    if (!idNow.isEmpty() && !idListed.isEmpty() && idNow != idListed) same = false;
    const qsizetype lines = std::min(Now.Headers.size(), listed.Headers.size());
    for (qsizetype i = 0; same && i < lines; ++i)
        same = Now.Headers.at(i) == listed.Headers.at(i);
    if (!same) RaiseSocketError(57105);
}

bool TmsRemotePOP::VerifyMessage(int Index) {
    closeOnFailure([this, Index] {
        TmsRemoteInfoItem now;
        bool ok = true;
        FetchInfo(Index, now, true, true, ok);
        // A refused UIDL n: the message cannot be told from another.
        if (!ok) throw EServerError(replyFailure());
        checkSameMessage(Index, now);
    });
    return true;
}

void TmsRemotePOP::MarkRetrieve(int Index) {
    RemoteInfo.Items(Index).Marks |= mkRetrieve;
}

void TmsRemotePOP::MarkDelete(int Index) {
    RemoteInfo.Items(Index).Marks |= mkDelete;
}

void TmsRemotePOP::Unmark(int Index) {
    RemoteInfo.Items(Index).Marks = {};
}

void TmsRemotePOP::TransferData() {
    if (RemoteInfo.Count() == 0) return;
    closeOnFailure([this] {
        Connect();
        requireTop();
        if (OnTransferringData) OnTransferringData(this);
        bool retrieving = false;
        for (int index = 0; index < RemoteInfo.Count(); ++index)
            retrieving = retrieving || RemoteInfo.Items(index).Marks.testFlag(mkRetrieve);
        // A retrieval (one message shown in full) gains nothing from going ahead.
        if (Pipelined() && !retrieving) {
            deleteAhead();
        } else {
            for (int index = 0; index < RemoteInfo.Count(); ++index) {
                const TmsMarks marks = RemoteInfo.Items(index).Marks;
                if (marks.testFlag(mkRetrieve) && VerifyMessage(index)) RetrieveMessage(index);
                if (marks.testFlag(mkDelete) && VerifyMessage(index)) DeleteMessage(index);
            }
        }
        if (OnDataTransfered) OnDataTransfered(this);
        Disconnect();
    });
}

// The replies come in the order of their commands: the verifications sent
// ahead, each followed in the queue by the DELE that its success let out.
// A verification that fails raises with the DELE replies of earlier messages
// still unread; the caller then closes without QUIT, so the server deletes
// nothing of this session.
void TmsRemotePOP::deleteAhead() {
    std::vector<int> marked;
    for (int index = 0; index < RemoteInfo.Count(); ++index)
        if (RemoteInfo.Items(index).Marks.testFlag(mkDelete)) marked.push_back(index);
    struct Expected {
        bool deletion;
        int index;
    };
    std::deque<Expected> replies;
    const bool withIds = OffersUidl();
    size_t next = 0;   // the first marked message not yet asked for
    int verifying = 0; // verifications on their way
    QStringList lines;
    const auto sendAhead = [&] {
        // Topped up when half the window has been answered (and DELE n at once).
        if (verifying <= PipelineWindow / 2)
            for (; next < marked.size() && verifying < PipelineWindow; ++next, ++verifying) {
                const QString n = QString::number(marked[next] + 1);
                if (withIds) lines << QStringLiteral("UIDL ") + n;
                lines << QStringLiteral("LIST ") + n
                      << QStringLiteral("TOP ") + n + QStringLiteral(" 1");
                replies.push_back({false, marked[next]});
            }
        QueueLines(lines);
        lines.clear();
    };
    sendAhead();
    while (!replies.empty()) {
        const Expected reply = replies.front();
        replies.pop_front();
        if (reply.deletion) {
            readDeleteReply(reply.index);
            continue;
        }
        TmsRemoteInfoItem now;
        if (withIds) {
            bool ok = true;
            readUidlReply(reply.index, now, ok);
            if (!ok) throw EServerError(replyFailure());
        }
        readListReply(reply.index, now);
        readTopReply(reply.index, now);
        checkSameMessage(reply.index, now);
        --verifying;
        if (OnDeleting) OnDeleting(this, reply.index);
        lines << QStringLiteral("DELE ") + QString::number(reply.index + 1);
        replies.push_back({true, reply.index});
        sendAhead();
    }
}
