// The mail check: "Check e-mail" with the mailbox choice, what the mailbox
// session announces, and the automatic sweep over the mailboxes.
#include "activity/LogEntries.h"
#include "core/AlarmSound.h"
#include "core/MainController.h"
#include "core/MainView.h"
#include "core/TextTests.h"
#include "mail/Exceptions.h"
#include "settings/Prompter.h"

#include <optional>

QString MainController::countdownCaption(int minutes) {
    // The English singular has a source text of its own, so that the English
    // caption reads "1 minute" with no catalogue loaded.
    return minutes == 1 ? tr("Quillmere - next e-mail check in %n minute", nullptr, minutes)
                        : tr("Quillmere - next e-mail check in %n minutes", nullptr, minutes);
}

QStringList MainController::mailboxChoiceEntries(int& preselected) const {
    QStringList entries;
    preselected = -1;
    for (int n = 1; n <= MailboxConfig::Count; ++n) {
        const MailboxConfig& box = m_general.mailbox(n);
        if (box.Server.isEmpty()) continue;
        if (n == m_current) preselected = int(entries.size());
        // The slot number before ")" is what the choice is read back by.
        entries << tr("%1) Mailbox %2 - Server %3").arg(n).arg(box.UserName, box.Server);
    }
    return entries;
}

std::optional<int> MainController::chooseMailbox() {
    bool others = false;
    for (int n = 2; n <= MailboxConfig::Count; ++n)
        others = others || !m_general.mailbox(n).Server.isEmpty();
    if (!others) return m_current;
    int preselected = -1;
    const QStringList entries = mailboxChoiceEntries(preselected);
    const int chosen = shownView().ChooseMailbox(entries, preselected);
    if (chosen < 0 || chosen >= entries.size()) return std::nullopt;
    const QString& entry = entries.at(chosen);
    return entry.left(entry.indexOf(u')')).toInt();
}

bool MainController::btListClick() {
    m_lastFailure.clear();
    return command(Kind::Operation, [this] { return checkMailbox(std::nullopt); });
}

bool MainController::checkSlot(int n) {
    m_lastFailure.clear();
    return command(Kind::Operation, [this, n] { return checkMailbox(n > 0 ? n : m_current); });
}

bool MainController::checkMailbox(std::optional<int> slot) {
    // The slot is read first: the session (and with it the list, whose rows
    // address its messages) changes only when the check goes ahead.
    int n = slot.value_or(m_current);
    std::optional<RemotePOPLoad> load = m_session.read(n);
    playAlarmSound(false);
    if (!load) return false; // the store's one-time step ran instead
    if (IsBlank(load->mailbox.UserName) || IsBlank(load->mailbox.Server)) {
        showFailure(IsBlank(load->mailbox.UserName)
                        ? TrText::translate("MainController",
                                            "You need to enter your e-mail username in the "
                                            "settings.")
                        : TrText::translate("MainController",
                                            "You need to enter the name of your mail server in "
                                            "the settings."));
        openGeneralSettings();
        return false;
    }

    // The mailbox choice, unless the slot was given (a sweep, the command line).
    // A check a person (or the command line) started makes its mailbox the
    // current one.
    const bool byTimer = startedByTimer(m_session.mode());
    if (!slot && m_minutesLeft > 0 && (!byTimer || m_view.MainWindowVisible())) {
        const std::optional<int> chosen = chooseMailbox();
        if (!chosen) return false;
        if (*chosen != n) {
            n = *chosen;
            load = m_session.read(n);
            if (!load) return false;
        }
        m_current = m_general.Which = n;
    } else if (slot && !byTimer) {
        m_current = m_general.Which = n;
    }
    m_session.use(n, *load);
    learnedProviderFromSession();

    const TimerHold hold(*this);
    setBusyExitFace();
    disableAllButtons();
    const QString standby = tr("Retrieving messages ... standby");
    if (progressShown()) showProgress(standby);
    m_state.Progress.Title = standby;
    changed();

    m_untrustedCertificate.clear();
    bool failed = false;
    try {
        try {
            m_session.check(serverToIndex(), OnlyOneMailbox());
        } catch (const ECertificateError& e) {
            // Asked only now that the network wait is over, and only of a person
            // who started the check: a timer run or the command line fails as it is.
            if (m_session.mode() != RunMode::Interactive) {
                m_untrustedCertificate = e.fingerprint();
                throw;
            }
            if (!trustCertificate(e)) {
                m_lastFailure = e.shown(); // the question showed it
                return false;
            }
            m_session.check(serverToIndex(), OnlyOneMailbox());
        }
    } catch (const Exception& e) {
        if (progressShown()) throw;
        m_swallowed = e.shown(); // a hidden timer run goes on with what arrived
        failed = true;
    }

    m_state.Progress.Visible = false;
    enableAllButtons();
    setIdleExitFace();
    setListFace();

    // A check that failed is logged as its error (by the session), never as a check.
    if (!failed)
        writeLogLine(
            MailCheckEntry(int(rows().size()), m_session.userName(), m_session.server(), stamp()));

    // Nothing waits: a manual check may end the program.
    if (rows().isEmpty() && !m_general.Automatic && m_general.Exit) {
        if (m_general.SysTray)
            hideToTray();
        else
            shownView().CloseMainWindow();
    }

    ShowTotalCount();
    m_spam.Savesettings();
    return true;
}

bool MainController::trustCertificate(const ECertificateError& e) {
    const QString question =
        e.shown() + QStringLiteral("\n\n") + tr("Trust this certificate and check again?");
    if (m_prompter.message(question, Prompter::Icon::Question, Prompter::Buttons::YesNo) !=
        Prompter::Answer::Yes)
        return false;
    m_session.trustCertificate(e.fingerprint());
    m_general.mailbox(m_session.slot()).TrustedCert = e.fingerprint();
    return true;
}

// --- What the session announces ------------------------------------------------------

void MainController::followSession() {
    const MailboxSession* s = &m_session;
    connect(s, &MailboxSession::rowsReset, this, [this] {
        m_rowsAnnounced = 0; // rows added meanwhile go with the list they were in
        Q_EMIT rowsReset();
    });
    connect(s, &MailboxSession::rowAppended, this, &MainController::rowAppended);
    connect(s, &MailboxSession::rowChanged, this, &MainController::rowChanged);
    connect(s, &MailboxSession::rowsChanged, this, &MainController::rowsChanged);

    connect(s, &MailboxSession::opening, this, [this] {
        m_state.Progress.lblMsg = tr("Opening connection ... ");
        m_state.Progress.BarVisible = false;
        setStatus(
            tr("Opening connection for %1 on %2").arg(m_session.userName(), m_session.server()));
    });
    connect(s, &MailboxSession::listing, this, [this] {
        m_state.Progress.lblMsg = tr("Updating headers ... ");
        m_state.Progress.BarVisible = false;
        setStatus(tr("Updating headers"));
    });
    connect(s, &MailboxSession::checking, this, [this](int index, int total) {
        setStatus(
            tr("Checking message %1 of %n total waiting messages", nullptr, total).arg(index + 1));
        ProgressState& p = m_state.Progress;
        p.lblMsg = tr("Message %1 of %2").arg(index + 1).arg(total);
        p.BarVisible = true;
        p.BarMax = total;
        p.BarPosition = index + 1;
        changed();
    });
    connect(s, &MailboxSession::listEnded, this, [this](int count) {
        setStatus(tr("%n msg(s) for %1 on %2", nullptr, count)
                      .arg(m_session.userName(), m_session.server()));
        enableAllButtons();
        m_state.Progress.Visible = false;
        changed();
    });
    connect(s, &MailboxSession::transferring, this, [this] {
        m_state.Progress.lblMsg = tr("Transferring data ... ");
        setStatus(tr("Transferring data"));
    });
    connect(s, &MailboxSession::transferred, this,
            [this] { setStatus(tr("Data has been transfered")); });
    connect(s, &MailboxSession::closing, this, [this] { setStatus(tr("Closing connection")); });
    connect(s, &MailboxSession::closed, this, [this] { setStatus(tr("Connection closed")); });
    connect(s, &MailboxSession::canceled, this, [this] {
        m_state.StatusText = tr("Operation has been canceled");
        setIdleExitFace();
        m_state.Tray.HammerPicture = true;
        setListFace();
        writeLogLine(CanceledEntry(m_session.userName(), m_session.server(), stamp()));
    });
    connect(s, &MailboxSession::failed, this, [this](const TrText& message) {
        // The screen in the user's language, the log in English: a log reads
        // the same under every language.
        m_state.StatusText = message.shown();
        setListFace();
        writeLogLine(
            ErrorEntry(message.english(), m_session.userName(), m_session.server(), stamp()));
    });
    connect(s, &MailboxSession::deleting, this, [this](int index, int done, int total) {
        const MessageRow row =
            index >= 0 && index < rows().size() ? rows().at(index) : MessageRow();
        ProgressState& p = m_state.Progress;
        p.lblMsg = tr("Deleting %1").arg(row.Subject);
        p.BarVisible = true;
        p.BarMax = total;
        p.BarPosition = done;
        setStatus(tr("Deleting %1 %2").arg(index + 1).arg(row.Subject));
    });
    connect(s, &MailboxSession::deleteRefused, this, [this](int index) {
        const MessageRow row =
            index >= 0 && index < rows().size() ? rows().at(index) : MessageRow();
        setStatus(tr("The server refused to delete %1 %2").arg(index + 1).arg(row.Subject));
    });
    connect(s, &MailboxSession::fetching, this, [this](int index) {
        m_state.Progress.lblMsg = tr("Retrieving ... ");
        setStatus(tr("Retrieving %1").arg(index + 1));
    });
    connect(s, &MailboxSession::fetched, this,
            [this](int index) { setStatus(tr("Message %1 retrieved").arg(index + 1)); });
}

// --- The automatic sweep ------------------------------------------------------------

void MainController::CheckAllMailBoxes() {
    if (OperationRunning()) return;
    if (m_minutesLeft > 0) {
        m_state.Caption = countdownCaption(m_minutesLeft);
        changed();
        return;
    }
    const OperationScope operation(*this);
    // A sweep is one operation: the timer runs again only when it has ended.
    const TimerHold hold(*this);
    runSweep();
}

void MainController::runSweep() {
    bool found = false;
    for (int n = 1; n <= MailboxConfig::Count && !found; ++n)
        found = sweepSlot(n);
    if (!found) {
        m_state.Caption = tr("Quillmere - No waiting messages found");
        m_state.lblTitle = m_state.Caption;
        m_state.Tray.Hint = m_state.Caption;
    }
    m_minutesLeft = m_general.Minutes;

    // Back to the user's mailbox: the slot whose rows the list shows stays
    // current until the next check, so that a deletion reaches the right
    // mailbox; with an empty list the general settings' current mailbox returns.
    m_current = !rows().isEmpty() ? rowsSlot() : MailboxConfig::clampSlot(m_general.Which);
    changed();
}

bool MainController::sweepSlot(int n) {
    // A slot whose server or user name is empty or only blanks is not in
    // use: skipped before it touches the session, so that the rows of the
    // slot checked before stay paired with their own server. The secrets
    // are read (or found locked) when the slot is checked.
    MailboxConfig box;
    box.readFields(n);
    if (IsBlank(box.Server) || IsBlank(box.UserName)) return false;

    m_state.Caption = tr("Quillmere - Now checking e-mail for %1").arg(box.UserName);
    m_state.lblTitle = m_state.Caption;
    m_state.Tray.Hint = m_state.Caption;
    changed();

    SweptMailbox swept;
    swept.Slot = n;
    swept.UserName = box.UserName;
    swept.Server = box.Server;
    m_swallowed.clear();
    if (!checkMailbox(n)) return false; // the store's one-time step ran instead
    swept.Failure = m_swallowed;
    swept.Messages = int(rows().size());
    swept.Marked = MarkedCount();

    if (m_general.Kill) {
        const DeletionOutcome outcome = runDeletion();
        swept.Deleted = outcome.Accepted;
        swept.Refused = outcome.Refused;
        swept.Messages = int(rows().size());
        Q_EMIT mailboxSwept(swept);
        return false;
    }
    Q_EMIT mailboxSwept(swept);
    if (rows().isEmpty()) return false;
    m_state.Caption =
        tr("Quillmere - MailBox %1 - %n messages", nullptr, int(rows().size())).arg(box.UserName);
    m_state.Label1Visible = false;
    changed();
    shownView().ShowApplication();
    if (m_general.Alarm) playAlarmSound(true);
    return true;
}
