// quillmere-cli delete: checks a mailbox and deletes its marked messages as an
// automatic-mode deletion does, or only shows what it would delete.
#include "CliCommand.h"
#include "HeadlessSession.h"

namespace {
struct CliDelete {
    Q_DECLARE_TR_FUNCTIONS(CliDelete)
};
int run(const QStringList& arguments) {
    QStringList args = arguments;
    int slot = 0;
    if (!takeMailboxOption(args, slot, "delete")) return ExitUsage;
    const bool yes = args.removeAll(QStringLiteral("--yes")) > 0;
    if (!args.isEmpty()) return cliUsage("delete");

    HeadlessSession session;
    if (const int rc = session.start(); rc != ExitOk) return rc;
    if (const int rc = session.check(slot); rc != ExitOk) return rc;
    MainController& c = session.controller();
    const int marked = c.MarkedCount();
    const QString where = CliDelete::tr("mailbox %1 (%2 on %3)")
                              .arg(c.rowsSlot())
                              .arg(c.rowsUserName(), c.rowsServer());
    // An IMAP mailbox moves its spam into the Junk folder unless told to delete it.
    const MailAccount account = c.session().account();
    const bool moving =
        account.Protocol == MailProtocol::Imap && account.Action == SpamAction::Move;
    const int total = int(c.rows().size());
    if (!yes) {
        cliOut() << (moving ? CliDelete::tr("would move %1 of %n message(s) into the Junk folder "
                                            "from %2 (run with --yes to move them):",
                                            nullptr, total)
                            : CliDelete::tr("would delete %1 of %n message(s) from %2 (run with "
                                            "--yes to delete them):",
                                            nullptr, total))
                        .arg(QString::number(marked), where)
                 << '\n';
        printRows(c, true);
        return ExitOk;
    }
    int deleted = 0;
    QObject::connect(&c, &MainController::messagesDeleted, [&deleted](int n) { deleted = n; });
    if (!c.btDeleteClick()) return ExitFailure;
    cliOut() << (moving ? CliDelete::tr("moved %n message(s) into the Junk folder from %1, %2 left",
                                        nullptr, deleted)
                        : CliDelete::tr("deleted %n message(s) from %1, %2 left", nullptr, deleted))
                    .arg(where, QString::number(c.rows().size()))
             << '\n';
    // Messages the server refused to delete are still there: said on standard
    // error by the controller, and not a success.
    return c.RefusedDeletions() > 0 ? ExitFailure : ExitOk;
}

const CliCommand command("delete", QT_TRANSLATE_NOOP("CliCommand", "[--mailbox N] [--yes]"),
                         QT_TRANSLATE_NOOP("CliCommand",
                                           "check the mailbox and delete its marked messages "
                                           "without asking (log blocks, spam counter; an IMAP "
                                           "mailbox moves them into its Junk folder unless its "
                                           "spam action is delete); without --yes only show what "
                                           "would go"),
                         run);
} // namespace
