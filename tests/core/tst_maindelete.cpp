// Deleting marked messages through the main controller against a real Dovecot:
// what goes and what stays, the question, the counter, the log blocks, cancel,
// a mailbox changed by another client, the guard, and the sweep with "Kill".
#include "ClassifierFixture.h"
#include "ControllerFixture.h"
#include "mail/pop3/RemotePOP.h"
#include "support/servers/ScriptedPop3Server.h"

#include <QtTest>

namespace {
// A message of a scripted mailbox as TOP n 1 sends it.
QByteArray top(const QByteArray& subject) {
    return "+OK\r\nFrom: ann@example.org\r\nSubject: " + subject + "\r\nMessage-ID: <" +
           subject.toHex() + "@example.org>\r\n\r\nHello.\r\n.\r\n";
}

// LIST n and TOP n 1 for each subject, numbered from first.
Pop3Script scan(const QList<QByteArray>& subjects, int first = 1) {
    Pop3Script script;
    for (int i = 0; i < subjects.size(); ++i) {
        const QByteArray n = QByteArray::number(first + i);
        script << ScriptStep{"LIST " + n, "+OK " + n + " 100\r\n"}
               << ScriptStep{"TOP " + n + " 1", top(subjects[i])};
    }
    return script;
}

// The verification of message n before its deletion, and DELE with reply.
Pop3Script verifiedDeletion(int n, const QByteArray& subject, const QByteArray& reply) {
    const QByteArray number = QByteArray::number(n);
    return scan({subject}, n) + Pop3Script{{"DELE " + number, reply}};
}
} // namespace

class TestMainDelete : public QObject {
    Q_OBJECT

    DovecotServer m_server;


    // a and c are kept; b (subject rule) and d (blacklist) are marked.
    QString fourMessages() {
        return m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap pills"), mail("c", "Minutes"),
                        mail("d", "Report", "spam@bad.test")});
    }

    static void rules(Harness& h) {
        QFile known(h.profile.appFile(QStringLiteral("known.lst")));
        known.open(QIODevice::WriteOnly);
        known.write("bad.test\r\n");
    }
    static void subjectRules(MainController& c) {
        setRules(c.dialogModels().Spam.gridSubject, {subjectRule("Contains", "pills", false, true)});
    }
    static QString storedCount() {
        return SettingsStore::tree().ReadString("General", "Count", "0");
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.errorString())); }

    void deletion_data() {
        QTest::addColumn<QString>("general");
        QTest::addColumn<Prompter::Answer>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("rowsAfter");
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<QString>("count");
        QTest::newRow("manual-asks-then-refreshes")
            << "Automatic=0,Ask=1,Launch=0" << Prompter::Answer::Yes << 1 << QStringList{"a", "c"}
            << QStringList{"Hello", "Minutes"} << QStringList{} << "7";
        QTest::newRow("manual-launches-the-mail-program")
            << "Automatic=0,Ask=1,Launch=1,Mailer=mailer" << Prompter::Answer::Yes << 1
            << QStringList{"a", "c"} << QStringList{} << QStringList{"mailer"} << "7";
        QTest::newRow("automatic-asks-nothing")
            << "Automatic=1,Ask=1,Launch=0" << Prompter::Answer::No << 0 << QStringList{"a", "c"}
            << QStringList{"Hello", "Minutes"} << QStringList{} << "7";
        QTest::newRow("no-keeps-everything")
            << "Automatic=0,Ask=1,Launch=0" << Prompter::Answer::No << 1
            << QStringList{"a", "b", "c", "d"}
            << QStringList{"Hello", "Cheap pills", "Minutes", "Report"} << QStringList{} << "5";
    }

    void deletion() {
        QFETCH(QString, general);
        QFETCH(Prompter::Answer, answer);
        QFETCH(int, questions);
        QFETCH(QStringList, left);
        QFETCH(QStringList, rowsAfter);
        QFETCH(QStringList, programs);
        QFETCH(QString, count);
        Harness h;
        rules(h);
        const QString user = fourMessages();
        Harness::slot(1, m_server.server(), user);
        Harness::setGeneral("Count", "5");
        for (const QString& pair : general.split(','))
            Harness::setGeneral(pair.section('=', 0, 0), pair.section('=', 1));
        MainController& c = h.start();
        subjectRules(c);
        QVERIFY(c.btListClick());
        QCOMPARE(c.MarkedCount(), 2);
        h.prompter.answerNext(answer);

        QVERIFY(c.btDeleteClick());

        QCOMPARE(h.prompter.texts().filter("Really delete 2 messages from server?").size(),
                 questions);
        QCOMPARE(m_server.messageIds(user), left);
        QCOMPARE(h.subjects(), rowsAfter);
        QCOMPARE(h.shell.programs, programs);
        QCOMPARE(storedCount(), count);
        QCOMPARE(c.general().Count, count);
        QVERIFY(!c.OperationRunning());
        QVERIFY(!c.logOpen());
        const QStringList log = h.logLines();
        if (left.size() == 2) {
            QCOMPARE(log.filter(QRegularExpression("^DELETE SPAM on ")).size(), 2);
            qsizetype at = 0;
            while (at < log.size() && !log[at].startsWith("DELETE SPAM on "))
                ++at;
            QCOMPARE(log.mid(at + 1, 3),
                     (QStringList{"   Server:  " + m_server.server() + " Mailbox: " + user,
                                  "   Subject: Cheap pills", "   Sender:  ann@example.org"}));
            QVERIFY(log.value(at + 4).startsWith("   Size:    ") &&
                    log.value(at + 4).contains("  Date: "));
            if (programs.isEmpty())
                QCOMPARE(c.state().StatusText, QStringLiteral("There were 2 messages deleted"));
        } else {
            QVERIFY(log.filter("DELETE SPAM").isEmpty());
            QCOMPARE(h.marks(), (QList<int>{NoMark, CheckMark, NoMark, BlacklistMark}));
        }
        QCOMPARE(c.state().btExitFace, ExitFace::Idle);
        QVERIFY(!c.state().Progress.Visible);
    }

    void nothingMarked_data() {
        QTest::addColumn<QString>("automatic");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("manual-tells")
            << "0" << QStringList{"There were no messages marked to delete!"};
        QTest::newRow("automatic-is-silent") << "1" << QStringList{};
    }

    void nothingMarked() {
        QFETCH(QString, automatic);
        QFETCH(QStringList, texts);
        Harness h;
        const QString user = m_server.mailbox({mail("a", "Hello")});
        Harness::slot(1, m_server.server(), user);
        Harness::setGeneral("Automatic", automatic);
        MainController& c = h.start();
        QVERIFY(c.btListClick());
        QVERIFY(c.btDeleteClick());
        QCOMPARE(h.prompter.texts(), texts);
        QCOMPARE(m_server.messageIds(user), QStringList{"a"});
        QCOMPARE(storedCount(), QStringLiteral("0"));
    }

    // A cancel before the sign-off deletes nothing and leaves list and counter;
    // a mark the user takes away afterwards is not deleted by the next try.
    void cancelInTheMiddleDeletesNothing() {
        Harness h;
        rules(h);
        const QString user = fourMessages();
        Harness::slot(1, m_server.server(), user);
        Harness::setGeneral("Automatic", "1");
        Harness::setGeneral("Launch", "0");
        MainController& c = h.start();
        subjectRules(c);
        QVERIFY(c.btListClick());
        const QMetaObject::Connection cancel =
            connect(&c.session(), &MailboxSession::deleting, this, [&](int n, int, int) {
                if (n == 3) c.btExitClick();
            });

        QVERIFY(!c.btDeleteClick());

        QCOMPARE(c.LastFailure(), QStringLiteral("Operation has been canceled"));
        QCOMPARE(m_server.messageIds(user), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(h.marks(), (QList<int>{NoMark, CheckMark, NoMark, BlacklistMark}));
        QCOMPARE(storedCount(), QStringLiteral("0"));
        QVERIFY(!c.OperationRunning());
        QCOMPARE(c.state().btExitFace, ExitFace::Idle);

        disconnect(cancel);
        c.btMarkClick({1}); // b is kept after all
        QVERIFY(c.btDeleteClick());
        QCOMPARE(m_server.messageIds(user), (QStringList{"a", "b", "c"}));
        QCOMPARE(storedCount(), QStringLiteral("1"));
    }

    // With two mailboxes no connection is kept; another client removes a
    // message before the deletion, so the numbers have moved.
    void anotherClientInBetween() {
        Harness h;
        const QString user = m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap pills"),
                                      mail("c", "Minutes"), mail("d", "more pills")});
        Harness::slot(1, m_server.server(), user);
        Harness::slot(2, m_server.server(), m_server.mailbox());
        Harness::setGeneral("Automatic", "1");
        Harness::setGeneral("Launch", "0");
        MainController& c = h.start();
        subjectRules(c);
        QVERIFY(c.btListClick());
        QVERIFY(!c.session().connected());
        QCOMPARE(h.marks(), (QList<int>{NoMark, CheckMark, NoMark, CheckMark}));

        TmsRemotePOP other;
        other.Server = m_server.server();
        other.UserName = user;
        other.Password = QStringLiteral("secret");
        other.UpdateInfo();
        other.MarkDelete(0);
        other.TransferData();

        QVERIFY(!c.btDeleteClick());

        QCOMPARE(h.prompter.texts(), QStringList{"IDs are different"});
        QCOMPARE(m_server.messageIds(user), (QStringList{"b", "c", "d"}));
        QCOMPARE(h.subjects(), (QStringList{"Hello", "Cheap pills", "Minutes", "more pills"}));
        QCOMPARE(storedCount(), QStringLiteral("0"));
        QVERIFY(!c.OperationRunning());
    }

    void aSecondClickWhileDeletingDoesNothing() {
        Harness h;
        rules(h);
        const QString user = fourMessages();
        Harness::slot(1, m_server.server(), user);
        Harness::setGeneral("Launch", "0");
        MainController& c = h.start();
        subjectRules(c);
        QVERIFY(c.btListClick());
        QList<bool> inner;
        connect(&c.session(), &MailboxSession::deleting, this,
                [&](int, int, int) { inner << c.btDeleteClick(); });
        h.prompter.answerNext(Prompter::Answer::Yes);

        QVERIFY(c.btDeleteClick());

        QCOMPARE(inner, (QList<bool>{false, false}));
        QCOMPARE(h.prompter.texts().filter("Really delete").size(), 1);
        QCOMPARE(m_server.messageIds(user), (QStringList{"a", "c"}));
        QCOMPARE(storedCount(), QStringLiteral("2"));
        QCOMPARE(h.logLines().filter(QRegularExpression("^DELETE SPAM on ")).size(), 2);
    }

    void sweepWithKillCleansEveryMailbox() {
        Harness h;
        rules(h);
        const QString u1 = fourMessages();
        const QString u2 = m_server.mailbox({mail("e", "pills again"), mail("f", "Lunch")});
        const QString u3 = m_server.mailbox();
        Harness::slot(1, m_server.server(), u1);
        Harness::slot(2, m_server.server(), u2);
        Harness::slot(5, m_server.server(), u3);
        Harness::setGeneral("Automatic", "1");
        Harness::setGeneral("Kill", "1");
        MainController& c = h.start();
        subjectRules(c);
        h.view.visible = false;
        QList<SweptMailbox> swept;
        connect(&c, &MainController::mailboxSwept, this,
                [&](const SweptMailbox& m) { swept << m; });
        c.SweepNow();

        QCOMPARE(m_server.messageIds(u1), (QStringList{"a", "c"}));
        QCOMPARE(m_server.messageIds(u2), QStringList{"f"});
        QCOMPARE(swept.size(), 3);
        QCOMPARE(swept[0].Deleted, 2);
        QCOMPARE(swept[1].Deleted, 1);
        QCOMPARE(swept[1].Messages, 1); // what was left, after the refresh
        QCOMPARE(swept[2].Deleted, 0);
        QCOMPARE(storedCount(), QStringLiteral("3"));
        QCOMPARE(c.state().Caption, QStringLiteral("Quillmere - No waiting messages found"));
        QVERIFY(h.prompter.shown().isEmpty());
        QVERIFY(h.shell.programs.isEmpty()); // a hidden run launches nothing
        QCOMPARE(h.logLines().filter(QRegularExpression("^DELETE SPAM on ")).size(), 3);
    }

    // The server refuses one of two deletions: only the one it accepted is
    // logged and counted, and the user is told about the other.
    void aRefusedDeletionIsNeitherLoggedNorCounted() {
        ScriptedPop3Server server(QList<Pop3Script>{
            ScriptedPop3Server::signIn("+OK 2 200") + scan({"pills one", "pills two"}) +
                verifiedDeletion(1, "pills one", "-ERR message is locked\r\n") +
                verifiedDeletion(2, "pills two", "+OK\r\n") + Pop3Script{{"QUIT", "+OK bye\r\n"}},
            ScriptedPop3Server::signIn("+OK 1 100") + scan({"pills one"}),
        });
        Harness h;
        Harness::slot(1, server.server(), QStringLiteral("tester"));
        Harness::setGeneral("Automatic", "1");
        Harness::setGeneral("Launch", "0");
        MainController& c = h.start();
        subjectRules(c);
        QVERIFY(c.btListClick());
        QCOMPARE(c.MarkedCount(), 2);

        QVERIFY(c.btDeleteClick());

        QCOMPARE(server.received(0), server.expected(0));
        QCOMPARE(c.RefusedDeletions(), 1);
        QCOMPARE(h.prompter.texts(),
                 QStringList{"The server refused to delete 1 of the 2 marked messages; they are "
                             "still on the server."});
        const QStringList log = h.logLines();
        QCOMPARE(log.filter(QRegularExpression("^DELETE SPAM on ")).size(), 1);
        QCOMPARE(log.filter("   Subject: ").join('|'), QStringLiteral("   Subject: pills two"));
        QCOMPARE(storedCount(), QStringLiteral("1"));
        QCOMPARE(c.state().StatusText, QStringLiteral("There were 1 messages deleted"));
        QCOMPARE(h.subjects(), QStringList{"pills one"});
    }

    // A block that cannot be written ends the session without QUIT: the server
    // deletes nothing that has no record.
    void aBlockThatCannotBeWrittenDeletesNothing() {
        ScriptedPop3Server server(ScriptedPop3Server::signIn("+OK 2 200") +
                                  scan({"pills one", "hello"}) +
                                  verifiedDeletion(1, "pills one", "+OK\r\n"));
        Harness h;
        Harness::slot(1, server.server(), QStringLiteral("tester"));
        Harness::setGeneral("Automatic", "1");
        Harness::setGeneral("Logfile", "/dev/full");
        MainController& c = h.start();
        subjectRules(c);
        QVERIFY(c.btListClick());

        QVERIFY(!c.btDeleteClick());

        QVERIFY(server.waitForClientClose());
        QCOMPARE(server.received(), server.expected()); // no QUIT
        QVERIFY(c.LastFailure().startsWith(QStringLiteral("Cannot write to file \"/dev/full\"")));
        QCOMPARE(storedCount(), QStringLiteral("0"));
        QVERIFY(!c.logOpen());
    }
};

QTEST_GUILESS_MAIN(TestMainDelete)
#include "tst_maindelete.moc"
