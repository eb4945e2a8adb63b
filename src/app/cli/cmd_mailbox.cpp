// quillmere-cli mailbox: the twelve mailbox slots; one slot stored as the
// general settings store it; the current slot.
#include "CliCommand.h"
#include "ConsolePrompter.h"
#include "mail/Exceptions.h"
#include "settings/MailboxConfig.h"
#include "settings/ProfileLock.h"
#include "settings/SecretStore.h"
#include "settings/SettingsStore.h"

#include <cstdio>
#include <optional>

namespace {
const QString Server = QStringLiteral("Server");

int currentSlot() {
    return SettingsStore::tree().ReadInteger(Server, QStringLiteral("Which"), 1);
}

// One slot as stored, the password only as set or empty; for a slot in use its
// security choice and the certificate it trusts.
void printSlot(int n, int current) {
    const SettingsStore tree = SettingsStore::tree();
    const QString server = tree.ReadString(Server, MailboxConfig::serverIdent(n), {});
    const QString user = tree.ReadString(Server, MailboxConfig::userIdent(n), {});
    // The password may be in the keyring; one that is locked is not asked.
    QString password = QStringLiteral("(empty)");
    try {
        if (SecretStore::read(MailboxConfig::passwordIdent(n), SecretAccess::NeverPrompt))
            password = QStringLiteral("(set)  ");
    } catch (const ESecretStoreError&) {
        password = QStringLiteral("(locked)");
    }
    cliOut() << (n == current ? "* " : "  ") << QString::number(n).rightJustified(2) << "  "
             << (server.isEmpty() ? QStringLiteral("-") : server).leftJustified(30) << ' '
             << (user.isEmpty() ? QStringLiteral("-") : user).leftJustified(24) << ' '
             << "password " << password;
    if (!server.isEmpty()) {
        MailboxConfig box;
        box.readFields(n); // the password is not shown here
        cliOut() << "  " << securityWord(box.Security);
        if (!box.TrustedCert.isEmpty())
            cliOut() << "  trusts " << readableFingerprint(box.TrustedCert);
    }
    cliOut() << '\n';
}

int slotNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= MailboxConfig::Count ? n : 0;
}

// The first line of standard input, without its line end.
QString readPasswordLine() {
    QByteArray line;
    for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar())
        line += char(c);
    if (line.endsWith('\r')) line.chop(1);
    return QString::fromUtf8(line);
}

int run(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty()) {
        const int current = currentSlot();
        for (int n = 1; n <= MailboxConfig::Count; ++n)
            printSlot(n, current);
        cliOut() << "Passwords are kept in " << SecretStore::backendText() << ".\n";
        return ExitOk;
    }

    int setCurrent = 0, slot = 0;
    std::optional<QString> server, user, password, fingerprint;
    std::optional<MailSecurity> security;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--current") && !args.isEmpty()) {
            if (!(setCurrent = slotNumber(args.takeFirst()))) return cliUsage("mailbox");
        } else if (arg == QLatin1String("--server") && !args.isEmpty()) {
            server = args.takeFirst().trimmed();
        } else if (arg == QLatin1String("--user") && !args.isEmpty()) {
            user = args.takeFirst().trimmed();
        } else if (arg == QLatin1String("--password-stdin")) {
            password = QString();
        } else if (arg == QLatin1String("--security") && !args.isEmpty()) {
            if (!(security = securityFromWord(args.takeFirst()))) return cliUsage("mailbox");
        } else if (arg == QLatin1String("--trust-fingerprint") && !args.isEmpty()) {
            // Empty or "none" forgets the certificate trusted before.
            const QString text = args.takeFirst().trimmed();
            fingerprint = text.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0
                              ? QString()
                              : normalizedFingerprint(text);
            if (fingerprint->isEmpty() && !text.isEmpty() &&
                text.compare(QLatin1String("none"), Qt::CaseInsensitive) != 0) {
                cliErr() << "quillmere-cli mailbox: " << text
                         << " is not a SHA-256 fingerprint (64 hexadecimal digits, pairs may be "
                            "separated by ':')"
                         << Qt::endl;
                return ExitUsage;
            }
        } else if (!slot && (slot = slotNumber(arg))) {
        } else {
            return cliUsage("mailbox");
        }
    }
    const bool editsSlot = server || user || password || security || fingerprint;
    if (editsSlot != (slot != 0) || (!editsSlot && !setCurrent)) return cliUsage("mailbox");

    ProfileLock lock;
    if (!lock.tryLock()) {
        cliErr() << ProfileLock::busyText() << Qt::endl;
        return ExitProfileBusy;
    }
    // Start as the program starts: the one-time step for stores of the old
    // password form runs now, so that it never takes a password stored here
    // for one of that form.
    ConsolePrompter prompter;
    LoadRemotePOPSettings(currentSlot(), prompter, SecretAccess::NeverPrompt);

    int rc = ExitOk;
    if (slot) {
        MailboxConfig box;
        try {
            box.read(slot, SecretAccess::NeverPrompt);
        } catch (const EConvertError& e) {
            cliErr() << e.message() << Qt::endl; // the old password is unreadable: none
            box.Password.clear();
        } catch (const ESecretStoreError& e) {
            // The stored secrets stay as they are unless a new password is given.
            cliErr() << e.message() << Qt::endl;
        }
        // A slot taken into use starts with the new mailbox's protection.
        if (server && box.Server.isEmpty()) box.Security = MailboxConfig{}.Security;
        if (server) box.Server = *server;
        if (security) box.Security = *security;
        if (fingerprint) box.TrustedCert = *fingerprint;
        if (user) box.UserName = *user;
        if (password) box.Password = readPasswordLine();
        box.store(slot);
        if (const QString problem = CheckMailbox(slot, box).text; !problem.isEmpty()) {
            cliErr() << "error: " << problem << Qt::endl;
            rc = ExitFailure;
        }
    }
    if (setCurrent) SettingsStore::tree().WriteInteger(Server, QStringLiteral("Which"), setCurrent);
    const int current = currentSlot();
    if (slot) printSlot(slot, current);
    if (setCurrent && setCurrent != slot) printSlot(setCurrent, current);
    return rc;
}

const CliCommand
    command("mailbox",
            "[N [--server HOST] [--user NAME] [--password-stdin] "
            "[--security tls|starttls|starttls-optional|none] [--trust-fingerprint SHA256]] "
            "[--current N]",
            "list the twelve mailbox slots (passwords only as set or empty), store slot N as the "
            "general settings do (the password read from the first line of standard input; a new "
            "mailbox requires STARTTLS, or uses TLS on port 995; --trust-fingerprint accepts the "
            "server certificate with that SHA-256 fingerprint although it fails verification, \"\" "
            "forgets it), or make slot N the current one",
            run);
} // namespace
