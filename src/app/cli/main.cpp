// quillmere-cli: Quillmere's commands for scripts, timers and terminals.
#include "CliCommand.h"

#include "mail/Exceptions.h"
#include "settings/Translations.h"

#include <QCoreApplication>
#include <cstring>

namespace {
void printHelp(QTextStream& s)
{
    s << CliCommand::tr("quillmere-cli %1: Quillmere's mail pre-filter from the command line.")
             .arg(QStringLiteral(QUILL_VERSION))
      << "\n\n"
      << CliCommand::tr("usage: quillmere-cli COMMAND [ARGS...]") << "\n\n"
      << CliCommand::tr("commands:") << '\n';
    for (const CliCommand* c : CliCommand::all()) {
        s << "  " << c->name << ' ' << c->usageText() << "\n      " << c->summaryText() << '\n';
    }
    s.flush();
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Translations::install();
    QCoreApplication::setApplicationName(QStringLiteral("quillmere-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILL_VERSION));

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h") || args.first() == QLatin1String("help")) {
        printHelp(args.isEmpty() ? cliErr() : cliOut());
        return args.isEmpty() ? ExitUsage : ExitOk;
    }
    if (args.first() == QLatin1String("--version")) {
        cliOut() << "quillmere-cli " << QUILL_VERSION << Qt::endl;
        return ExitOk;
    }

    const QString name = args.takeFirst();
    for (const CliCommand* c : CliCommand::all()) {
        if (name == QLatin1String(c->name)) {
            if (args.contains(QLatin1String("--help"))) {
                cliOut() << c->usageLine() << "\n  " << c->summaryText() << Qt::endl;
                return ExitOk;
            }
            try {
                const int rc = c->handler(args);
                cliOut().flush();
                cliErr().flush();
                return rc;
            } catch (const Exception& e) {
                cliOut().flush();
                cliErr() << e.shown() << Qt::endl;
                return ExitFailure;
            }
        }
    }
    cliErr() << CliCommand::tr("quillmere-cli: unknown command \"%1\" (see quillmere-cli --help)")
                    .arg(name)
             << Qt::endl;
    return ExitUsage;
}
