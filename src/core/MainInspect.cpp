// Commands on the rows of the list and the small commands beside them: why a
// message was marked, the mail program, help, the log file, leftover messages.
#include "core/MainController.h"
#include "core/MainView.h"
#include "core/Shell.h"
#include "core/TextTests.h"
#include "settings/AppPaths.h"
#include "settings/Prompter.h"

#include <QFile>

void MainController::ListView1Click() {
    playAlarmSound(false);
}

void MainController::ListView1KeyUp() {
    playAlarmSound(false);
}

void MainController::NadaSelected() {
    if (!m_rows.isEmpty())
        m_prompter.information(QStringLiteral(
            "No messages were selected.  To select one message click on a subject.  To select "
            "multiple messages drag the mouse over the list of desired subjects."));
    else
        m_prompter.information(
            QStringLiteral("Either there are no e-mail messages waiting on the mail server or you "
                           "have not yet clicked on the \"Check E-Mail\" button."));
}

void MainController::btLaunchClick() {
    playAlarmSound(false);
    Timer1.stop();
    if (IsBlank(General.Mailer)) {
        m_prompter.error(QStringLiteral("Mail program not specified in the general settings. "));
    } else if (m_shell.StartProgram(General.Mailer)) {
        disableAllButtons();
        clearRows();
        // Drops a connection kept open for a single mailbox.
        msRemotePOP1.Cancel();
        enableAllButtons();
    } else {
        m_prompter.error(QStringLiteral("Unable to launch mail program. "));
    }
    restartTimerIfAutomatic();
}

QStringList MainController::Why1Click(const QList<int>& selection) {
    playAlarmSound(false);
    Timer1.stop();
    int first = -1;
    for (int i : selection)
        if (i >= 0 && i < m_rows.size() && (first < 0 || i < first)) first = i;
    if (first < 0) {
        NadaSelected();
        restartTimerIfAutomatic();
        return {};
    }
    if (selection.size() > 1)
        m_prompter.information(QStringLiteral(
            "You have selected more than one message to view.  Only one message can be viewed "
            "at one time.  The first one selected will be displayed."));

    const MessageRow& row = m_rows.at(first);
    QStringList lines{QStringLiteral("Message from ") + row.Sender,
                      QStringLiteral("Subject of   ") + row.Subject, QString()};
    Classifier& c = *m_classifier;
    c.memoWhy.clear();
    const MarkState old = row.Mark;
    m_rows[first].Mark = NoMark;
    c.WhyMode = true;
    c.MarkForDeletion(first);
    c.WhyMode = false;
    lines += c.memoWhy;
    c.memoWhy.clear();
    if (first < m_rows.size()) { // the domain look-up may have let the list change
        const MarkState now = m_rows[first].Mark;
        if (lines.size() == 3)
            lines << QStringLiteral(
                "Message was neither on the exception list nor on the list of matching criteria");
        if (old == CheckMark && now != CheckMark)
            lines << QStringLiteral("** You marked this message **");
        if (old == NoMark && now != NoMark)
            lines << QStringLiteral("** You un-marked this message **");
        m_rows[first].Mark = old;
    }
    m_view.ShowTextWindow(MainView::TextKind::Reasons, lines);
    restartTimerIfAutomatic();
    return lines;
}

void MainController::CleanUpEMLFiles() {
    // The folder the messages are written to, never the working directory.
    QString folder = msRemotePOP1.MessageDirectory();
    if (folder.isEmpty()) folder = AppPaths::appFolder() + u'/';
    for (int n = 0; n <= 100; ++n) {
        const QString name = folder + QStringLiteral("msg_%1.eml").arg(n);
        if (QFile::exists(name)) QFile::remove(name);
    }
}

void MainController::btHelpClick() {
    playAlarmSound(false);
    Timer1.stop();
    if (!m_shell.OpenDocument(HelpFile))
        m_prompter.error(QStringLiteral("Unable to open help file - %1.").arg(HelpFile));
    restartTimerIfAutomatic();
}

void MainController::Viewlogfile1Click() {
    if (!m_shell.OpenDocument(logPath()))
        m_prompter.error(QStringLiteral("Unable to open log file. "));
}
