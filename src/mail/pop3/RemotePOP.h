#pragma once

#include "mail/pop3/CustomPOP.h"
#include "mail/pop3/RemoteInfo.h"

// The mailbox as the main window sees it: the list of waiting messages with
// their sizes and header blocks, marks, and the batch that retrieves and
// deletes the marked messages after making sure each is still the one listed.
class TmsRemotePOP : public TmsCustomPOP {
    Q_OBJECT
public:
    using TmsCustomPOP::TmsCustomPOP;

    // The folder for retrieved messages; kept with a trailing '/' when not empty.
    QString MessageDirectory() const { return m_messageDirectory; }
    void setMessageDirectory(const QString& folder);

    TmsRemoteInfo RemoteInfo;
    // Leave the connection signed in after UpdateInfo.
    bool KeepConnection = false;

    std::function<void(QObject*)> OnUpdatingInfo;
    std::function<void(QObject*)> OnInfoUpdated;
    std::function<void(QObject*)> OnTransferringData;
    std::function<void(QObject*)> OnDataTransfered;
    std::function<void(QObject*, int Num)> OnNextInfoUpdated;
    // Replaces the default saving of a retrieved message.
    std::function<void(QObject*, int Num, const QByteArray& Contents)> OnUserMessageSave;

    // Hands Contents to OnUserMessageSave, or writes MessageDirectory + "msg_<Index>.eml".
    void SaveMessage(int Index, const QByteArray& Contents) override;
    // Rebuilds RemoteInfo: LIST n and TOP n 1 for every waiting message.
    void UpdateInfo();
    // Fills Item from the server (UIDL n; LIST n and TOP n 1); a refused UIDL
    // sets Ok to false.
    void FetchInfo(int Index, TmsRemoteInfoItem& Item, bool WithUID, bool WithHeaders, bool& Ok);
    // True when message Index + 1 is still the one RemoteInfo lists; raises
    // ESocketError "IDs are different" otherwise.
    bool VerifyMessage(int Index);
    void MarkRetrieve(int Index);
    void MarkDelete(int Index);
    void Unmark(int Index);
    // Retrieves and deletes the marked messages, then signs off.
    void TransferData();

private:
    QString m_messageDirectory;
};
