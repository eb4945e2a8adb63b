// Quillmere in German: the catalogue loads, the windows, a message box and the
// command line speak German with nothing cut, and what goes into the log, into
// files and into the command line's JSON is byte for byte what English gives.
#include "activity/LogNaming.h"
#include "app/CliRunner.h"
#include "core/ControllerFixture.h"
#include "settings/GeneralSettings.h"
#include "settings/Translations.h"
#include "support/ScopedEnv.h"
#include "support/TestFiles.h"
#include "ui/DesktopView.h"
#include "ui/FittedLabel.h"
#include "ui/MessageBoxPrompter.h"
#include "ui/TfrmAbout.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmRetrieving.h"
#include "ui/TfrmSplash.h"
#include "ui/TfrmViewHeader.h"
#include "ui/TfrmWhichMailbox.h"
#include "ui/TrayIcon.h"

#include <QAbstractButton>
#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

// The texts of window's labels and buttons that do not fit the room they were
// given. Labels that wrap or fit their text themselves never cut it.
QStringList cutTexts(QWidget* window) {
    QStringList cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || qobject_cast<FittedLabel*>(label)) continue;
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
        }
        if (text.isEmpty()) continue;
        if (w->width() < w->sizeHint().width())
            cut << QStringLiteral("%1 (%2 < %3)")
                       .arg(text)
                       .arg(w->width())
                       .arg(w->sizeHint().width());
    }
    return cut;
}

// Shows window as the program would and returns what is cut in it.
QStringList shownCut(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) return {QStringLiteral("window never shown")};
    return cutTexts(window);
}

// The controller with the desktop windows around it, in a private profile.
struct Desktop {
    TempProfile profile;
    ScriptedPrompter prompter;
    ScriptedSound sound;
    ScriptedShell shell;
    KnownDomains dns;
    std::unique_ptr<DesktopView> view;
    std::unique_ptr<MainController> controller;

    Desktop() {
        SettingsStore::tree().WriteString(QStringLiteral("Server"), QStringLiteral("Version161"),
                                          QStringLiteral("161"));
        view = std::make_unique<DesktopView>(prompter, sound);
        controller = std::make_unique<MainController>(*view, prompter, sound, shell, &dns);
        view->createMainWindow(*controller);
        controller->FormCreate();
        view->createDialogs();
    }
    ~Desktop() {
        view.reset(); // the windows before the controller they show
        controller.reset();
    }
};

// Runs the command line with LANGUAGE set to language.
Run cliIn(const char* language, const QStringList& args) {
    const ScopedEnv env{{"LANGUAGE", QString::fromLatin1(language)}};
    return cli(args);
}

// Every file under folder, as paths relative to it, sorted.
QStringList filesUnder(const QString& folder) {
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

// What one language's run of the commands below left behind.
struct Outcome {
    QStringList files;    // the profile's files, relative to its folders
    QByteArray log;       // the activity log, time stamps taken out
    QString logPath;      // where the log is (gone with the profile)
    QString out, err;     // what the commands said
    QByteArray statsJson; // stats --json of this log, read under English and German
    QByteArray statsJsonGerman;
    QString statsText;
};

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    DovecotServer m_server;

    // In a fresh profile with a subject rule that deletes "pills" and the log in
    // a file per month: "delete --yes" on a mailbox holding one such message,
    // and "check" on a mailbox whose server lacks the STARTTLS it requires.
    Outcome runCommands(const char* language, const QString& user) {
        Outcome o;
        TempProfile profile;
        SettingsStore::tree().WriteString("Server", "Version161", "161");
        SettingsStore::tree().WriteBool("Logfile", "Asis", false);
        SettingsStore::tree().WriteBool("Logfile", "Month", true);
        SettingsStore::iniFile().WriteBool("Known", "Valid", false);
        writeFile(profile.appFile("subj.lst"),
                  "6,2\r\n1,1,Contains\r\n2,1,pills\r\n3,1,No\r\n4,1,Yes\r\n5,1,0\r\n");
        MailboxConfig{m_server.server(), user, "secret", MailSecurity::None}.store(1);
        MailboxConfig{m_server.server(), user, "secret", MailSecurity::StartTlsRequired}.store(2);

        const Run deleted = cliIn(language, {"delete", "--mailbox", "1", "--yes"});
        const Run refused = cliIn(language, {"check", "--mailbox", "2"});
        o.out = deleted.out + refused.out;
        o.err = deleted.err + refused.err;
        if (deleted.code != 0 || refused.code != 1)
            o.err +=
                QStringLiteral("[exit statuses %1 and %2]").arg(deleted.code).arg(refused.code);
        for (const QString& folder :
             {profile.configHome(), profile.dataHome(), profile.cacheHome()})
            o.files += filesUnder(folder);

        o.logPath = StoredLogPath(QDate::currentDate());
        // The stamps carry the minute of each run: they are the one part that may differ.
        QString log = QString::fromUtf8(readAll(o.logPath));
        static const QRegularExpression stamp(
            QStringLiteral("\\b(Mon|Tue|Wed|Thu|Fri|Sat|Sun) [0-9/.-]+ \\d\\d:\\d\\d(:\\d\\d)?"));
        o.log = log.replace(stamp, QStringLiteral("<stamp>")).toUtf8();

        o.statsJson = cliIn("en", {"stats", "--log", o.logPath, "--json"}).out.toUtf8();
        o.statsJsonGerman = cliIn("de", {"stats", "--log", o.logPath, "--json"}).out.toUtf8();
        o.statsText = cliIn(language, {"stats", "--log", o.logPath}).out;
        return o;
    }

private Q_SLOTS:
    void initTestCase() {
        // The tests run under LANGUAGE=en; this one asks for German.
        qputenv("LANGUAGE", "de");
        QCOMPARE(Translations::install(), QStringLiteral("de"));
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    }

    // Ours and Qt's own texts come from the catalogues built into the program.
    void germanCataloguesLoad() {
        QCOMPARE(TfrmMain::tr("Check e-mail"), QStringLiteral("Post prüfen"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    }

    // The small windows in German, each with its texts whole.
    void smallWindowsSpeakGermanUncut() {
        GeneralSettings settings;
        const std::pair<std::unique_ptr<QWidget>, QString> windows[] = {
            {std::make_unique<TfrmWhichMailbox>(), QStringLiteral("Welches Postfach?")},
            {std::make_unique<TfrmRetrieving>(), QStringLiteral("Abrufen ...")},
            {std::make_unique<TfrmViewHeader>(), QStringLiteral("Ausgewählte Kopfzeilen anzeigen")},
            {std::make_unique<TfrmAbout>(settings), QStringLiteral("Über Quillmere")},
            {std::make_unique<TfrmSplash>(), QString()},
        };
        for (const auto& [window, title] : windows) {
            QCOMPARE(window->windowTitle(), title);
            const QStringList cut = shownCut(window.get());
            QVERIFY2(cut.isEmpty(), qPrintable(window->objectName() + ": " + cut.join(", ")));
        }
        TfrmWhichMailbox choice;
        QCOMPARE(choice.btCancel->text(), QStringLiteral("Abbrechen"));
        TfrmRetrieving progress;
        progress.setAttribute(Qt::WA_DontShowOnScreen);
        ProgressState state;
        state.Visible = true;
        state.Server = QStringLiteral("pop.example.com:110");
        state.Mailbox = QStringLiteral("tester@example.com");
        state.lblMsg = QStringLiteral("Nachricht 12 von 345 wird gelesen");
        progress.render(state);
        QVERIFY2(cutTexts(&progress).isEmpty(), qPrintable(cutTexts(&progress).join(", ")));
    }

    // The main window and the tray menu in German: the big buttons, the
    // settings panel and the status bar keep their texts whole at the size the
    // window first opens with.
    void mainWindowSpeaksGermanUncut() {
        Desktop d;
        TfrmMain& w = *d.view->main();
        QCOMPARE(w.btList->text(), QStringLiteral("Post prüfen"));
        QCOMPARE(w.Why1->text(), QStringLiteral("Warum wurde diese E-Mail markiert?"));
        QCOMPARE(d.view->tray()->ShowMainScreen1->text(), QStringLiteral("Hauptfenster"));
        const QStringList cut = shownCut(&w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
        QTest::mouseClick(w.btOptions, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(w.pnlOptions));
        QVERIFY2(cutTexts(w.pnlOptions).isEmpty(), qPrintable(cutTexts(w.pnlOptions).join(", ")));
        w.pnlOptions->hide();
    }

    // A question's buttons come from Qt's own German texts.
    void messageBoxSpeaksGerman() {
        MessageBoxPrompter prompter;
        QStringList buttons;
        QTimer::singleShot(0, [&buttons] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(prompter.message(TfrmMain::tr("Delete marked messages"), Prompter::Icon::Question,
                                  Prompter::Buttons::YesNo),
                 Prompter::Answer::No);
        buttons.sort();
        QCOMPARE(buttons, QStringList({QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
    }

    void commandLineHelpIsGerman() {
        const Run german = cliIn("de", {"--help"});
        QCOMPARE(german.code, 0);
        QVERIFY2(german.out.contains(QStringLiteral("\nBefehle:\n")), qPrintable(german.out));
        QVERIFY2(german.out.contains(QStringLiteral("Statistik des Protokolls")),
                 qPrintable(german.out));
        const Run english = cliIn("en", {"--help"});
        QVERIFY2(english.out.contains(QStringLiteral("\ncommands:\n")), qPrintable(english.out));
        // Option names are the same in every language.
        for (const char* option : {"--json", "--mailbox", "--trust-fingerprint", "--between"})
            QCOMPARE(german.out.count(QLatin1String(option)),
                     english.out.count(QLatin1String(option)));

        const Run usage = cliIn("de", {"stats", "--days", "0"});
        QCOMPARE(usage.code, 2);
        QVERIFY2(
            usage.err.startsWith(QStringLiteral("stats: --days nimmt eine Zahl von 1 bis 365")),
            qPrintable(usage.err));
    }

    // The same commands in German and in English: the log, the files and the
    // JSON are the same bytes; only what the commands say to a person differs.
    void logFilesAndJsonStayEnglish() {
        const QString user = m_server.mailbox({mail("a", "Hello"), mail("b", "Cheap pills")});
        const Outcome german = runCommands("de", user);
        QVERIFY(m_server.addMessage(user, mail("c", "Cheap pills")));
        const Outcome english = runCommands("en", user);

        QVERIFY2(english.out.contains(QStringLiteral("deleted 1 message(s) from mailbox 1 (")),
                 qPrintable(english.out + english.err));
        QVERIFY2(german.out.contains(QStringLiteral("1 Nachricht aus Postfach 1 (")),
                 qPrintable(german.out + german.err));
        QVERIFY2(english.err.contains(QStringLiteral("STARTTLS")), qPrintable(english.err));
        QVERIFY2(german.logPath.endsWith(u'/' + MonthLogName(QDate::currentDate())),
                 qPrintable(german.logPath));
        QVERIFY2(german.files.filter(MonthLogName(QDate::currentDate())).size() == 1,
                 qPrintable(german.files.join(", ")));

        QCOMPARE(german.files, english.files);
        QVERIFY2(english.log.contains("MAIL CHECK 2 msg(s)") &&
                     english.log.contains("DELETE SPAM") && english.log.contains("ERROR "),
                 english.log.constData());
        QCOMPARE(german.log, english.log);

        QVERIFY(german.statsJson.startsWith("{\"mailboxes\":"));
        QCOMPARE(german.statsJsonGerman, german.statsJson);
        QVERIFY2(german.statsText.contains(QStringLiteral("Tag für Tag")),
                 qPrintable(german.statsText));
        QVERIFY2(english.statsText.contains(QStringLiteral("Day by day")),
                 qPrintable(english.statsText));

        // The learned judgement's JSON: keys and values alike.
        const TempProfile profile;
        const QString file = profile.appFile("message.eml");
        writeFile(file, mail("d", "Hello"));
        const Run scoreGerman = cliIn("de", {"score", "--json", file});
        const Run scoreEnglish = cliIn("en", {"score", "--json", file});
        QCOMPARE(scoreGerman.code, 0);
        QVERIFY(scoreEnglish.out.contains("\"judged\": false"));
        QCOMPARE(scoreGerman.out, scoreEnglish.out);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
