// IMAP mailboxes through the main controller against a real Dovecot: the same
// mailbox served over POP3 and over IMAP gives the same rows and marks, "Delete
// marked messages" moves into the Junk folder (or deletes) with its log blocks
// and counter, "View body" reads one message, and a refusal is told.
#include "ClassifierFixture.h"
#include "ControllerFixture.h"
#include "support/servers/ScriptedImapServer.h"

#include <QtTest>

class TestMainImap : public QObject {
    Q_OBJECT

    DovecotServer m_server;


    // Slot 1 as user's IMAP mailbox in automatic mode with "Kill", started
    // and watched; each sweep's report goes to swept.
    MainController& startWatching(Harness& h, const QString& user, QList<SweptMailbox>& swept) {
        imapSlot(1, m_server.imapServer(), user);
        Harness::setGeneral("Automatic", "1");
        Harness::setGeneral("Kill", "1");
        MainController& c = h.start();
        markingRules(h, c);
        connect(&c, &MainController::mailboxSwept, this,
                [&swept](const SweptMailbox& m) { swept << m; });
        [&] { QTRY_COMPARE(c.idleWatch().watching(), QList<int>{1}); }();
        return c;
    }

    static void imapSlot(int n, const QString& server, const QString& user,
                         SpamAction action = SpamAction::Move) {
        MailboxConfig box{server, user, QStringLiteral("secret"), MailSecurity::None};
        box.Protocol = MailProtocol::Imap;
        box.Action = action;
        box.store(n);
    }

    static void markingRules(Harness& h, MainController& c) {
        QFile known(h.profile.appFile(QStringLiteral("known.lst")));
        known.open(QIODevice::WriteOnly);
        known.write(markedKnownList);
        known.close();
        c.LoadUpKnownList();
        setRules(c.dialogModels().Spam.gridSubject,
                 {subjectRule("Contains", "pills", false, true),
                  subjectRule("Contains", "offer", false, false)});
        setRules(c.dialogModels().Spam.gridExcept,
                 {exceptionRule("Domain name", "Equals", "good.test", false, "7")});
    }

    static QList<QStringList> rowTexts(const MainController& c) {
        QList<QStringList> out;
        for (const MessageRow& r : c.rows())
            out << QStringList{r.Subject, r.Sender, r.Size, r.Date, QString::number(r.Mark)};
        return out;
    }

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    }

    void sameMailboxSameRowsOverPop3AndImap() {
        Harness h;
        QList<QByteArray> messages = markedMessages();
        messages << "From: =?UTF-8?B?w5xsaQ==?= <uli@example.org>\nSubject: =?ISO-8859-1?Q?"
                    "Gr=FC=DFe?= pills\nX-Long: a\n folded\n line\nDate: Tue, 6 Feb 2024 "
                    "11:00:00 +0000\n\nbody\n";
        const QString user = m_server.mailbox(messages);
        Harness::slot(1, m_server.server(), user);
        imapSlot(2, m_server.imapServer(), user);
        MainController& c = h.start();
        markingRules(h, c);

        QVERIFY2(c.checkSlot(1), qPrintable(c.LastFailure()));
        const QList<QStringList> pop3 = rowTexts(c);
        QVERIFY2(c.checkSlot(2), qPrintable(c.LastFailure()));
        const QList<QStringList> imap = rowTexts(c);

        QCOMPARE(pop3.size(), 7);
        QCOMPARE(imap, pop3);
        QCOMPARE(h.marks(), (QList<int>{NoMark, CheckMark, QuestionMark, BlacklistMark, 7, NoMark,
                                        CheckMark}));
        QVERIFY(c.rows().at(6).Subject.startsWith(u"Grüße"_qs));
    }

    void deletion_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("junk");
        QTest::newRow("move-into-the-junk-folder")
            << int(SpamAction::Move) << QString("Really move 2 messages into the Junk folder?")
            << QStringList{"b", "d"};
        QTest::newRow("delete-for-good")
            << int(SpamAction::Delete) << QString("Really delete 2 messages from server?")
            << QStringList{};
    }

    void deletion() {
        QFETCH(int, action);
        QFETCH(QString, question);
        QFETCH(QStringList, junk);
        Harness h;
        const QString user = m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap pills"),
                                      mail("c", "Minutes"), mail("d", "Report", "spam@bad.test")});
        imapSlot(1, m_server.imapServer(), user, SpamAction(action));
        Harness::setGeneral("Launch", "0");
        MainController& c = h.start();
        markingRules(h, c);
        QVERIFY(c.btListClick());
        QVERIFY(c.session().connected()); // kept for the removal
        QCOMPARE(c.MarkedCount(), 2);
        h.prompter.answerNext(Prompter::Answer::Yes);

        QVERIFY2(c.btDeleteClick(), qPrintable(c.LastFailure()));

        QCOMPARE(h.prompter.texts(), QStringList{question});
        QCOMPARE(m_server.messageIds(user), (QStringList{"a", "c"}));
        QStringList inJunk;
        for (const QByteArray& m : m_server.messages(user, "Junk"))
            inJunk << QString::fromLatin1(m.mid(m.indexOf("Message-ID: <") + 13, 1));
        QCOMPARE(inJunk, junk);
        QCOMPARE(h.subjects(), (QStringList{"Hello", "Minutes"}));
        QCOMPARE(c.general().Count, QStringLiteral("2"));
        QCOMPARE(h.logLines().filter(QRegularExpression("^DELETE SPAM on ")).size(), 2);
        QVERIFY(
            h.logLines().contains("   Server:  " + m_server.imapServer() + " Mailbox: " + user));
        QCOMPARE(c.state().StatusText, QStringLiteral("There were 2 messages deleted"));
    }

    void viewBodyReadsOneMessage() {
        Harness h;
        const QString user = m_server.mailbox({mail("a", "Hello"), mail("b", "Second")});
        imapSlot(1, m_server.imapServer(), user);
        MainController& c = h.start();
        QVERIFY(c.btListClick());
        QVERIFY2(c.ViewMessages1Click({1}), qPrintable(c.LastFailure()));
        QCOMPARE(h.view.texts.last(), QStringList{"Hello."});
        QFile file(c.messageFile(1));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("Subject: Second\r\n"));
    }

    // Automatic mode with "Kill": new mail in a watched IMAP mailbox starts
    // its sweep within seconds, and closing automatic mode ends the watch.
    void newMailStartsTheSweepAtOnce() {
        Harness h;
        const QString user = m_server.mailbox({mail("a", "Hello")});
        QList<SweptMailbox> swept;
        MainController& c = startWatching(h, user, swept);

        m_server.addMessage(user, mail("b", "Cheap pills"));
        // Swept without waiting for the ten-minute countdown.
        QTRY_COMPARE_WITH_TIMEOUT(swept.size(), 1, 10000);
        QCOMPARE(swept[0].Slot, 1);
        QCOMPARE(swept[0].Deleted, 1);
        QCOMPARE(m_server.messageIds(user), QStringList{"a"});
        QCOMPARE(c.minutesLeft(), 10); // the countdown goes on as the fallback

        c.EnableAutomatic1Click(false);
        QVERIFY(c.idleWatch().watching().isEmpty());
        QVERIFY(!c.idleWatch().active());
    }

    // New mail while a dialog holds the timer is kept, and swept once the
    // dialog closes.
    void wakeUpWhileHeldRunsAfterwards() {
        Harness h;
        const QString user = m_server.mailbox({});
        QList<SweptMailbox> swept;
        MainController& c = startWatching(h, user, swept);
        h.view.onGeneralSettings = [&] {
            m_server.addMessage(user, mail("p", "Cheap pills"));
            QTRY_VERIFY_WITH_TIMEOUT(c.idleWatch().hasWakeUps(), 10000);
            QTest::qWait(200);
            QVERIFY(swept.isEmpty());
        };
        c.btGeneralClick();
        QTRY_COMPARE(swept.size(), 1);
        QCOMPARE(swept[0].Deleted, 1);
        QCOMPARE(m_server.messages(user, "Junk").size(), 1);
    }

    // A server that refuses the move: nothing is logged or counted, the
    // server's reason is shown, and the rows stay as the server has them.
    void refusedMoveIsToldNotCounted() {
        const QByteArray header = "From: ann@example.org\r\nSubject: pills\r\n\r\n";
        const auto listing = [&](const QByteArray& first) {
            ImapScript s = ScriptedImapServer::signIn("IMAP4rev1 MOVE UIDPLUS");
            s << ScriptStep{first + " SELECT \"INBOX\"", ScriptedImapServer::selected(first, 1)}
              << ScriptStep{"A3 UID FETCH 1:* (UID RFC822.SIZE BODY.PEEK[HEADER])",
                            ScriptedImapServer::fetched(1, 5, header) + "A3 OK done\r\n"};
            return s;
        };
        ImapScript first = listing("A2");
        first << ScriptStep{"A4 LIST \"\" \"%\"", "* LIST () \".\" Junk\r\nA4 OK done\r\n"}
              << ScriptStep{"A5 UID MOVE 5 \"Junk\"", "A5 NO [OVERQUOTA] Junk is full\r\n"}
              << ScriptStep{"A6 LOGOUT", "* BYE\r\nA6 OK bye\r\n"};
        ScriptedImapServer server(QList<ImapScript>{first, listing("A2")});
        Harness h;
        MailboxConfig box{server.server(), QStringLiteral("tester"), QStringLiteral("secret"),
                          MailSecurity::None};
        box.Protocol = MailProtocol::Imap;
        box.store(1);
        Harness::setGeneral("Ask", "0");
        Harness::setGeneral("Launch", "0");
        MainController& c = h.start();
        setRules(c.dialogModels().Spam.gridSubject,
                 {subjectRule("Contains", "pills", false, true)});
        QVERIFY(c.btListClick());
        QCOMPARE(c.MarkedCount(), 1);

        c.btDeleteClick();

        QCOMPARE(server.received(0), server.expected(0));
        QCOMPARE(c.RefusedDeletions(), 1);
        QCOMPARE(c.general().Count, QStringLiteral("0"));
        QVERIFY(h.logLines().filter("DELETE SPAM").isEmpty());
        QVERIFY2(h.prompter.texts().join('\n').contains(
                     "The server refused to move messages into the folder Junk: A5 NO "
                     "[OVERQUOTA] Junk is full"),
                 qPrintable(h.prompter.texts().join('\n')));
    }
};

QTEST_MAIN(TestMainImap)
#include "tst_mainimap.moc"
