// The general settings dialog: its OK stores the mailboxes slot by slot with
// enciphered passwords and stops at the first incomplete one; Cancel and a new
// showing drop what was not confirmed; OK warns about the riskier choices; a
// showing starts from the model the program changed, names the log for the
// month or quarter, and fills an empty mailbox 1 from another mail program.
#include "dialogs/TfrmGeneral.h"
#include "dialogs/TfrmMailboxDetails.h"
#include "mail/Exceptions.h"
#include "rules/RuleEdits.h"
#include "rules/SpamSettings.h"
#include "settings/Clock.h"
#include "settings/SettingsStore.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedPrompter.h"
#include "support/TempProfile.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {
const QString Server = QStringLiteral("Server");

QString stored(const QString& ident) {
    return SettingsStore::tree().ReadString(Server, ident, QStringLiteral("<none>"));
}

void fillRow(TfrmGeneral& d, int n, const QString& server, const QString& user,
             const QString& pass) {
    d.edServe[n - 1]->setText(server);
    d.edName[n - 1]->setText(user);
    d.edPass[n - 1]->setText(pass);
}

QString storedGeneral(const QString& ident) {
    return SettingsStore::tree().ReadString(QStringLiteral("General"), ident,
                                            QStringLiteral("<none>"));
}

// A Thunderbird profile in home whose first POP3 account is ann at pop.example.org.
void writeThunderbird(const QString& home) {
    writeFile(home + "/.thunderbird/profiles.ini",
              "[Install1234]\nDefault=x.default-release\n\n"
              "[Profile0]\nName=default-release\nIsRelative=1\nPath=x.default-release\n");
    writeFile(home + "/.thunderbird/x.default-release/prefs.js",
              "user_pref(\"mail.accountmanager.accounts\", \"account1\");\n"
              "user_pref(\"mail.account.account1.server\", \"server1\");\n"
              "user_pref(\"mail.server.server1.type\", \"pop3\");\n"
              "user_pref(\"mail.server.server1.hostname\", \"pop.example.org\");\n"
              "user_pref(\"mail.server.server1.userName\", \"ann\");\n"
              "user_pref(\"mail.server.server1.socketType\", 3);\n");
}

// The desktop's mail program: a mailto handler in the user's mimeapps.list.
void writeMailtoHandler(const TempProfile& profile) {
    writeFile(profile.configHome() + "/mimeapps.list",
              "[Default Applications]\nx-scheme-handler/mailto=mail.desktop\n");
    writeFile(profile.dataHome() + "/applications/mail.desktop",
              "[Desktop Entry]\nType=Application\nName=Mail\nExec=/usr/bin/mailer -compose %u\n");
}
} // namespace

class TestGeneralDialog : public QObject {
    Q_OBJECT
    // No mail program of this machine takes part: HOME and the XDG search
    // folders point at an empty folder unless a test writes into it.
    QTemporaryDir m_home;
    std::unique_ptr<ScopedEnv> m_env;

private Q_SLOTS:
    void initTestCase() {
        m_env = std::make_unique<ScopedEnv>(std::initializer_list<std::pair<const char*, QString>>{
            {"HOME", m_home.path()},
            {"XDG_CONFIG_DIRS", m_home.filePath("etc")},
            {"XDG_DATA_DIRS", m_home.filePath("share")}});
    }
    void cleanup() { QDir(m_home.filePath(".thunderbird")).removeRecursively(); }

    void controlsKeepTheirNames();
    void okStoresSlotsEnciphered();
    void okStopsAtFirstIncompleteSlot_data();
    void okStopsAtFirstIncompleteSlot();
    void cancelAndReshowDropUnconfirmedEdits();
    void okWarnings_data();
    void okWarnings();
    void detailsHoldSecurityAndTrustedCertificate();
    void oauth2MailboxNeedsNoPassword_data();
    void oauth2MailboxNeedsNoPassword();
    void showingStartsFromTheModel();
    void logNamedForThePeriodOnShowing_data();
    void logNamedForThePeriodOnShowing();
    void prefillFromOtherMailPrograms();
    void firstRunRuleOnlyForConfirmedName_data();
    void firstRunRuleOnlyForConfirmedName();
    void browseButtons_data();
    void browseButtons();
    void fieldsColouredByFocus();
    void soundTest_data();
    void soundTest();
    void sizeKeptAndFitted();
    void connectionListsDialUpEntries();
    void launchStartsTheProgramShown();
    void startUpWritesAutostartEntry();
};

void TestGeneralDialog::controlsKeepTheirNames() {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    for (int n = 1; n <= 12; ++n)
        for (const char* prefix : {"rb", "edServe", "edName", "edPass"})
            QVERIFY2(
                d.findChild<QWidget*>(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n)),
                qPrintable(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n)));
    QCOMPARE(d.pages->tabText(0), QStringLiteral("Mailboxes"));
    QCOMPARE(d.pages->currentIndex(), 0);
    QCOMPARE(d.edPass[0]->echoMode(), QLineEdit::Password);
    QCOMPARE(d.edPass[0]->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter), int('*'));
}

void TestGeneralDialog::okStoresSlotsEnciphered() {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    d.FormShow();
    d.show();
    fillRow(d, 1, QStringLiteral("pop.example.org"), QStringLiteral("ann"),
            QStringLiteral("s3cret-one"));
    fillRow(d, 3, QStringLiteral("mail.example.net"), QStringLiteral("bob"),
            QStringLiteral("s3cret-three"));
    d.rb[2]->setChecked(true);
    QTest::mouseClick(d.btOK, Qt::LeftButton);

    QVERIFY(prompter.texts().isEmpty());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(!d.isVisible());
    QCOMPARE(stored(QStringLiteral("Which")), QStringLiteral("3"));
    QCOMPARE(stored(QStringLiteral("Server1")), QStringLiteral("pop.example.org"));
    QCOMPARE(stored(QStringLiteral("Mailbox3")), QStringLiteral("bob"));
    QCOMPARE(stored(QStringLiteral("Server2")), QString());
    // Enciphered: not the plain text, and it reads back as typed.
    QVERIFY(stored(QStringLiteral("Passwd1")) != QStringLiteral("s3cret-one"));
    QCOMPARE(DecipherPassword(stored(QStringLiteral("Passwd1"))), QStringLiteral("s3cret-one"));
    QCOMPARE(DecipherPassword(stored(QStringLiteral("Passwd3"))), QStringLiteral("s3cret-three"));
    QFile tree(SettingsStore::tree().path());
    QVERIFY(tree.open(QIODevice::ReadOnly));
    QVERIFY(!tree.readAll().contains("s3cret"));
    // The model the controller reads holds the same.
    QCOMPARE(model.Which, 3);
    QCOMPARE(model.mailbox(3).Password, QStringLiteral("s3cret-three"));
}

void TestGeneralDialog::okStopsAtFirstIncompleteSlot_data() {
    QTest::addColumn<QString>("server2");
    QTest::addColumn<QString>("user2");
    QTest::addColumn<QString>("pass2");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::newRow("server-without-user") << "pop.two"
                                         << ""
                                         << "pw"
                                         << "Mailbox 2 has a server pop.two but no mailbox"
                                         << "edName2";
    QTest::newRow("user-without-server") << ""
                                         << "carl"
                                         << "pw"
                                         << "Mailbox 2 carl has a blank server"
                                         << "edServe2";
    QTest::newRow("no-password") << "pop.two"
                                 << "carl"
                                 << ""
                                 << "Mailbox 2 - there is no password set"
                                 << "edPass2";
}

void TestGeneralDialog::okStopsAtFirstIncompleteSlot() {
    QFETCH(QString, server2);
    QFETCH(QString, user2);
    QFETCH(QString, pass2);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    TempProfile profile;
    // Slot 3 as stored before: the failed OK must leave it alone.
    MailboxConfig{QStringLiteral("old.three"), QStringLiteral("olduser"), QStringLiteral("oldpw")}
        .store(3);

    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    d.FormShow();
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.pages->setCurrentIndex(2);
    fillRow(d, 1, QStringLiteral("pop.one"), QStringLiteral("ann"), QStringLiteral("pw1"));
    fillRow(d, 2, server2, user2, pass2);
    fillRow(d, 3, QStringLiteral("new.three"), QStringLiteral("dora"), QStringLiteral("pw3"));
    d.nMinutes->setValue(42);
    QTest::mouseClick(d.btOK, Qt::LeftButton);

    QCOMPARE(prompter.texts(), QStringList{message});
    QCOMPARE(prompter.shown().first().icon, Prompter::Icon::Error);
    QVERIFY(d.isVisible());
    QCOMPARE(d.pages->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
             focused);
    // Slots up to the failing one are stored, the later ones are not.
    QCOMPARE(stored(QStringLiteral("Server1")), QStringLiteral("pop.one"));
    QCOMPARE(stored(QStringLiteral("Server2")), server2);
    QCOMPARE(stored(QStringLiteral("Mailbox2")), user2);
    QCOMPARE(stored(QStringLiteral("Server3")), QStringLiteral("old.three"));
    QCOMPARE(DecipherPassword(stored(QStringLiteral("Passwd3"))), QStringLiteral("oldpw"));
    // The general values are stored all the same.
    QCOMPARE(
        SettingsStore::tree().ReadInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 0),
        42);
}

void TestGeneralDialog::cancelAndReshowDropUnconfirmedEdits() {
    TempProfile profile;
    MailboxConfig{QStringLiteral("pop.stored"), QStringLiteral("ann"), QStringLiteral("pw")}.store(
        1);
    ScriptedPrompter prompter;
    GeneralSettings model;
    model.load(prompter);
    TfrmGeneral d(model, prompter);

    // Cancel after typing restores the stored server, in the dialog and the model.
    d.FormShow();
    d.show();
    d.edServe[0]->setText(QStringLiteral("typed.but.cancelled"));
    d.cbKill->setChecked(!model.Kill);
    QTest::mouseClick(d.btCancel, Qt::LeftButton);
    QCOMPARE(d.edServe[0]->text(), QStringLiteral("pop.stored"));
    QCOMPARE(model.mailbox(1).Server, QStringLiteral("pop.stored"));
    QCOMPARE(d.cbKill->isChecked(), model.Kill);

    // Hiding and showing again without OK drops the edit too.
    d.FormShow();
    d.show();
    d.edServe[0]->setText(QStringLiteral("typed.then.hidden"));
    d.hide();
    d.FormShow();
    QCOMPARE(d.edServe[0]->text(), QStringLiteral("pop.stored"));
    QVERIFY(prompter.texts().isEmpty());
}

void TestGeneralDialog::okWarnings_data() {
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<bool>("killBefore");
    QTest::addColumn<bool>("killNow");
    QTest::addColumn<bool>("toggleSysTray");
    QTest::addColumn<QStringList>("texts");
    const QString kill = QStringLiteral(
        "Just a warning that you selected to automatically delete marked messages without "
        "confirmation.  It is possible to OVER delete by using this setting.");
    const QString restart =
        QStringLiteral("Exit and restart for the Start Up changes to take effect.");
    QTest::newRow("kill-ticked-in-automatic-warns")
        << true << false << true << false << QStringList{kill};
    QTest::newRow("kill-ticked-in-manual-is-quiet")
        << false << false << true << false << QStringList{};
    QTest::newRow("kill-already-on-is-quiet") << true << true << true << false << QStringList{};
    QTest::newRow("systray-changed-asks-restart")
        << false << false << false << true << QStringList{restart};
    QTest::newRow("both-in-order") << true << false << true << true << QStringList{kill, restart};
}

void TestGeneralDialog::okWarnings() {
    QFETCH(bool, automatic);
    QFETCH(bool, killBefore);
    QFETCH(bool, killNow);
    QFETCH(bool, toggleSysTray);
    QFETCH(QStringList, texts);
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    model.Kill = killBefore;
    TfrmGeneral d(model, prompter);
    d.FormShow();
    d.show();
    (automatic ? d.rbAuto : d.rbManual)->setChecked(true);
    d.cbKill->setChecked(killNow);
    if (toggleSysTray) d.cbSysTray->setChecked(!d.cbSysTray->isChecked());
    QTest::mouseClick(d.btOK, Qt::LeftButton);
    QCOMPARE(prompter.texts(), texts);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(model.Kill, killNow);
    QCOMPARE(model.Automatic, automatic);
}

// Mailboxes stored before there was a choice keep their old protection, new
// ones require STARTTLS (TLS on port 995); the details dialog changes the
// choice and forgets the trusted certificate, and the general OK stores both.
void TestGeneralDialog::detailsHoldSecurityAndTrustedCertificate() {
    TempProfile profile;
    const QString fingerprint(64, u'a');
    SettingsStore tree = SettingsStore::tree();
    for (const auto& [n, server] : {std::pair{1, "pop.before"}, std::pair{2, "pop.before:995"}}) {
        tree.WriteString(Server, QStringLiteral("Server%1").arg(n), QLatin1String(server));
        tree.WriteString(Server, QStringLiteral("Mailbox%1").arg(n), QStringLiteral("ann"));
        tree.WriteString(Server, QStringLiteral("Passwd%1").arg(n), EncipherPassword("pw"));
    }
    tree.WriteString(Server, QStringLiteral("TrustedCert1"), fingerprint);
    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    d.FormShow();
    d.show();
    QCOMPARE(model.mailbox(1).Security, MailSecurity::StartTlsOptional);
    QCOMPARE(model.mailbox(2).Security, MailSecurity::Tls);
    fillRow(d, 3, QStringLiteral("pop.new"), QStringLiteral("bob"), QStringLiteral("pw"));
    fillRow(d, 4, QStringLiteral("pop.new:995"), QStringLiteral("eve"), QStringLiteral("pw"));

    // Cancel in the details changes nothing; OK takes the choice and the forgetting.
    for (const bool ok : {false, true}) {
        QString shownTrusted;
        QTimer::singleShot(0, this, [&] {
            auto* details = qobject_cast<TfrmMailboxDetails*>(QApplication::activeModalWidget());
            QVERIFY(details);
            shownTrusted = details->lblTrusted->text();
            details->cbSecurity->setCurrentIndex(details->cbSecurity->findText("None"));
            QTest::mouseClick(details->btForget, Qt::LeftButton);
            QVERIFY(!details->btForget->isEnabled());
            ok ? details->accept() : details->reject();
        });
        d.rb[0]->setChecked(true);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("btDetails")), Qt::LeftButton);
        QCOMPARE(shownTrusted, readableFingerprint(fingerprint));
        QCOMPARE(model.mailbox(1).Security,
                 ok ? MailSecurity::None : MailSecurity::StartTlsOptional);
        QCOMPARE(model.mailbox(1).TrustedCert, ok ? QString() : fingerprint);
    }
    QTest::mouseClick(d.btOK, Qt::LeftButton);

    QVERIFY(prompter.texts().isEmpty());
    QCOMPARE(stored(QStringLiteral("Security1")), QStringLiteral("none"));
    QCOMPARE(stored(QStringLiteral("TrustedCert1")), QString());
    QCOMPARE(stored(QStringLiteral("Security2")), QStringLiteral("tls"));
    QCOMPARE(stored(QStringLiteral("Security3")), QStringLiteral("starttls"));
    QCOMPARE(stored(QStringLiteral("Security4")), QStringLiteral("tls"));
}

void TestGeneralDialog::oauth2MailboxNeedsNoPassword_data() {
    QTest::addColumn<QString>("clientId");
    QTest::addColumn<QString>("problem");
    QTest::newRow("complete-accepted") << "client" << QString();
    QTest::newRow("no-client-id-refused")
        << ""
        << "Mailbox 1 - the OAuth2 sign-in is incomplete. Enter the client ID of the "
           "application you registered with Microsoft.";
}

// A mailbox switched to OAuth2 in its details: its password field steps
// aside, OK stores it without asking for a password (the stored one is kept
// for a change back), unless its OAuth2 settings are incomplete.
void TestGeneralDialog::oauth2MailboxNeedsNoPassword() {
    QFETCH(QString, clientId);
    QFETCH(QString, problem);
    TempProfile profile;
    SettingsStore tree = SettingsStore::tree();
    tree.WriteString(Server, QStringLiteral("Server1"), QStringLiteral("pop.before"));
    tree.WriteString(Server, QStringLiteral("Mailbox1"), QStringLiteral("ann"));
    tree.WriteString(Server, QStringLiteral("Passwd1"), EncipherPassword("pw"));
    tree.WriteString(Server, QStringLiteral("Security1"), QStringLiteral("starttls"));
    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    d.FormShow();
    d.show();
    QTimer::singleShot(0, this, [&] {
        auto* details = qobject_cast<TfrmMailboxDetails*>(QApplication::activeModalWidget());
        QVERIFY(details);
        details->cbSignIn->setCurrentIndex(details->cbSignIn->findData(int(MailSignIn::OAuth2)));
        details->cbProvider->setCurrentIndex(details->cbProvider->findData("microsoft"));
        details->edClientId->setText(clientId);
        details->accept();
    });
    d.rb[0]->setChecked(true);
    QTest::mouseClick(d.btDetails, Qt::LeftButton);
    QVERIFY(!d.edPass[0]->isEnabled());
    QVERIFY(d.edPass[0]->text().isEmpty());

    QTest::mouseClick(d.btOK, Qt::LeftButton);
    QCOMPARE(prompter.texts(), problem.isEmpty() ? QStringList{} : QStringList{problem});
    QCOMPARE(d.isVisible(), !problem.isEmpty());
    QCOMPARE(stored(QStringLiteral("SignIn1")), QStringLiteral("oauth2"));
    QCOMPARE(DecipherPassword(stored(QStringLiteral("Passwd1"))), QStringLiteral("pw"));

    // Shown again from what is stored, the password still steps aside.
    d.FormShow();
    QVERIFY(!d.edPass[0]->isEnabled());
    QVERIFY(d.edPass[0]->text().isEmpty());
}

void TestGeneralDialog::showingStartsFromTheModel() {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    model.load(prompter);
    TfrmGeneral d(model, prompter);
    d.FormShow();
    d.show();
    QTest::mouseClick(d.btOK, Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Accepted));

    // While the dialog is closed the program deletes spam, the tray switches on
    // automatic mode, and the log path changes.
    model.Count = QStringLiteral("5");
    model.Automatic = true;
    model.Logfile = profile.appFile(QStringLiteral("elsewhere.txt"));

    d.FormShow();
    QCOMPARE(d.edCount->text(), QStringLiteral("5"));
    QVERIFY(d.rbAuto->isChecked());
    QVERIFY(!d.pnlAuto->isHidden());
    QVERIFY(d.pnlManual->isHidden());
    QCOMPARE(d.Edit1->text(), model.Logfile);
    d.show();
    QTest::mouseClick(d.btOK, Qt::LeftButton);

    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(model.Count, QStringLiteral("5"));
    QVERIFY(model.Automatic);
    QCOMPARE(storedGeneral(QStringLiteral("Count")), QStringLiteral("5"));
    QCOMPARE(storedGeneral(QStringLiteral("Automatic")), QStringLiteral("1"));
    QCOMPARE(storedGeneral(QStringLiteral("Logfile")), model.Logfile);
    QVERIFY(prompter.texts().isEmpty());
}

void TestGeneralDialog::logNamedForThePeriodOnShowing_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("name");
    QTest::newRow("as-is-keeps-the-name") << "Asis"
                                          << "mine.log";
    QTest::newRow("month-in-any-locale") << "Month"
                                         << "Dec26.txt";
    QTest::newRow("quarter") << "Quarter"
                             << "Q4_26.txt";
}

void TestGeneralDialog::logNamedForThePeriodOnShowing() {
    QFETCH(QString, mode);
    QFETCH(QString, name);
    TempProfile profile;
    const FixedClock clock(QDateTime(QDate(2026, 12, 8), QTime(21, 57)));
    Clock::install(&clock);
    QLocale::setDefault(QLocale(QStringLiteral("de_DE"))); // "Dez." must not show
    const QString folder = profile.appFolder() + QStringLiteral("/logs/");
    const QString stored = folder + QStringLiteral("mine.log"), current = folder + name;
    SettingsStore tree = SettingsStore::tree();
    tree.WriteString(QStringLiteral("General"), QStringLiteral("Logfile"), stored);
    tree.WriteBool(QStringLiteral("Logfile"), QStringLiteral("Asis"), mode == "Asis");
    tree.WriteBool(QStringLiteral("Logfile"), mode, true);
    writeFile(stored, "old\r\n");
    writeFile(current, "current\r\n");

    ScriptedPrompter prompter;
    GeneralSettings model;
    model.load(prompter);
    TfrmGeneral d(model, prompter);
    QStringList opened;
    d.OpenDocument = [&](const QString& path) {
        opened << path;
        return true;
    };
    d.FormShow();
    d.show();

    // The field, the stored path and the model name this period's file.
    QCOMPARE(d.Edit1->text(), current);
    QCOMPARE(storedGeneral(QStringLiteral("Logfile")), current);
    QCOMPARE(model.Logfile, current);
    // View and Clear act on it.
    d.findChild<QPushButton*>(QStringLiteral("btViewLog"))->click();
    QCOMPARE(opened, QStringList{current});
    prompter.answerNext(Prompter::Answer::Yes);
    d.findChild<QPushButton*>(QStringLiteral("btClearLog"))->click();
    QVERIFY(!QFile::exists(current));
    QCOMPARE(QFile::exists(stored), current != stored);
    // A naming choice not yet confirmed already decides what View opens.
    d.rbQuarter->setChecked(true);
    QCOMPARE(d.logFileShown(), folder + QStringLiteral("Q4_26.txt"));
    // Cancel keeps the period's name, which is stored.
    QTest::mouseClick(d.btCancel, Qt::LeftButton);
    QCOMPARE(model.Logfile, current);

    QLocale::setDefault(QLocale::c());
    Clock::install(nullptr);
}

void TestGeneralDialog::prefillFromOtherMailPrograms() {
    TempProfile profile;
    writeThunderbird(m_home.path());
    writeMailtoHandler(profile);
    ScriptedPrompter prompter;
    {
        GeneralSettings model;
        model.load(prompter);
        TfrmGeneral d(model, prompter);
        d.FormShow();
        QCOMPARE(d.edServe[0]->text(), QStringLiteral("pop3s://pop.example.org"));
        QCOMPARE(d.edName[0]->text(), QStringLiteral("ann"));
        QCOMPARE(d.edPass[0]->text(), QString());
        QCOMPARE(model.mailbox(1).Security, MailSecurity::Tls);
        QCOMPARE(d.edMail->text(), QStringLiteral("/usr/bin/mailer -compose"));
        // Nothing is stored before OK.
        QCOMPARE(stored(QStringLiteral("Server1")), QStringLiteral("<none>"));
    }
    // What the user has set stays.
    MailboxConfig{QStringLiteral("pop.mine"), QString(), QString()}.store(1);
    SettingsStore::tree().WriteString(QStringLiteral("General"), QStringLiteral("Mailer"),
                                      QStringLiteral("mutt"));
    GeneralSettings model;
    model.load(prompter);
    TfrmGeneral d(model, prompter);
    d.FormShow();
    QCOMPARE(d.edServe[0]->text(), QStringLiteral("pop.mine"));
    QCOMPARE(d.edName[0]->text(), QString());
    QCOMPARE(d.edMail->text(), QStringLiteral("mutt"));
    QVERIFY(prompter.texts().isEmpty());
}

void TestGeneralDialog::firstRunRuleOnlyForConfirmedName_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ruleAdded");
    QTest::newRow("prefilled-name-confirmed") << "ann"
                                              << "pw" << true;
    QTest::newRow("password-added-after-the-error") << "ann"
                                                    << "" << true;
    QTest::newRow("name-changed-before-ok") << "ann.b"
                                            << "pw" << false;
}

void TestGeneralDialog::firstRunRuleOnlyForConfirmedName() {
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, ruleAdded);
    TempProfile profile;
    writeThunderbird(m_home.path());
    ScriptedPrompter prompter;
    SpamSettings spam;
    spam.readSettings();
    GeneralSettings model;
    model.load(prompter);
    TfrmGeneral d(model, prompter);
    d.setSpamSettings(&spam);
    d.FormShow();
    d.show();
    // Showing alone adds nothing.
    QCOMPARE(spam.gridHeader.cell(1, 1), QString());

    d.edName[0]->setText(user);
    d.edPass[0]->setText(password);
    QTest::mouseClick(d.btOK, Qt::LeftButton);
    if (password.isEmpty()) {
        QCOMPARE(prompter.texts(), QStringList{"Mailbox 1 - there is no password set"});
        QCOMPARE(spam.gridHeader.cell(1, 1), QString());
        d.edPass[0]->setText(QStringLiteral("pw"));
        QTest::mouseClick(d.btOK, Qt::LeftButton);
    }
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const QStringList rule = myselfHeaderCells(QStringLiteral("ann"));
    QCOMPARE(rule.mid(1),
             (QStringList{"To does not contain", "ann - MailBox #1", "No", "Yes", "0"}));
    const QByteArray file = readAll(SpamSettings::listPath(spam.gridHeader));
    if (ruleAdded) {
        // At the top, the empty list's blank row after it.
        QCOMPARE(spam.gridHeader.ruleCount(), 2);
        for (int c = 0; c < rule.size(); ++c)
            QCOMPARE(spam.gridHeader.cell(c, 1), rule[c]);
        QCOMPARE(spam.gridHeader.image(1), int(ImageCheck));
        QVERIFY(file.contains("ann - MailBox #1"));
    } else {
        QCOMPARE(spam.gridHeader.cell(1, 1), QString());
        QVERIFY(!file.contains("MailBox #"));
    }
    // Once per run: another showing and OK add nothing.
    const int rules = spam.gridHeader.ruleCount();
    d.FormShow();
    d.show();
    QTest::mouseClick(d.btOK, Qt::LeftButton);
    QCOMPARE(spam.gridHeader.ruleCount(), rules);
}

void TestGeneralDialog::browseButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("log-file-save-dialog") << "Browse for log file"
                                          << "Edit1" << true << "Activity log file"
                                          << "Text files (*.txt);;All files (*)"
                                          << "txt";
    QTest::newRow("sound-open-dialog") << "..."
                                       << "edAlarm" << false << "Sound files"
                                       << "Sound files (*.wav);;All files (*)"
                                       << "wav";
    QTest::newRow("mail-program-open-dialog") << "Find mail program"
                                              << "edMail" << false << "Mail program"
                                              << "All files (*)"
                                              << "";
}

void TestGeneralDialog::browseButtons() {
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(bool, save);
    QFETCH(QString, title);
    QFETCH(QString, filter);
    QFETCH(QString, suffix);
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    auto* edit = d.findChild<QLineEdit*>(field);
    edit->setText(QStringLiteral("/start/here"));
    QList<TfrmGeneral::FileRequest> asked;
    QString answer = QStringLiteral("/chosen/file");
    d.ChooseFile = [&](const TfrmGeneral::FileRequest& r) {
        asked << r;
        return answer;
    };
    QPushButton* b = nullptr;
    for (QPushButton* p : d.findChildren<QPushButton*>())
        if (p->text() == button) b = p;
    QVERIFY(b);
    b->click();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].save, save);
    QCOMPARE(asked[0].title, title);
    QCOMPARE(asked[0].filter, filter);
    QCOMPARE(asked[0].defaultSuffix, suffix);
    QCOMPARE(asked[0].start, QStringLiteral("/start/here"));
    QCOMPARE(edit->text(), QStringLiteral("/chosen/file"));
    answer.clear(); // cancelled: the field stays
    b->click();
    QCOMPARE(edit->text(), QStringLiteral("/chosen/file"));
}

void TestGeneralDialog::fieldsColouredByFocus() {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    const QColor face = QApplication::palette().color(QPalette::Button);
    const QColor window = QApplication::palette().color(QPalette::Base);
    QVERIFY(face != window);
    d.edServe[0]->setFocus();
    QTRY_COMPARE(d.edServe[0]->palette().color(QPalette::Base), window);
    QCOMPARE(d.edName[0]->palette().color(QPalette::Base), face);
    QCOMPARE(d.edMail->palette().color(QPalette::Base), face);
    d.pages->setCurrentIndex(2);
    d.rbAuto->setChecked(true);
    d.nMinutes->setFocus();
    QTRY_COMPARE(d.nMinutes->palette().color(QPalette::Base), window);
    QCOMPARE(d.edServe[0]->palette().color(QPalette::Base), face);
}

void TestGeneralDialog::soundTest_data() {
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("calls"); // after the clicks and closing
    QTest::newRow("repeat-stopped-by-button")
        << true << true << 2 << "Test" << QStringList{"play", "stop"};
    QTest::newRow("repeat-stopped-by-closing")
        << true << true << 1 << "Stop" << QStringList{"play", "stop"};
    QTest::newRow("once-keeps-caption")
        << false << true << 1 << "Test" << QStringList{"play", "stop"};
    QTest::newRow("missing-file-plays-nothing") << true << false << 1 << "Stop" << QStringList{};
}

void TestGeneralDialog::soundTest() {
    QFETCH(bool, repeat);
    QFETCH(bool, exists);
    QFETCH(int, clicks);
    QFETCH(QString, caption);
    QFETCH(QStringList, calls);
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    QStringList got;
    d.OnTestSound = [&](bool play) { got << (play ? "play" : "stop"); };
    const QString wav = profile.appFile(QStringLiteral("alarm.wav"));
    if (exists) writeFile(wav, "RIFF");
    d.edAlarm->setText(wav);
    d.cbRepeat->setChecked(repeat);
    d.show();
    for (int i = 0; i < clicks; ++i)
        d.sbTest->click();
    QCOMPARE(d.sbTest->text(), caption);
    d.reject();
    QCOMPARE(got, calls);
    QCOMPARE(d.sbTest->text(), QStringLiteral("Test"));
}

void TestGeneralDialog::sizeKeptAndFitted() {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    const auto storeSize = [](const QString& size) {
        const QStringList wh = size.split(u'x');
        SettingsStore::tree().WriteInteger(QStringLiteral("GeneralWindow"), QStringLiteral("Width"),
                                           wh[0].toInt());
        SettingsStore::tree().WriteInteger(QStringLiteral("GeneralWindow"),
                                           QStringLiteral("Height"), wh[1].toInt());
    };
    {
        storeSize(QStringLiteral("5000x4000")); // from a larger screen
        TfrmGeneral d(model, prompter);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QRect room = d.screen()->availableGeometry();
        QVERIFY(room.contains(d.frameGeometry()) || room.contains(d.geometry()));
        d.resize(d.minimumSizeHint() + QSize(11, 7));
        d.reject();
    }
    TfrmGeneral d(model, prompter);
    QCOMPARE(d.size(), d.minimumSizeHint() + QSize(11, 7));
}

// The connection is chosen by its name: a profile added since that sorts
// before it changes nothing, one that is gone shows as "None" and is kept
// until the user picks another.
void TestGeneralDialog::connectionListsDialUpEntries() {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    model.RAS = 2; // stored before names were kept
    TfrmGeneral d(model, prompter);
    d.setDialUpEntries({"DSL", "Mobile"});
    QCOMPARE(d.RASComboBox->count(), 3);
    QCOMPARE(d.RASComboBox->currentText(), QStringLiteral("Mobile"));
    auto ok = [&](const QString& ras, const QString& name) {
        d.FormShow();
        QTest::mouseClick(d.btOK, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(storedGeneral("RAS"), ras);
        QCOMPARE(storedGeneral("RASName"), name);
    };
    ok("2", "Mobile");

    d.setDialUpEntries({"Backup VPN", "DSL", "Mobile"});
    QCOMPARE(d.RASComboBox->currentText(), QStringLiteral("Mobile"));
    ok("3", "Mobile");

    d.setDialUpEntries({"DSL"});
    QCOMPARE(d.RASComboBox->currentText(), QStringLiteral("None"));
    ok("3", "Mobile");

    // Picked by the user: "None" is none.
    d.FormShow();
    QTest::keyClick(d.RASComboBox, Qt::Key_Down);
    QTest::keyClick(d.RASComboBox, Qt::Key_Up);
    QCOMPARE(d.RASComboBox->currentText(), QStringLiteral("None"));
    QTest::mouseClick(d.btOK, Qt::LeftButton);
    QCOMPARE(storedGeneral("RAS"), QStringLiteral("0"));
    QCOMPARE(storedGeneral("RASName"), QString());
}

// "Launch mail program" runs the program's command, which starts the model's
// mail program: while it runs that is the field's, the detected one on a
// fresh profile and a browsed one before OK; the confirmed one stays stored.
void TestGeneralDialog::launchStartsTheProgramShown() {
    TempProfile profile;
    writeMailtoHandler(profile);
    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    QStringList started;
    d.OnLaunchMailer = [&] { started << model.Mailer; };
    d.ChooseFile = [](const TfrmGeneral::FileRequest&) { return QStringLiteral("/opt/other"); };
    auto click = [&d](const QString& text) {
        for (QPushButton* b : d.findChildren<QPushButton*>())
            if (b->text() == text) b->click();
    };
    d.FormShow();
    click("Launch mail program");
    click("Find mail program");
    click("Launch mail program");
    QCOMPARE(started, (QStringList{"/usr/bin/mailer -compose", "/opt/other"}));
    QCOMPARE(model.Mailer, QString());
}

void TestGeneralDialog::startUpWritesAutostartEntry() {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    const QString entry = profile.configHome() + "/autostart/quillmere.desktop";
    for (const bool on : {true, false}) {
        d.FormShow();
        QCOMPARE(d.cbAutostart->isChecked(), !on);
        d.cbAutostart->setChecked(on);
        QTest::mouseClick(d.btOK, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(QFile::exists(entry), on);
    }
    QVERIFY(prompter.texts().isEmpty());
}

QTEST_MAIN(TestGeneralDialog)
#include "tst_general_dialog.moc"
