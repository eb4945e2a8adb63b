#pragma once

#include "mail/MailClient.h"
#include "mail/pop3/RemotePOP.h"

// A POP3 mailbox behind the protocol-neutral client: the messages are those of
// TmsRemotePOP's listing (LIST and TOP n 1, with UIDL when the server offers it,
// and TOP only for messages the header cache does not hold),
// a fetch is RETR of one message and a removal is DELE, each after the message
// was verified, committed by QUIT.
class Pop3Client : public MailClient {
public:
    Pop3Client();
    ~Pop3Client() override;

    void setListener(MailClientListener* listener) override { m_listener = listener; }
    void setAccount(const MailAccount& account) override;
    const MailAccount& account() const override { return m_account; }
    void setAccessTokenSource(std::function<QString(bool renew)> source) override;
    void setTimeOut(int seconds) override { m_pop.setTimeOut(seconds); }
    void setDialLink(TagDialLink* link) override { m_pop.RAS = link; }
    void setKeepConnection(bool keep) override { m_pop.KeepConnection = keep; }
    bool connected() const override { return m_pop.Connected(); }
    MailProtocol protocol() const override { return MailProtocol::Pop3; }
    void setHeaderCache(HeaderCache* cache) override { m_pop.Cache = cache; }

    void list() override;
    int count() const override { return m_pop.RemoteInfo.Count(); }
    QString uid(int index) const override { return m_pop.RemoteInfo.Items(index).UID; }
    qint64 size(int index) const override { return m_pop.RemoteInfo.Items(index).Size; }
    const TmsHeaders& headers(int index) const override {
        return m_pop.RemoteInfo.Items(index).Headers;
    }
    void forget() override { m_pop.RemoteInfo.Clear(); }

    QByteArray fetch(int index) override;
    void remove(const QList<int>& indexes) override;
    void signOff() override;
    void cancel() override { m_pop.Cancel(); }

private:
    // Clears every mark of the listing.
    void unmarkAll();

    TmsRemotePOP m_pop;
    MailAccount m_account;
    MailClientListener* m_listener = nullptr;
    QByteArray m_fetched;
};
