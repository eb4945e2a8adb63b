// The mail check: loading a mailbox, "Check e-mail", the notifications of the
// POP3 client, and the automatic sweep over the mailboxes.
#include "activity/LogEntries.h"
#include "core/AlarmSound.h"
#include "core/MainController.h"
#include "core/MainView.h"
#include "core/TextTests.h"
#include "mail/Exceptions.h"
#include "mail/headers/MailAddress.h"
#include "mail/headers/MailDate.h"
#include "mail/oauth/OAuth2Flow.h"
#include "settings/Prompter.h"
#include "settings/SettingsStore.h"

#include <QLocale>
#include <optional>

namespace {

const QString Standby = QStringLiteral("Retrieving messages ... standby");

// The locale's time with seconds, as written in the list: its long time format
// without the time zone (the Date header's zone is not applied).
QString listTimeFormat() {
    const QString format = QLocale().timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u't') continue;
        out += c;
    }
    return out.simplified();
}

// The countdown caption: "Quillmere - next e-mail check in 2 minutes".
QString countdownCaption(int minutes) {
    return QStringLiteral("Quillmere - next e-mail check in %1 minute%2")
        .arg(minutes)
        .arg(minutes == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

bool MainController::GetRemotePOPSettings(int n) {
    return loadMailbox(n);
}

QString MainController::ListDateFormat() const {
    return ShortDateFormat + u' ' + listTimeFormat();
}

MessageRow MainController::rowFor(int index) const {
    const TmsRemoteInfoItem& item = msRemotePOP1.RemoteInfo.Items(index);
    MessageRow row;
    row.Subject = item.Headers.GetFieldValue(QStringLiteral("Subject"));
    QString name;
    SplitMailAddress(item.Headers.GetFieldValue(QStringLiteral("From")), row.Sender, name);
    row.Size = QString::number(item.Size);
    const QString date = item.Headers.GetFieldValue(QStringLiteral("Date"));
    TDateTime when = 0;
    QString zone;
    ParseMailDate(date, when, zone);
    const QDateTime at = when != 0 ? DateTimeToQDateTime(when) : QDateTime();
    row.Date = at.isValid() ? QLocale().toString(at, ListDateFormat()) : date;
    row.Mark = NoMark;
    return row;
}

QStringList MainController::mailboxChoiceEntries(int& preselected) const {
    QStringList entries;
    preselected = -1;
    for (int n = 1; n <= MailboxConfig::Count; ++n) {
        const MailboxConfig& box = General.mailbox(n);
        if (box.Server.isEmpty()) continue;
        if (n == iWhich) preselected = int(entries.size());
        entries
            << QStringLiteral("%1) Mailbox %2 - Server %3").arg(n).arg(box.UserName, box.Server);
    }
    return entries;
}

bool MainController::btListClick() {
    m_lastFailure.clear();
    return command(Kind::Operation, [this] { return checkMailbox(); });
}

bool MainController::checkMailbox() {
    // 1.-3. The slot is read first: the POP3 client (and with it the list, whose
    // rows address its messages) changes only when the check goes ahead.
    std::optional<RemotePOPLoad> load = LoadRemotePOPSettings(iWhich, m_prompter, secretAccess());
    playAlarmSound(false);
    if (!load) return false; // the store's one-time step ran instead
    if (IsBlank(load->mailbox.UserName) || IsBlank(load->mailbox.Server)) {
        showFailure(IsBlank(load->mailbox.UserName)
                        ? QStringLiteral("You need to enter your e-mail username in the settings.")
                        : QStringLiteral(
                              "You need to enter the name of your mail server in the settings."));
        openGeneralSettings();
        return false;
    }

    // 4. The mailbox choice, unless a sweep picked the slot itself.
    if (MinutesLeft > 0 && (!TimerRun || m_view.MainWindowVisible())) {
        bool others = false;
        for (int n = 2; n <= MailboxConfig::Count; ++n)
            others = others || !General.mailbox(n).Server.isEmpty();
        if (others) {
            int preselected = -1;
            const QStringList entries = mailboxChoiceEntries(preselected);
            const int chosen = shownView().ChooseMailbox(entries, preselected);
            if (chosen < 0 || chosen >= entries.size()) return false;
            const QString& entry = entries.at(chosen);
            iWhich = entry.left(entry.indexOf(u')')).toInt();
        }
        synchronizeIwhich();
    }
    if (!loadMailbox(iWhich)) return false;

    // 5.-10.
    msRemotePOP1.KeepConnection = OnlyOneMailbox();
    m_timerWasActive = Timer1.isActive();
    Timer1.stop();
    clearRows();
    setBusyExitFace();
    disableAllButtons();
    if (m_view.MainWindowVisible() || !TimerRun) showProgress(Standby);
    m_state.Progress.Title = Standby;
    Retrieving = true;
    changed();

    // 11. Every check is a session of its own: one kept open since the last
    // check (which has no deletion pending) is signed off first, so that mail
    // that arrived meanwhile is listed.
    m_domains->beginCheck();
    m_classifier->MailboxSlot = serverToIndex();
    try {
        if (msRemotePOP1.Connected()) msRemotePOP1.Disconnect();
        // A keyring that may not be asked here (it is locked) fails this
        // mailbox as a failed connection would.
        if (!m_secretError.isEmpty()) throw ESecretStoreError(m_secretError);
        try {
            msRemotePOP1.UpdateInfo();
        } catch (const ECertificateError& e) {
            // Asked only now that the network wait is over, and only of a user
            // who started the check: a timer run or a sweep fails as it is.
            if (TimerRun || m_sweeping || Unattended) throw;
            if (!trustCertificate(e)) {
                m_lastFailure = e.message(); // the question showed it
                return false;
            }
            msRemotePOP1.UpdateInfo();
        }
    } catch (const Exception& e) {
        if (!TimerRun || m_view.MainWindowVisible()) throw;
        m_swallowed = e.message(); // a hidden timer run goes on with what arrived
    }

    // 12.
    Retrieving = false;
    m_state.Progress.Visible = false;
    enableAllButtons();
    setIdleExitFace();
    setListFace();
    if (m_timerWasActive) startTimer1();

    // 13.
    writeLogLine(
        MailCheckEntry(int(rows().size()), msRemotePOP1.UserName, msRemotePOP1.Server, stamp()));

    // 14. Nothing waits: a manual check may end the program.
    if (rows().isEmpty() && !General.Automatic && General.Exit) {
        if (SysTray)
            hideToTray();
        else
            shownView().CloseMainWindow();
    }

    // 15.-16.
    ShowTotalCount();
    Spam.Savesettings();
    return true;
}

bool MainController::trustCertificate(const ECertificateError& e) {
    const QString question =
        e.message() + QStringLiteral("\n\nTrust this certificate and check again?");
    if (m_prompter.message(question, Prompter::Icon::Question, Prompter::Buttons::YesNo) !=
        Prompter::Answer::Yes)
        return false;
    const int n = m_list.slot();
    SettingsStore::tree().WriteString(QStringLiteral("Server"), MailboxConfig::trustedCertIdent(n),
                                      e.fingerprint());
    General.mailbox(n).TrustedCert = e.fingerprint();
    msRemotePOP1.TrustedFingerprint = e.fingerprint();
    return true;
}

void MainController::MarkForDeletion(int index) {
    m_classifier->MarkForDeletion(index);
}

// --- Notifications of the POP3 client -------------------------------------------

void MainController::msRemotePOP1Open(QObject*) {
    m_state.Progress.lblMsg = QStringLiteral("Opening connection ... ");
    m_state.Progress.BarVisible = false;
    setStatus(QStringLiteral("Opening connection for %1 on %2")
                  .arg(msRemotePOP1.UserName, msRemotePOP1.Server));
}

void MainController::msRemotePOP1UpdatingInfo(QObject*) {
    m_state.Progress.lblMsg = QStringLiteral("Updating headers ... ");
    m_state.Progress.BarVisible = false;
    setStatus(QStringLiteral("Updating headers"));
}

void MainController::msRemotePOP1NextInfoUpdated(QObject*, int index) {
    // Row i is message i + 1: a row out of step (the list was emptied by a
    // cancel meanwhile) is never added, so that no row names another message.
    if (!m_list.append(index, rowFor(index))) return;
    const int row = int(rows().size()) - 1;
    Q_EMIT rowAppended(row);
    const int count = msRemotePOP1.MessageCount;
    setStatus(QStringLiteral("Checking message %1 of %2 total waiting messages")
                  .arg(index + 1)
                  .arg(count));
    MarkForDeletion(row);
    if (row < rows().size()) Q_EMIT rowChanged(row);
    ProgressState& p = m_state.Progress;
    p.lblMsg = QStringLiteral("Message %1 of %2").arg(index + 1).arg(count);
    p.BarVisible = true;
    p.BarMax = count;
    p.BarPosition = index + 1;
    changed();
}

void MainController::msRemotePOP1InfoUpdated(QObject*) {
    setStatus(QStringLiteral("%1 msg(s) for %2 on %3")
                  .arg(msRemotePOP1.RemoteInfo.Count())
                  .arg(msRemotePOP1.UserName, msRemotePOP1.Server));
    MarkForDeletion(-1);
    Q_EMIT rowsChanged();
    enableAllButtons();
    m_state.Progress.Visible = false;
    changed();
}

void MainController::msRemotePOP1TransferringData(QObject*) {
    m_state.Progress.lblMsg = QStringLiteral("Transferring data ... ");
    setStatus(QStringLiteral("Transferring data"));
}

void MainController::msRemotePOP1DataTransfered(QObject*) {
    setStatus(QStringLiteral("Data has been transfered"));
}

void MainController::msRemotePOP1Closing(QObject*) {
    setStatus(QStringLiteral("Closing connection"));
}

void MainController::msRemotePOP1Closed(QObject*) {
    setStatus(QStringLiteral("Connection closed"));
}

void MainController::msRemotePOP1Cancel(QObject*) {
    if (m_refreshStop) m_refreshStop->stop();
    m_state.StatusText = QStringLiteral("Operation has been canceled");
    setIdleExitFace();
    m_state.Tray.HammerPicture = true;
    setListFace();
    writeLogLine(CanceledEntry(msRemotePOP1.UserName, msRemotePOP1.Server, stamp()));
}

void MainController::msRemotePOP1Error(QObject*, QString& message) {
    m_state.StatusText = message;
    setListFace();
    writeLogLine(ErrorEntry(message, msRemotePOP1.UserName, msRemotePOP1.Server, stamp()));
}

// --- The automatic sweep ------------------------------------------------------------

void MainController::CheckAllMailBoxes() {
    if (OperationRunning()) return;
    if (MinutesLeft > 0) {
        m_state.Caption = countdownCaption(MinutesLeft);
        changed();
        return;
    }
    OperationScope operation(*this);
    m_sweeping = true;
    try {
        runSweep();
    } catch (...) {
        m_sweeping = false;
        throw;
    }
    m_sweeping = false;
}

void MainController::runSweep() {
    Timer1.stop();
    bool found = false;
    for (int n = 1; n <= MailboxConfig::Count; ++n) {
        // A slot whose server or user name is empty or only blanks is not in
        // use: skipped before it touches the client, so that the rows of the
        // slot checked before stay paired with their own server.
        // The secrets are read (or found locked) when the slot is checked.
        MailboxConfig box;
        box.readFields(n);
        if (IsBlank(box.Server) || IsBlank(box.UserName)) continue;
        iWhich = n;

        m_state.Caption = QStringLiteral("Quillmere - Now checking e-mail for ") + box.UserName;
        m_state.lblTitle = m_state.Caption;
        m_state.Tray.Hint = m_state.Caption;
        changed();

        SweptMailbox swept;
        swept.Slot = n;
        swept.UserName = box.UserName;
        swept.Server = box.Server;
        m_swallowed.clear();
        if (!checkMailbox()) continue; // the store's one-time step ran instead
        swept.Failure = m_swallowed;
        swept.Messages = int(rows().size());
        swept.Marked = MarkedCount();

        if (General.Kill) {
            m_deleted = 0;
            m_refused = 0;
            runDeletion();
            swept.Deleted = m_deleted;
            swept.Refused = m_refused;
            swept.Messages = int(rows().size());
            Q_EMIT mailboxSwept(swept);
            continue;
        }
        Q_EMIT mailboxSwept(swept);
        if (!rows().isEmpty()) {
            found = true;
            m_state.Caption = QStringLiteral("Quillmere - MailBox %1 - %2 messages")
                                  .arg(box.UserName)
                                  .arg(rows().size());
            m_state.Label1Visible = false;
            changed();
            shownView().ShowApplication();
            if (General.Alarm) playAlarmSound(true);
            break;
        }
    }
    if (!found) {
        m_state.Caption = QStringLiteral("Quillmere - No waiting messages found");
        m_state.lblTitle = m_state.Caption;
        m_state.Tray.Hint = m_state.Caption;
    }
    MinutesLeft = General.Minutes;

    // Back to the user's mailbox: the slot whose rows the list shows stays
    // current until the next check, so that a deletion reaches the right
    // mailbox; with an empty list the general settings' current mailbox returns.
    if (!rows().isEmpty())
        iWhich = rowsSlot();
    else
        iWhich = General.Which >= 1 && General.Which <= MailboxConfig::Count ? General.Which : 1;
    loadMailbox(iWhich);
    changed();
}
