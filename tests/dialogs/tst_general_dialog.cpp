// The general settings dialog: its OK stores the mailboxes slot by slot with
// enciphered passwords and stops at the first incomplete one; Cancel and a new
// showing drop what was not confirmed; OK warns about the riskier choices.
#include "dialogs/TfrmGeneral.h"
#include "mail/Exceptions.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempProfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTest>

namespace {
const QString Server = QStringLiteral("Server");

QString stored(const QString& ident) {
    return SettingsStore::tree().ReadString(Server, ident, QStringLiteral("<none>"));
}

void fillRow(TfrmGeneral& d, int n, const QString& server, const QString& user, const QString& pass) {
    d.edServe[n - 1]->setText(server);
    d.edName[n - 1]->setText(user);
    d.edPass[n - 1]->setText(pass);
}
} // namespace

class TestGeneralDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsKeepTheirNames();
    void okStoresSlotsEnciphered();
    void okStopsAtFirstIncompleteSlot_data();
    void okStopsAtFirstIncompleteSlot();
    void cancelAndReshowDropUnconfirmedEdits();
    void okWarnings_data();
    void okWarnings();
    void connectionListsDialUpEntries();
    void startUpWritesAutostartEntry();
};

void TestGeneralDialog::controlsKeepTheirNames() {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    TfrmGeneral d(model, prompter);
    for (int n = 1; n <= 12; ++n)
        for (const char* prefix : {"rb", "edServe", "edName", "edPass"})
            QVERIFY2(d.findChild<QWidget*>(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n)),
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
    fillRow(d, 1, QStringLiteral("pop.example.org"), QStringLiteral("ann"), QStringLiteral("s3cret-one"));
    fillRow(d, 3, QStringLiteral("mail.example.net"), QStringLiteral("bob"), QStringLiteral("s3cret-three"));
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
    QTest::newRow("server-without-user") << "pop.two" << "" << "pw" << "Mailbox 2 has a server pop.two but no mailbox" << "edName2";
    QTest::newRow("user-without-server") << "" << "carl" << "pw" << "Mailbox 2 carl has a blank server" << "edServe2";
    QTest::newRow("no-password") << "pop.two" << "carl" << "" << "Mailbox 2 - there is no password set" << "edPass2";
}

void TestGeneralDialog::okStopsAtFirstIncompleteSlot() {
    QFETCH(QString, server2);
    QFETCH(QString, user2);
    QFETCH(QString, pass2);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    TempProfile profile;
    // Slot 3 as stored before: the failed OK must leave it alone.
    MailboxConfig{QStringLiteral("old.three"), QStringLiteral("olduser"), QStringLiteral("oldpw")}.store(3);

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
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), focused);
    // Slots up to the failing one are stored, the later ones are not.
    QCOMPARE(stored(QStringLiteral("Server1")), QStringLiteral("pop.one"));
    QCOMPARE(stored(QStringLiteral("Server2")), server2);
    QCOMPARE(stored(QStringLiteral("Mailbox2")), user2);
    QCOMPARE(stored(QStringLiteral("Server3")), QStringLiteral("old.three"));
    QCOMPARE(DecipherPassword(stored(QStringLiteral("Passwd3"))), QStringLiteral("oldpw"));
    // The general values are stored all the same.
    QCOMPARE(SettingsStore::tree().ReadInteger(QStringLiteral("General"), QStringLiteral("Minutes"), 0), 42);
}

void TestGeneralDialog::cancelAndReshowDropUnconfirmedEdits() {
    TempProfile profile;
    MailboxConfig{QStringLiteral("pop.stored"), QStringLiteral("ann"), QStringLiteral("pw")}.store(1);
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
    const QString restart = QStringLiteral("Exit and restart for the Start Up changes to take effect.");
    QTest::newRow("kill-ticked-in-automatic-warns") << true << false << true << false << QStringList{kill};
    QTest::newRow("kill-ticked-in-manual-is-quiet") << false << false << true << false << QStringList{};
    QTest::newRow("kill-already-on-is-quiet") << true << true << true << false << QStringList{};
    QTest::newRow("systray-changed-asks-restart") << false << false << false << true << QStringList{restart};
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

void TestGeneralDialog::connectionListsDialUpEntries() {
    TempProfile profile;
    ScriptedPrompter prompter;
    GeneralSettings model;
    model.RAS = 2;
    TfrmGeneral d(model, prompter);
    d.setDialUpEntries({"DSL", "Mobile"});
    QCOMPARE(d.RASComboBox->count(), 3);
    QCOMPARE(d.RASComboBox->currentText(), QStringLiteral("Mobile"));
    // A stored choice the list no longer has (a profile removed since) is "None".
    model.RAS = 5;
    d.setDialUpEntries({"DSL"});
    QCOMPARE(d.RASComboBox->currentText(), QStringLiteral("None"));
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
