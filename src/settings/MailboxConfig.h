#pragma once

#include "settings/Prompter.h"
#include "settings/SettingsStore.h"

#include <QString>
#include <optional>

// One of the twelve mailbox slots (numbered 1 to 12). The password is plain text
// in memory and enciphered in the settings tree. A slot with an empty server is
// not in use.
struct MailboxConfig {
    static constexpr int Count = 12;

    QString Server;
    QString UserName;
    QString Password;

    bool inUse() const { return !Server.isEmpty(); }

    // The idents of slot n in section "Server": "Server"n, "Mailbox"n, "Passwd"n.
    static QString serverIdent(int n);
    static QString userIdent(int n);
    static QString passwordIdent(int n);

    // Writes slot n to the settings tree: server and user name as typed, the
    // password enciphered (empty text for no password). Throws EFileError.
    void store(int n) const;
    // The same as part of a group of writes to the settings tree (written on its commit).
    void store(SettingsGroup& tree, int n) const;
    // Reads slot n from the settings tree. Throws EConvertError when the stored
    // password is not hexadecimal pairs; Server and UserName are then read and
    // Password is left as it was.
    void read(int n);
    // The same from a group of reads of the settings tree.
    void read(const SettingsGroup& tree, int n);
};

// What is missing in slot n, as the general settings' OK reports it: a server
// without a user name, a user name without a server, or a complete pair without
// a password. Field None (and an empty text) for a complete or unused slot.
struct MailboxProblem {
    enum Field { None, UserName, Server, Password };
    Field field = None;
    QString text;
};
MailboxProblem CheckMailbox(int n, const MailboxConfig& box);

// Enciphers a password for the settings tree with the shared key; empty stays empty.
QString EncipherPassword(const QString& plain);
// Deciphers a stored password; empty stays empty. Throws EConvertError.
QString DecipherPassword(const QString& stored);

// The settings-tree half of GetRemotePOPSettings: runs the one-time version step
// (warning through prompter and clearing every stored password when an older
// store holds a password for slot n) and returns slot n once the store is
// current, nothing on the step's own run. A stored password that cannot be
// deciphered is reported through prompter and left out (Password empty,
// passwordRead false).
struct RemotePOPLoad {
    MailboxConfig mailbox;
    bool passwordRead = true;
};
std::optional<RemotePOPLoad> LoadRemotePOPSettings(int n, Prompter& prompter);

// Loads mailbox n from the settings tree into client (anything with the public
// fields Server, UserName and Password), after the one-time version step. Returns
// whether it loaded; on the version step's own run the client is left as it was.
// A password that cannot be deciphered is reported and the client's password emptied.
template <typename Client> bool GetRemotePOPSettings(int n, Client& client, Prompter& prompter) {
    const std::optional<RemotePOPLoad> load = LoadRemotePOPSettings(n, prompter);
    if (!load) return false;
    client.Server = load->mailbox.Server;
    client.UserName = load->mailbox.UserName;
    // A password that could not be read is cleared, never kept from the slot
    // loaded before: that one belongs to another server.
    client.Password = load->passwordRead ? load->mailbox.Password : QString();
    return true;
}
