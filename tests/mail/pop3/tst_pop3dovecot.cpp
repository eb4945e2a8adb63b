// The POP3 client against a real Dovecot server: listing a maildir, deleting,
// cancelling, failures, concurrent changes, and TLS from the start or by STLS,
// trusted by a certificate authority or by the certificate's fingerprint.
#include "PopEvents.h"
#include "support/servers/DovecotServer.h"

#include <QFile>
#include <QSslKey>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray message(const QByteArray& id, const QByteArray& headers = {},
                   const QByteArray& body = "Hello.\n") {
    return "From: Ann Example <ann@example.org>\nTo: tester@localhost\nMessage-ID: <" + id +
           "@example.org>\nSubject: message " + id + "\nDate: Mon, 5 Feb 2024 10:00:00 +0100\n" +
           headers + "\n" + body;
}

} // namespace

class TestPop3Dovecot : public QObject {
    Q_OBJECT

    DovecotServer m_plain;
    DovecotServer m_tls{true};

    // A fresh mailbox on server holding messages; returns its user name.

    void configure(TmsRemotePOP& pop, const QString& server, const QString& user) {
        pop.Server = server;
        pop.UserName = user;
        pop.Password = QStringLiteral("secret");
        pop.setTimeOut(10);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(m_plain.start(), qPrintable(m_plain.errorString()));
        QVERIFY2(m_tls.start(), qPrintable(m_tls.errorString()));
    }

    void cleanup() { TagSocket::setExtraCaCertificates({}); }

    void listsAMaildir() {
        const QString user = m_plain.mailbox({
            message("a", "X-Folded: first part\n\tsecond part\n"),
            message("b", "X-Note: =?ISO-8859-1?Q?Gr=FC=DFe?=\n"),
            "From: x@example.org\nSubject: =?UTF-8?B?w5xiZXIgZGllIEdyw7bDn2U=?=\n"
            "Date: 31 Dec 99 23:59:60 GMT\n\nno id\n",
        });
        TmsRemotePOP pop;
        configure(pop, m_plain.server(), user);
        PopEvents log;
        log.attach(pop);

        pop.UpdateInfo();

        QVERIFY(pop.OffersPipelining()); // the listing went ahead of the replies
        QCOMPARE(log.events, (QStringList{"open", "updating", "next 0", "next 1", "next 2",
                                          "closing", "closed", "updated"}));
        QCOMPARE(pop.MessageCount, 3);
        QCOMPARE(pop.RemoteInfo.Count(), 3);
        const QList<QByteArray> stored = m_plain.messages(user);
        for (int i = 0; i < 3; ++i) // sizes count CR LF line ends, as the server sends them
            QCOMPARE(pop.RemoteInfo.Items(i).Size, stored.at(i).size() + stored.at(i).count('\n'));
        const TmsHeaders& a = pop.RemoteInfo.Items(0).Headers;
        QCOMPARE(a.GetFieldValue("X-Folded"), QStringLiteral("first part second part"));
        QVERIFY(!a.contains("Hello.")); // the body line went with StripBody
        QCOMPARE(pop.RemoteInfo.Items(1).Headers.GetFieldValue("X-Note"), u"Grüße"_qs);
        const TmsHeaders& c = pop.RemoteInfo.Items(2).Headers;
        QCOMPARE(c.GetFieldValue("Subject"), u"Über die Größe"_qs);
        QCOMPARE(c.GetFieldValue("Date"), QStringLiteral("31 Dec 99 23:59:60 GMT"));
        QCOMPARE(c.GetFieldValue("Message-ID"), QString());
    }

    void deletionTakesEffectAtQuit() {
        const QString user = m_plain.mailbox({message("a"), message("b"), message("c")});
        TmsRemotePOP pop;
        configure(pop, m_plain.server(), user);
        pop.UpdateInfo();
        pop.MarkDelete(1);
        QStringList beforeQuit;
        pop.OnDataTransfered = [&](QObject*) { beforeQuit = m_plain.messageIds(user); };

        pop.TransferData();

        QCOMPARE(beforeQuit, (QStringList{"a", "b", "c"}));
        QCOMPARE(m_plain.messageIds(user), (QStringList{"a", "c"}));
    }

    void deletionAheadOrInStep_data() {
        QTest::addColumn<bool>("pipelining");
        QTest::newRow("ahead") << true;
        QTest::newRow("in-step") << false;
    }

    // Several marked messages among others: the same ones go, in order.
    void deletionAheadOrInStep() {
        QFETCH(bool, pipelining);
        const QString user = m_plain.mailbox(
            {message("a"), message("b"), message("c"), message("d"), message("e"), message("f")});
        TmsRemotePOP pop;
        configure(pop, m_plain.server(), user);
        pop.AllowPipelining = pipelining;
        pop.UpdateInfo();
        for (int i : {0, 2, 3, 5})
            pop.MarkDelete(i);
        PopEvents log;
        log.attach(pop);

        pop.TransferData();

        QCOMPARE(log.events.filter("deleting"),
                 (QStringList{"deleting 0", "deleting 2", "deleting 3", "deleting 5"}));
        QCOMPARE(log.events.filter("deleted"),
                 (QStringList{"deleted 0", "deleted 2", "deleted 3", "deleted 5"}));
        QCOMPARE(m_plain.messageIds(user), (QStringList{"b", "e"}));
    }

    // A message whose one line of body makes its TOP reply too large ends the
    // listing with a clear error; the rows before it stay, nothing is deleted.
    void oversizedTopReplyEndsTheListing() {
        const QString user = m_plain.mailbox(
            {message("a"), message("wide", {}, QByteArray(600000, 'w') + "\n"), message("c")});
        TmsRemotePOP pop;
        configure(pop, m_plain.server(), user);
        PopEvents log;
        log.attach(pop);

        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }),
                 "ESocketError: The server's reply is larger than 524288 bytes");

        QCOMPARE(log.events, (QStringList{"open", "updating", "next 0",
                                          "error: The server's reply is larger than 524288 bytes",
                                          "closing", "closed"}));
        QCOMPARE(pop.RemoteInfo.Count(), 1);
        QVERIFY(!pop.Connected());
        QCOMPARE(m_plain.messageIds(user), (QStringList{"a", "wide", "c"}));
    }

    void cancelDeletesNothing() {
        // 4 MB in lines of 1 kB: its TOP reply stays small, its retrieval does not.
        const QString user = m_plain.mailbox(
            {message("a"), message("big", {}, (QByteArray(1023, 'x') + "\n").repeated(4096))});
        TmsRemotePOP pop;
        configure(pop, m_plain.server(), user);
        pop.UpdateInfo();
        pop.MarkDelete(0);
        pop.MarkRetrieve(1);
        PopEvents log;
        log.attach(pop);
        pop.OnUserMessageSave = [](QObject*, int, const QByteArray&) { QFAIL("saved"); };
        pop.OnRetrieving = [&](QObject*, int n) {
            log.events << QStringLiteral("retrieving %1").arg(n);
            pop.OnProgress = [&](QObject*, int, int) { pop.Cancel(); };
        };

        QCOMPARE(failureOf([&] { pop.TransferData(); }),
                 "ECanceledError: Operation has been canceled");

        QVERIFY(!pop.Connected());
        QCOMPARE(m_plain.messageIds(user), (QStringList{"a", "big"}));
        QCOMPARE(log.events.mid(2, 5),
                 (QStringList{"deleting 0", "deleted 0", "retrieving 1", "cancel", "closing"}));
    }

    void wrongPassword() {
        const QString user = m_plain.mailbox({message("a")});
        TmsRemotePOP pop;
        configure(pop, m_plain.server(), user);
        pop.Password = QStringLiteral("not the password");
        PopEvents log;
        log.attach(pop);

        QCOMPARE(failureOf([&] { pop.UpdateInfo(); }),
                 "EServerError: -ERR [AUTH] Authentication failed. (the reply to PASS)");

        QCOMPARE(log.events.filter("error").size(), 0);
        QVERIFY(!pop.Connected()); // not left half open
        QCOMPARE(m_plain.messageIds(user), QStringList{"a"});
    }

    // Another client deletes b between the listing and the transfer: message 1
    // is still a, but message 3 is now d. Nothing may be deleted, not even a.
    void concurrentDeletionIsNoticed() {
        const QString user =
            m_plain.mailbox({message("a"), message("b"), message("c"), message("d")});
        TmsRemotePOP pop;
        configure(pop, m_plain.server(), user);
        pop.UpdateInfo();
        pop.MarkDelete(0);
        pop.MarkDelete(2);

        TmsRemotePOP other;
        configure(other, m_plain.server(), user);
        other.UpdateInfo();
        other.MarkDelete(1);
        other.TransferData();
        QCOMPARE(m_plain.messageIds(user), (QStringList{"a", "c", "d"}));

        QCOMPARE(failureOf([&] { pop.TransferData(); }), "ESocketError: IDs are different");
        QVERIFY(!pop.Connected());
        QCOMPARE(m_plain.messageIds(user), (QStringList{"a", "c", "d"}));
    }

    void overTls_data() {
        QTest::addColumn<QString>("server"); // %1 the plain port, %2 the TLS port
        QTest::addColumn<int>("security");
        QTest::addColumn<bool>("pinned"); // trusted by fingerprint, not by a certificate authority
        const int optional = int(MailSecurity::StartTlsOptional);
        const int required = int(MailSecurity::StartTlsRequired);
        QTest::newRow("tls-from-the-start") << "pop3s://localhost:%2" << optional << false;
        QTest::newRow("stls-upgrade") << "localhost:%1" << optional << false;
        QTest::newRow("tls-chosen-on-a-port-of-its-own")
            << "localhost:%2" << int(MailSecurity::Tls) << true;
        QTest::newRow("stls-required") << "localhost:%1" << required << true;
        QTest::newRow("pinned-from-the-start") << "pop3s://localhost:%2" << optional << true;
        // The user trusts this very certificate, whatever name it carries.
        QTest::newRow("pinned-by-address") << "127.0.0.1:%1" << required << true;
    }

    void overTls() {
        QFETCH(QString, server);
        QFETCH(int, security);
        QFETCH(bool, pinned);
        TmsRemotePOP pop;
        if (pinned)
            pop.TrustedFingerprint =
                readableFingerprint(certificateFingerprint(m_tls.certificates().value(0)));
        else
            TagSocket::setExtraCaCertificates(m_tls.certificates());
        const QString user = m_tls.mailbox({message("a"), message("b")});
        configure(pop,
                  QString(server)
                      .replace("%1", QString::number(m_tls.port()))
                      .replace("%2", QString::number(m_tls.tlsPort())),
                  user);
        pop.Security = MailSecurity(security);
        bool secure = false;
        pop.OnNextInfoUpdated = [&](QObject*, int) { secure = pop.IsSecure(); };
        pop.UpdateInfo();
        QVERIFY(secure);
        QCOMPARE(pop.RemoteInfo.Count(), 2);
        pop.MarkDelete(0);
        pop.TransferData();
        QCOMPARE(m_tls.messageIds(user), QStringList{"b"});
    }

    void certificateRejected_data() {
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<bool>("pinnedOther"); // the fingerprint of another certificate is trusted
        QTest::addColumn<bool>("fromTheStart");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("reason");
        const QString selfSigned =
            "Certificate of localhost not accepted: The certificate is self-signed, and untrusted";
        QTest::newRow("untrusted-from-the-start")
            << false << false << true << "localhost" << selfSigned;
        QTest::newRow("untrusted-on-stls") << false << false << false << "localhost" << selfSigned;
        QTest::newRow("host-name-mismatch")
            << true << false << true << "127.0.0.1"
            << "Certificate of 127.0.0.1 not accepted: The host name did not match any of the "
               "valid hosts for this certificate";
        QTest::newRow("changed-certificate-from-the-start")
            << false << true << true << "localhost" << selfSigned;
        QTest::newRow("changed-certificate-on-stls")
            << false << true << false << "localhost" << selfSigned;
    }

    // The password never goes out over a connection whose certificate failed;
    // the failure names the certificate so that a person can decide about it.
    void certificateRejected() {
        QFETCH(bool, trusted);
        QFETCH(bool, pinnedOther);
        QFETCH(bool, fromTheStart);
        QFETCH(QString, host);
        QFETCH(QString, reason);
        if (trusted) TagSocket::setExtraCaCertificates(m_tls.certificates());
        const QString user = m_tls.mailbox({message("a")});
        TmsRemotePOP pop;
        if (pinnedOther) {
            QTemporaryDir other;
            QSslCertificate certificate;
            QSslKey key;
            QVERIFY(DovecotServer::makeCertificate(other.path(), &certificate, &key));
            pop.TrustedFingerprint = certificateFingerprint(certificate);
        }
        const quint16 port = fromTheStart ? m_tls.tlsPort() : m_tls.port();
        configure(pop,
                  QStringLiteral("%1%2:%3").arg(fromTheStart ? "pop3s://" : "", host).arg(port),
                  user);
        PopEvents log;
        log.attach(pop);

        const QSslCertificate served = m_tls.certificates().value(0);
        QString text, fingerprint;
        try {
            pop.UpdateInfo();
        } catch (const ECertificateError& e) {
            text = e.message();
            fingerprint = e.fingerprint();
        }

        QCOMPARE(fingerprint, certificateFingerprint(served));
        QCOMPARE(text.section('\n', 0, 0), reason);
        QCOMPARE(text.section('\n', 1),
                 QStringLiteral("Subject: CN=localhost\nIssuer: CN=localhost\n"
                                "Valid from %1 to %2 UTC\nSHA-256 fingerprint: %3")
                     .arg(served.effectiveDate().toUTC().toString("yyyy-MM-dd HH:mm"),
                          served.expiryDate().toUTC().toString("yyyy-MM-dd HH:mm"),
                          readableFingerprint(fingerprint)));
        QVERIFY(log.events.contains("error: " + text));
        QVERIFY(!pop.Connected());
        QFile serverLog(m_tls.dir() + "/dovecot.log");
        QVERIFY(serverLog.open(QIODevice::ReadOnly));
        QVERIFY(!serverLog.readAll().contains("user=<" + user.toUtf8() + ">"));
    }
};

QTEST_GUILESS_MAIN(TestPop3Dovecot)
#include "tst_pop3dovecot.moc"
