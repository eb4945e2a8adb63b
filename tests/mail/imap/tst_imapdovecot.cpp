// The IMAP client against a real Dovecot server: listing a folder without
// marking anything as seen, reading one message, moving into the Junk folder
// the server marks, deleting, and TLS by STARTTLS or from the start.
#include "ImapEvents.h"
#include "support/servers/DovecotServer.h"

#include <QDir>
#include <QtTest>

namespace {

QByteArray message(const QByteArray& id, const QByteArray& headers = {}) {
    return "From: Ann Example <ann@example.org>\nTo: tester@localhost\nMessage-ID: <" + id +
           "@example.org>\nSubject: message " + id + "\nDate: Mon, 5 Feb 2024 10:00:00 +0100\n" +
           headers + "\nHello.\n";
}

} // namespace

class TestImapDovecot : public QObject {
    Q_OBJECT

    DovecotServer m_server{true};


    void configure(ImapClient& client, const QString& user, SpamAction action = SpamAction::Move) {
        MailAccount account;
        account.Server = m_server.imapServer();
        account.UserName = user;
        account.Password = QStringLiteral("secret");
        account.Security = MailSecurity::StartTlsRequired;
        account.Protocol = MailProtocol::Imap;
        account.Action = action;
        client.setAccount(account);
        client.setTimeOut(10);
    }


    // Whether any message of the inbox carries the \Seen flag (Maildir's "S").
    bool anySeen(const QString& user) {
        QDir cur(m_server.dir() + QStringLiteral("/mail/") + user + QStringLiteral("/Maildir/cur"));
        for (const QString& name : cur.entryList(QDir::Files))
            if (name.section(QStringLiteral(":2,"), 1).contains(u'S')) return true;
        return false;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        TagSocket::setExtraCaCertificates(m_server.certificates());
    }

    void listsAndReadsWithoutMarkingSeen() {
        const QString user =
            m_server.mailbox({message("a", "X-Folded: first part\n\tsecond part\n"), message("b")});
        ImapClient client;
        configure(client, user);
        ClientEvents log;
        client.setListener(&log);

        client.list();

        QCOMPARE(log.events, (QStringList{"open", "listing", "listed 0/2", "listed 1/2", "closing",
                                          "closed", "list ended"}));
        const QList<QByteArray> stored = m_server.messages(user);
        for (int i = 0; i < 2; ++i) // sizes count CR LF line ends, as the server sends them
            QCOMPARE(client.size(i), stored.at(i).size() + stored.at(i).count('\n'));
        QVERIFY(client.uidOf(0) < client.uidOf(1));
        QCOMPARE(client.headers(0).GetFieldValue("X-Folded"),
                 QStringLiteral("first part second part"));
        QVERIFY(!client.headers(0).contains("Hello."));

        QByteArray crlf = stored.at(1);
        crlf.replace("\n", "\r\n");
        QCOMPARE(client.fetch(1), crlf);
        QVERIFY(!anySeen(user));
    }

    void movesIntoTheJunkFolder_data() {
        QTest::addColumn<bool>("keep");
        QTest::newRow("on-the-kept-connection") << true;
        QTest::newRow("on-a-new-connection") << false;
    }

    void movesIntoTheJunkFolder() {
        QFETCH(bool, keep);
        const QString user = m_server.mailbox({message("a"), message("b"), message("c"), message("d")});
        ImapClient client;
        configure(client, user);
        client.setKeepConnection(keep);
        client.list();
        ClientEvents log;
        client.setListener(&log);

        client.remove({1, 3});

        QCOMPARE(log.events.filter(QStringLiteral("removed")),
                 (QStringList{"removed 1", "removed 3"}));
        QCOMPARE(client.junkFolder(), QStringLiteral("Junk"));
        QCOMPARE(client.removalNote(), QString());
        QCOMPARE(m_server.messageIds(user), (QStringList{"a", "c"}));
        QCOMPARE(m_server.messageIds(user, "Junk"), (QStringList{"b", "d"}));
        QVERIFY(!client.connected());
    }

    void deletesForGood() {
        const QString user = m_server.mailbox({message("a"), message("b"), message("c")});
        ImapClient client;
        configure(client, user, SpamAction::Delete);
        client.list();
        client.remove({0, 2});
        QCOMPARE(m_server.messageIds(user), (QStringList{"b"}));
        QCOMPARE(m_server.messageIds(user, "Junk"), QStringList());
    }

    void newMailBetweenCheckAndMoveStays() {
        const QString user = m_server.mailbox({message("a"), message("b")});
        ImapClient client;
        configure(client, user);
        client.list();
        m_server.addMessage(user, message("new"));
        client.remove({0, 1});
        QCOMPARE(m_server.messageIds(user), (QStringList{"new"}));
    }

    void tlsFromTheStartTrustedByFingerprint() {
        const QString user = m_server.mailbox({message("a")});
        TagSocket::setExtraCaCertificates({});
        ImapClient client;
        configure(client, user);
        MailAccount account = client.account();
        account.Server = m_server.secureImapServer();
        account.Security = MailSecurity::Tls;
        client.setAccount(account);
        QVERIFY(failureOf([&] { client.list(); }).contains("Certificate of localhost"));
        account.TrustedFingerprint = certificateFingerprint(m_server.certificates().first());
        client.setAccount(account);
        client.list();
        QCOMPARE(client.count(), 1);
        TagSocket::setExtraCaCertificates(m_server.certificates());
    }
};

QTEST_GUILESS_MAIN(TestImapDovecot)
#include "tst_imapdovecot.moc"
