// quillmere-cli why: checks a mailbox and explains the mark of one message.
#include "CliCommand.h"
#include "HeadlessSession.h"

namespace {
struct CliWhy {
    Q_DECLARE_TR_FUNCTIONS(CliWhy)
};
int run(const QStringList& arguments) {
    QStringList args = arguments;
    int slot = 0;
    if (!takeMailboxOption(args, slot, "why")) return ExitUsage;
    bool ok = false;
    const int index = args.value(0).toInt(&ok);
    if (args.size() != 1 || !ok || index < 0) return cliUsage("why");

    HeadlessSession session;
    if (const int rc = session.start(); rc != ExitOk) return rc;
    if (const int rc = session.check(slot); rc != ExitOk) return rc;
    MainController& c = session.controller();
    if (index >= c.rows().size()) {
        cliErr() << CliWhy::tr("quillmere-cli why: mailbox %1 has no message %2 (%n message(s), "
                               "numbered from 0)",
                               nullptr, int(c.rows().size()))
                        .arg(c.rowsSlot())
                        .arg(index)
                 << Qt::endl;
        return ExitFailure;
    }
    for (const QString& line : c.Why1Click({index}))
        cliOut() << line << '\n';
    return ExitOk;
}

const CliCommand command("why", QT_TRANSLATE_NOOP("CliCommand", "INDEX [--mailbox N]"),
                         QT_TRANSLATE_NOOP("CliCommand",
                                           "check the mailbox and explain why message INDEX (from "
                                           "0) has its mark, as the \"Why\" window does"),
                         run);
} // namespace
