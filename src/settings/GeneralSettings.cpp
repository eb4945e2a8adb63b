#include "settings/GeneralSettings.h"

#include "mail/Exceptions.h"
#include "settings/SettingsStore.h"

namespace {
const QString General = QStringLiteral("General");
const QString LogfileSection = QStringLiteral("Logfile");
const QString Server = QStringLiteral("Server");
} // namespace

void GeneralSettings::load(Prompter& prompter, SecretAccess access) {
    const SettingsGroup tree(SettingsStore::tree());
    Logfile = tree.ReadString(General, QStringLiteral("Logfile"), QString());
    Mailer = tree.ReadString(General, QStringLiteral("Mailer"), QString());
    AlarmFile = tree.ReadString(General, QStringLiteral("AlarmFile"), QString());
    Automatic = tree.ReadBool(General, QStringLiteral("Automatic"), false);
    Ask = tree.ReadBool(General, QStringLiteral("Ask"), true);
    Kill = tree.ReadBool(General, QStringLiteral("Kill"), false);
    Minutes = tree.ReadInteger(General, QStringLiteral("Minutes"), 10);
    Launch = tree.ReadBool(General, QStringLiteral("Launch"), true);
    Exit = tree.ReadBool(General, QStringLiteral("Exit"), false);
    Alarm = tree.ReadBool(General, QStringLiteral("Alarm"), true);
    Repeat = tree.ReadBool(General, QStringLiteral("Repeat"), true);
    RAS = tree.ReadInteger(General, QStringLiteral("RAS"), 0);
    RASName = tree.ReadString(General, QStringLiteral("RASName"), QString());
    Count = tree.ReadString(General, QStringLiteral("Count"), QStringLiteral("0"));
    SysTray = tree.ReadBool(General, QStringLiteral("SysTray"), false);
    Points = tree.ReadInteger(General, QStringLiteral("Points"), 0);

    Asis = tree.ReadBool(LogfileSection, QStringLiteral("Asis"), true);
    Quarter = tree.ReadBool(LogfileSection, QStringLiteral("Quarter"), false);
    Month = tree.ReadBool(LogfileSection, QStringLiteral("Month"), false);

    loadMailboxes(tree, prompter, access);
}

void GeneralSettings::save() const {
    SettingsGroup tree(SettingsStore::tree());
    tree.WriteString(General, QStringLiteral("Logfile"), Logfile);
    tree.WriteString(General, QStringLiteral("Mailer"), Mailer);
    tree.WriteString(General, QStringLiteral("AlarmFile"), AlarmFile);
    tree.WriteBool(General, QStringLiteral("Automatic"), Automatic);
    tree.WriteBool(General, QStringLiteral("Ask"), Ask);
    tree.WriteBool(General, QStringLiteral("Kill"), Kill);
    tree.WriteInteger(General, QStringLiteral("Minutes"), Minutes);
    tree.WriteBool(General, QStringLiteral("Launch"), Launch);
    tree.WriteBool(General, QStringLiteral("Exit"), Exit);
    tree.WriteBool(General, QStringLiteral("Alarm"), Alarm);
    tree.WriteBool(General, QStringLiteral("Repeat"), Repeat);
    tree.WriteInteger(General, QStringLiteral("RAS"), RAS);
    tree.WriteString(General, QStringLiteral("RASName"), RASName);
    tree.WriteString(General, QStringLiteral("Count"), Count);
    tree.WriteBool(General, QStringLiteral("SysTray"), SysTray);

    tree.WriteBool(LogfileSection, QStringLiteral("Asis"), Asis);
    tree.WriteBool(LogfileSection, QStringLiteral("Quarter"), Quarter);
    tree.WriteBool(LogfileSection, QStringLiteral("Month"), Month);
    tree.commit();
}

QString GeneralSettings::dialUpEntry(const QStringList& entries) const {
    const int index = dialUpIndex(entries);
    return index > 0 ? entries.at(index - 1) : QString();
}

int GeneralSettings::dialUpIndex(const QStringList& entries) const {
    if (!RASName.isEmpty()) return int(entries.indexOf(RASName)) + 1;
    return RAS >= 1 && RAS <= entries.size() ? RAS : 0;
}

void GeneralSettings::chooseDialUp(int index, const QStringList& entries) {
    const bool chosen = index >= 1 && index <= entries.size();
    RAS = chosen ? index : 0;
    RASName = chosen ? entries.at(index - 1) : QString();
}

void GeneralSettings::loadMailboxes(Prompter& prompter, SecretAccess access) {
    loadMailboxes(SettingsGroup(SettingsStore::tree()), prompter, access);
}

void GeneralSettings::loadMailboxes(const SettingsGroup& tree, Prompter& prompter,
                                    SecretAccess access) {
    Which = MailboxConfig::readCurrentSlot(tree);
    QStringList notices;
    // A keyring that refused once (locked, the unlock prompt cancelled) is not
    // asked again for the other slots: one message, and their secrets are
    // left as stored (see MailboxConfig::SecretsRead).
    bool keyringRefused = false;
    for (int n = 1; n <= MailboxConfig::Count; ++n) {
        if (keyringRefused) {
            mailbox(n).readFields(tree, n);
            continue;
        }
        try {
            mailbox(n).read(tree, n, access);
        } catch (const EConvertError& e) {
            prompter.error(e.message());
            continue;
        } catch (const ESecretStoreError& e) {
            prompter.error(e.message());
            keyringRefused = true;
            continue;
        }
        if (mailbox(n).inUse()) {
            const QString notice = MoveSecretsIntoStore(n, access);
            if (!notice.isEmpty()) notices.append(notice);
        }
    }
    if (!notices.isEmpty())
        prompter.message(notices.join(u'\n'), Prompter::Icon::Warning, Prompter::Buttons::Ok);
}

void GeneralSettings::saveMailboxes() const {
    SettingsGroup tree(SettingsStore::tree());
    MailboxConfig::writeCurrentSlot(tree, Which);
    // Each slot writes its secrets to the keyring (when it is the store)
    // before the tree is committed: a failed write raises and commits nothing.
    for (int n = 1; n <= MailboxConfig::Count; ++n)
        mailbox(n).store(tree, n);
    tree.commit();
}

void GeneralSettings::savePoints() const {
    SettingsStore::tree().WriteInteger(General, QStringLiteral("Points"), Points);
}
