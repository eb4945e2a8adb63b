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

void TmsRemotePOP::readUidlReply(TmsRemoteInfoItem& Item, bool& Ok) {
    Item.UID.clear();
    if (ReadReplyLine(LastReply) == 1)
        Item.UID = ExtractWord(LastReply, 2, true);
    else
        Ok = false;
}

void TmsRemotePOP::readListReply(TmsRemoteInfoItem& Item) {
    requirePositive(ReadReplyLine(LastReply));
    Item.Size = listedSize();
}

void TmsRemotePOP::readTopReply(TmsRemoteInfoItem& Item) {
    requirePositive(ReadReplyLine(LastReply));
    QByteArray block;
    ReadToStream(block, -1, TopReplyLimit);
    Item.Headers.LoadFromBytes(block);
    Item.Headers.StripBody();
}

void TmsRemotePOP::FetchInfo(int Index, TmsRemoteInfoItem& Item, bool WithUID, bool WithHeaders,
                             bool& Ok) {
    closeOnFailure([&] {
        const QString n = QString::number(Index + 1);
        if (WithUID) {
            SendLine(QStringLiteral("UIDL ") + n);
            readUidlReply(Item, Ok);
        }
        if (WithHeaders) {
            SendLine(QStringLiteral("LIST ") + n);
            readListReply(Item);
            SendLine(QStringLiteral("TOP ") + n + QStringLiteral(" 1"));
            readTopReply(Item);
        }
    });
}

void TmsRemotePOP::UpdateInfo() {
    closeOnFailure([this] {
        Connect();
        if (OnUpdatingInfo) OnUpdatingInfo(this);
        RemoteInfo.Clear();
        const int count = MessageCount;
        const bool ahead = Pipelined();
        int sent = 0; // messages whose commands are on their way
        for (int index = 0; index < count; ++index) {
            auto item = std::make_unique<TmsRemoteInfoItem>();
            if (ahead) {
                // Topped up when half the window has been answered: few
                // large writes rather than one small one per message.
                QStringList lines;
                if (sent - index <= PipelineWindow / 2)
                    for (; sent < count && sent < index + PipelineWindow; ++sent) {
                        const QString n = QString::number(sent + 1);
                        lines << QStringLiteral("LIST ") + n << QStringLiteral("TOP ") + n + " 1";
                    }
                QueueLines(lines);
                readListReply(*item);
                readTopReply(*item);
            } else {
                bool ok = true;
                FetchInfo(index, *item, false, true, ok);
            }
            RemoteInfo.Add(std::move(item));
            if (OnNextInfoUpdated) OnNextInfoUpdated(this, index);
        }
        if (!KeepConnection) Disconnect();
        if (OnInfoUpdated) OnInfoUpdated(this);
    });
}

void TmsRemotePOP::checkSameMessage(int Index, const TmsRemoteInfoItem& Now) {
    const TmsHeaders& listed = RemoteInfo.Items(Index).Headers;
    bool same = true;
    const QString idNow = Now.Headers.GetFieldValue(QStringLiteral("Message-ID"));
    const QString idListed = listed.GetFieldValue(QStringLiteral("Message-ID"));
    if (!idNow.isEmpty() && !idListed.isEmpty() && idNow != idListed) same = false;
    const qsizetype lines = std::min(Now.Headers.size(), listed.size());
    for (qsizetype i = 0; same && i < lines; ++i)
        same = Now.Headers.at(i) == listed.at(i);
    if (!same) RaiseSocketError(57105);
}

bool TmsRemotePOP::VerifyMessage(int Index) {
    closeOnFailure([this, Index] {
        TmsRemoteInfoItem now;
        bool ok = true;
        FetchInfo(Index, now, true, true, ok);
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
    size_t next = 0;   // the first marked message not yet asked for
    int verifying = 0; // verifications on their way
    QStringList lines;
    const auto sendAhead = [&] {
        // Topped up when half the window has been answered (and DELE n at once).
        if (verifying <= PipelineWindow / 2)
            for (; next < marked.size() && verifying < PipelineWindow; ++next, ++verifying) {
                const QString n = QString::number(marked[next] + 1);
                lines << QStringLiteral("UIDL ") + n << QStringLiteral("LIST ") + n
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
        bool ok = true;
        readUidlReply(now, ok);
        readListReply(now);
        readTopReply(now);
        checkSameMessage(reply.index, now);
        --verifying;
        if (OnDeleting) OnDeleting(this, reply.index);
        lines << QStringLiteral("DELE ") + QString::number(reply.index + 1);
        replies.push_back({true, reply.index});
        sendAhead();
    }
}
