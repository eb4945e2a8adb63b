#pragma once

#include "settings/GeneralSettings.h"

#include <QDialog>
#include <array>
#include <functional>

class Prompter;
class SpamSettings;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QWidget;

// The general settings dialog: the twelve mailboxes and the current one, manual
// or automatic checking with their options, the alarm sound, start-up in the
// tray, the activity log and the mail program. It edits the GeneralSettings
// model it is given, which the rest of the program reads; OK stores it.
class TfrmGeneral : public QDialog {
    Q_OBJECT
public:
    TfrmGeneral(GeneralSettings& model, Prompter& prompter, QWidget* parent = nullptr);
    ~TfrmGeneral() override;

    // Loads the "General" and "Logfile" values from the settings tree into the
    // model and the controls.
    void ReadGeneralSettings();
    // Takes the general values from the controls into the model and stores them
    // (everything but "Points"). Throws EFileError.
    void SaveGeneralSettings();
    // Loads the current mailbox and the twelve slots from the settings tree into
    // the model and the controls.
    void readServerSettings();
    // Stores the current mailbox and then slot after slot, checking each; at the
    // first incomplete slot it reports it, shows its field and stores no further
    // slots. Returns whether every slot passed.
    bool saveServerSettings();

    // Brings the dialog up to date for showing: the general values from the
    // model (what the program changed since is shown and kept by OK), the
    // mailboxes from the settings tree (unconfirmed edits dropped), mailbox 1 and
    // the mail program from other mail programs when empty, the default alarm
    // and log paths, and the log's name for this month or quarter, stored at once.
    void FormShow();
    // Shows the dialog modally after FormShow.
    int exec() override;
    // Cancel: reloads everything from the settings tree and closes.
    void reject() override;
    // Closing in any way stops a test of the alarm that is still sounding.
    void done(int result) override;

    // Lists the dial-up entries after "None" and selects the stored choice
    // (GeneralSettings::dialUpIndex: by its name; "None" when the list no
    // longer has it).
    void setDialUpEntries(const QStringList& entries);

    // The slot chosen with the radio buttons (1 to 12).
    int currentMailbox() const;

    // The spam settings that the first-run header rule goes into (none: no rule).
    void setSpamSettings(SpamSettings* spam) { m_spam = spam; }

    // The log file that "View log file" and "Clear log file" act on: the path in
    // Edit1 as the chosen naming mode names it today.
    QString logFileShown() const;

    // A file chooser request of the browse buttons.
    struct FileRequest {
        bool save = false;
        QString title;
        QString filter;
        QString defaultSuffix; // without the dot; empty for none
        QString start;         // the field's present value
    };

    // Controls, named as the rest of the program calls them. Index n-1 is slot n.
    QTabWidget* pages = nullptr;
    std::array<QRadioButton*, MailboxConfig::Count> rb{};
    std::array<QLineEdit*, MailboxConfig::Count> edServe{};
    std::array<QLineEdit*, MailboxConfig::Count> edName{};
    std::array<QLineEdit*, MailboxConfig::Count> edPass{};
    QPushButton* btDetails = nullptr;
    QComboBox* RASComboBox = nullptr;
    QRadioButton* rbManual = nullptr;
    QRadioButton* rbAuto = nullptr;
    QWidget* pnlManual = nullptr;
    QWidget* pnlAuto = nullptr;
    QWidget* pnlSound = nullptr;
    QCheckBox* cbConfirmation = nullptr;
    QCheckBox* cbLaunch = nullptr;
    QCheckBox* cbExit = nullptr;
    QSpinBox* nMinutes = nullptr;
    QCheckBox* cbKill = nullptr;
    QCheckBox* cbAlarm = nullptr;
    QLineEdit* edAlarm = nullptr;
    QPushButton* sbTest = nullptr;
    QCheckBox* cbRepeat = nullptr;
    QCheckBox* cbSysTray = nullptr;
    QCheckBox* cbAutostart = nullptr;
    QLineEdit* Edit1 = nullptr;
    QRadioButton* rbAsIs = nullptr;
    QRadioButton* rbMonth = nullptr;
    QRadioButton* rbQuarter = nullptr;
    QLabel* edCount = nullptr;
    QLineEdit* edMail = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
    QPushButton* btHelp = nullptr;

    // Called by "Test"/"Stop" with true to start the alarm and false to stop it.
    std::function<void(bool play)> OnTestSound;
    // Called by "Launch mail program", with the model's mail program set to the
    // one the field shows while it runs.
    std::function<void()> OnLaunchMailer;
    // Called by "View Statistics".
    std::function<void()> OnViewStatistics;
    // Called by Help.
    std::function<void()> OnHelp;
    // Asks for a file; returns the chosen path or empty. A file dialog unless replaced.
    std::function<QString(const FileRequest&)> ChooseFile;
    // Opens a document with the user's viewer; whether that worked. The
    // desktop's "open" unless replaced.
    std::function<bool(const QString& path)> OpenDocument;

protected:
    // Keeps the whole dialog on its screen (a size kept from a larger screen or
    // a larger scale is made to fit).

private:
    QWidget* buildMailboxesPage();
    QWidget* buildConnectionPage();
    QWidget* buildAutomaticPage();
    QWidget* buildStartUpPage();
    QWidget* buildLogPage();
    QWidget* buildMailerPage();

    void generalToControls();
    void controlsToGeneral();
    void mailboxesToControls();
    // Row i's password field as its sign-in wants it: the password, or
    // disabled and empty for a mailbox that signs in with OAuth2.
    void showSignIn(int i);
    void showPanels();
    void btOKClick();
    void sbTestClick();
    void resetCounterClick();
    void browse(QLineEdit* field, const FileRequest& request);
    void ColorEdits();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void prefillMailbox();
    void bringLogNameUpToDate();
    void AddMyselfFromPopToHeader();

    GeneralSettings& m_model;
    Prompter& m_prompter;
    SpamSettings* m_spam = nullptr;
    bool m_killWhenShown = false;
    bool m_sysTrayWhenShown = false;
    // Set at creation while mailbox 1 is empty; cleared once OK has stored
    // mailbox 1 complete.
    bool m_firstRun = false;
    // The user name that this showing took from another mail program for
    // mailbox 1; the first-run rule is for this name only.
    QString m_prefilledUser;
    bool m_testSounding = false;
    // The test button reads "Stop": its next click stops the sound.
    bool m_testStops = false;
    // The dial-up entries the connection choice lists after "None", and
    // whether the user picked one since the choice was shown.
    QStringList m_dialUpEntries;
    bool m_dialUpPicked = false;
};
