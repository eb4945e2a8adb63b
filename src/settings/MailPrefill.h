#pragma once

#include <QString>
#include <optional>

// What other mail programs on this machine say about the user's mail: the
// first IMAP or POP3 account of the Thunderbird profile in use, and the
// desktop's default mail program. Everything is only read; missing data reads
// as nothing.

// An IMAP or POP3 account found in another program's settings (never its password).
struct PrefillAccount {
    QString Protocol = QStringLiteral("pop3"); // "pop3" or "imap"
    QString Server;                            // the host name
    int Port = 110;                            // the port the account uses
    QString UserName;
    // How the connection is secured: "tls" (from the start), "starttls",
    // "starttls-optional" or "none".
    QString Security;

    // The account as a mailbox's server field: the host, with ":port" when the
    // port is not the usual one, behind "pop3s://" or "imaps://" when TLS
    // starts at once.
    QString serverText() const;
};

// The first IMAP or POP3 account, in the account manager's order, of the
// Thunderbird profile in use under home (~/.thunderbird, or its Flatpak or
// Snap folder): the profile named by the "Default" of profiles.ini's
// [Install...] section, else the profile marked "Default=1".
std::optional<PrefillAccount> ThunderbirdMailAccount(const QString& home);

// The desktop's default mail program as a command line: the handler of
// "x-scheme-handler/mailto" in the XDG mimeapps.list files (or, without a
// default, the first in the applications' mimeinfo.cache), taken from the
// Exec line of its .desktop file without the field codes. Empty when none.
QString GetMailPath();

// The command line of a .desktop file's Exec value: its words without the field
// codes (%u, %U, %f, ...; "%%" is a percent sign), a word holding a space quoted
// so that the program's command splitting gives it back whole.
QString CommandFromDesktopExec(const QString& exec);
