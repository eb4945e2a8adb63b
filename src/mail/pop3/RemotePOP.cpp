#include "mail/pop3/RemotePOP.h"

#include "mail/Exceptions.h"

#include <QSaveFile>

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

void TmsRemotePOP::FetchInfo(int Index, TmsRemoteInfoItem& Item, bool WithUID, bool WithHeaders,
                             bool& Ok) {
    closeOnFailure([&] {
        const QString n = QString::number(Index + 1);
        if (WithUID) {
            Item.UID.clear();
            SendLine(QStringLiteral("UIDL ") + n);
            if (ReadReplyLine(LastReply) == 1)
                Item.UID = ExtractWord(LastReply, 2, true);
            else
                Ok = false;
        }
        if (WithHeaders) {
            command(QStringLiteral("LIST ") + n);
            Item.Size = listedSize();
            command(QStringLiteral("TOP ") + n + QStringLiteral(" 1"));
            QByteArray block;
            ReadToStream(block, -1);
            Item.Headers.LoadFromBytes(block);
            Item.Headers.StripBody();
        }
    });
}

void TmsRemotePOP::UpdateInfo() {
    closeOnFailure([this] {
        Connect();
        if (OnUpdatingInfo) OnUpdatingInfo(this);
        RemoteInfo.Clear();
        const int count = MessageCount;
        for (int index = 0; index < count; ++index) {
            auto item = std::make_unique<TmsRemoteInfoItem>();
            bool ok = true;
            FetchInfo(index, *item, false, true, ok);
            RemoteInfo.Add(std::move(item));
            if (OnNextInfoUpdated) OnNextInfoUpdated(this, index);
        }
        if (!KeepConnection) Disconnect();
        if (OnInfoUpdated) OnInfoUpdated(this);
    });
}

bool TmsRemotePOP::VerifyMessage(int Index) {
    closeOnFailure([this, Index] {
        const TmsHeaders& listed = RemoteInfo.Items(Index).Headers;
        TmsRemoteInfoItem now;
        bool ok = true;
        FetchInfo(Index, now, true, true, ok);
        bool same = true;
        const QString idNow = now.Headers.GetFieldValue(QStringLiteral("Message-ID"));
        const QString idListed = listed.GetFieldValue(QStringLiteral("Message-ID"));
        if (!idNow.isEmpty() && !idListed.isEmpty() && idNow != idListed) same = false;
        const qsizetype lines = std::min(now.Headers.size(), listed.size());
        for (qsizetype i = 0; same && i < lines; ++i)
            same = now.Headers.at(i) == listed.at(i);
        if (!same) RaiseSocketError(57105);
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
        for (int index = 0; index < RemoteInfo.Count(); ++index) {
            const TmsMarks marks = RemoteInfo.Items(index).Marks;
            if (marks.testFlag(mkRetrieve) && VerifyMessage(index)) RetrieveMessage(index);
            if (marks.testFlag(mkDelete) && VerifyMessage(index)) DeleteMessage(index);
        }
        if (OnDataTransfered) OnDataTransfered(this);
        Disconnect();
    });
}
