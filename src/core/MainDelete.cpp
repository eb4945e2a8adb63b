// Marks and the deletion of marked messages on the server.
#include "activity/LogEntries.h"
#include "core/MainController.h"
#include "core/MainView.h"
#include "mail/Exceptions.h"
#include "settings/Prompter.h"

#include <algorithm>

namespace {
// The selected positions that are rows, in list order, each once.
QList<int> rowsOf(const QList<int>& selection, qsizetype count) {
    QList<int> rows;
    for (int i : selection)
        if (i >= 0 && i < count) rows << i;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// The spam counter raised by n; a counter that is not a number counts from 0.
QString addToCounter(const QString& counter, int n) {
    bool ok = false;
    const qlonglong value = counter.trimmed().toLongLong(&ok, 10);
    return QString::number((ok ? value : 0) + n);
}
} // namespace

void MainController::btMarkClick(const QList<int>& selection) {
    playAlarmSound(false);
    const QList<int> rows = rowsOf(selection, m_rows.size());
    if (rows.isEmpty()) {
        NadaSelected();
        return;
    }
    for (int i : rows) {
        MarkState& mark = m_rows[i].Mark;
        mark = isMarked(mark) ? NoMark : CheckMark;
        Q_EMIT rowChanged(i);
    }
    ShowTotalCount();
}

void MainController::ListView1DblClick(const QList<int>& selection) {
    btMarkClick(selection);
}

void MainController::ResetButtonClick() {
    for (MessageRow& row : m_rows)
        row.Mark = NoMark;
    Q_EMIT rowsChanged();
    ShowTotalCount();
}

void MainController::btRemarkClick() {
    playAlarmSound(false);
    for (MessageRow& row : m_rows)
        row.Mark = NoMark;
    MarkForDeletion(-1);
    Q_EMIT rowsChanged();
    if (MarkedCount() == 0)
        m_prompter.information(
            QStringLiteral("None of the messages matched any of the spam criteria."));
    ShowTotalCount();
}

bool MainController::btDeleteClick() {
    if (Deleting) return false; // a deletion runs already
    m_lastFailure.clear();
    try {
        runDeletion();
        return true;
    } catch (const Exception& e) {
        showFailure(e.message());
        return false;
    }
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
    const int marked = MarkedCount();
    const int total = int(m_rows.size());
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
    for (int i = 0; i < m_rows.size() && i < info.Count(); ++i)
        if (isMarked(m_rows[i].Mark)) msRemotePOP1.MarkDelete(i);

    // 5.-8.
    DeleteTotal = marked;
    DeleteDone = 1;
    disableAllButtons();
    try {
        Log.OpenLogFile(logPath());
        setBusyExitFace();
        if (m_view.MainWindowVisible() || !TimerRun)
            showProgress(QStringLiteral("Deleting messages ... standby"));
        m_state.Progress.Title = QStringLiteral("Deleting messages ... standby");
        changed();
        msRemotePOP1.TransferData();
    } catch (...) {
        Log.CloseLogFile();
        unmarkAll();
        throw;
    }

    // 9.-10. The server has removed them.
    Log.CloseLogFile();
    m_deleted = marked;
    General.Count = addToCounter(General.Count, marked);
    General.save();
    Q_EMIT messagesDeleted(marked);

    // 11.-12.
    clearRows();
    const bool left = total > marked;
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
    m_state.StatusText = QStringLiteral("There were %1 messages deleted").arg(marked);
    m_state.Tray.Hint = QStringLiteral("%1 spams deleted").arg(marked);
    setListFace();
    m_state.Progress.Visible = false;
    changed();
    if (left && (m_view.MainWindowVisible() || !TimerRun) && General.Launch && !Unattended)
        btLaunchClick();
}

void MainController::msRemotePOP1Deleting(QObject*, int index) {
    const MessageRow row = index >= 0 && index < m_rows.size() ? m_rows.at(index) : MessageRow();
    ProgressState& p = m_state.Progress;
    p.lblMsg = QStringLiteral("Deleting ") + row.Subject;
    p.BarVisible = true;
    p.BarMax = DeleteTotal;
    p.BarPosition = DeleteDone;
    ++DeleteDone;
    setStatus(QStringLiteral("Deleting %1 %2").arg(index + 1).arg(row.Subject));
    // A block that cannot be written stops the deletion before this message
    // goes: no message is deleted without its record.
    if (Log.IsOpen())
        Log.WriteLogLines(DeleteSpamEntry(stamp(), msRemotePOP1.Server, msRemotePOP1.UserName,
                                          row.Subject, row.Sender, row.Size, row.Date));
}
