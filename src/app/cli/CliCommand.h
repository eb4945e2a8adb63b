#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <vector>

class ProfileLock;

// Exit statuses shared by the commands.
enum CliExit {
    ExitOk = 0,
    ExitFailure = 1,
    ExitUsage = 2,
    ExitMailWaiting = 3,   // a sweep stopped at a mailbox with waiting mail
    ExitProfileBusy = 75,  // another Quillmere holds the profile
};

// One subcommand of quillmere-cli. Each command file defines a static instance,
// which registers itself; main() dispatches on the first argument. The usage and
// summary are English source texts, marked with QT_TRANSLATE_NOOP("CliCommand", ...)
// and translated where they are printed.
class CliCommand {
    Q_DECLARE_TR_FUNCTIONS(CliCommand)
public:
    using Handler = int (*)(const QStringList& args);

    CliCommand(const char* name, const char* usage, const char* summary, Handler handler);

    const char* name;
    const char* usage;   // arguments after the name, for --help
    const char* summary; // one line for --help
    Handler handler;

    // The usage in the user's language (option names stay as they are).
    QString usageText() const;
    // The summary in the user's language.
    QString summaryText() const;
    // "usage: quillmere-cli NAME USAGE" in the user's language.
    QString usageLine() const;

    // Every registered command, sorted by name.
    static std::vector<const CliCommand*> all();
};

// Standard output and standard error, UTF-8.
QTextStream& cliOut();
QTextStream& cliErr();

// Prints "quillmere-cli NAME USAGE" to standard error and returns ExitUsage.
int cliUsage(const char* name);

// Takes lock for a command that writes to the profile. When another Quillmere
// holds the profile, says so on standard error and returns false: the command
// then changes nothing and returns ExitProfileBusy.
bool cliLockProfile(ProfileLock& lock);
