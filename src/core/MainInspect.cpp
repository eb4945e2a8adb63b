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
        m_prompter.information(QStringLiteral(
            "No messages were selected.  To select one message click on a subject.  To select "
            "multiple messages drag the mouse over the list of desired subjects."));
    else
        m_prompter.information(
            QStringLiteral("Either there are no e-mail messages waiting on the mail server or you "
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
    // The explanation runs the classifier in its explaining mode, and the
    // domain check may wait for the DNS: an operation of its own.
    QStringList lines;
    command(Kind::Operation, [this, &selection, &lines] {
        playAlarmSound(false);
        Timer1.stop();
        lines = explain(selection);
        restartTimerIfAutomatic();
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
    if (selection.size() > 1)
        m_prompter.information(QStringLiteral(
            "You have selected more than one message to view.  Only one message can be viewed "
            "at one time.  The first one selected will be displayed."));

    QList<MessageRow>& list = m_list.markableRows();
    const MessageRow row = list.at(first);
    QStringList lines{QStringLiteral("Message from ") + row.Sender,
                      QStringLiteral("Subject of   ") + row.Subject, QString()};
    Classifier& c = *m_classifier;
    c.memoWhy.clear();
    const MarkState old = row.Mark;
    list[first].Mark = NoMark;
    c.WhyMode = true;
    try {
        c.MarkForDeletion(first);
    } catch (...) {
        c.WhyMode = false;
        c.memoWhy.clear();
        if (first < list.size()) list[first].Mark = old;
        throw;
    }
    c.WhyMode = false;
    lines += c.memoWhy;
    c.memoWhy.clear();
    if (first < list.size()) { // a cancel during the domain look-up may have emptied the list
        const MarkState now = list[first].Mark;
        if (lines.size() == 3)
            lines << QStringLiteral(
                "Message was neither on the exception list nor on the list of matching criteria");
        if (old == CheckMark && now != CheckMark)
            lines << QStringLiteral("** You marked this message **");
        if (old == NoMark && now != NoMark)
            lines << QStringLiteral("** You un-marked this message **");
        list[first].Mark = old;
    }
    shownView().ShowTextWindow(MainView::TextKind::Reasons, lines);
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
    command(Kind::Command, [this] {
        playAlarmSound(false);
        Timer1.stop();
        if (!m_shell.OpenDocument(HelpFile))
            m_prompter.error(QStringLiteral("Unable to open help file - %1.").arg(HelpFile));
        restartTimerIfAutomatic();
        return true;
    });
}

void MainController::Viewlogfile1Click() {
    command(Kind::Command, [this] {
        if (!m_shell.OpenDocument(logPath()))
            m_prompter.error(QStringLiteral("Unable to open log file. "));
        return true;
    });
}
