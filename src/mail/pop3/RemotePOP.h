#pragma once

#include "mail/pop3/CustomPOP.h"
#include "mail/pop3/RemoteInfo.h"

class HeaderCache;

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
    // The mailbox's header cache that UpdateInfo reads and renews; null for
    // none. Not owned.
    HeaderCache* Cache = nullptr;

    // The data blocks of the replies to UIDL and LIST without an argument (a
    // line per message, starting with its number), for messages 1 to Count:
    // the ids, empty for a message the block leaves out; the sizes, raising
    // EServerError when it leaves one out.
    static std::vector<QString> ParseUidlListing(const QByteArray& Block, int Count);
    static std::vector<int> ParseListListing(const QByteArray& Block, int Count);

    std::function<void(QObject*)> OnUpdatingInfo;
    std::function<void(QObject*)> OnInfoUpdated;
    std::function<void(QObject*)> OnTransferringData;
    std::function<void(QObject*)> OnDataTransfered;
    std::function<void(QObject*, int Num)> OnNextInfoUpdated;
    // Replaces the default saving of a retrieved message.
    std::function<void(QObject*, int Num, const QByteArray& Contents)> OnUserMessageSave;

    // Hands Contents to OnUserMessageSave, or writes MessageDirectory + "msg_<Index>.eml".
    void SaveMessage(int Index, const QByteArray& Contents) override;
    // Rebuilds RemoteInfo: one UIDL for every message's UID (when the server
    // offers UIDL), LIST n and TOP n 1 for every waiting message; with
    // pipelining, up to PipelineWindow messages ahead of their replies. Raises
    // ESocketError when the server's capabilities leave out TOP.
    // With a Cache and a server that offers UIDL: one UIDL and one LIST for
    // every message's UID and size (sent together with pipelining), then TOP n
    // 1 only for the messages whose UID the cache does not hold with that size;
    // a complete listing leaves the cache holding exactly its messages (empty
    // without UIDL). The items and the events are those of a listing without it.
    void UpdateInfo();
    // Fills Item from the server: UIDL n when WithUID and the server offers
    // UIDL (a refusal sets Ok to false and ends there, with the reply in
    // LastReply); LIST n and TOP n 1 when WithHeaders.
    void FetchInfo(int Index, TmsRemoteInfoItem& Item, bool WithUID, bool WithHeaders, bool& Ok);
    // True when message Index + 1 is still the one RemoteInfo lists: the same
    // UID when the server offers UIDL, and the same header lines. Raises
    // ESocketError "IDs are different" otherwise, EServerError when UIDL n
    // is refused.
    bool VerifyMessage(int Index);
    void MarkRetrieve(int Index);
    void MarkDelete(int Index);
    void Unmark(int Index);
    // Retrieves and deletes the marked messages, then signs off. With
    // pipelining (and nothing to retrieve), the verifications of the next
    // marked messages go out while earlier replies arrive; DELE n follows only
    // that message's own verification.
    void TransferData();

    // How many messages' commands may be on their way ahead of their replies.
    // A constant: it bounds what either side buffers (commands of about 30
    // bytes and replies within TopReplyLimit per message), and at 1,000 the
    // server, not the round trip, sets the pace even at 100 ms.
    static constexpr int PipelineWindow = 1000;

private:
    void readUidlReply(int Index, TmsRemoteInfoItem& Item, bool& Ok);
    void readListReply(int Index, TmsRemoteInfoItem& Item);
    void readTopReply(int Index, TmsRemoteInfoItem& Item);
    // Reads the data block of the reply to Command without an argument: a
    // line of at most LineLimit bytes for each of Count messages.
    QByteArray readListingBlock(const QString& Command, int Count, qint64 LineLimit);
    // The reply to UIDL without an argument: the ids of messages 1 to Count,
    // empty for one the reply leaves out.
    std::vector<QString> readUidlListing(int Count);
    // The reply to LIST without an argument: the sizes of messages 1 to Count.
    // Raises EServerError when it leaves one out.
    std::vector<int> readListListing(int Count);
    // The listing of UpdateInfo without a cache, and with one.
    void listEach();
    void listWithCache();
    // Raises ESocketError (through OnError) when the server does not offer TOP.
    void requireTop();
    // Raises "IDs are different" unless Now describes the message RemoteInfo
    // lists at Index.
    void checkSameMessage(int Index, const TmsRemoteInfoItem& Now);
    void deleteAhead();

    QString m_messageDirectory;
};
