#pragma once

#include "activity/LogFile.h"
#include "core/Classifier.h"
#include "core/ListedMailbox.h"
#include "core/MainViewState.h"
#include "core/MessageRow.h"
#include "core/UnknownDomain.h"
#include "mail/dialup/Ras.h"
#include "mail/dns/MXResolver.h"
#include "mail/message/Message.h"
#include "mail/pop3/RemotePOP.h"
#include "rules/Blacklist.h"
#include "rules/SpamSettings.h"
#include "settings/GeneralSettings.h"
#include "settings/Prompter.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class OAuth2RefreshStop;

class AlarmSound;
class ECertificateError;
class MainView;
class Shell;

// One mailbox of an automatic sweep, as it was left.
struct SweptMailbox {
    int Slot = 0;
    QString UserName;
    QString Server;
    int Messages = 0; // rows after the check (after the deletion's refresh with "Kill")
    int Marked = 0;   // marked rows the check found
    int Deleted = 0;  // messages the sweep deleted there (the server accepted)
    int Refused = 0;  // marked messages whose deletion the server refused
    QString Failure;  // the failure a hidden run swallowed; empty when none
};

// The main controller: everything the main window decides, without a widget.
// It holds the message list (one MessageRow per waiting message of the mailbox
// checked last, in server order), the POP3 client, the resolver and the
// classifier, the blacklist, the activity log, the automatic-mode timer, and the
// settings models that the settings dialogs edit. The windows render state() and
// the rows, and forward their commands to the methods named after them; every
// box and question goes through the Prompter, everything else it asks of the
// outside world through MainView, AlarmSound and Shell.
//
// One operation at a time: while a check, a deletion, a sweep or an explanation
// runs (each waits for the network in the event loop), every command is refused
// but the cancels (the exit button's and the progress window's) and "Main
// screen"; a tick of the timer is skipped. A failure of any kind that reaches a
// command is shown to the user like any other; nothing escapes to the event loop.
class MainController : public QObject {
    Q_OBJECT
public:
    // Who pressed "exit": the button on the window or the tray menu's item.
    enum class ExitSender { btExit, Exit1 };

    // lookup answers the unknown-domain check; null uses the resolver MXResolver.
    MainController(MainView& view, Prompter& prompter, AlarmSound& sound, Shell& shell,
                   MxLookup* lookup = nullptr, QObject* parent = nullptr);
    ~MainController() override;

    // --- Components and settings models -------------------------------------

    // The dial-up link the POP3 client dials before it connects and releases
    // after it closes.
    TagRas agRas1;
    TmsRemotePOP msRemotePOP1;
    TmsMXResolver MXResolver;
    // The known-spammer blacklist ("known.lst").
    Blacklist lbKnown;
    // The activity log writer; open only while entries are written.
    LogFile Log;
    // The automatic-mode timer: 60000 ms, off until automatic mode starts it.
    QTimer Timer1;
    // The general settings (mailboxes, modes, alarm, log, counter) that the general
    // settings dialog edits; loaded by FormCreate.
    GeneralSettings General;
    // The spam settings (rule lists and options) that the spam settings dialog
    // edits; loaded by FormCreate.
    SpamSettings Spam;

    Classifier& classifier() { return *m_classifier; }
    UnknownDomainCheck& domainCheck() { return *m_domains; }

    // --- State ----------------------------------------------------------------

    int iWhich = 1;          // the current mailbox slot
    bool SysTray = false;    // started for the tray: exit hides ("SysTray")
    int MinutesLeft = 10;    // the automatic-mode countdown
    bool Retrieving = false; // a header download runs
    bool TimerRun = false;   // the running check was started by the timer
    bool Deleting = false;   // the delete command runs
    int DeleteTotal = 0;     // messages being deleted
    int DeleteDone = 0;      // the next one's position, from 1
    QString IniFilePath;     // the settings file "quillmere.ini"
    QString ShortDateFormat; // the locale's short date with a four-digit year
    QString HelpFile;        // the help page the help command opens
    // Deletions run as in automatic mode (no question, no mail program) without
    // changing the mode: the command line's unattended deletions.
    bool Unattended = false;
    // The keyring is never asked to unlock, whoever started the check: the
    // command line, where no unlock prompt may come up.
    bool NeverPromptSecrets = false;

    // The rows of the list, in server order.
    const QList<MessageRow>& rows() const { return m_list.rows(); }
    // The slot whose mailbox the POP3 client holds and the rows come from.
    int rowsSlot() const { return m_list.slot(); }
    // Whether a check, a deletion, a sweep or an explanation runs now.
    bool OperationRunning() const { return m_operations > 0; }
    // Marked messages whose deletion the server refused in the last deletion.
    int RefusedDeletions() const { return m_refused; }
    // The rows marked for deletion (check mark or blacklist mark).
    int MarkedCount() const;
    // What the window shows.
    const MainViewState& state() const { return m_state; }
    // The text of the last failure shown to the user by a command; empty when the
    // last command that ran ended without one.
    const QString& LastFailure() const { return m_lastFailure; }
    // The activity log's path today: "Logfile", or "logfile.txt" in the
    // application folder when that is empty, named by the naming mode.
    QString logPath() const;
    // How the list writes a message's date and time: the short date with a
    // four-digit year and the locale's time with seconds.
    QString ListDateFormat() const;
    // The WhyMode of the classifier.
    bool WhyMode() const;

    // While an operation runs, a change of the running texts waits at most this
    // long to be announced, with the others that come meanwhile (25 a second).
    static constexpr int DrawIntervalMs = 40;
    // Announces now what is pending: the rows added since the last announcement
    // (rowsAppended), then the state (stateChanged).
    void flushView();

    // --- Start-up and the main window -------------------------------------------

    // Start-up: the four-digit year, the stored switches, the blacklist, the current
    // mailbox into the POP3 client (with its one-time version step), the settings
    // models, the leftover message files, the captions, the window or the tray, and
    // the timer in automatic mode.
    void FormCreate();

    // The dial-up entries read at start-up, as the general settings list them
    // after "None"; the stored choice "RAS" counts in this list.
    QStringList DialUpEntries;
    // Makes the general settings' dial-up choice (0 none, n the n-th entry) the
    // link's Service; a choice the list no longer has means none.
    void UseDialUpEntry();
    // Signs off a connection still open; closing is always allowed.
    bool FormCloseQuery();
    // Cancels the running operation when busy; else closes the log and ends the
    // program, or hides it to the tray with "SysTray".
    void btExitClick(ExitSender sender = ExitSender::btExit);
    // The progress window's "Click to cancel".
    void btCancelClick();
    // Toolbar state while idle: btList and btOptions enabled; the row buttons shown
    // (and the banner hidden) when the list has rows.
    void enableAllButtons();
    // Toolbar state while busy: btList and btOptions disabled, row buttons hidden,
    // banner shown.
    void disableAllButtons();
    // Status: "Message Total: n Number Marked: m".
    void ShowTotalCount();
    // The first slot holding the POP3 client's server and user name (compared in
    // upper case), or 0.
    int serverToIndex() const;
    // True exactly when slot 1 is the only slot with a server.
    bool OnlyOneMailbox() const;
    // The general settings' current mailbox becomes iWhich.
    void synchronizeIwhich();
    // (Re)loads the blacklist from "known.lst".
    void LoadUpKnownList();

    // --- The check -----------------------------------------------------------

    // Loads slot n into the POP3 client, after the one-time version step; false
    // (client unchanged) on that step's own run. Loading another mailbox than the
    // one the rows came from empties the list.
    bool GetRemotePOPSettings(int n);
    // Whether reading secrets may bring up the keyring's unlock prompt.
    SecretAccess secretAccess() const;
    // "Check e-mail": checks the current mailbox (or the one chosen when several are
    // configured), fills and marks the list, logs it and saves the hit counters.
    // True when the check ran to its end.
    bool btListClick();
    // The automatic sweep: the countdown caption while minutes are left; at zero,
    // every configured slot in turn (with deletion when "Kill" is set), stopping at
    // the first with waiting mail. Slots whose server or user name is blank are
    // skipped.
    void CheckAllMailBoxes();
    // One sweep now, as the timer runs it when the countdown reaches zero (the
    // command line's unattended sweep). The countdown starts again afterwards.
    void SweepNow();
    // Classifies row index, or every row for -1.
    void MarkForDeletion(int index);

    // Notifications of the POP3 client.
    void msRemotePOP1Open(QObject* sender);
    void msRemotePOP1UpdatingInfo(QObject* sender);
    void msRemotePOP1NextInfoUpdated(QObject* sender, int index);
    void msRemotePOP1InfoUpdated(QObject* sender);
    void msRemotePOP1TransferringData(QObject* sender);
    void msRemotePOP1DataTransfered(QObject* sender);
    void msRemotePOP1Closing(QObject* sender);
    void msRemotePOP1Closed(QObject* sender);
    void msRemotePOP1Cancel(QObject* sender);
    void msRemotePOP1Error(QObject* sender, QString& message);
    void msRemotePOP1Deleting(QObject* sender, int index);
    // The server accepted the deletion of message index: its "DELETE SPAM" block.
    void msRemotePOP1Deleted(QObject* sender, int index);
    // The server refused the deletion of message index.
    void msRemotePOP1DeleteRefused(QObject* sender, int index);

    // --- Marks and deletion ----------------------------------------------------

    // Toggles the selected rows (row positions): marked ones lose their mark, any
    // other gets the check mark. Nothing selected: NadaSelected.
    void btMarkClick(const QList<int>& selection);
    // The list's double click: btMarkClick.
    void ListView1DblClick(const QList<int>& selection);
    // Clears every mark.
    void ResetButtonClick();
    // Clears every mark and classifies the list again.
    void btRemarkClick();
    // "Delete marked messages": DeleteMessages, unless one already runs. True when
    // the deletion ran to its end (also when there was nothing to delete).
    bool btDeleteClick();
    // Deletes the marked messages on the server (asking first in manual mode with
    // confirmation), logs each one the server accepted before the session commits,
    // counts them and refreshes the list; tells the user how many the server
    // refused. Throws on failure.
    void DeleteMessages();

    // --- Automatic mode, tray and alarm -----------------------------------------

    // A minute has passed: count down, and sweep at zero.
    void Timer1Timer();
    // The captions, the timer, the menu checks and the tray picture for the mode.
    void UpdateAutomaticCaptions(bool automatic, int minutes);
    // The tray picture: animated in automatic mode, static otherwise.
    void UpdateTrayIcons(bool automatic);
    // "Enable automatic check" (on) or "Disable automatic check" (off).
    void EnableAutomatic1Click(bool on);
    // The tray's "Check e-mail for spam": show the window and check.
    void Show1Click();
    // The tray's "Main screen".
    void ShowMainScreen1Click();
    // The tray menu opens: the alarm stops.
    void popTrayPopup();
    // The spam settings dialog, with the timer held while it is open.
    void btSpamSetupClick();
    // The general settings dialog; afterwards the mode, the current mailbox and the
    // countdown follow it.
    void btGeneralClick();
    // The statistics window, unless it is open already.
    void Statistics1Click();
    // The About box, with the timer held while it is open.
    void btAboutClick();
    // The help page.
    void btHelpClick();
    // The log file in the user's viewer.
    void Viewlogfile1Click();
    // Starts the alarm (the sound file, once or looping, or the beep when the
    // file is missing), or stops it.
    void playAlarmSound(bool play);

    // --- Inspection ------------------------------------------------------------

    // A click or a key in the list: the alarm stops.
    void ListView1Click();
    void ListView1KeyUp();
    // Tells the user that no row is selected (or that the list is empty).
    void NadaSelected();
    // Starts the mail program and empties the list.
    void btLaunchClick();
    // Explains the first selected row's mark in the text window; returns the lines
    // shown (none when nothing was selected). Never changes a mark or a counter.
    QStringList Why1Click(const QList<int>& selection);
    // The header lines of every selected row, in list order, each message under
    // its subject and sender between lines of asterisks, in the text window;
    // returns the lines shown (none when nothing was selected).
    QStringList ViewHeader1Click(const QList<int>& selection);
    // Downloads the first selected message (asking first when it is larger than
    // 50000 bytes) into the application folder and shows its body in the text
    // window. An operation: it uses the POP3 client. Only that message is
    // retrieved, nothing is deleted, and no selected message keeps a mark in the
    // client. A failure leaves the progress window up until its cancel. True
    // when the body was shown.
    bool ViewMessages1Click(const QList<int>& selection);
    // The mark-for-deletion dialog over the selected rows; on OK a new first
    // subject rule and sender rule for each message with a subject (as the
    // dialog's check boxes say), saved. The list is marked again either way.
    void AddtoSPAMlist1Click(const QList<int>& selection);
    // An exception for the sender of each selected row (filling the blank row
    // of an empty list first), saved; then the list is marked again.
    void AddtoExceptions1Click(const QList<int>& selection);
    // The file message index is downloaded to: "msg_<index>.eml" in the
    // client's message folder.
    QString messageFile(int index) const;
    // Removes msg_0.eml to msg_100.eml from the folder messages are written to.
    void CleanUpEMLFiles();

    // Notifications of the POP3 client while a message downloads.
    void msRemotePOP1Retrieving(QObject* sender, int index);
    void msRemotePOP1Retrieved(QObject* sender, int index);
    // Writes the downloaded message to messageFile(index), replacing an older one.
    void msRemotePOP1UserMessageSave(QObject* sender, int index, const QByteArray& contents);

    // The message the body viewer shows, as last downloaded.
    TmsMessage msMessage1;

Q_SIGNALS:
    // state() changed since the last announcement (see flushView).
    void stateChanged();
    // The list was emptied or replaced.
    void rowsReset();
    // A row was added at the end (as it happens, for observers that count).
    void rowAppended(int index);
    // The rows first to last were added at the end since the last announcement:
    // the list's batch, always before the stateChanged() that goes with it.
    void rowsAppended(int first, int last);
    // One row's mark changed.
    void rowChanged(int index);
    // Marks of any rows changed.
    void rowsChanged();
    // One mailbox of a sweep was done.
    void mailboxSwept(const SweptMailbox& mailbox);
    // A deletion removed count messages from the server.
    void messagesDeleted(int count);

private:
    friend class OperationScope;
    enum class Kind { Command, Operation };
    // Runs a command: refused (false) while an operation runs; as an operation it
    // holds every other command off until it ends. A failure is shown; false.
    bool command(Kind kind, const std::function<bool()>& body);
    void setBusy(bool busy);
    bool loadMailbox(int n);
    bool checkMailbox();
    // Asks whether to trust the certificate that failed; yes stores its
    // fingerprint for the slot the client holds and gives it to the client.
    bool trustCertificate(const ECertificateError& e);
    void runDeletion();
    void runSweep();
    // The sweep (or the countdown caption) as a tick of the timer runs it.
    void timerSweep();
    void openGeneralSettings();
    void launchMailer();
    QStringList explain(const QList<int>& selection);
    bool viewBody(const QList<int>& selection);
    // The selected positions that are rows, in list order, each once.
    QList<int> selectedRows(const QList<int>& selection) const;
    // The same; with none selected, NadaSelected says so (and nothing is returned).
    QList<int> selectedOrSay(const QList<int>& selection);
    // Saves the spam settings, then marks the list again; a failed save is shown.
    void saveRulesAndRemark();
    void startTimer1();
    void showFailure(const QString& text);
    void writeLogLine(const QString& text);
    QString stamp() const;
    void setStatus(const QString& text);
    void setIdleExitFace();
    void setBusyExitFace();
    void setListFace();
    void showProgress(const QString& title);
    void clearRows();
    void hideToTray();
    // Started for the tray, and the desktop has one to hide in.
    bool hidesToTray() const;
    void restartTimerIfAutomatic();
    MessageRow rowFor(int index) const;
    QStringList mailboxChoiceEntries(int& preselected) const;
    // Marks the state as changed: announced at once, or with the next batch
    // when only the running texts differ from what was last announced.
    void changed();
    bool onlyRunningTextsChanged() const;
    // The view, with everything pending announced first (for the calls that
    // open a window or show the main window).
    MainView& shownView();

    // Every box opens over the window as it stands: what is pending is
    // announced first.
    class FlushingPrompter : public Prompter {
    public:
        FlushingPrompter(Prompter& prompter, MainController& owner)
            : m_prompter(prompter), m_owner(owner) {}
        Answer message(const QString& text, Icon icon, Buttons buttons) override {
            m_owner.flushView();
            return m_prompter.message(text, icon, buttons);
        }

    private:
        Prompter& m_prompter;
        MainController& m_owner;
    };

    MainView& m_view;
    FlushingPrompter m_flushingPrompter;
    Prompter& m_prompter;
    AlarmSound& m_sound;
    Shell& m_shell;
    std::unique_ptr<MxLookup> m_ownLookup;
    std::unique_ptr<UnknownDomainCheck> m_domains;
    std::unique_ptr<Classifier> m_classifier;
    ListedMailbox m_list;
    MainViewState m_state;
    MainViewState m_announced; // the state as last announced
    bool m_pending = false;    // a change not yet announced
    int m_rowsAnnounced = 0;   // rows the list has heard of
    QTimer m_drawTimer;        // the next batch of running texts
    int m_operations = 0;      // operations running (nested: a sweep's checks)
    // The access token for the loaded OAuth2 mailbox (the POP3 client's token
    // source): slot n's stored tokens, refreshed when they are about to expire
    // or the server rejected them (renew). Raises with "sign in again" advice
    // when no token can be had; never opens a browser or a prompt.
    QString accessToken(bool renew);
    // The OAuth2 settings of the loaded mailbox (its client secret included).
    OAuth2Settings m_oauth2;
    // The token refresh under way, which a cancel stops; null when none.
    OAuth2RefreshStop* m_refreshStop = nullptr;
    // Why the loaded mailbox's secrets could not be read (a locked keyring
    // that may not be asked); empty when they were.
    QString m_secretError;
    bool m_sweeping = false; // a sweep runs: the timer starts again only at its end
    // The general settings dialog is open: nothing started from it (help,
    // statistics) starts the timer before it closes.
    bool m_generalOpen = false;
    QString m_lastFailure;
    QString m_swallowed;       // the failure a hidden timer run went on after
    int m_deleted = 0;         // messages the last deletion removed
    int m_refused = 0;         // marked messages whose deletion the server refused
    int* m_accepted = nullptr; // counts the deletions the server accepts while one runs
    bool m_timerWasActive = false;
    bool m_toldNoTray = false;
};

// Holds every other command of the controller off while an operation runs.
class OperationScope {
public:
    explicit OperationScope(MainController& c) : m_c(c) {
        if (m_c.m_operations++ == 0) m_c.setBusy(true);
    }
    ~OperationScope() {
        if (--m_c.m_operations != 0) return;
        m_c.setBusy(false);
        m_c.flushView(); // the end of an operation is drawn as it stands
    }
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

private:
    MainController& m_c;
};
