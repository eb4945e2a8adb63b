// Marks and the deletion of marked messages on the server.
#include "activity/LogEntries.h"
#include "core/MainController.h"
#include "core/MainView.h"
#include "mail/Exceptions.h"
#include "settings/Prompter.h"

#include <QHostAddress>
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
        // A mark a person removes teaches that the message is not spam.
        QList<LearnedExample> unmarked;
        for (int i : picked)
            if (isMarked(rows().at(i).Mark)) unmarked << learnedExample(i, false);
        m_session.toggleMarks(picked);
        learn(unmarked);
        ShowTotalCount();
        return true;
    });
}

void MainController::LearnAsSpam1Click(const QList<int>& selection) {
    learnSelected(selection, true);
}

void MainController::LearnAsNotSpam1Click(const QList<int>& selection) {
    learnSelected(selection, false);
}

void MainController::learnSelected(const QList<int>& selection, bool spam) {
    command(Kind::Command, [this, &selection, spam] {
        playAlarmSound(false);
        QList<LearnedExample> step;
        for (int i : selectedOrSay(selection))
            step << learnedExample(i, spam);
        learn(step);
        return true;
    });
}

LearnedExample MainController::learnedExample(int index, bool spam) const {
    // Unique ids are unique within a mailbox only.
    const QString uid = m_session.uid(index);
    const QString scoped =
        uid.isEmpty() ? QString() : m_session.userName() + u'@' + m_session.server() + u'/' + uid;
    const TmsHeaders& headers = m_session.headers(index);
    return {LearnedFilter::messageId(scoped, headers), headers, spam};
}

void MainController::learn(const QList<LearnedExample>& step) {
    if (step.isEmpty() || !m_spam.Learning.On || !m_learned.isOpen()) return;
    try {
        m_learned.learn(step);
    } catch (const Exception& e) {
        showFailure(e.text());
        return;
    }
    int spam = 0;
    for (const LearnedExample& e : step)
        spam += e.spam ? 1 : 0;
    setStatus(tr("Learned %n message(s) as spam and %1 as not spam", nullptr, spam)
                  .arg(step.size() - spam));
}

void MainController::learnedProviderFromSession() {
    // Learning switched on since the start: its database is opened now (one
    // that cannot be read stays as it is, reported once).
    if (m_spam.Learning.On && !m_learned.isOpen() && m_learned.error().isEmpty() &&
        !m_learned.open())
        m_prompter.error(m_learned.error());
    QString host = m_session.server().section(QStringLiteral("://"), -1);
    host = host.section(u':', 0, 0).toLower();
    QStringList own = LearnedTokenizer::parseDomains(m_spam.Learning.OwnDomains);
    // A server named by its address says nothing of the provider's domain.
    const QString base =
        QHostAddress(host).isNull() ? LearnedTokenizer::baseDomain(host) : QString();
    if (!base.isEmpty() && !own.contains(base)) own << base;
    m_learned.tokenizer.ownDomains = own;
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
            m_prompter.information(tr("None of the messages matched any of the spam criteria."));
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
            m_prompter.information(tr("There were no messages marked to delete!"));
        return {};
    }
    const MailAccount account = m_session.account();
    const bool moving =
        account.Protocol == MailProtocol::Imap && account.Action == SpamAction::Move;
    if (manual && m_general.Ask &&
        m_prompter.message(
            moving ? tr("Really move %n messages into the Junk folder?", nullptr, marked)
                   : tr("Really delete %n messages from server?", nullptr, marked),
            Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return {};

    // Each message's block is written once the server has accepted its
    // deletion and before the sign-off commits it; a block that cannot be
    // written ends the session without signing off, so nothing is deleted
    // without its record.
    const QString deleting = tr("Deleting messages ... standby");
    disableAllButtons();
    // A deletion a person started in the window teaches the learned judgement:
    // what the server deleted is spam, what the list leaves unmarked is not.
    // Timer runs, sweeps and the command line teach nothing.
    const bool teaches = m_session.mode() == RunMode::Interactive && m_learned.isOpen();
    QList<LearnedExample> lesson;
    if (teaches)
        for (int i = 0; i < total; ++i)
            if (!isMarked(rows().at(i).Mark)) lesson << learnedExample(i, false);
    DeletionOutcome outcome;
    {
        const auto close = qScopeGuard([this] { m_log.CloseLogFile(); });
        m_log.OpenLogFile(logPath());
        setBusyExitFace();
        if (progressShown()) showProgress(deleting);
        m_state.Progress.Title = deleting;
        changed();
        outcome = m_session.deleteMarked([this, teaches, &lesson](int index) {
            const MessageRow row =
                index >= 0 && index < rows().size() ? rows().at(index) : MessageRow();
            // Throws when the block cannot be written: the session then ends
            // without signing off, and the server keeps the message.
            m_log.OpenLogFile(logPath());
            m_log.WriteLogLines(DeleteSpamEntry(stamp(), m_session.server(), m_session.userName(),
                                                row.Subject, row.Sender, row.Size, row.Date));
            if (teaches) lesson << learnedExample(index, true);
        });
    }
    if (outcome.Accepted > 0) learn(lesson);

    // The server has removed what it accepted.
    const int accepted = outcome.Accepted;
    m_refused = outcome.Refused;
    m_general.Count = addToCounter(m_general.Count, accepted);
    m_general.save();
    Q_EMIT messagesDeleted(accepted);

    m_session.clearRows();
    const bool left = total > accepted;
    if (!(left && manual && m_general.Launch)) {
        const QString standby = tr("Retrieving messages ... standby");
        if (progressShown()) showProgress(standby);
        m_state.Progress.Title = standby;
        changed();
        m_session.refresh();
    }

    enableAllButtons();
    setIdleExitFace();
    m_state.StatusText = tr("There were %n messages deleted", nullptr, accepted);
    m_state.Tray.Hint = tr("%n spams deleted", nullptr, accepted);
    setListFace();
    m_state.Progress.Visible = false;
    changed();
    // An IMAP server's own reason (or why moved messages still show) wins.
    if (!outcome.Note.isEmpty())
        showFailure(outcome.Note);
    else if (m_refused > 0)
        showFailure((moving ? TrText::translate("MainController",
                                                "The server refused to move %1 of the %n marked "
                                                "messages; they are still on the server.",
                                                nullptr, marked)
                            : TrText::translate("MainController",
                                                "The server refused to delete %1 of the %n marked "
                                                "messages; they are still on the server.",
                                                nullptr, marked))
                        .arg(m_refused));
    if (left && progressShown() && m_general.Launch && m_attended) launchMailer();
    return outcome;
}
