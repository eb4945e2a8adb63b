// quillmere-cli mx: the mail exchangers of a domain, as the unknown-domain
// check sees them.
#include "CliCommand.h"
#include "mail/dns/MXResolver.h"

namespace {
struct CliMx {
    Q_DECLARE_TR_FUNCTIONS(CliMx)
};

// Reads "ADDRESS" or "ADDRESS:PORT" into the resolver; false when the port is
// not a number from 1 to 65535.
bool setServer(TmsMXResolver& resolver, const QString& server) {
    const qsizetype colon = server.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) {
        resolver.DNSAddress = server;
        return true;
    }
    bool ok = false;
    const uint port = server.mid(colon + 1).toUInt(&ok);
    if (!ok || port == 0 || port > 65535) return false;
    resolver.DNSAddress = server.left(colon);
    resolver.Port = quint16(port);
    return true;
}

int runMx(const QStringList& args) {
    TmsMXResolver resolver;
    QString domain;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--server") && i + 1 < args.size()) {
            if (!setServer(resolver, args[++i])) {
                cliErr() << CliMx::tr("quillmere-cli mx: \"%1\" is not ADDRESS[:PORT]").arg(args[i])
                         << Qt::endl;
                return ExitUsage;
            }
        } else if (arg.startsWith(QLatin1Char('-')) || !domain.isEmpty()) {
            return cliUsage("mx");
        } else {
            domain = arg;
        }
    }
    if (domain.isEmpty()) return cliUsage("mx");

    resolver.Domain = domain;
    resolver.Resolve(); // a failure reaches main(), which prints its text
    for (int i = 0; i < resolver.MXList.Count(); ++i) {
        const TMXRec& rec = resolver.MXList.Items(i);
        // The root, as a null MX names it, prints as ".".
        cliOut() << rec.Preference << ' '
                 << (rec.Exchange.isEmpty() ? QStringLiteral(".") : rec.Exchange) << '\n';
    }
    return ExitOk;
}

const CliCommand mx("mx", QT_TRANSLATE_NOOP("CliCommand", "DOMAIN [--server ADDRESS[:PORT]]"),
                    QT_TRANSLATE_NOOP("CliCommand",
                                      "Lists the mail exchangers of DOMAIN, lowest preference "
                                      "first, one \"preference exchange\" line each (server: the "
                                      "system's first IPv4 name server)"),
                    runMx);

} // namespace
