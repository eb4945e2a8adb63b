// The main controller's mail check against a real Dovecot: rows, marks, the
// log line and the hit counters; failures, cancels, the mailbox choice, the
// empty manual check, the automatic sweep, the explanation and the marks.
#include "ClassifierFixture.h"
#include "ControllerFixture.h"

#include "support/dns/ScriptedDnsServer.h"

#include <QElapsedTimer>
#include <QtTest>

class TestMainCheck : public QObject {
    Q_OBJECT

    DovecotServer m_server;
    DovecotServer m_tls{true}; // offers STLS with a certificate nobody trusts
    int m_users = 0;

    // A fresh mailbox holding messages; returns its user name.

    // Slot 1 with six messages that the rules below mark in every way.
    QString markedMailbox(Harness& h) {
        const QString user = m_server.mailbox(markedMessages());
        Harness::slot(1, m_server.server(), user);
        QFile known(h.profile.appFile(QStringLiteral("known.lst")));
        known.open(QIODevice::WriteOnly);
        known.write(markedKnownList);
        return user;
    }

    static void markingRules(MainController& c) {
        setRules(c.dialogModels().Spam.gridSubject, {subjectRule("Contains", "pills", false, true),
                                      subjectRule("Contains", "offer", false, false)});
        setRules(c.dialogModels().Spam.gridExcept,
                 {exceptionRule("Domain name", "Equals", "good.test", false, "7")});
    }

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        QVERIFY2(m_tls.start(), qPrintable(m_tls.errorString()));
    }

    void checkFillsTheListInServerOrder() {
        Harness h;
        const QString user = markedMailbox(h);
        MainController& c = h.start();
        markingRules(c);

        QVERIFY(c.btListClick());

        QCOMPARE(h.subjects(), (QStringList{"Hello there", "Cheap pills", "A maybe offer",
                                            "Quarterly report", "pills from a friend", "Undated"}));
        QCOMPARE(h.marks(),
                 (QList<int>{NoMark, CheckMark, QuestionMark, BlacklistMark, 7, NoMark}));
        const MessageRow& first = c.rows().at(0);
        QCOMPARE(first.Sender, QStringLiteral("ann@example.org"));
        QCOMPARE(first.Size.toInt(),
                 m_server.messages(user).at(0).size() + m_server.messages(user).at(0).count('\n'));
        QCOMPARE(first.Date, QStringLiteral("2/5/2024 10:00:00 AM")); // the zone is not applied
        QCOMPARE(c.rows().at(5).Date, QStringLiteral("sometime soon"));

        const QStringList checks = h.logLinesStartingWith("MAIL CHECK");
        QCOMPARE(checks.size(), 1);
        QVERIFY2(
            checks[0].startsWith(QStringLiteral("MAIL CHECK 6 msg(s) for \"%1\" on server %2 at ")
                                     .arg(user, m_server.server())),
            qPrintable(checks[0]));

        // The rows are classified on arrival and again at the end; a row that
        // has its check mark already stops before the rules the second time.
        RuleList saved(RuleListKind::Subject);
        saved.loadFromFile(SpamSettings::listPath(saved));
        QCOMPARE(hitsOf(saved), (QList<int>{1, 2}));

        const MainViewState& s = c.state();
        QCOMPARE(s.StatusText, QStringLiteral("Message Total: 6 Number Marked: 2"));
        QCOMPARE(s.btExitFace, ExitFace::Idle);
        QCOMPARE(s.btExitCaption, QStringLiteral("Goodbye"));
        QVERIFY(s.btListEnabled && s.btOptionsEnabled && s.RowButtonsVisible && !s.lblAdVisible);
        QVERIFY(!s.Progress.Visible);
        QCOMPARE(s.btListFace, ListFace::Up);
        QVERIFY(h.view.choiceEntries.isEmpty()); // one mailbox: no choice
        QVERIFY(c.session().connected());        // kept for the deletion
        QVERIFY(h.prompter.shown().isEmpty());
    }

    void wrongPasswordStaysBusyUntilCancel() {
        Harness h;
        const QString user = m_server.mailbox({mail("a", "Hello")});
        Harness::slot(1, m_server.server(), user, QStringLiteral("not the password"));
        MainController& c = h.start();

        QVERIFY(!c.btListClick());

        QCOMPARE(h.prompter.texts(),
                 QStringList{"-ERR [AUTH] Authentication failed. (the reply to PASS)"});
        QCOMPARE(c.LastFailure(),
                 QStringLiteral("-ERR [AUTH] Authentication failed. (the reply to PASS)"));
        QCOMPARE(c.state().btExitFace, ExitFace::Busy);
        QCOMPARE(c.state().btExitCaption, QStringLiteral("Cancel"));
        QVERIFY(!c.state().btListEnabled);
        QVERIFY(c.state().Progress.Visible);
        QVERIFY(h.logLinesStartingWith("MAIL CHECK").isEmpty());
        QVERIFY(h.logLines().filter("not the password").isEmpty());

        c.btExitClick();
        QCOMPARE(c.state().btExitFace, ExitFace::Idle);
        QVERIFY(c.state().btListEnabled);
        QVERIFY(!c.state().Progress.Visible);
        QCOMPARE(h.logLinesStartingWith("OPERATION CANCELED FOR " + user).size(), 1);
        QVERIFY(h.view.calls.filter("close").isEmpty()); // Cancel does not exit
    }

    void cancelDuringACheck_data() {
        QTest::addColumn<bool>("fromProgressWindow");
        QTest::newRow("exit-button") << false;
        QTest::newRow("progress-window") << true;
    }

    void cancelDuringACheck() {
        QFETCH(bool, fromProgressWindow);
        Harness h;
        const QString user = m_server.mailbox({mail("a", "one"), mail("b", "two"), mail("c", "three")});
        Harness::slot(1, m_server.server(), user);
        MainController& c = h.start();
        connect(&c, &MainController::rowAppended, this, [&](int row) {
            if (row != 0) return;
            if (fromProgressWindow)
                c.btCancelClick();
            else
                c.btExitClick();
        });

        QVERIFY(!c.btListClick());

        QVERIFY(c.rows().isEmpty());
        QCOMPARE(h.prompter.texts(), QStringList{"Operation has been canceled"});
        QCOMPARE(c.state().btExitFace, ExitFace::Idle);
        QVERIFY(c.state().btListEnabled);
        QVERIFY(!c.state().Progress.Visible);
        QVERIFY(c.state().Tray.HammerPicture);
        QCOMPARE(h.logLinesStartingWith("OPERATION CANCELED FOR " + user).size(), 1);
        QCOMPARE(h.logLinesStartingWith("ERROR Operation has been canceled FOR " + user).size(), 1);
        QVERIFY(h.logLinesStartingWith("MAIL CHECK").isEmpty());
        QVERIFY(!c.session().connected());
        QCOMPARE(m_server.messageIds(user), (QStringList{"a", "b", "c"}));
    }

    void cancelDuringADomainLookup() {
        // The unknown-domain check waits for a name server that never answers:
        // Cancel ends the check then, not a minute later at the look-up's time-out.
        ScriptedDnsServer silent;
        silent.setReply(QByteArray());
        Harness h;
        const QString user = m_server.mailbox({mail("a", "one"), mail("b", "two", "Bob <bob@other.test>")});
        Harness::slot(1, m_server.server(), user);
        TmsMXResolver resolver;
        resolver.DNSAddress = silent.address();
        resolver.Port = silent.port();
        resolver.setTimeOut(60);
        ResolverMxLookup lookup(resolver);
        h.controller =
            std::make_unique<MainController>(h.view, h.prompter, h.sound, h.shell, &lookup);
        MainController& c = *h.controller;
        c.FormCreate();
        c.setNetworkTimeOut(20);
        QTimer::singleShot(500, &c, [&c] { c.btExitClick(); });

        QElapsedTimer clock;
        clock.start();
        QVERIFY(!c.btListClick());
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(h.prompter.texts(), QStringList{"Operation has been canceled"});
        QCOMPARE(silent.queries().size(), 1); // no further domain is asked
        QVERIFY(c.rows().isEmpty());
        QCOMPARE(m_server.messageIds(user), (QStringList{"a", "b"}));
    }

    void mailboxChoice() {
        Harness h;
        const QString u1 = m_server.mailbox({mail("one", "in slot 1")});
        const QString u3 = m_server.mailbox({mail("three", "in slot 3")});
        Harness::slot(1, m_server.server(), u1);
        Harness::slot(3, m_server.server(), u3);
        SettingsStore::tree().WriteInteger("Server", "Which", 3);
        MainController& c = h.start();

        // OK on the preselected current slot.
        QVERIFY(c.btListClick());
        const QStringList entries{
            QStringLiteral("1) Mailbox %1 - Server %2").arg(u1, m_server.server()),
            QStringLiteral("3) Mailbox %1 - Server %2").arg(u3, m_server.server())};
        QCOMPARE(h.view.choiceEntries.value(0), entries);
        QCOMPARE(h.view.choicePreselected.value(0), 1);
        QCOMPARE(h.subjects(), QStringList{"in slot 3"});
        QVERIFY(!c.session().connected()); // two mailboxes: nothing kept

        // Cancel (or OK with nothing selected) changes nothing.
        h.view.choices = {-1};
        QVERIFY(!c.btListClick());
        QCOMPARE(h.subjects(), QStringList{"in slot 3"});
        QCOMPARE(c.currentSlot(), 3);
        QCOMPARE(c.rowsUserName(), u3);
        QCOMPARE(h.logLinesStartingWith("MAIL CHECK").size(), 1);
        QVERIFY(h.prompter.shown().isEmpty());

        // Another slot becomes the current one.
        h.view.choices = {0};
        QVERIFY(c.btListClick());
        QCOMPARE(c.currentSlot(), 1);
        QCOMPARE(c.general().Which, 1);
        QCOMPARE(h.subjects(), QStringList{"in slot 1"});
    }

    void emptyManualCheck_data() {
        QTest::addColumn<QString>("general"); // ident=value pairs
        QTest::addColumn<bool>("tray");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("notices");
        QTest::newRow("exit-ends-the-program")
            << "Exit=1" << true << QStringList{"show", "close"} << 0;
        QTest::newRow("exit-off-stays") << "Exit=0" << true << QStringList{"show"} << 0;
        QTest::newRow("automatic-never-exits")
            << "Exit=1,Automatic=1" << true << QStringList{"show"} << 0;
        QTest::newRow("tray-hides") << "Exit=1,SysTray=1" << true << QStringList{"hide"} << 0;
        QTest::newRow("no-tray-shows-and-tells-once")
            << "Exit=1,SysTray=1" << false << QStringList{"show", "show"} << 1;
    }

    void emptyManualCheck() {
        QFETCH(QString, general);
        QFETCH(bool, tray);
        QFETCH(QStringList, calls);
        QFETCH(int, notices);
        Harness h;
        Harness::slot(1, m_server.server(), m_server.mailbox());
        for (const QString& pair : general.split(','))
            Harness::setGeneral(pair.section('=', 0, 0), pair.section('=', 1));
        h.view.tray = tray;
        MainController& c = h.start();

        QVERIFY(c.btListClick());

        QCOMPARE(h.view.calls, calls);
        QCOMPARE(h.prompter.texts().filter("no system tray").size(), notices);
        QCOMPARE(c.state().btListFace, ListFace::Down);
        QCOMPARE(h.logLinesStartingWith("MAIL CHECK 0 msg(s)").size(), 1);
    }

    void missingMailboxOpensTheSettings_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("text");
        QTest::newRow("no-user") << "pop.test"
                                 << " "
                                 << "You need to enter your e-mail username in the settings.";
        QTest::newRow("no-server")
            << ""
            << "ann"
            << "You need to enter the name of your mail server in the settings.";
    }

    void missingMailboxOpensTheSettings() {
        QFETCH(QString, server);
        QFETCH(QString, user);
        QFETCH(QString, text);
        Harness h;
        Harness::slot(1, server, user);
        MainController& c = h.start();
        QVERIFY(!c.btListClick());
        QCOMPARE(h.prompter.texts(), QStringList{text});
        QCOMPARE(h.view.calls.filter("general").size(), 1);
        QCOMPARE(c.state().btExitFace, ExitFace::Idle);
        QVERIFY(h.logLines().isEmpty());
    }

    void sweepStopsAtTheFirstMailboxWithMail_data() {
        QTest::addColumn<QString>("firstPassword");
        QTest::addColumn<bool>("mailInSlot2");
        QTest::newRow("mail-in-slot-2") << "secret" << true;
        QTest::newRow("failing-slot-1-is-passed") << "wrong" << true;
        QTest::newRow("nothing-waits") << "secret" << false;
    }

    void sweepStopsAtTheFirstMailboxWithMail() {
        QFETCH(QString, firstPassword);
        QFETCH(bool, mailInSlot2);
        Harness h;
        const QString u1 = m_server.mailbox();
        const QString u2 =
            mailInSlot2 ? m_server.mailbox({mail("x", "waiting 1"), mail("y", "waiting 2")}) : m_server.mailbox();
        Harness::slot(1, m_server.server(), u1, firstPassword);
        Harness::slot(2, m_server.server(), u2);
        for (int n = 3; n <= 12; ++n)
            Harness::slot(n, m_server.server(), m_server.mailbox({mail("z", "later")}));
        SettingsStore::tree().WriteInteger("Server", "Which", 4);
        Harness::setGeneral("Minutes", "15");
        Harness::setGeneral("Automatic", "1");
        MainController& c = h.start();
        h.view.visible = false; // hidden in the tray
        QList<SweptMailbox> swept;
        connect(&c, &MainController::mailboxSwept, this,
                [&](const SweptMailbox& m) { swept << m; });
        for (int minute = 15; minute > 0; --minute)
            c.Timer1Timer();

        QCOMPARE(c.session().mode(), RunMode::Interactive);
        QCOMPARE(c.minutesLeft(), 15);
        QVERIFY(c.timerRunning());
        QVERIFY(h.prompter.shown().isEmpty()); // a hidden run swallows failures
        if (mailInSlot2) {
            QCOMPARE(swept.size(), 2);
            QCOMPARE(swept[1].Slot, 2);
            QCOMPARE(swept[1].Messages, 2);
            // A check that failed is logged as its error, not as a check.
            QCOMPARE(h.logLinesStartingWith("MAIL CHECK").size(), firstPassword == "secret" ? 2 : 1);
            const QString caption = QStringLiteral("Quillmere - MailBox %1 - 2 messages").arg(u2);
            QCOMPARE(c.state().Caption, caption);
            QCOMPARE(c.state().lblTitle, caption);
            QVERIFY(!c.state().Label1Visible);
            QCOMPARE(h.view.calls.last(), QStringLiteral("show"));
            QVERIFY(h.view.visible);
            QVERIFY(h.sound.events.contains("beep")); // no alarm file: the beep
            // The slot with mail stays current until the next check.
            QCOMPARE(c.currentSlot(), 2);
            QCOMPARE(c.rowsUserName(), u2);
        } else {
            QCOMPARE(swept.size(), 3); // slot 3 has mail
            QCOMPARE(c.state().Caption,
                     QStringLiteral("Quillmere - MailBox %1 - 1 messages").arg(swept[2].UserName));
            QCOMPARE(c.currentSlot(), 3);
        }
        QCOMPARE(swept[0].Slot, 1);
        QCOMPARE(swept[0].Failure.isEmpty(), firstPassword == "secret");
    }

    void sweepWithNothingWaitingReturnsToTheCurrentMailbox() {
        Harness h;
        const QString u1 = m_server.mailbox(), u2 = m_server.mailbox(), u4 = m_server.mailbox();
        Harness::slot(1, m_server.server(), u1);
        Harness::slot(2, m_server.server(), u2);
        Harness::slot(4, m_server.server(), u4);
        SettingsStore::tree().WriteInteger("Server", "Which", 2);
        MainController& c = h.start();
        h.view.visible = false;

        c.SweepNow();

        QCOMPARE(h.logLinesStartingWith("MAIL CHECK 0").size(), 3);
        QCOMPARE(c.state().Caption, QStringLiteral("Quillmere - No waiting messages found"));
        QCOMPARE(c.state().Tray.Hint, QStringLiteral("Quillmere - No waiting messages found"));
        QCOMPARE(c.currentSlot(), 2);
        QVERIFY(h.view.calls.filter("show").size() == 1); // only the start-up's
    }

    void everyCheckIsANewSession() {
        Harness h;
        const QString user = m_server.mailbox({mail("a", "first")});
        Harness::slot(1, m_server.server(), user);
        Harness::setGeneral("Automatic", "1");
        MainController& c = h.start();
        int opens = 0, opensAtTransfer = -1;
        connect(&c.session(), &MailboxSession::opening, this, [&] { ++opens; });
        connect(&c.session(), &MailboxSession::transferring, this,
                [&] { opensAtTransfer = opens; });

        QVERIFY(c.btListClick());
        QVERIFY(c.session().connected());
        m_server.addMessage(user, mail("b", "arrived meanwhile"));
        QVERIFY(c.btListClick());
        QCOMPARE(h.subjects(), (QStringList{"first", "arrived meanwhile"}));
        QCOMPARE(opens, 2);

        // The deletion after a check still uses that check's session.
        c.btMarkClick({0});
        QVERIFY(c.btDeleteClick());
        QCOMPARE(opensAtTransfer, 2);
        QCOMPARE(m_server.messageIds(user), QStringList{"b"});
    }

    void whyExplainsWithoutChangingAnything() {
        Harness h;
        markedMailbox(h);
        MainController& c = h.start();
        markingRules(c);
        QVERIFY(c.btListClick());
        c.btMarkClick({0, 1}); // the user marks a, un-marks b
        const QList<int> marks = h.marks();
        const QList<int> hits = hitsOf(c.spam().gridSubject);

        QCOMPARE(c.Why1Click({0}),
                 (QStringList{"Message from ann@example.org", "Subject of   Hello there", "",
                              "Message was neither on the exception list nor on the list of "
                              "matching criteria",
                              "** You marked this message **"}));
        const QStringList b = c.Why1Click({3, 1});
        QCOMPARE(b.mid(0, 3),
                 (QStringList{"Message from ann@example.org", "Subject of   Cheap pills", ""}));
        QCOMPARE(b.size(), 5);
        QVERIFY2(b[3].startsWith("Delete   : ") && b[3].contains("\"pills\""), qPrintable(b[3]));
        QCOMPARE(b[4], QStringLiteral("** You un-marked this message **"));
        QCOMPARE(h.prompter.texts().filter("more than one message").size(), 1);
        QCOMPARE(h.view.texts.size(), 2);
        QCOMPARE(h.view.texts[1], b);

        QCOMPARE(h.marks(), marks);
        QCOMPARE(hitsOf(c.spam().gridSubject), hits);
        QVERIFY(c.Why1Click({}).isEmpty());
        QVERIFY(h.prompter.texts().last().startsWith("No messages were selected."));
    }

    void marksByHand() {
        Harness h;
        markedMailbox(h);
        MainController& c = h.start();
        markingRules(c);
        QVERIFY(c.btListClick());
        QList<int> changed;
        connect(&c, &MainController::rowChanged, this, [&](int r) { changed << r; });

        // Marked rows lose their mark; question, exception and none get the check mark.
        c.btMarkClick({4, 3, 2, 1, 0, 99});
        QCOMPARE(h.marks(), (QList<int>{CheckMark, NoMark, CheckMark, NoMark, CheckMark, NoMark}));
        QCOMPARE(changed, (QList<int>{0, 1, 2, 3, 4}));
        QCOMPARE(c.state().StatusText, QStringLiteral("Message Total: 6 Number Marked: 3"));

        c.ResetButtonClick();
        QCOMPARE(h.marks(), QList<int>(6, NoMark));
        c.btRemarkClick();
        QCOMPARE(h.marks(),
                 (QList<int>{NoMark, CheckMark, QuestionMark, BlacklistMark, 7, NoMark}));
        QVERIFY(h.prompter.shown().isEmpty());

        c.dialogModels().Spam.gridSubject.reset();
        c.dialogModels().Known.clear();
        c.btRemarkClick();
        QCOMPARE(h.prompter.texts(),
                 QStringList{"None of the messages matched any of the spam criteria."});

        c.btMarkClick({});
        QVERIFY(h.prompter.texts().last().startsWith("No messages were selected."));
    }

    void untrustedCertificate_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("bySweep");
        QTest::newRow("trusted-and-checked-again") << int(Prompter::Answer::Yes) << false;
        QTest::newRow("declined") << int(Prompter::Answer::No) << false;
        QTest::newRow("sweep-never-asks") << int(Prompter::Answer::Yes) << true;
    }

    // The question comes after the network wait, from a check the user
    // started; yes trusts that certificate for the mailbox from now on.
    void untrustedCertificate() {
        QFETCH(int, answer);
        QFETCH(bool, bySweep);
        Harness h;
        const QString user = QStringLiteral("tls%1").arg(++m_users);
        QVERIFY(m_tls.addUser(user, "secret"));
        QVERIFY(m_tls.addMessage(user, mail("a", "Hello")));
        Harness::slot(1, m_tls.server(), user, "secret", MailSecurity::StartTlsRequired);
        h.prompter.setFallback(Prompter::Answer(answer));
        MainController& c = h.start();
        const QString fingerprint = certificateFingerprint(m_tls.certificates().value(0));
        const QString trusted = QStringLiteral("TrustedCert1");

        if (bySweep) {
            h.view.visible = false;
            QList<SweptMailbox> swept;
            connect(&c, &MainController::mailboxSwept, this,
                    [&](const SweptMailbox& m) { swept << m; });
            c.SweepNow();
            QVERIFY(h.prompter.shown().isEmpty());
            QCOMPARE(swept.size(), 1);
            QVERIFY2(swept[0].Failure.startsWith("Certificate of localhost not accepted"),
                     qPrintable(swept[0].Failure));
            QVERIFY(SettingsStore::tree().ReadString("Server", trusted, {}).isEmpty());
            return;
        }

        const bool yes = Prompter::Answer(answer) == Prompter::Answer::Yes;
        QCOMPARE(c.btListClick(), yes);

        QCOMPARE(h.prompter.shown().size(), 1); // the question only, never a second box
        const ScriptedPrompter::Shown& question = h.prompter.shown().first();
        QCOMPARE(question.buttons, Prompter::Buttons::YesNo);
        QVERIFY(question.text.startsWith("Certificate of localhost not accepted"));
        QVERIFY(question.text.contains("SHA-256 fingerprint: " + readableFingerprint(fingerprint)));
        QVERIFY(question.text.endsWith("\n\nTrust this certificate and check again?"));
        QCOMPARE(SettingsStore::tree().ReadString("Server", trusted, {}),
                 yes ? fingerprint : QString());
        QCOMPARE(c.general().mailbox(1).TrustedCert, yes ? fingerprint : QString());
        QCOMPARE(h.subjects(), yes ? QStringList{"Hello"} : QStringList{});
        QCOMPARE(c.LastFailure().isEmpty(), yes);
        if (!yes) return;

        // The next start checks without a question.
        h.prompter.clear();
        h.controller.reset();
        MainController& again = h.start();
        QVERIFY(again.btListClick());
        QVERIFY(h.prompter.shown().isEmpty());
        QCOMPARE(h.subjects(), QStringList{"Hello"});
    }
};

QTEST_GUILESS_MAIN(TestMainCheck)
#include "tst_maincheck.moc"
