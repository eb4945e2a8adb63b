// quillmere-cli sweep: one automatic sweep over every configured mailbox, as
// the hidden program runs it when the countdown reaches zero.
#include "CliCommand.h"
#include "HeadlessSession.h"

namespace {
struct CliSweep {
    Q_DECLARE_TR_FUNCTIONS(CliSweep)
};
int run(const QStringList& args) {
    if (!args.isEmpty()) return cliUsage("sweep");

    HeadlessSession session;
    if (const int rc = session.start(); rc != ExitOk) return rc;
    MainController& c = session.controller();

    bool failed = false;
    QObject::connect(&c, &MainController::mailboxSwept, [&failed](const SweptMailbox& m) {
        const QString mailbox =
            CliSweep::tr("mailbox %1: %2 on %3").arg(QString::number(m.Slot), m.UserName, m.Server);
        cliOut() << mailbox << " - ";
        if (!m.Failure.isEmpty()) {
            // A failed check counts nothing: its reason goes to standard error.
            cliOut() << CliSweep::tr("not checked") << '\n';
            cliOut().flush();
            failed = true;
            cliErr() << mailbox << ": " << m.Failure << Qt::endl;
            return;
        }
        cliOut() << CliSweep::tr("%n message(s), %1 marked, %2 deleted", nullptr, m.Messages)
                        .arg(m.Marked)
                        .arg(m.Deleted);
        if (m.Refused > 0) cliOut() << CliSweep::tr(", %1 refused by the server").arg(m.Refused);
        cliOut() << '\n';
        cliOut().flush();
    });
    c.SweepNow();

    const bool waiting = !c.general().Kill && !c.rows().isEmpty();
    if (waiting) {
        cliOut() << CliSweep::tr("mail waits in mailbox %1:").arg(c.rowsSlot()) << '\n';
        printRows(c);
    }
    if (failed || !c.LastFailure().isEmpty()) return ExitFailure;
    return waiting ? ExitMailWaiting : ExitOk;
}

const CliCommand command(
    "sweep", "",
    QT_TRANSLATE_NOOP("CliCommand", "one unattended sweep over every configured mailbox: "
                                    "one line per mailbox; with \"Kill\" set it deletes "
                                    "marked spam everywhere, otherwise it stops at the first "
                                    "mailbox with mail and exits with status 3"),
    run);
} // namespace
