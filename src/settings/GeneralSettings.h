#pragma once

#include "settings/MailboxConfig.h"
#include "settings/Prompter.h"

#include <QString>
#include <array>

// The general settings: sections "General" and "Logfile" of the settings tree,
// the twelve mailboxes and the current one. Fields carry their defaults; each
// is named after its ident.
class GeneralSettings {
public:
    // Section "General".
    QString Logfile;   // activity log path; empty: the dialog puts the default
    QString Mailer;    // the user's mail program
    QString AlarmFile; // sound played when mail is waiting
    bool Automatic = false;
    bool Ask = true;
    bool Kill = false;
    int Minutes = 10;
    bool Launch = true;
    bool Exit = false;
    bool Alarm = true;
    bool Repeat = true;
    int RAS = 0;     // the dial-up entry's position after "None" (0: none)
    QString RASName; // its name; empty for none or when stored before names were kept
    QString Count = QStringLiteral("0"); // spam messages deleted so far, decimal text
    bool SysTray = false;
    int Points = 0; // the About box's score

    // Section "Logfile": the log's naming mode, exactly one true.
    bool Asis = true;
    bool Quarter = false;
    bool Month = false;

    // Section "Server": the current mailbox and the twelve slots.
    int Which = 1;
    std::array<MailboxConfig, MailboxConfig::Count> Mailboxes;

    // The dial-up entry chosen among entries (the connections offered after
    // "None", in their order): the one named RASName wherever the list has it
    // now; without a name (settings from before names were kept) the one at
    // position RAS; otherwise none (empty). A name the list no longer has is
    // none, never another connection.
    QString dialUpEntry(const QStringList& entries) const;
    // The position of dialUpEntry() in entries, from 1; 0 for none.
    int dialUpIndex(const QStringList& entries) const;
    // Chooses the entry at position index of entries (0: none): RAS and RASName.
    void chooseDialUp(int index, const QStringList& entries);

    // Mailbox n (1 to 12).
    MailboxConfig& mailbox(int n) { return Mailboxes.at(n - 1); }
    const MailboxConfig& mailbox(int n) const { return Mailboxes.at(n - 1); }

    // Reads sections "General" and "Logfile", then the mailboxes (loadMailboxes),
    // in one opening of the settings tree.
    void load(Prompter& prompter, SecretAccess access = SecretAccess::MayPrompt);
    // Writes section "General" (all but Points) and section "Logfile" in one
    // replacement of the settings tree. Throws EFileError.
    void save() const;

    // Reads "Which" and the twelve slots with their secrets; a secret that
    // cannot be read (not deciphered, or a keyring that refused) is reported
    // through prompter and left as it was. With the keyring in use, secrets a
    // slot still holds in the tree are moved into it; the prompter says which
    // stayed in the tree.
    void loadMailboxes(Prompter& prompter, SecretAccess access = SecretAccess::MayPrompt);
    // Writes "Which" first, then slots 1 to 12 (MailboxConfig::store: the
    // secrets into the keyring first when it is the store), in one
    // replacement of the settings tree. Throws EFileError or ESecretStoreError.
    void saveMailboxes() const;

    // Writes "Points" alone (the About box, when it closes).
    void savePoints() const;

private:
    void loadMailboxes(const SettingsGroup& tree, Prompter& prompter, SecretAccess access);
};
