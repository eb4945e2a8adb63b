// quillmere-cli check: "Check e-mail" for one mailbox, with the rows and their
// marks as a list or as JSON.
#include "CliCommand.h"
#include "HeadlessSession.h"

namespace {
struct CliCheck {
    Q_DECLARE_TR_FUNCTIONS(CliCheck)
};

// A JSON string: quotes, backslashes and control characters escaped.
QString jsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

void printJson(const MainController& c) {
    QString json = QStringLiteral("{\"mailbox\": %1, \"server\": %2, \"user\": %3, \"messages\": [")
                       .arg(c.rowsSlot())
                       .arg(jsonString(c.rowsServer()), jsonString(c.rowsUserName()));
    const QList<MessageRow>& rows = c.rows();
    for (int i = 0; i < rows.size(); ++i) {
        const MessageRow& r = rows[i];
        if (i > 0) json += QStringLiteral(", ");
        json += QStringLiteral("{\"index\": %1, \"subject\": %2, \"sender\": %3, \"size\": %4, "
                               "\"date\": %5, \"mark\": %6}")
                    .arg(i)
                    .arg(jsonString(r.Subject), jsonString(r.Sender), jsonString(r.Size),
                         jsonString(r.Date))
                    .arg(int(r.Mark));
    }
    cliOut() << json << "]}\n";
}

int run(const QStringList& arguments) {
    QStringList args = arguments;
    int slot = 0;
    if (!takeMailboxOption(args, slot, "check")) return ExitUsage;
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    const bool noCache = args.removeAll(QStringLiteral("--no-cache")) > 0;
    if (!args.isEmpty()) return cliUsage("check");

    HeadlessSession session;
    if (const int rc = session.start(); rc != ExitOk) return rc;
    if (noCache) session.controller().setHeaderCacheAllowed(false);
    if (const int rc = session.check(slot); rc != ExitOk) return rc;
    const MainController& c = session.controller();
    if (json) {
        printJson(c);
    } else {
        cliOut() << CliCheck::tr("mailbox %1: %2 on %3, %n message(s), %4 marked", nullptr,
                                 int(c.rows().size()))
                        .arg(QString::number(c.rowsSlot()), c.rowsUserName(), c.rowsServer(),
                             QString::number(c.MarkedCount()))
                 << '\n';
        printRows(c);
    }
    return ExitOk;
}

const CliCommand
    command("check", QT_TRANSLATE_NOOP("CliCommand", "[--mailbox N] [--json] [--no-cache]"),
            QT_TRANSLATE_NOOP("CliCommand", "check the current mailbox (or slot N) as \"Check "
                                            "e-mail\" does: log the check, save the rule hits, and "
                                            "print every message with its mark; --no-cache "
                                            "downloads every header and leaves the header cache as "
                                            "it is"),
            run);
} // namespace
