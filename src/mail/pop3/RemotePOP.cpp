#include "mail/pop3/RemotePOP.h"

#include "mail/Exceptions.h"

#include <QSaveFile>
#include <deque>

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
        throw EFileError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(name, file.errorString()));
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

std::vector<QString> TmsRemotePOP::readUidlListing(int Count) {
    expectReply(QStringLiteral("UIDL"));
    requirePositive(ReadReplyLine(LastReply));
    QByteArray block;
    // A line per message: its number and an id of at most 70 characters.
    ReadToStream(block, -1, qint64(Count) * 96 + 1024);
    std::vector<QString> ids(static_cast<size_t>(Count));
    for (QByteArray line : block.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line == ".") continue;
        const QString text = QString::fromLatin1(line);
        bool number = false;
        const int n = text.section(QLatin1Char(' '), 0, 0).toInt(&number);
        // A message the listing leaves out keeps no id, and so passes no
        // verification.
        if (number && n >= 1 && n <= Count) ids[size_t(n - 1)] = ExtractWord(text, 1, true);
    }
    return ids;
}

void TmsRemotePOP::requireTop() {
    if (OffersTop()) return;
    QString text = QStringLiteral("The server does not offer TOP, which a check needs");
    if (OnError) OnError(this, text);
    throw ESocketError(text);
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
        if (!KeepConnection) Disconnect();
        if (OnInfoUpdated) OnInfoUpdated(this);
    });
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
