#pragma once

#include "activity/LogFile.h"
#include "core/Classifier.h"
#include "core/IdleWatch.h"
#include "core/MailboxSession.h"
#include "core/MainViewState.h"
#include "core/MessageRow.h"
#include "core/UnknownDomain.h"
#include "mail/TrText.h"
#include "mail/dialup/Ras.h"
#include "mail/dns/MXResolver.h"
#include "mail/message/Message.h"
#include "rules/Blacklist.h"
#include "rules/LearnedFilter.h"
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
    QString Failure;  // the failure a hidden run swallowed, as shown; empty when none
};

// The settings models the dialogs edit, handed over once when the dialogs are
// made (MainController::dialogModels): the general settings (mailboxes, modes,
// alarm, log, counter), the spam settings (rule lists and options), the
// blacklist, and the dial-up entries found at start-up. The controller reads
// them when a command starts; a dialog changes them only while it is open.
struct DialogModels {
    GeneralSettings& General;
    SpamSettings& Spam;
    Blacklist& Known;
    const QStringList& DialUpEntries;
    // The learned judgement, whose counts the spam settings show and forget.
    LearnedFilter& Learned;
};

// The main controller: everything the main window decides, without a widget.
// It coordinates the mailbox session (the list's rows, their marks and the
// connection of the mailbox checked last), the windows, the automatic-mode
// timer, the one-operation gate, the alarm and the activity log, over the
// settings models the dialogs edit. The windows render state() and the rows,
// and forward their commands to the methods named after them; every box and
// question goes through the Prompter, everything else it asks of the outside
// world through MainView, AlarmSound and Shell.
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

    // lookup answers the unknown-domain check; null uses the resolver. attended
    // is false for the command line: nothing ever prompts (the keyring's
    // unlock, an untrusted certificate, a deletion), no mail program starts, and
    // the automatic-mode timer never runs.
    MainController(MainView& view, Prompter& prompter, AlarmSound& sound, Shell& shell,
                   MxLookup* lookup = nullptr, bool attended = true, QObject* parent = nullptr);
    ~MainController() override;

    // --- State --------------------------------------------------------------------

    // The rows of the list, in server order.
    const QList<MessageRow>& rows() const { return m_session.rows(); }
    // The slot whose mailbox the rows come from; 0 before the first check.
    int rowsSlot() const { return m_session.slot(); }
    // The server and user name of the mailbox the rows come from.
    const QString& rowsServer() const { return m_session.server(); }
    const QString& rowsUserName() const { return m_session.userName(); }
    // The current mailbox slot: the one "Check e-mail" offers first.
    int currentSlot() const { return m_current; }
    // The mailbox session: rows, marks and the connection, for those who follow
    // its announcements.
    const MailboxSession& session() const { return m_session; }
    // The settings in force.
    const GeneralSettings& general() const { return m_general; }
    const SpamSettings& spam() const { return m_spam; }
    // The one hand-over of the models the settings dialogs edit.
    DialogModels dialogModels() { return {m_general, m_spam, m_known, m_dialUpEntries, m_learned}; }
    // Whether a check, a deletion, a sweep or an explanation runs now.
    bool OperationRunning() const { return m_operations > 0; }
    // Marked messages whose deletion the server refused in the last deletion.
    int RefusedDeletions() const { return m_refused; }
    // The rows marked for deletion (check mark or blacklist mark).
    int MarkedCount() const { return m_session.markedCount(); }
    // Minutes until the next sweep in automatic mode.
    int minutesLeft() const { return m_minutesLeft; }
    // Whether the automatic-mode timer counts now.
    bool timerRunning() const { return m_timer.isActive(); }
    // The watch on IMAP mailboxes that runs with automatic mode.
    const IdleWatch& idleWatch() const { return m_idle; }
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
    QString ListDateFormat() const { return listDateFormat(); }
    // The message the body viewer shows, as last downloaded.
    const TmsMessage& viewedMessage() const { return m_message; }
    // Whether the activity log is open: only while entries are written.
    bool logOpen() const { return m_log.IsOpen(); }
    // The SHA-256 fingerprint of the certificate the last check failed on as
    // untrusted without asking (an unattended check); empty when none.
    const QString& untrustedCertificate() const { return m_untrustedCertificate; }
    // The help page the help command opens.
    const QString& helpFile() const { return m_helpFile; }
    // Seconds any one wait for the mail server may last (120 unless set).
    void setNetworkTimeOut(int seconds) { m_session.setTimeOut(seconds); }
    // Whether checks may use the mailboxes' header caches (yes unless set): no
    // downloads every header and leaves the caches as they are.
    void setHeaderCacheAllowed(bool allowed) { m_session.setHeaderCacheAllowed(allowed); }

    // While an operation runs, a change of the running texts waits at most this
    // long to be announced, with the others that come meanwhile (25 a second).
    static constexpr int DrawIntervalMs = 40;
    // Announces now what is pending: the rows added since the last announcement
    // (rowsAppended), then the state (stateChanged).
    void flushView();

    // --- Start-up and the main window -------------------------------------------

    // Start-up: the stored switches, the blacklist, the current mailbox (with the
    // store's one-time version step), the settings models, the leftover message
    // files, the captions, the window or the tray, and the timer in automatic
    // mode.
    void FormCreate();
    // Makes the general settings' dial-up choice the link's Service; a choice
    // the list no longer has means none.
    void UseDialUpEntry();
    // Signs off a connection still open; closing is always allowed.
    bool FormCloseQuery();
    // Cancels the running operation when busy; else closes the log and ends the
    // program, or hides it to the tray with "SysTray".
    void btExitClick(ExitSender sender = ExitSender::btExit);
    // The progress window's "Click to cancel".
    void btCancelClick();
    // (Re)loads the blacklist from "known.lst".
    void LoadUpKnownList();

    // --- The check -----------------------------------------------------------

    // "Check e-mail": checks the current mailbox (or the one chosen when several are
    // configured), fills and marks the list, logs it and saves the hit counters.
    // True when the check ran to its end.
    bool btListClick();
    // The same for mailbox slot n without asking which (0: the current one),
    // which becomes the current one: the command line's check.
    bool checkSlot(int n);
    // The automatic sweep: the countdown caption while minutes are left; at zero,
    // every configured slot in turn (with deletion when "Kill" is set), stopping at
    // the first with waiting mail. Slots whose server or user name is blank are
    // skipped.
    void CheckAllMailBoxes();
    // One sweep now, as the timer runs it when the countdown reaches zero (the
    // command line's unattended sweep). The countdown starts again afterwards.
    void SweepNow();
    // The sweep of the IMAP mailboxes whose watch saw new mail, as a timer
    // sweep of those alone; while another operation runs or a dialog holds
    // the timer they wait, and run when it ends.
    void SweepWoken();

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
    // "Delete marked messages": deletes the marked messages on the server
    // (asking first in manual mode with confirmation), logs each one the server
    // accepted before the session commits, counts them and refreshes the list;
    // tells the user how many the server refused. True when the deletion ran to
    // its end (also when there was nothing to delete).
    bool btDeleteClick();

    // --- Automatic mode, tray and alarm -----------------------------------------

    // A minute has passed: count down, and sweep at zero.
    void Timer1Timer();
    // The captions, the timer, the menu checks and the tray picture for the mode.
    void UpdateAutomaticCaptions(bool automatic, int minutes);
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
    // The help page; also while the spam settings dialog is open, whose Help
    // button asks for it.
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
    // window. An operation: it uses the connection. Only that message is
    // retrieved and nothing is deleted. A failure leaves the progress window up
    // until its cancel. True when the body was shown.
    bool ViewMessages1Click(const QList<int>& selection);
    // The mark-for-deletion dialog over the selected rows; on OK a new first
    // subject rule and sender rule for each message with a subject (as the
    // dialog's check boxes say), saved. The list is marked again either way.
    void AddtoSPAMlist1Click(const QList<int>& selection);
    // An exception for the sender of each selected row (filling the blank row
    // of an empty list first), saved; then the list is marked again.
    void AddtoExceptions1Click(const QList<int>& selection);
    // "Learn as spam" and "Learn as not spam": the learned judgement learns the
    // selected messages so (learning one the other way moves it over). Nothing
    // selected: NadaSelected.
    void LearnAsSpam1Click(const QList<int>& selection);
    void LearnAsNotSpam1Click(const QList<int>& selection);
    // The learned judgement, for the counts the settings show.
    const LearnedFilter& learned() const { return m_learned; }

    // The file the message of row index is downloaded to: "msg_<index>.eml" in
    // the application folder.
    QString messageFile(int index) const;
    // Removes every "msg_<n>.eml" from the application folder.
    void CleanUpEMLFiles();

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
    friend class TimerHold;
    enum class Kind { Command, Operation };
    // Runs a command: refused (false) while an operation runs; as an operation it
    // holds every other command off until it ends. A failure is shown; false.
    bool command(Kind kind, const std::function<bool()>& body);
    void setBusy(bool busy);
    // The run mode of the commands a person (or the command line) starts, and
    // of a sweep.
    RunMode userMode() const;
    RunMode sweepMode() const;
    // The check of slot n, or of the current slot after the mailbox choice.
    bool checkMailbox(std::optional<int> slot);
    // The slot chosen among the configured ones (the current one preselected),
    // or nothing for Cancel.
    std::optional<int> chooseMailbox();
    // Asks whether to trust the certificate that failed; yes stores its
    // fingerprint for the slot held and uses it from now on.
    bool trustCertificate(const ECertificateError& e);
    DeletionOutcome runDeletion();
    // Deletes the marked messages (see btDeleteClick). Throws on failure.
    DeletionOutcome DeleteMessages();
    void runSweep();
    // The sweep's part for slot n: check, delete with "Kill", and show the
    // window when mail is left; true when it is (the sweep stops there).
    bool sweepSlot(int n);
    // Runs SweepWoken from the event loop when a woken mailbox waits.
    void sweepWokenLater();
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
    // Tells the user that no row is selected (or that the list is empty).
    void NadaSelected();
    // What the learned judgement learns of row index: its id (the server's
    // unique id within the mailbox, or a digest of its header) and its header.
    LearnedExample learnedExample(int index, bool spam) const;
    void learnSelected(const QList<int>& selection, bool spam);
    // Learns the examples in one step, when the learned judgement is on and its
    // database open; a step that cannot be written is shown.
    void learn(const QList<LearnedExample>& step);
    // The learned judgement counts the mailbox's own provider (its server's
    // domain) and the domains the settings name as the receiving side.
    void learnedProviderFromSession();
    // Saves the spam settings, then marks the list again; a failed save is shown.
    void saveRulesAndRemark();
    // The timer runs exactly when automatic mode is on, the program is
    // attended, and nothing holds it (see TimerHold).
    void updateTimer();
    void enableAllButtons();
    void disableAllButtons();
    // Status: "Message Total: n Number Marked: m".
    void ShowTotalCount();
    // The first slot holding the session's server and user name (compared in
    // upper case), or 0.
    int serverToIndex() const;
    // True exactly when slot 1 is the only slot with a server.
    bool OnlyOneMailbox() const;
    // Shows a failure in the user's language and keeps it as LastFailure.
    void showFailure(const TrText& text);
    void writeLogLine(const QString& text);
    QString stamp() const;
    void setStatus(const QString& text);
    void setIdleExitFace();
    void setBusyExitFace();
    void setListFace();
    void showProgress(const QString& title);
    // Whether the progress window shows: the window is up, or a person started it.
    bool progressShown() const;
    void hideToTray();
    // Started for the tray, and the desktop has one to hide in.
    bool hidesToTray() const;
    QStringList mailboxChoiceEntries(int& preselected) const;
    // The countdown caption: "Quillmere - next e-mail check in 2 minutes".
    static QString countdownCaption(int minutes);
    // Follows the session's announcements.
    void followSession();
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
    const bool m_attended;

    // The settings models (see DialogModels) and the blacklist.
    GeneralSettings m_general;
    SpamSettings m_spam;
    Blacklist m_known;
    QStringList m_dialUpEntries;

    // The dial-up link the client dials before it connects.
    // The learned judgement; closed (and judging nothing) when its database
    // cannot be read.
    LearnedFilter m_learned;
    TagRas m_ras;
    TmsMXResolver m_resolver;
    std::unique_ptr<MxLookup> m_ownLookup;
    MxLookup* m_lookup; // the unknown-domain check's, which a cancel ends
    std::unique_ptr<UnknownDomainCheck> m_domains;
    MailboxSession m_session;
    // The activity log writer; open only while entries are written.
    LogFile m_log;
    // The automatic-mode timer: a tick a minute while automatic mode runs.
    QTimer m_timer;
    // The IMAP mailboxes watched while automatic mode runs.
    IdleWatch m_idle;
    int m_timerHolds = 0; // TimerHolds alive
    bool m_spamSettingsOpen = false;
    int m_current = 1;      // the current mailbox slot
    int m_minutesLeft = 10; // the automatic-mode countdown
    QString m_helpFile;
    // The message the body viewer shows, as last downloaded.
    TmsMessage m_message;

    MainViewState m_state;
    MainViewState m_announced; // the state as last announced
    bool m_pending = false;    // a change not yet announced
    int m_rowsAnnounced = 0;   // rows the list has heard of
    QTimer m_drawTimer;        // the next batch of running texts
    int m_operations = 0;      // operations running (nested: a sweep's checks)
    QString m_lastFailure;
    QString m_swallowed; // the failure a hidden timer run went on after
    QString m_untrustedCertificate;
    int m_refused = 0; // marked messages whose deletion the server refused
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

// Holds the automatic-mode timer while it lives: no tick comes while a dialog
// is open or an operation that must not be interrupted by a sweep runs. When
// the last hold ends, the timer runs again if automatic mode is on.
class TimerHold {
public:
    explicit TimerHold(MainController& c) : m_c(c) {
        ++m_c.m_timerHolds;
        m_c.updateTimer();
    }
    ~TimerHold() {
        --m_c.m_timerHolds;
        m_c.updateTimer();
    }
    TimerHold(const TimerHold&) = delete;
    TimerHold& operator=(const TimerHold&) = delete;

private:
    MainController& m_c;
};
