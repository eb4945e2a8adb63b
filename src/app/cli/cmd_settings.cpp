// quillmere-cli settings: every key with its effective value, one key, or a
// new text for one key.
#include "CliCommand.h"
#include "mail/Exceptions.h"
#include "settings/ProfileLock.h"
#include "settings/SettingsKeys.h"

namespace {
struct CliSettings {
    Q_DECLARE_TR_FUNCTIONS(CliSettings)
};

QString shown(const SettingsKey& key) {
    const QString value = key.readEffective();
    if (key.secret) return value.isEmpty() ? CliSettings::tr("(empty)") : CliSettings::tr("(set)");
    return value;
}

void printKey(const SettingsKey& key) {
    cliOut() << key.section << '/' << key.ident << '=' << shown(key) << '\n';
}

// Lists every key; a value that cannot be read is named and the listing goes on.
int printAll() {
    int rc = ExitOk;
    bool treeHeader = false, iniHeader = false;
    for (const SettingsKey& key : AllSettingsKeys()) {
        const bool tree = key.store == SettingsStore::Kind::Tree;
        bool& header = tree ? treeHeader : iniHeader;
        if (!header) {
            cliOut() << (iniHeader || treeHeader ? "\n" : "")
                     << (tree ? CliSettings::tr("# settings tree: %1")
                              : CliSettings::tr("# settings file: %1"))
                            .arg(key.openStore().path())
                     << '\n';
            header = true;
        }
        try {
            printKey(key);
        } catch (const Exception& e) {
            cliOut() << key.section << '/' << key.ident << '=' << CliSettings::tr("(unreadable)")
                     << '\n';
            cliErr() << e.shown() << Qt::endl;
            rc = ExitFailure;
        }
    }
    return rc;
}

const SettingsKey* parseKey(const QString& arg) {
    const qsizetype slash = arg.indexOf(QLatin1Char('/'));
    const SettingsKey* key =
        slash > 0 ? FindSettingsKey(arg.left(slash), arg.mid(slash + 1)) : nullptr;
    if (!key)
        cliErr()
            << CliSettings::tr(
                   "quillmere-cli settings: unknown key \"%1\" (quillmere-cli settings lists them)")
                   .arg(arg)
            << Qt::endl;
    return key;
}

int run(const QStringList& args) {
    if (args.isEmpty()) return printAll();
    if (args.size() > 2) return cliUsage("settings");
    const SettingsKey* key = parseKey(args[0]);
    if (!key) return ExitUsage;
    if (args.size() == 2) {
        const std::optional<QString> text = key->storedText(args[1]);
        if (!text) {
            const QString name = key->section + u'/' + key->ident;
            cliErr() << (key->type == SettingsKey::Type::Boolean
                             ? CliSettings::tr("quillmere-cli settings: %1 takes true, false, 1 or "
                                               "0, not \"%2\"")
                             : CliSettings::tr(
                                   "quillmere-cli settings: %1 takes a number (decimal, "
                                   "or hexadecimal after 0x), not \"%2\""))
                            .arg(name, args[1])
                     << Qt::endl;
            return ExitUsage;
        }
        ProfileLock lock;
        if (!cliLockProfile(lock)) return ExitProfileBusy;
        key->openStore().WriteString(key->section, key->ident, *text);
    }
    printKey(*key);
    return ExitOk;
}

const CliCommand command("settings", QT_TRANSLATE_NOOP("CliCommand", "[SECTION/IDENT [VALUE]]"),
                         QT_TRANSLATE_NOOP("CliCommand",
                                           "show every setting with its effective value, show "
                                           "one, or write VALUE into one (a number in decimal or "
                                           "after 0x; true, false, 1 or 0 for a switch, stored as "
                                           "1 or 0; passwords show only as set or empty)"),
                         run);
} // namespace
