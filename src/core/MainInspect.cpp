// Commands on the rows of the list and the small commands beside them: why a
// message was marked, its headers and body, new rules from messages, the mail
// program, help, the log file, leftover messages.
#include "core/MainController.h"
#include "core/MainView.h"
#include "core/Shell.h"
#include "core/TextTests.h"
#include "mail/Exceptions.h"
#include "settings/AppPaths.h"
#include "settings/Prompter.h"
#include "settings/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace {
const char* const MoreThanOne = QT_TRANSLATE_NOOP(
    "MainController",
    "You have selected more than one message to view.  Only one message can be viewed at one "
    "time.  The first one selected will be displayed.");
const QString Asterisks(38, u'*');
// Messages larger than this are downloaded only when the user agrees.
constexpr qint64 LargeMessage = 50000;
} // namespace

QList<int> MainController::selectedRows(const QList<int>& selection) const {
    QList<int> picked;
    for (int i : selection)
        if (i >= 0 && i < rows().size()) picked << i;
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    return picked;
}

QList<int> MainController::selectedOrSay(const QList<int>& selection) {
    const QList<int> picked = selectedRows(selection);
    if (picked.isEmpty()) NadaSelected();
    return picked;
}

void MainController::ListView1Click() {
    command(Kind::Command, [this] {
        playAlarmSound(false);
        return true;
    });
}

void MainController::ListView1KeyUp() {
    command(Kind::Command, [this] {
        playAlarmSound(false);
        return true;
    });
}

void MainController::NadaSelected() {
    if (!rows().isEmpty())
        m_prompter.information(
            tr("No messages were selected.  To select one message click on a subject.  To select "
               "multiple messages drag the mouse over the list of desired subjects."));
    else
        m_prompter.information(
            tr("Either there are no e-mail messages waiting on the mail server or you "
               "have not yet clicked on the \"Check E-Mail\" button."));
}

void MainController::btLaunchClick() {
    command(Kind::Command, [this] {
        launchMailer();
        return true;
    });
}

void MainController::launchMailer() {
    playAlarmSound(false);
    const TimerHold hold(*this);
    if (IsBlank(m_general.Mailer)) {
        m_prompter.error(tr("Mail program not specified in the general settings. "));
    } else if (m_shell.StartProgram(m_general.Mailer)) {
        disableAllButtons();
        m_session.clearRows();
        // Drops a connection kept open for a single mailbox.
        m_session.cancel();
        enableAllButtons();
    } else {
        m_prompter.error(tr("Unable to launch mail program. "));
    }
}

QStringList MainController::Why1Click(const QList<int>& selection) {
    // The explanation runs the classifier in its explaining mode, and the
    // domain check may wait for the DNS: an operation of its own.
    QStringList lines;
    command(Kind::Operation, [this, &selection, &lines] {
        playAlarmSound(false);
        const TimerHold hold(*this);
        lines = explain(selection);
        return true;
    });
    return lines;
}

QStringList MainController::explain(const QList<int>& selection) {
    int first = -1;
    for (int i : selection)
        if (i >= 0 && i < rows().size() && (first < 0 || i < first)) first = i;
    if (first < 0) {
        NadaSelected();
        return {};
    }
    if (selection.size() > 1) m_prompter.information(tr(MoreThanOne));

    const MessageRow row = rows().at(first);
    QStringList lines{tr("Message from %1").arg(row.Sender), tr("Subject of   %1").arg(row.Subject),
                      QString()};
    const Classifier::Explanation why = m_session.explain(first);
    lines += why.Reasons;
    if (why.RowKept) { // a cancel during the domain look-up may have emptied the list
        if (lines.size() == 3)
            lines << tr(
                "Message was neither on the exception list nor on the list of matching criteria");
        lines += why.Learned;
        if (row.Mark == CheckMark && why.Mark != CheckMark)
            lines << tr("** You marked this message **");
        if (row.Mark == NoMark && why.Mark != NoMark)
            lines << tr("** You un-marked this message **");
    }
    shownView().ShowTextWindow(MainView::TextKind::Reasons, lines);
    return lines;
}

QStringList MainController::ViewHeader1Click(const QList<int>& selection) {
    QStringList lines;
    command(Kind::Command, [this, &selection, &lines] {
        playAlarmSound(false);
        const TimerHold hold(*this);
        const QList<int> picked = selectedOrSay(selection);
        if (!picked.isEmpty()) {
            for (int i : picked) {
                const MessageRow& row = rows().at(i);
                lines << Asterisks << tr("Subject : %1 Sender : %2").arg(row.Subject, row.Sender)
                      << Asterisks;
                lines += m_session.headers(i);
            }
            shownView().ShowTextWindow(MainView::TextKind::Headers, lines);
        }
        return true;
    });
    return lines;
}

bool MainController::ViewMessages1Click(const QList<int>& selection) {
    m_lastFailure.clear();
    return command(Kind::Operation, [this, &selection] {
        playAlarmSound(false);
        const TimerHold hold(*this);
        return viewBody(selection);
    });
}

bool MainController::viewBody(const QList<int>& selection) {
    // 1.-2.
    const QList<int> picked = selectedOrSay(selection);
    if (picked.isEmpty()) return false;
    if (picked.size() > 1) m_prompter.information(tr(MoreThanOne));
    const int k = picked.first();
    const QString size = rows().at(k).Size;
    if (size.toLongLong() > LargeMessage &&
        m_prompter.message(tr("The message you have selected to view is quite large - %1 bytes. "
                              "Are you sure you wish to download and view it?")
                               .arg(size),
                           Prompter::Icon::Question,
                           Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return false;

    // A failure ends the command with the progress window up and the buttons
    // off, until the user presses its cancel.
    disableAllButtons();
    showProgress(tr("Retrieving messages ... standby"));
    const QByteArray contents = m_session.fetch(k);
    // A message is the user's private mail: readable by the user alone.
    const QString file = messageFile(k);
    if (!TextFiles::replaceAtomically(file, contents,
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw EFileError(TrText::translate("MainController", "Unable to write to %1").arg(file));
    m_state.Progress.Visible = false;
    enableAllButtons();

    m_message.LoadFromFile(file);
    shownView().ShowTextWindow(MainView::TextKind::Body, m_message.Body);
    return true;
}

QString MainController::messageFile(int index) const {
    return AppPaths::appFile(QStringLiteral("msg_%1.eml").arg(index));
}

void MainController::AddtoSPAMlist1Click(const QList<int>& selection) {
    command(Kind::Command, [this, &selection] {
        playAlarmSound(false);
        const QList<int> picked = selectedOrSay(selection);
        if (picked.isEmpty()) return true;
        // The grid has room for MaxRows messages; the rest are not offered.
        SpamRuleOffer offer;
        for (int i : picked) {
            if (offer.Rows.size() == SpamRuleOffer::MaxRows) break;
            offer.Rows.append({rows().at(i).Subject, rows().at(i).Sender});
        }
        bool ok = false;
        {
            // No sweep may replace the list while the dialog is open.
            const TimerHold hold(*this);
            ok = shownView().ShowMarkForDeletion(offer);
        }
        if (ok) {
            // Each goes first, so the last message's rules end up at the top.
            for (const auto& [subject, sender] : std::as_const(offer.Rows)) {
                if (subject.isEmpty()) continue;
                if (offer.Subjects)
                    m_spam.gridSubject.insertAtTop({QString(), QStringLiteral("Equals"), subject,
                                                    QStringLiteral("Yes"), QStringLiteral("Yes"),
                                                    QStringLiteral("1")});
                if (offer.Senders)
                    m_spam.gridFrom.insertAtTop({QString(), QStringLiteral("E-mail address"),
                                                 QStringLiteral("Equals"), sender,
                                                 QStringLiteral("Yes"), QStringLiteral("1")});
            }
            saveRulesAndRemark();
        } else {
            btRemarkClick();
        }
        return true;
    });
}

void MainController::AddtoExceptions1Click(const QList<int>& selection) {
    command(Kind::Command, [this, &selection] {
        playAlarmSound(false);
        const QList<int> picked = selectedOrSay(selection);
        if (picked.isEmpty()) return true;
        for (int i : picked)
            m_spam.gridExcept.appendRule(
                {QStringLiteral("E-mail address"), QStringLiteral("Equals"), rows().at(i).Sender,
                 QStringLiteral("No"), QStringLiteral("0"), QString(), QStringLiteral("3")});
        saveRulesAndRemark();
        return true;
    });
}

void MainController::saveRulesAndRemark() {
    // The new rules are in place whether or not their files could be written.
    try {
        m_spam.Savesettings();
    } catch (const Exception& e) {
        showFailure(e.text());
    }
    btRemarkClick();
}

void MainController::CleanUpEMLFiles() {
    // Every message viewed before, whatever its row, and nothing else.
    static const QRegularExpression viewed(QStringLiteral("^msg_[0-9]+\\.eml$"));
    QDir folder(AppPaths::appFolder());
    for (const QString& name : folder.entryList({QStringLiteral("msg_*.eml")}, QDir::Files))
        if (viewed.match(name).hasMatch()) folder.remove(name);
}

void MainController::btHelpClick() {
    const auto help = [this] {
        playAlarmSound(false);
        const TimerHold hold(*this);
        if (!m_shell.OpenDocument(m_helpFile))
            m_prompter.error(tr("Unable to open help file - %1.").arg(m_helpFile));
        return true;
    };
    // The spam settings dialog runs as an operation; its own Help still opens.
    if (m_spamSettingsOpen)
        help();
    else
        command(Kind::Command, help);
}

void MainController::Viewlogfile1Click() {
    command(Kind::Command, [this] {
        if (!m_shell.OpenDocument(logPath())) m_prompter.error(tr("Unable to open log file. "));
        return true;
    });
}
