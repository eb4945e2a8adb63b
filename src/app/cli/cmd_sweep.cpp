// quillmere-cli sweep: one automatic sweep over every configured mailbox, as
// the hidden program runs it when the countdown reaches zero.
#include "CliCommand.h"
#include "HeadlessSession.h"

namespace {
int run(const QStringList& args) {
    if (!args.isEmpty()) return cliUsage("sweep");

    HeadlessSession session;
    if (const int rc = session.start(); rc != ExitOk) return rc;
    MainController& c = session.controller();

    bool failed = false;
    QObject::connect(&c, &MainController::mailboxSwept, [&failed](const SweptMailbox& m) {
        cliOut() << "mailbox " << m.Slot << ": " << m.UserName << " on " << m.Server << " - ";
        if (!m.Failure.isEmpty()) {
            // A failed check counts nothing: its reason goes to standard error.
            cliOut() << "not checked\n";
            cliOut().flush();
            failed = true;
            cliErr() << "mailbox " << m.Slot << ": " << m.UserName << " on " << m.Server << ": "
                     << m.Failure << Qt::endl;
            return;
        }
        cliOut() << m.Messages << " message(s), " << m.Marked << " marked, " << m.Deleted
                 << " deleted";
        if (m.Refused > 0) cliOut() << ", " << m.Refused << " refused by the server";
        cliOut() << '\n';
        cliOut().flush();
    });
    c.SweepNow();

    const bool waiting = !c.general().Kill && !c.rows().isEmpty();
    if (waiting) {
        cliOut() << "mail waits in mailbox " << c.rowsSlot() << ":\n";
        printRows(c);
    }
    if (failed || !c.LastFailure().isEmpty()) return ExitFailure;
    return waiting ? ExitMailWaiting : ExitOk;
}

const CliCommand command("sweep", "",
                         "one unattended sweep over every configured mailbox: one line per "
                         "mailbox; with \"Kill\" set it deletes marked spam everywhere, otherwise "
                         "it stops at the first mailbox with mail and exits with status 3",
                         run);
} // namespace
