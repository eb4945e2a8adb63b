// One operation at a time: while a check, a deletion, the download of a
// message to view or a sweep runs against a real Dovecot, every other command that arrives from the
// window, the list, the tray or the timer is refused and changes nothing; the rows stay paired with
// the mailbox they came from; a fault of the program is shown, not fatal.
#include "ClassifierFixture.h"
#include "ControllerFixture.h"

#include <QtTest>
#include <functional>
#include <stdexcept>

namespace {
using Entry = std::function<void(MainController&)>;

// Every entry point but the cancels and "Main screen", by name.
QList<std::pair<const char*, Entry>> entryPoints() {
    return {
        {"check", [](MainController& c) { c.btListClick(); }},
        {"tray-check", [](MainController& c) { c.Show1Click(); }},
        {"timer-tick", [](MainController& c) { c.Timer1Timer(); }}, // the countdown is at 1
        {"delete", [](MainController& c) { c.btDeleteClick(); }},
        {"mark", [](MainController& c) { c.btMarkClick({0}); }},
        {"double-click", [](MainController& c) { c.ListView1DblClick({0}); }},
        {"reset", [](MainController& c) { c.ResetButtonClick(); }},
        {"auto-mark", [](MainController& c) { c.btRemarkClick(); }},
        {"why", [](MainController& c) { c.Why1Click({0}); }},
        {"view-headers", [](MainController& c) { c.ViewHeader1Click({0}); }},
        {"view-body", [](MainController& c) { c.ViewMessages1Click({0}); }},
        {"add-to-spam-list", [](MainController& c) { c.AddtoSPAMlist1Click({0}); }},
        {"add-to-exceptions", [](MainController& c) { c.AddtoExceptions1Click({0}); }},
        {"launch", [](MainController& c) { c.btLaunchClick(); }},
        {"general", [](MainController& c) { c.btGeneralClick(); }},
        {"spam", [](MainController& c) { c.btSpamSetupClick(); }},
        {"about", [](MainController& c) { c.btAboutClick(); }},
        {"help", [](MainController& c) { c.btHelpClick(); }},
        {"statistics", [](MainController& c) { c.Statistics1Click(); }},
        {"view-log", [](MainController& c) { c.Viewlogfile1Click(); }},
        {"automatic-off", [](MainController& c) { c.EnableAutomatic1Click(false); }},
    };
}

// A lookup that fails the way a fault of the program would.
class BrokenDomains : public MxLookup {
public:
    MxAnswer lookup(const QString&) override { throw std::out_of_range("index 7 of 3"); }
};
} // namespace

class TestOneOperation : public QObject {
    Q_OBJECT

    DovecotServer m_server;


    // a and c are kept; b (subject rule) and d (blacklist) are marked.
    QString fourMessages() {
        return m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap pills"), mail("c", "Minutes"),
                        mail("d", "Report", "spam@bad.test")});
    }

    static void rules(Harness& h, MainController& c) {
        QFile known(h.profile.appFile(QStringLiteral("known.lst")));
        QVERIFY(known.open(QIODevice::WriteOnly));
        known.write("bad.test\r\n");
        known.close();
        c.LoadUpKnownList();
        setRules(c.dialogModels().Spam.gridSubject, {subjectRule("Contains", "pills", false, true)});
    }

    static QString storedCount() {
        return SettingsStore::tree().ReadString("General", "Count", "0");
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.errorString())); }

    void commandsWaitForTheOperation_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("entry");
        const auto entries = entryPoints();
        for (const char* operation : {"check", "deletion", "view"})
            for (int i = 0; i < entries.size(); ++i)
                QTest::addRow("%s-during-%s", entries[i].first, operation)
                    << QString::fromLatin1(operation) << i;
    }

    // The command arrives in the middle of the operation (as a tray item, a
    // timer tick or a click would, from the event loop of a network wait) and
    // is refused: the operation ends exactly as it would have alone, the timer
    // stays stopped, and nothing of the command happened.
    void commandsWaitForTheOperation() {
        QFETCH(QString, operation);
        QFETCH(int, entry);
        const Entry command = entryPoints().at(entry).second;
        Harness h;
        const QString user = fourMessages();
        Harness::slot(1, m_server.server(), user);
        Harness::setGeneral("Automatic", "1"); // commands that end restart the timer
        Harness::setGeneral("Launch", "0");
        Harness::setGeneral("Mailer", "mailer");
        Harness::setGeneral("Minutes", "1"); // a tick that got through would sweep
        MainController& c = h.start();
        rules(h, c);
        h.view.visible = true;
        if (operation != QLatin1String("check")) QVERIFY(c.btListClick());
        const QStringList logBefore = h.logLines();

        bool ran = false, running = false, timerAfter = true;
        const auto interfere = [&] {
            if (ran) return;
            ran = true;
            running = c.OperationRunning();
            command(c);
            timerAfter = c.timerRunning();
        };
        if (operation == QLatin1String("check")) {
            connect(&c, &MainController::rowAppended, this, [&](int row) {
                if (row == 1) interfere();
            });
            QVERIFY(c.btListClick());
            QCOMPARE(h.subjects(), (QStringList{"Hello", "Cheap pills", "Minutes", "Report"}));
            QCOMPARE(h.marks(), (QList<int>{NoMark, CheckMark, NoMark, BlacklistMark}));
            QCOMPARE(h.logLinesStartingWith("MAIL CHECK").size(), 1);
            QCOMPARE(m_server.messageIds(user), (QStringList{"a", "b", "c", "d"}));
        } else if (operation == QLatin1String("view")) {
            connect(&c.session(), &MailboxSession::fetching, this, [&](int) { interfere(); });
            QVERIFY(c.ViewMessages1Click({1}));
            QCOMPARE(h.view.texts.size(), 1); // the body
            h.view.texts.clear();
            QCOMPARE(m_server.messageIds(user), (QStringList{"a", "b", "c", "d"}));
            QCOMPARE(h.marks(), (QList<int>{NoMark, CheckMark, NoMark, BlacklistMark}));
        } else {
            connect(&c.session(), &MailboxSession::deleting, this,
                    [&](int, int, int) { interfere(); });
            QVERIFY(c.btDeleteClick());
            QCOMPARE(m_server.messageIds(user), (QStringList{"a", "c"}));
            QCOMPARE(h.subjects(), (QStringList{"Hello", "Minutes"}));
            QCOMPARE(storedCount(), QStringLiteral("2"));
            QCOMPARE(h.logLines().filter(QRegularExpression("^DELETE SPAM on ")).size(), 2);
        }

        QVERIFY(ran);
        QVERIFY(running);
        QVERIFY(!timerAfter); // no command restarts the timer inside an operation
        QVERIFY(!c.OperationRunning());
        QVERIFY(c.timerRunning()); // the operation's own end restarts it
        QCOMPARE(c.minutesLeft(), 1);
        QCOMPARE(h.view.calls, QStringList{"show"});
        QVERIFY(h.view.texts.isEmpty() && h.view.offers.isEmpty());
        QVERIFY(c.dialogModels().Spam.gridExcept.isEmpty());
        QVERIFY(h.shell.documents.isEmpty() && h.shell.programs.isEmpty());
        QVERIFY2(h.prompter.shown().isEmpty(), qPrintable(h.prompter.texts().join('|')));
        QVERIFY(h.logLinesStartingWith("Automatic mode").isEmpty());
        QCOMPARE(h.logLines().filter(QRegularExpression("^(ERROR|OPERATION)")).size(), 0);
        if (operation == QLatin1String("view"))
            QCOMPARE(h.logLines(), logBefore);
        else
            QVERIFY(logBefore.size() < h.logLines().size());
    }

    // A sweep with deletion is one operation: nothing starts the timer or
    // another sweep inside it, and it starts again only when the sweep ended.
    void aSweepIsOneOperation() {
        Harness h;
        const QString u1 = fourMessages();
        const QString u2 = m_server.mailbox({mail("e", "pills again"), mail("f", "Lunch")});
        Harness::slot(1, m_server.server(), u1);
        Harness::slot(2, m_server.server(), u2);
        Harness::setGeneral("Automatic", "1");
        Harness::setGeneral("Kill", "1");
        Harness::setGeneral("Launch", "0");
        Harness::setGeneral("Minutes", "7");
        MainController& c = h.start();
        rules(h, c);
        QList<bool> timerInside;
        int ticks = 0;
        connect(&c, &MainController::rowAppended, this, [&](int) {
            timerInside << c.timerRunning();
            if (ticks++ == 0) c.Timer1Timer(); // a tick that came meanwhile
        });
        QList<SweptMailbox> swept;
        connect(&c, &MainController::mailboxSwept, this, [&](const SweptMailbox& m) {
            swept << m;
            timerInside << c.timerRunning();
        });
        for (int minute = 7; minute > 0; --minute)
            c.Timer1Timer();

        QCOMPARE(swept.size(), 2);
        QVERIFY(!timerInside.isEmpty());
        QVERIFY(!timerInside.contains(true));
        QVERIFY(c.timerRunning());
        QCOMPARE(c.minutesLeft(), 7);
        QCOMPARE(m_server.messageIds(u1), (QStringList{"a", "c"}));
        QCOMPARE(m_server.messageIds(u2), QStringList{"f"});
        QCOMPARE(h.logLinesStartingWith("MAIL CHECK").size(), 2);
    }

    // A slot whose server or user name is only blanks is not in use: a hidden
    // sweep skips it instead of failing there, opening the settings, or sending
    // the previous rows' numbers to another server.
    void aSweepSkipsBlankSlots() {
        Harness h;
        const QString u1 = fourMessages();
        const QString u3 = m_server.mailbox({mail("g", "pills at last")});
        Harness::slot(1, m_server.server(), u1);
        Harness::slot(2, QStringLiteral("   "), QStringLiteral("somebody"));
        Harness::slot(3, m_server.server(), QStringLiteral(" \r\n"));
        Harness::slot(4, m_server.server(), u3);
        Harness::setGeneral("Automatic", "1");
        Harness::setGeneral("Kill", "1");
        Harness::setGeneral("Launch", "0");
        MainController& c = h.start();
        rules(h, c);
        h.view.visible = false;
        h.view.calls.clear();
        QList<int> slots;
        connect(&c, &MainController::mailboxSwept, this,
                [&](const SweptMailbox& m) { slots << m.Slot; });
        c.SweepNow();

        QCOMPARE(slots, (QList<int>{1, 4}));
        QVERIFY2(h.prompter.shown().isEmpty(), qPrintable(h.prompter.texts().join('|')));
        QVERIFY(!h.view.calls.contains("general"));
        QCOMPARE(m_server.messageIds(u1), (QStringList{"a", "c"}));
        QVERIFY(m_server.messageIds(u3).isEmpty());
        QCOMPARE(c.state().Caption, QStringLiteral("Quillmere - No waiting messages found"));
    }

    void aCheckThatStopsEarlyKeepsTheRowsWithTheirServer_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("blank-user-name") << "blank";
        QTest::newRow("mailbox-choice-canceled") << "choice";
    }

    // Rows of mailbox 1 are listed; a check of another slot stops before it
    // starts. The rows and the client still belong to mailbox 1, so the
    // deletion that follows goes there.
    void aCheckThatStopsEarlyKeepsTheRowsWithTheirServer() {
        QFETCH(QString, how);
        Harness h;
        const QString u1 = fourMessages();
        const QString u2 = m_server.mailbox({mail("x", "pills elsewhere"), mail("y", "more pills")});
        Harness::slot(1, m_server.server(), u1);
        Harness::slot(2, m_server.server(), how == "blank" ? QStringLiteral("  ") : u2);
        Harness::setGeneral("Automatic", "1");
        Harness::setGeneral("Launch", "0");
        MainController& c = h.start();
        rules(h, c);
        h.view.choices = {0};
        QVERIFY(c.btListClick());
        QCOMPARE(c.MarkedCount(), 2);

        // Mailbox 2 becomes the current one in the general settings.
        h.view.onGeneralSettings = [&c] { c.dialogModels().General.Which = 2; };
        c.btGeneralClick();
        QCOMPARE(c.currentSlot(), 2);
        if (how == "choice") h.view.choices = {-1};
        QVERIFY(!c.btListClick());

        QCOMPARE(h.subjects(), (QStringList{"Hello", "Cheap pills", "Minutes", "Report"}));
        QCOMPARE(c.rowsSlot(), 1);
        QCOMPARE(c.rowsUserName(), u1);
        QVERIFY(c.btDeleteClick());
        QCOMPARE(m_server.messageIds(u1), (QStringList{"a", "c"}));
        QCOMPARE(m_server.messageIds(u2), (QStringList{"x", "y"}));
    }

    // The hammer after a cancel lasts until the mode decides the picture again.
    void theModeDecidesTheTrayPictureAgain() {
        Harness h;
        Harness::slot(1, m_server.server(), m_server.mailbox({mail("a", "Hello"), mail("b", "Bye")}));
        MainController& c = h.start();
        connect(&c, &MainController::rowAppended, this, [&](int row) {
            if (row == 0) c.btCancelClick();
        });
        QVERIFY(!c.btListClick());
        QVERIFY(c.state().Tray.HammerPicture);

        c.EnableAutomatic1Click(true);

        QVERIFY(!c.state().Tray.HammerPicture);
        QVERIFY(c.state().Tray.Animated);
    }

    // A fault of the program during a check is shown like any failure; the
    // controller takes the next command.
    void aFaultOfTheProgramIsShown() {
        Harness h;
        Harness::slot(1, m_server.server(), m_server.mailbox({mail("a", "Hello")}));
        Harness::setGeneral("Automatic", "0");
        BrokenDomains broken;
        h.controller =
            std::make_unique<MainController>(h.view, h.prompter, h.sound, h.shell, &broken);
        MainController& c = *h.controller;
        c.FormCreate();
        c.dialogModels().Spam.Known.Valid = true;

        QVERIFY(!c.btListClick());

        QCOMPARE(h.prompter.texts(), QStringList{"Internal error: index 7 of 3"});
        QCOMPARE(c.LastFailure(), QStringLiteral("Internal error: index 7 of 3"));
        QVERIFY(!c.OperationRunning());
        c.btCancelClick();
        c.dialogModels().Spam.Known.Valid = false;
        QVERIFY(c.btListClick());
        QCOMPARE(h.subjects(), QStringList{"Hello"});
    }
};

QTEST_GUILESS_MAIN(TestOneOperation)
#include "tst_oneoperation.moc"
