// The main controller without a server: start-up, automatic mode and its
// countdown, the dialogs and the timer, the tray, the alarm, exit, launching
// the mail program, and the leftover message files.
#include "ControllerFixture.h"

#include <QDir>
#include <QtTest>

class TestMainAutomatic : public QObject {
    Q_OBJECT

    static void touch(const QString& path) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private Q_SLOTS:
    void startUp_data() {
        QTest::addColumn<bool>("sysTray");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("exitCaption");
        QTest::addColumn<QString>("caption");
        QTest::newRow("window") << false << false << QStringList{"show"} << "Goodbye"
                                << "Quillmere";
        QTest::newRow("tray") << true << false << QStringList{} << "Hide"
                              << "Quillmere";
        QTest::newRow("window-automatic") << false << true << QStringList{"show"} << "Goodbye"
                                          << "Quillmere - next e-mail check in 4 minutes";
    }

    void startUp() {
        QFETCH(bool, sysTray);
        QFETCH(bool, automatic);
        QFETCH(QStringList, calls);
        QFETCH(QString, exitCaption);
        QFETCH(QString, caption);
        Harness h;
        Harness::setGeneral("SysTray", sysTray ? "1" : "0");
        Harness::setGeneral("Automatic", automatic ? "1" : "0");
        Harness::setGeneral("Minutes", "4");
        SettingsStore::tree().WriteInteger("Server", "Which", 6);
        MainController& c = h.start();

        QCOMPARE(h.view.calls, calls);
        QCOMPARE(c.state().btExitCaption, exitCaption);
        QCOMPARE(c.state().Caption, caption);
        QCOMPARE(c.state().lblTitle, caption);
        QCOMPARE(c.state().Tray.Active, sysTray);
        QCOMPARE(c.state().Tray.Animated, automatic);
        QCOMPARE(c.state().Tray.EnableAutomatic1Checked, automatic);
        QCOMPARE(c.state().Tray.DisableAutomatic1Checked, !automatic);
        QCOMPARE(c.timerRunning(), automatic);
        QCOMPARE(c.minutesLeft(), 4);
        QCOMPARE(c.currentSlot(), 6);
        QVERIFY(h.prompter.shown().isEmpty());
    }

    void countdownCaptions_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::newRow("one-minute") << true << 1 << "Quillmere - next e-mail check in 1 minute"
                                    << "Quillmere - next e-mail check in 1 minute";
        QTest::newRow("two-minutes") << true << 2 << "Quillmere - next e-mail check in 2 minutes"
                                     << "Quillmere - next e-mail check in 2 minutes";
        QTest::newRow("manual") << false << 2 << "Quillmere"
                                << "Quillmere";
    }

    void countdownCaptions() {
        QFETCH(bool, automatic);
        QFETCH(int, minutes);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        Harness h;
        MainController& c = h.start();
        c.dialogModels().General.Automatic = automatic; // the mode the captions are for
        c.UpdateAutomaticCaptions(!automatic, 9);
        c.UpdateAutomaticCaptions(automatic, minutes);
        QCOMPARE(c.state().Caption, caption);
        QCOMPARE(c.state().lblTitle, title);
        QCOMPARE(c.state().Tray.Hint, title);
        QCOMPARE(c.timerRunning(), automatic);
        QCOMPARE(c.state().Tray.Animated, automatic);
        QCOMPARE(c.state().Tray.EnableAutomatic1Checked, automatic);
        QCOMPARE(c.state().Tray.DisableAutomatic1Checked, !automatic);
    }

    void switchingAutomaticMode() {
        Harness h;
        Harness::setGeneral("Minutes", "10");
        MainController& c = h.start();
        for (int minute = 10; minute > 3; --minute)
            c.Timer1Timer();

        c.EnableAutomatic1Click(true);
        QCOMPARE(c.minutesLeft(), 3); // on keeps the countdown
        QVERIFY(c.timerRunning());
        QVERIFY(SettingsStore::tree().ReadBool("General", "Automatic", false));
        QCOMPARE(c.state().Caption, QStringLiteral("Quillmere - next e-mail check in 10 minutes"));

        c.EnableAutomatic1Click(false);
        QCOMPARE(c.minutesLeft(), 10); // off resets it
        QVERIFY(!c.timerRunning());
        QVERIFY(!SettingsStore::tree().ReadBool("General", "Automatic", true));
        QCOMPARE(c.state().Caption, QStringLiteral("Quillmere"));

        const QStringList log = h.logLines();
        QCOMPARE(log.size(), 2);
        QVERIFY(log[0].startsWith("Automatic mode enabled at "));
        QVERIFY(log[1].startsWith("Automatic mode disabled at "));
    }

    void timerCountsDownThenSweeps() {
        Harness h;
        Harness::setGeneral("Automatic", "1");
        Harness::setGeneral("Minutes", "10");
        MainController& c = h.start();
        for (int minute = 10; minute > 3; --minute)
            c.Timer1Timer();

        c.Timer1Timer();
        QCOMPARE(c.minutesLeft(), 2);
        QCOMPARE(c.state().Caption, QStringLiteral("Quillmere - next e-mail check in 2 minutes"));
        QCOMPARE(c.state().lblTitle, c.state().Caption);
        QCOMPARE(c.state().Tray.Hint, c.state().Caption);
        QCOMPARE(c.session().mode(), RunMode::Interactive);
        QVERIFY(c.timerRunning());

        c.Timer1Timer();
        QCOMPARE(c.state().Caption, QStringLiteral("Quillmere - next e-mail check in 1 minute"));
        c.Timer1Timer(); // zero: the sweep, with no mailbox configured
        QCOMPARE(c.state().Caption, QStringLiteral("Quillmere - No waiting messages found"));
        QCOMPARE(c.minutesLeft(), 10);
        QVERIFY(c.timerRunning());
        QVERIFY(h.logLines().isEmpty());
    }

    void generalSettingsSetModeMailboxAndCountdown_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QString>("caption");
        QTest::newRow("to-automatic") << true << "Quillmere - next e-mail check in 7 minutes";
        QTest::newRow("to-manual") << false << "Quillmere";
    }

    void generalSettingsSetModeMailboxAndCountdown() {
        QFETCH(bool, automatic);
        QFETCH(QString, caption);
        Harness h;
        Harness::setGeneral("Automatic", automatic ? "0" : "1");
        MainController& c = h.start();
        bool timerWhileOpen = true;
        h.view.onGeneralSettings = [&] {
            // The dialog's Help and statistics run while it is open.
            c.btHelpClick();
            c.Statistics1Click();
            timerWhileOpen = c.timerRunning();
            c.dialogModels().General.Which = 4;
            c.dialogModels().General.Minutes = 7;
            c.dialogModels().General.Automatic = automatic;
        };

        c.btGeneralClick();

        QVERIFY(!timerWhileOpen);
        QCOMPARE(c.currentSlot(), 4);
        QCOMPARE(c.minutesLeft(), 7);
        QCOMPARE(c.timerRunning(), automatic);
        QCOMPARE(c.state().Caption, caption);
    }

    void dialogsHoldTheTimer() {
        Harness h;
        Harness::setGeneral("Automatic", "1");
        MainController& c = h.start();
        c.btSpamSetupClick();
        QVERIFY(c.timerRunning());
        c.btAboutClick(); // restarted in automatic mode
        QVERIFY(c.timerRunning());
        QCOMPARE(h.view.calls.filter("spam").size(), 1);
        QCOMPARE(h.view.calls.filter("about").size(), 1);

        h.view.statisticsOpen = true;
        c.Statistics1Click();
        QVERIFY(h.view.calls.filter("statistics").isEmpty());
        h.view.statisticsOpen = false;
        c.Statistics1Click();
        QCOMPARE(h.view.calls.filter("statistics").size(), 1);
    }

    void alarm_data() {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<QString>("event"); // %1: the file
        QTest::newRow("looping") << true << true << "play %1 looping";
        QTest::newRow("once") << true << false << "play %1 once";
        QTest::newRow("missing-file-beeps") << false << true << "beep";
    }

    void alarm() {
        QFETCH(bool, fileExists);
        QFETCH(bool, repeat);
        QFETCH(QString, event);
        Harness h;
        const QString file = h.profile.appFile("ring.wav");
        if (fileExists) touch(file);
        Harness::setGeneral("AlarmFile", file);
        Harness::setGeneral("Repeat", repeat ? "1" : "0");
        MainController& c = h.start();
        h.sound.events.clear();

        c.playAlarmSound(true);
        QCOMPARE(h.sound.events, QStringList{event.contains("%1") ? event.arg(file) : event});
        c.popTrayPopup();
        c.ListView1Click();
        c.btMarkClick({});
        QCOMPARE(h.sound.events.mid(1), (QStringList{"stop", "stop", "stop"}));
    }

    void noTrayKeepsTheWindowReachable() {
        Harness h;
        Harness::setGeneral("SysTray", "1");
        h.view.tray = false;
        MainController& c = h.start();
        QCOMPARE(h.view.calls, QStringList{"show"});
        QCOMPARE(h.prompter.texts().size(), 1);
        QVERIFY(h.prompter.texts()[0].contains("no system tray"));
        // Nothing to hide in: the button says what it does, and ends the program.
        QCOMPARE(c.state().btExitCaption, QStringLiteral("Goodbye"));
        c.btExitClick();
        QCOMPARE(h.view.calls, (QStringList{"show", "close"}));

        h.view.tray = true;
        c.btExitClick();
        QCOMPARE(h.view.calls.last(), QStringLiteral("hide"));
        c.btExitClick(MainController::ExitSender::Exit1);
        QCOMPARE(h.view.calls.last(), QStringLiteral("terminate"));
    }

    void exitEndsTheProgram() {
        Harness h;
        MainController& c = h.start();
        c.btExitClick();
        QCOMPARE(h.view.calls, (QStringList{"show", "close"}));
        QVERIFY(c.FormCloseQuery());
    }

    void launchingTheMailProgram_data() {
        QTest::addColumn<QString>("mailer");
        QTest::addColumn<bool>("works");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("programs");
        QTest::newRow("none-set")
            << " " << true << QStringList{"Mail program not specified in the general settings. "}
            << QStringList{};
        QTest::newRow("fails") << "/opt/mail" << false
                               << QStringList{"Unable to launch mail program. "}
                               << QStringList{"/opt/mail"};
        QTest::newRow("starts") << "/opt/mail" << true << QStringList{} << QStringList{"/opt/mail"};
    }

    void launchingTheMailProgram() {
        QFETCH(QString, mailer);
        QFETCH(bool, works);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, programs);
        Harness h;
        Harness::setGeneral("Mailer", mailer);
        Harness::setGeneral("Automatic", "1");
        MainController& c = h.start();
        h.shell.works = works;
        c.btLaunchClick();
        QCOMPARE(h.prompter.texts(), texts);
        QCOMPARE(h.shell.programs, programs);
        QVERIFY(c.timerRunning());
        QCOMPARE(h.logLines().filter("OPERATION CANCELED").size(),
                 works && !programs.isEmpty() ? 1 : 0);
    }

    void helpAndLogViewer() {
        Harness h;
        MainController& c = h.start();
        h.shell.works = false;
        c.btHelpClick();
        c.Viewlogfile1Click();
        QCOMPARE(h.shell.documents, (QStringList{c.helpFile(), c.logPath()}));
        QCOMPARE(h.prompter.texts(), (QStringList{"Unable to open help file - " + c.helpFile() + ".",
                                                  "Unable to open log file. "}));
        QCOMPARE(c.logPath(), h.profile.appFile("logfile.txt"));
    }

    // The spam settings dialog holds every other command off, but its own
    // Help opens the help page; after it closes, Help is an ordinary command.
    void helpFromTheSpamSettings() {
        Harness h;
        MainController& c = h.start();
        bool helpInside = false;
        h.view.onSpamSettings = [&] {
            QVERIFY(c.OperationRunning());
            c.btHelpClick();
            helpInside = h.shell.documents == QStringList{c.helpFile()};
            c.btAboutClick(); // still refused
        };
        c.btSpamSetupClick();
        QVERIFY(helpInside);
        QVERIFY(h.view.calls.filter("about").isEmpty());
        QVERIFY(h.prompter.shown().isEmpty());
        c.btHelpClick();
        QCOMPARE(h.shell.documents.size(), 2);
    }

    void nothingSelectedInAnEmptyList() {
        Harness h;
        MainController& c = h.start();
        c.btMarkClick({0});
        QCOMPARE(h.prompter.texts(),
                 QStringList{"Either there are no e-mail messages waiting on the mail server or "
                             "you have not yet clicked on the \"Check E-Mail\" button."});
    }

    // Leftover messages go from the folder they were written to; a file of the
    // same name in the folder the program was started from is the user's own.
    void leftoverMessagesGoFromTheApplicationFolderOnly() {
        Harness h;
        QTemporaryDir cwd;
        const QString before = QDir::currentPath();
        QDir::setCurrent(cwd.path());
        touch(cwd.filePath("msg_0.eml"));
        for (const char* name :
             {"msg_0.eml", "msg_100.eml", "msg_101.eml", "msg_20731.eml", "msg_7.txt", "msg_x.eml"})
            touch(h.profile.appFile(name));

        h.start();

        QDir::setCurrent(before);
        QVERIFY(QFile::exists(cwd.filePath("msg_0.eml")));
        QVERIFY(!QFile::exists(h.profile.appFile("msg_0.eml")));
        // Every message viewed, whatever its row, and nothing else.
        for (const char* name : {"msg_100.eml", "msg_101.eml", "msg_20731.eml"})
            QVERIFY(!QFile::exists(h.profile.appFile(name)));
        QVERIFY(QFile::exists(h.profile.appFile("msg_7.txt")));
        QVERIFY(QFile::exists(h.profile.appFile("msg_x.eml")));
    }
};

QTEST_GUILESS_MAIN(TestMainAutomatic)
#include "tst_mainautomatic.moc"
