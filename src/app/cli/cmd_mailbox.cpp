// quillmere-cli mailbox: the twelve mailbox slots; one slot stored as the
// general settings store it; the current slot.
#include "CliCommand.h"
#include "ConsolePrompter.h"
#include "mail/Exceptions.h"
#include "mail/oauth/OAuth2Flow.h"
#include "settings/MailboxConfig.h"
#include "settings/ProfileLock.h"
#include "settings/SecretStore.h"
#include "settings/SettingsStore.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <optional>
#include <unistd.h>

namespace {
const QString Server = QStringLiteral("Server");

struct CliMailbox {
    Q_DECLARE_TR_FUNCTIONS(CliMailbox)
};

int currentSlot() {
    return MailboxConfig::readCurrentSlot(SettingsStore::tree());
}

// One slot as stored, the password only as set or empty; for a slot in use its
// security choice, the certificate it trusts and an OAuth2 sign-in.
void printSlot(int n, int current) {
    MailboxConfig box;
    box.readFields(n); // the password is not shown here
    const QString& server = box.Server;
    const QString& user = box.UserName;
    // The password may be in the keyring; one that is locked is not asked.
    // "(set)" is padded to the width of "(empty)" so that the columns after it line up.
    QString password = CliMailbox::tr("(empty)");
    try {
        if (SecretStore::read(MailboxConfig::passwordIdent(n), SecretAccess::NeverPrompt))
            password = CliMailbox::tr("(set)  ");
    } catch (const ESecretStoreError&) {
        password = CliMailbox::tr("(locked)");
    }
    cliOut() << (n == current ? "* " : "  ") << QString::number(n).rightJustified(2) << "  "
             << (server.isEmpty() ? QStringLiteral("-") : server).leftJustified(30) << ' '
             << (user.isEmpty() ? QStringLiteral("-") : user).leftJustified(24) << ' '
             << CliMailbox::tr("password %1").arg(password);
    if (!server.isEmpty()) {
        cliOut() << "  " << securityWord(box.Security);
        if (box.Protocol == MailProtocol::Imap) {
            cliOut() << "  " << CliMailbox::tr("imap folder %1").arg(box.Folder) << "  ";
            if (box.Action == SpamAction::Delete)
                cliOut() << CliMailbox::tr("spam delete");
            else
                cliOut() << CliMailbox::tr("spam move to %1")
                                .arg(box.JunkFolder.isEmpty() ? CliMailbox::tr("(the Junk folder)")
                                                              : box.JunkFolder);
        }
        if (!box.TrustedCert.isEmpty())
            cliOut() << "  "
                     << CliMailbox::tr("trusts %1").arg(readableFingerprint(box.TrustedCert));
        if (box.SignIn == MailSignIn::OAuth2) {
            QString tokens = CliMailbox::tr("not signed in");
            try {
                const std::optional<OAuth2Tokens> stored =
                    ReadOAuth2Tokens(n, SecretAccess::NeverPrompt);
                if (stored && !stored->isEmpty())
                    tokens = stored->Refused.isEmpty() ? CliMailbox::tr("signed in")
                                                       : CliMailbox::tr("sign-in refused");
            } catch (const ESecretStoreError&) {
                tokens = CliMailbox::tr("locked");
            }
            cliOut() << "  oauth2 " << box.OAuth2.effective().Word << " (" << tokens << ')';
        }
    }
    cliOut() << '\n';
}

int slotNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && MailboxConfig::isSlot(n) ? n : 0;
}

// The first line of standard input, without its line end. Read a byte at a
// time past any buffer, so that the lines after it are left for the sign-in.
QString readLine() {
    QByteArray line;
    char c = 0;
    while (::read(STDIN_FILENO, &c, 1) == 1 && c != '\n')
        line += c;
    if (line.endsWith('\r')) line.chop(1);
    return QString::fromUtf8(line);
}

// Lines typed or pasted on standard input while the event loop runs; each
// complete line goes to onLine. Quiet once the input ends.
class StdinLines {
public:
    explicit StdinLines(std::function<void(const QString&)> onLine)
        : m_notifier(STDIN_FILENO, QSocketNotifier::Read), m_onLine(std::move(onLine)) {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, [this] { readSome(); });
    }

private:
    void readSome() {
        char chunk[4096];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            m_notifier.setEnabled(false); // the input ended (or failed): the loopback remains
            return;
        }
        m_pending.append(chunk, got);
        for (qsizetype end; (end = m_pending.indexOf('\n')) >= 0;) {
            const QString line = QString::fromUtf8(m_pending.left(end)).trimmed();
            m_pending.remove(0, end + 1);
            if (!line.isEmpty()) m_onLine(line);
        }
    }

    QSocketNotifier m_notifier;
    std::function<void(const QString&)> m_onLine;
    QByteArray m_pending;
};

// How long the command waits for the user to sign in in the browser.
constexpr int SignInWaitMs = 15 * 60 * 1000;

// Runs the OAuth2 sign-in for settings: prints the address to open, takes the
// loopback redirect or a pasted address, and returns the tokens. Raises.
OAuth2Tokens signIn(const OAuth2Settings& settings) {
    OAuth2SignIn flow(settings);
    flow.start();
    cliOut() << CliMailbox::tr("Open this address in a browser and sign in:") << '\n'
             << flow.authorizationUrl().toString(QUrl::FullyEncoded) << '\n'
             << CliMailbox::tr("When the browser runs on another machine, paste the address it "
                               "ends on here and press Enter.")
             << '\n';
    cliOut().flush();
    StdinLines lines([&flow](const QString& line) { flow.acceptRedirect(line); });
    const OAuth2Tokens tokens = flow.wait(SignInWaitMs);
    // A moment for the loopback address to finish its page to the browser.
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();
    return tokens;
}

int run(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty()) {
        const int current = currentSlot();
        for (int n = 1; n <= MailboxConfig::Count; ++n)
            printSlot(n, current);
        cliOut() << CliMailbox::tr("Passwords, client secrets and tokens are kept in %1.")
                        .arg(SecretStore::backendText())
                 << '\n';
        return ExitOk;
    }

    int setCurrent = 0, slot = 0;
    std::optional<QString> server, user, password, fingerprint;
    std::optional<MailSecurity> security;
    std::optional<MailSignIn> method;
    std::optional<MailProtocol> protocol;
    std::optional<SpamAction> spamAction;
    std::optional<QString> folder, spamFolder;
    std::optional<QString> provider, clientId, authUrl, tokenUrl, scope;
    bool clientSecret = false;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--current") && !args.isEmpty()) {
            if (!(setCurrent = slotNumber(args.takeFirst()))) return cliUsage("mailbox");
        } else if (arg == QLatin1String("--server") && !args.isEmpty()) {
            server = args.takeFirst().trimmed();
        } else if (arg == QLatin1String("--protocol") && !args.isEmpty()) {
            if (!(protocol = protocolFromWord(args.takeFirst()))) return cliUsage("mailbox");
        } else if (arg == QLatin1String("--folder") && !args.isEmpty()) {
            folder = args.takeFirst().trimmed();
        } else if (arg == QLatin1String("--spam-folder") && !args.isEmpty()) {
            spamFolder = args.takeFirst().trimmed();
        } else if (arg == QLatin1String("--spam-action") && !args.isEmpty()) {
            if (!(spamAction = spamActionFromWord(args.takeFirst()))) return cliUsage("mailbox");
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
                cliErr() << CliMailbox::tr("quillmere-cli mailbox: %1 is not a SHA-256 "
                                           "fingerprint (64 hexadecimal digits, pairs may be "
                                           "separated by ':')")
                                .arg(text)
                         << Qt::endl;
                return ExitUsage;
            }
        } else if (arg == QLatin1String("--oauth2") && !args.isEmpty()) {
            provider = args.takeFirst().trimmed().toLower();
            if (!OAuth2ProviderFromWord(*provider)) {
                cliErr() << CliMailbox::tr("quillmere-cli mailbox: %1 is not an OAuth2 provider "
                                           "(google, microsoft, custom)")
                                .arg(*provider)
                         << Qt::endl;
                return ExitUsage;
            }
        } else if (arg == QLatin1String("--client-id") && !args.isEmpty()) {
            clientId = args.takeFirst().trimmed();
        } else if (arg == QLatin1String("--client-secret-stdin")) {
            clientSecret = true;
        } else if (arg == QLatin1String("--auth-url") && !args.isEmpty()) {
            authUrl = args.takeFirst().trimmed();
        } else if (arg == QLatin1String("--token-url") && !args.isEmpty()) {
            tokenUrl = args.takeFirst().trimmed();
        } else if (arg == QLatin1String("--scope") && !args.isEmpty()) {
            scope = args.takeFirst().trimmed();
        } else if (arg == QLatin1String("--sign-in") && !args.isEmpty()) {
            if (!(method = signInFromWord(args.takeFirst()))) return cliUsage("mailbox");
        } else if (!slot && (slot = slotNumber(arg))) {
        } else {
            return cliUsage("mailbox");
        }
    }
    // The application's details go with a sign-in; one line of standard input
    // holds one secret; a sign-in is not also a change back to the password.
    const bool oauth2Details = clientId || clientSecret || authUrl || tokenUrl || scope;
    if ((oauth2Details && !provider) || (password && clientSecret) || (provider && method))
        return cliUsage("mailbox");
    const bool editsSlot = server || user || password || security || fingerprint || provider ||
                           method || protocol || folder || spamFolder || spamAction;
    if (editsSlot != (slot != 0) || (!editsSlot && !setCurrent)) return cliUsage("mailbox");
    if (server) {
        // The server text is read by the protocol the slot will have.
        MailboxConfig stored;
        stored.readFields(slot);
        if (const QString problem =
                MailboxConfig::serverTextProblem(*server, protocol.value_or(stored.Protocol));
            !problem.isEmpty()) {
            cliErr() << CliMailbox::tr("quillmere-cli mailbox: %1").arg(problem) << Qt::endl;
            return cliUsage("mailbox");
        }
    }

    ProfileLock lock;
    if (!cliLockProfile(lock)) return ExitProfileBusy;
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
            cliErr() << e.shown() << Qt::endl; // the old password is unreadable: none
            box.Password.clear();
        } catch (const ESecretStoreError& e) {
            // The stored secrets stay as they are unless a new password is given.
            cliErr() << e.shown() << Qt::endl;
        }
        // A slot taken into use starts with the new mailbox's protection.
        if (server && box.Server.isEmpty()) box.Security = MailboxConfig{}.Security;
        if (server) box.Server = *server;
        if (protocol) box.Protocol = box.OAuth2.Protocol = *protocol;
        if (folder) box.Folder = folder->isEmpty() ? QStringLiteral("INBOX") : *folder;
        if (spamFolder) box.JunkFolder = *spamFolder;
        if (spamAction) box.Action = *spamAction;
        if (security) box.Security = *security;
        if (fingerprint) box.TrustedCert = *fingerprint;
        if (user) box.UserName = *user;
        if (password) box.Password = readLine();
        if (method) box.SignIn = *method;
        if (provider) {
            box.SignIn = MailSignIn::OAuth2;
            box.OAuth2.Provider = *provider;
            if (clientId) box.OAuth2.ClientId = *clientId;
            if (clientSecret) box.OAuth2.ClientSecret = readLine();
            if (authUrl) box.OAuth2.AuthorizationUrl = *authUrl;
            if (tokenUrl) box.OAuth2.TokenUrl = *tokenUrl;
            if (scope) box.OAuth2.Scope = *scope;
        }
        const MailboxProblem problem = CheckMailbox(slot, box);
        if (provider) {
            // The sign-in comes first: a mailbox is changed only by one that
            // succeeded, and settings it would refuse are not tried.
            if (!problem.text.isEmpty()) {
                cliErr() << CliMailbox::tr("error: %1").arg(problem.text) << Qt::endl;
                return ExitFailure;
            }
            try {
                const OAuth2Tokens tokens = signIn(box.OAuth2);
                box.store(slot);
                StoreOAuth2Tokens(slot, tokens);
            } catch (const Exception& e) {
                cliErr() << CliMailbox::tr("error: the OAuth2 sign-in failed: %1").arg(e.shown())
                         << Qt::endl;
                return ExitFailure;
            }
            cliOut() << CliMailbox::tr("Signed in") << '\n';
        } else if (problem.field == MailboxProblem::SignIn) {
            // A sign-in the settings refuse is not stored: the slot stays as it was.
            cliErr() << CliMailbox::tr("error: %1").arg(problem.text) << Qt::endl;
            return ExitFailure;
        } else {
            // A slot still missing a field is stored as the general settings
            // store it, and named.
            box.store(slot);
            if (!problem.text.isEmpty()) {
                cliErr() << CliMailbox::tr("error: %1").arg(problem.text) << Qt::endl;
                rc = ExitFailure;
            }
        }
    }
    if (setCurrent) {
        SettingsStore tree = SettingsStore::tree();
        MailboxConfig::writeCurrentSlot(tree, setCurrent);
    }
    const int current = currentSlot();
    if (slot) printSlot(slot, current);
    if (setCurrent && setCurrent != slot) printSlot(setCurrent, current);
    return rc;
}

const CliCommand command(
    "mailbox",
    QT_TRANSLATE_NOOP("CliCommand",
                      "[N [--server HOST] [--user NAME] [--password-stdin] [--protocol pop3|imap] "
                      "[--folder NAME] [--spam-folder NAME] [--spam-action move|delete] "
                      "[--security tls|starttls|starttls-optional|none] [--trust-fingerprint "
                      "SHA256] [--oauth2 google|microsoft|custom --client-id ID "
                      "[--client-secret-stdin] [--auth-url URL --token-url URL [--scope SCOPE]]] "
                      "[--sign-in password|oauth2]] [--current N]"),
    QT_TRANSLATE_NOOP(
        "CliCommand",
        "list the twelve mailbox slots (passwords only as set or empty, OAuth2 as signed in "
        "or not), store slot N as the general settings do (the password read from the first "
        "line of standard input; a new mailbox is POP3 and requires STARTTLS, or uses TLS on "
        "port 995 (IMAP: 993); --protocol imap checks the folder --folder (INBOX) and moves "
        "spam into the Junk folder (--spam-folder names it; \"\" finds it on the server) or, "
        "with --spam-action delete, deletes it; "
        "--trust-fingerprint accepts the server certificate with that SHA-256 fingerprint "
        "although it fails verification, \"\" forgets it), or make slot N the current one; "
        "--oauth2 signs slot N in with OAuth2 through the application you registered with "
        "the provider (the client secret read from the first line of standard input): it "
        "prints the address to open and waits for the browser, or for the address the "
        "browser ended on pasted on standard input; --sign-in password goes back to the "
        "password"),
    run);
} // namespace
