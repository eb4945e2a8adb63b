// Marks and the deletion of marked messages on the server.
#include "activity/LogEntries.h"
#include "core/MainController.h"
#include "core/MainView.h"
#include "mail/Exceptions.h"
#include "settings/Prompter.h"

#include <QScopeGuard>

namespace {
// The spam counter raised by n; a counter that is not a number counts from 0.
QString addToCounter(const QString& counter, int n) {
    bool ok = false;
    const qlonglong value = counter.trimmed().toLongLong(&ok, 10);
    return QString::number((ok ? value : 0) + n);
}
} // namespace

void MainController::btMarkClick(const QList<int>& selection) {
    command(Kind::Command, [this, &selection] {
        playAlarmSound(false);
        const QList<int> picked = selectedOrSay(selection);
        if (picked.isEmpty()) return true;
        m_session.toggleMarks(picked);
        ShowTotalCount();
        return true;
    });
}

void MainController::ListView1DblClick(const QList<int>& selection) {
    btMarkClick(selection);
}

void MainController::ResetButtonClick() {
    command(Kind::Command, [this] {
        m_session.clearMarks();
        Q_EMIT rowsChanged();
        ShowTotalCount();
        return true;
    });
}

void MainController::btRemarkClick() {
    // The domain check may wait for the DNS: an operation of its own.
    command(Kind::Operation, [this] {
        playAlarmSound(false);
        m_session.clearMarks();
        m_session.classify(-1);
        Q_EMIT rowsChanged();
        if (MarkedCount() == 0)
            m_prompter.information(
                QStringLiteral("None of the messages matched any of the spam criteria."));
        ShowTotalCount();
        return true;
    });
}

bool MainController::btDeleteClick() {
    m_lastFailure.clear();
    return command(Kind::Operation, [this] {
        runDeletion();
        return true;
    });
}

DeletionOutcome MainController::runDeletion() {
    playAlarmSound(false);
    const TimerHold hold(*this);
    // The captions follow the mode again whichever way the deletion ends.
    const auto captions =
        qScopeGuard([this] { UpdateAutomaticCaptions(m_general.Automatic, m_general.Minutes); });
    return DeleteMessages();
}

DeletionOutcome MainController::DeleteMessages() {
    m_refused = 0;
    const int marked = MarkedCount();
    const int total = int(rows().size());
    // Only a person at the window in manual mode is asked, and only there may
    // the mail program start afterwards.
    const bool manual = !m_general.Automatic && m_attended;
    if (marked == 0) {
        if (manual && m_general.Ask)
            m_prompter.information(QStringLiteral("There were no messages marked to delete!"));
        return {};
    }
    const MailAccount account = m_session.account();
    const bool moving =
        account.Protocol == MailProtocol::Imap && account.Action == SpamAction::Move;
    if (manual && m_general.Ask &&
        m_prompter.message(
            moving ? QStringLiteral("Really move %1 messages into the Junk folder?").arg(marked)
                   : QStringLiteral("Really delete %1 messages from server?").arg(marked),
            Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return {};

    // Each message's block is written once the server has accepted its
    // deletion and before the sign-off commits it; a block that cannot be
    // written ends the session without signing off, so nothing is deleted
    // without its record.
    const QString deleting = QStringLiteral("Deleting messages ... standby");
    disableAllButtons();
    DeletionOutcome outcome;
    {
        const auto close = qScopeGuard([this] { m_log.CloseLogFile(); });
        m_log.OpenLogFile(logPath());
        setBusyExitFace();
        if (progressShown()) showProgress(deleting);
        m_state.Progress.Title = deleting;
        changed();
        outcome = m_session.deleteMarked([this](int index) {
            const MessageRow row =
                index >= 0 && index < rows().size() ? rows().at(index) : MessageRow();
            // Throws when the block cannot be written: the session then ends
            // without signing off, and the server keeps the message.
            m_log.OpenLogFile(logPath());
            m_log.WriteLogLines(DeleteSpamEntry(stamp(), m_session.server(), m_session.userName(),
                                                row.Subject, row.Sender, row.Size, row.Date));
        });
    }

    // The server has removed what it accepted.
    const int accepted = outcome.Accepted;
    m_refused = outcome.Refused;
    m_general.Count = addToCounter(m_general.Count, accepted);
    m_general.save();
    Q_EMIT messagesDeleted(accepted);

    m_session.clearRows();
    const bool left = total > accepted;
    if (!(left && manual && m_general.Launch)) {
        if (progressShown()) showProgress(QStringLiteral("Retrieving messages ... standby"));
        m_state.Progress.Title = QStringLiteral("Retrieving messages ... standby");
        changed();
        m_session.refresh();
    }

    enableAllButtons();
    setIdleExitFace();
    m_state.StatusText = QStringLiteral("There were %1 messages deleted").arg(accepted);
    m_state.Tray.Hint = QStringLiteral("%1 spams deleted").arg(accepted);
    setListFace();
    m_state.Progress.Visible = false;
    changed();
    // An IMAP server's own reason (or why moved messages still show) wins.
    if (!outcome.Note.isEmpty())
        showFailure(outcome.Note);
    else if (m_refused > 0)
        showFailure(QStringLiteral("The server refused to %1 %2 of the %3 marked messages; "
                                   "they are still on the server.")
                        .arg(moving ? QStringLiteral("move") : QStringLiteral("delete"))
                        .arg(m_refused)
                        .arg(marked));
    if (left && progressShown() && m_general.Launch && m_attended) launchMailer();
    return outcome;
}
