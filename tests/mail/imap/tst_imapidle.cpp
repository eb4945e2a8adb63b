// Watching a folder in IDLE against a scripted server and a real Dovecot: new
// mail is announced, IDLE is issued anew on time, a dropped connection is made
// again after a pause, a server without IDLE is left alone, and a stop ends a
// sign-in that waits.
#include "ImapEvents.h"
#include "mail/imap/ImapIdle.h"
#include "support/servers/DovecotServer.h"
#include "support/servers/ScriptedImapServer.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

ImapScript watched(const QByteArray& idleReply, ScriptStep::Action action = ScriptStep::Continue,
                   int pieces = 1, int gapMs = 0) {
    ImapScript s = ScriptedImapServer::signIn("IMAP4rev1 IDLE");
    s << ScriptStep{"A2 EXAMINE \"INBOX\"", ScriptedImapServer::selected("A2", 2, 7, false)}
      << ScriptStep{"A3 IDLE", idleReply, action, pieces, gapMs};
    return s;
}

void configure(ImapIdle& idle, const QString& server) {
    MailAccount account;
    account.Server = server;
    account.UserName = QStringLiteral("tester");
    account.Password = QStringLiteral("secret");
    account.Security = MailSecurity::None;
    account.Protocol = MailProtocol::Imap;
    idle.setAccount(account);
    idle.setTimeOut(3);
    idle.setBackOff(100, 400);
}

} // namespace

class TestImapIdle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newMailIsAnnounced() {
        // The new message's EXISTS comes a while after IDLE began; an expunge
        // and a count that does not grow are no news.
        ScriptedImapServer server(
            watched("+ idling\r\n* 2 EXISTS\r\n* 1 EXPUNGE\r\n* 1 EXISTS\r\n* 3 EXISTS\r\n",
                    ScriptStep::Stall, 2, 300));
        ImapIdle idle;
        configure(idle, server.server());
        QSignalSpy started(&idle, &ImapIdle::watchingStarted);
        QSignalSpy news(&idle, &ImapIdle::newMail);
        idle.start();
        QVERIFY(started.isEmpty()); // nothing happens within start()
        QTRY_COMPARE(started.size(), 1);
        QTRY_COMPARE(news.size(), 1);
        QVERIFY(idle.watching());
        QCOMPARE(server.received(), server.expected());
    }

    void idleIsIssuedAnew() {
        ImapScript script = watched("+ idling\r\n");
        script << ScriptStep{"DONE", "A3 OK Idle completed\r\n"}
               << ScriptStep{"A4 IDLE", "+ idling\r\n* 3 EXISTS\r\n", ScriptStep::Stall};
        ScriptedImapServer server(script);
        ImapIdle idle;
        configure(idle, server.server());
        idle.setReissueInterval(200);
        QSignalSpy started(&idle, &ImapIdle::watchingStarted);
        QSignalSpy news(&idle, &ImapIdle::newMail);
        idle.start();
        QTRY_COMPARE(started.size(), 2);
        QTRY_COMPARE(news.size(), 1);
        QCOMPARE(server.received(), server.expected());
    }

    void droppedConnectionIsMadeAgain() {
        ScriptedImapServer server(
            QList<ImapScript>{watched("+ idling\r\n* BYE Shutting down\r\n", ScriptStep::Close),
                              ImapScript{{"", "* BYE Too many connections\r\n", ScriptStep::Close}},
                              watched("+ idling\r\n", ScriptStep::Stall)});
        ImapIdle idle;
        configure(idle, server.server());
        QSignalSpy started(&idle, &ImapIdle::watchingStarted);
        QSignalSpy dropped(&idle, &ImapIdle::dropped);
        QElapsedTimer took;
        took.start();
        idle.start();
        QTRY_COMPARE(started.size(), 2);
        QCOMPARE(dropped.size(), 2);
        QCOMPARE(dropped.at(0).at(0).toString(), QStringLiteral("* BYE Shutting down"));
        QVERIFY(took.elapsed() >= 100 + 200); // the pause doubles
        QCOMPARE(server.connectionCount(), 3);
    }

    void serverWithoutIdleIsLeftAlone() {
        ImapScript script = ScriptedImapServer::signIn("IMAP4rev1");
        script << ScriptStep{"A2 LOGOUT", "* BYE\r\nA2 OK bye\r\n"};
        ScriptedImapServer server(script);
        ImapIdle idle;
        configure(idle, server.server());
        QSignalSpy unsupported(&idle, &ImapIdle::unsupported);
        idle.start();
        QTRY_COMPARE(unsupported.size(), 1);
        QVERIFY(server.waitForClientClose());
        QCOMPARE(server.received(), server.expected());
        QTest::qWait(300);
        QCOMPARE(server.connectionCount(), 1);
    }

    // A server that never greets: the stop ends the sign-in's wait, and a
    // disposed watcher goes once it has left it.
    void disposeWhileSigningIn() {
        ScriptedImapServer server(ImapScript{{"", "", ScriptStep::Stall}});
        QPointer<ImapIdle> idle = new ImapIdle;
        configure(*idle, server.server());
        idle->setTimeOut(30);
        // Comes while the sign-in waits for the greeting.
        QTimer::singleShot(300, idle, [&idle] { idle->dispose(); });
        QElapsedTimer took;
        took.start();
        idle->start();
        QTRY_VERIFY(idle.isNull());
        QCOMPARE(server.connectionCount(), 1);
        QVERIFY(took.elapsed() < 5000);
    }

    void wakesOnMailDeliveredToDovecot() {
        DovecotServer dovecot;
        QVERIFY2(dovecot.start(), qPrintable(dovecot.errorString()));
        QVERIFY(dovecot.addUser("watched", "secret"));
        QVERIFY(dovecot.addMessage("watched", "Subject: first\n\nbody\n"));
        ImapIdle idle;
        configure(idle, dovecot.imapServer());
        MailAccount account = idle.account();
        account.UserName = QStringLiteral("watched");
        idle.setAccount(account);
        QSignalSpy started(&idle, &ImapIdle::watchingStarted);
        QSignalSpy news(&idle, &ImapIdle::newMail);
        idle.start();
        QTRY_COMPARE(started.size(), 1);
        QElapsedTimer took;
        took.start();
        QVERIFY(dovecot.addMessage("watched", "Subject: second\n\nbody\n"));
        QTRY_COMPARE_WITH_TIMEOUT(news.size(), 1, 10000);
        QVERIFY2(took.elapsed() < 5000, qPrintable(QString::number(took.elapsed())));
        idle.stop();
    }
};

QTEST_GUILESS_MAIN(TestImapIdle)
#include "tst_imapidle.moc"
