// Marks and the deletion of marked messages on the server.
#include "activity/LogEntries.h"
#include "core/MainController.h"
#include "core/MainView.h"
#include "mail/Exceptions.h"
#include "settings/Prompter.h"

#include <algorithm>

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
        QList<MessageRow>& list = m_list.markableRows();
        for (int i : picked) {
            MarkState& mark = list[i].Mark;
            mark = isMarked(mark) ? NoMark : CheckMark;
            Q_EMIT rowChanged(i);
        }
        ShowTotalCount();
        return true;
    });
}

void MainController::ListView1DblClick(const QList<int>& selection) {
    btMarkClick(selection);
}

void MainController::ResetButtonClick() {
    command(Kind::Command, [this] {
        for (MessageRow& row : m_list.markableRows())
            row.Mark = NoMark;
        Q_EMIT rowsChanged();
        ShowTotalCount();
        return true;
    });
}

void MainController::btRemarkClick() {
    // The domain check may wait for the DNS: an operation of its own.
    command(Kind::Operation, [this] {
        playAlarmSound(false);
        for (MessageRow& row : m_list.markableRows())
            row.Mark = NoMark;
        MarkForDeletion(-1);
        Q_EMIT rowsChanged();
        if (MarkedCount() == 0)
            m_prompter.information(
                QStringLiteral("None of the messages matched any of the spam criteria."));
        ShowTotalCount();
        return true;
    });
}

bool MainController::btDeleteClick() {
    if (Deleting || OperationRunning()) return false; // a deletion or another operation runs
    m_lastFailure.clear();
    return command(Kind::Operation, [this] {
        runDeletion();
        return true;
    });
}

void MainController::runDeletion() {
    if (Deleting) return;
    Deleting = true;
    playAlarmSound(false);
    Timer1.stop();
    try {
        DeleteMessages();
    } catch (...) {
        Deleting = false;
        UpdateAutomaticCaptions(General.Automatic, General.Minutes);
        throw;
    }
    Deleting = false;
    UpdateAutomaticCaptions(General.Automatic, General.Minutes);
}

void MainController::DeleteMessages() {
    // 1.-3.
    m_deleted = 0;
    m_refused = 0;
    const int marked = MarkedCount();
    const int total = int(rows().size());
    const bool manual = !General.Automatic && !Unattended;
    if (marked == 0) {
        if (manual && General.Ask)
            m_prompter.information(QStringLiteral("There were no messages marked to delete!"));
        return;
    }
    if (manual && General.Ask &&
        m_prompter.message(QStringLiteral("Really delete %1 messages from server?").arg(marked),
                           Prompter::Icon::Question,
                           Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;

    // 4. Only what is marked now: a mark left from a deletion that failed
    // earlier must not delete a row the user has unmarked since.
    TmsRemoteInfo& info = msRemotePOP1.RemoteInfo;
    const auto unmarkAll = [&info, this] {
        for (int i = 0; i < info.Count(); ++i)
            msRemotePOP1.Unmark(i);
    };
    unmarkAll();
    for (int i = 0; i < rows().size() && i < info.Count(); ++i)
        if (isMarked(rows()[i].Mark)) msRemotePOP1.MarkDelete(i);

    // 5.-8. Each message's block is written once the server has accepted its
    // deletion and before the sign-off commits it; a block that cannot be
    // written ends the session without signing off, so nothing is deleted
    // without its record.
    DeleteTotal = marked;
    DeleteDone = 1;
    int accepted = 0;
    disableAllButtons();
    try {
        Log.OpenLogFile(logPath());
        setBusyExitFace();
        if (m_view.MainWindowVisible() || !TimerRun)
            showProgress(QStringLiteral("Deleting messages ... standby"));
        m_state.Progress.Title = QStringLiteral("Deleting messages ... standby");
        changed();
        m_accepted = &accepted;
        msRemotePOP1.TransferData();
        m_accepted = nullptr;
    } catch (...) {
        m_accepted = nullptr;
        Log.CloseLogFile();
        unmarkAll();
        throw;
    }

    // 9.-10. The server has removed what it accepted.
    Log.CloseLogFile();
    m_deleted = accepted;
    m_refused = marked - accepted;
    General.Count = addToCounter(General.Count, accepted);
    General.save();
    Q_EMIT messagesDeleted(accepted);

    // 11.-12.
    clearRows();
    const bool left = total > accepted;
    if (!(left && manual && General.Launch)) {
        if (m_view.MainWindowVisible() || !TimerRun)
            showProgress(QStringLiteral("Retrieving messages ... standby"));
        m_state.Progress.Title = QStringLiteral("Retrieving messages ... standby");
        changed();
        msRemotePOP1.UpdateInfo();
    }

    // 13.-16.
    enableAllButtons();
    setIdleExitFace();
    m_state.StatusText = QStringLiteral("There were %1 messages deleted").arg(accepted);
    m_state.Tray.Hint = QStringLiteral("%1 spams deleted").arg(accepted);
    setListFace();
    m_state.Progress.Visible = false;
    changed();
    if (m_refused > 0)
        showFailure(QStringLiteral("The server refused to delete %1 of the %2 marked messages; "
                                   "they are still on the server.")
                        .arg(m_refused)
                        .arg(marked));
    if (left && (m_view.MainWindowVisible() || !TimerRun) && General.Launch && !Unattended)
        launchMailer();
}

void MainController::msRemotePOP1Deleting(QObject*, int index) {
    const MessageRow row = index >= 0 && index < rows().size() ? rows().at(index) : MessageRow();
    ProgressState& p = m_state.Progress;
    p.lblMsg = QStringLiteral("Deleting ") + row.Subject;
    p.BarVisible = true;
    p.BarMax = DeleteTotal;
    p.BarPosition = DeleteDone;
    ++DeleteDone;
    setStatus(QStringLiteral("Deleting %1 %2").arg(index + 1).arg(row.Subject));
}

void MainController::msRemotePOP1Deleted(QObject*, int index) {
    const MessageRow row = index >= 0 && index < rows().size() ? rows().at(index) : MessageRow();
    // Throws when the block cannot be written: the session then ends without
    // signing off, and the server keeps the message.
    Log.OpenLogFile(logPath());
    Log.WriteLogLines(DeleteSpamEntry(stamp(), msRemotePOP1.Server, msRemotePOP1.UserName,
                                      row.Subject, row.Sender, row.Size, row.Date));
    if (m_accepted) ++*m_accepted;
}

void MainController::msRemotePOP1DeleteRefused(QObject*, int index) {
    const MessageRow row = index >= 0 && index < rows().size() ? rows().at(index) : MessageRow();
    setStatus(QStringLiteral("The server refused to delete %1 %2").arg(index + 1).arg(row.Subject));
}
