// Secrets in a real desktop keyring: run inside a private D-Bus session with a
// fresh, unlocked keyring (tests/support/keyring-session.sh). The slots run in
// order; the last ones lock the keyring, which cannot be unlocked again
// without a prompt.
#include "settings/GeneralSettings.h"
#include "settings/MailboxConfig.h"
#include "settings/SecretStore.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempProfile.h"
#include "support/TestFiles.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QTimeZone>
#include <QtTest>

namespace {
const QString Server = QStringLiteral("Server");

QString inTree(const QString& ident) {
    return SettingsStore::tree().ReadString(Server, ident, QString());
}

// A profile stored before the keyring was used: slot 1 with its password
// enciphered in the tree, the version step done.
void writeOldProfile(const QString& password) {
    SettingsGroup tree(SettingsStore::tree());
    tree.WriteString(Server, QStringLiteral("Version161"), QStringLiteral("161"));
    tree.WriteString(Server, MailboxConfig::serverIdent(1), QStringLiteral("pop.example.org"));
    tree.WriteString(Server, MailboxConfig::userIdent(1), QStringLiteral("ann"));
    tree.WriteString(Server, MailboxConfig::passwordIdent(1), EncipherPassword(password));
    tree.commit();
}

void lockKeyring() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
        QStringLiteral("org.freedesktop.Secret.Service"), QStringLiteral("Lock"));
    call << QVariant::fromValue(QList<QDBusObjectPath>{
        QDBusObjectPath(QStringLiteral("/org/freedesktop/secrets/aliases/default"))});
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
}
} // namespace

class TestSecretStoreKeyring : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theKeyringIsTheStore() {
        QCOMPARE(SecretStore::backend(), SecretStore::Backend::Keyring);
        QCOMPARE(SecretStore::backendText(), QStringLiteral("the desktop keyring"));
    }

    void writesReadsAndRemovesOutsideTheTree() {
        TempProfile profile;
        const QString ident = MailboxConfig::passwordIdent(2);
        QCOMPARE(SecretStore::read(ident, SecretAccess::NeverPrompt), std::nullopt);
        SecretStore::write(ident, QStringLiteral("s3cret ü"));
        QCOMPARE(SecretStore::read(ident, SecretAccess::NeverPrompt), QStringLiteral("s3cret ü"));
        SecretStore::write(ident, QStringLiteral("changed"));
        QCOMPARE(SecretStore::read(ident, SecretAccess::NeverPrompt), QStringLiteral("changed"));
        QVERIFY(!QFile::exists(SettingsStore::tree().path()));

        SecretStore::remove(ident);
        QCOMPARE(SecretStore::read(ident, SecretAccess::NeverPrompt), std::nullopt);
        SecretStore::remove(ident); // nothing there: no failure
        SecretStore::write(ident, QStringLiteral("again"));
        SecretStore::write(ident, QString()); // an empty secret removes the entry
        QCOMPARE(SecretStore::read(ident, SecretAccess::NeverPrompt), std::nullopt);
    }

    void twoProfilesKeepTheirOwnEntries() {
        const QString ident = MailboxConfig::passwordIdent(1);
        TempProfile first;
        SecretStore::write(ident, QStringLiteral("first"));
        {
            TempProfile second;
            QCOMPARE(SecretStore::read(ident, SecretAccess::NeverPrompt), std::nullopt);
            SecretStore::write(ident, QStringLiteral("second"));
            QCOMPARE(SecretStore::read(ident, SecretAccess::NeverPrompt), QStringLiteral("second"));
            SecretStore::remove(ident);
        }
        QCOMPARE(SecretStore::read(ident, SecretAccess::NeverPrompt), QStringLiteral("first"));
        SecretStore::remove(ident);
    }

    void mailboxSecretsAndTokensRoundTrip() {
        TempProfile profile;
        GeneralSettings saved;
        saved.mailbox(4) = MailboxConfig(QStringLiteral("pop.example.net"), QStringLiteral("eve"),
                                         QStringLiteral("pass-word"));
        MailboxConfig& box = saved.mailbox(3);
        box = MailboxConfig(QStringLiteral("pop.example.org"), QStringLiteral("bob"), QString());
        box.SignIn = MailSignIn::OAuth2;
        box.OAuth2.ClientId = QStringLiteral("client-1");
        box.OAuth2.ClientSecret = QStringLiteral("client-secret");
        saved.saveMailboxes();
        const OAuth2Tokens tokens{QStringLiteral("access-tok"), QStringLiteral("refresh-tok"),
                                  QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5), QTimeZone::utc()), {}, {}};
        StoreOAuth2Tokens(3, tokens);

        const QByteArray file = readAll(SettingsStore::tree().path());
        for (const char* secret : {"pass-word", "client-secret", "access-tok", "refresh-tok"})
            QVERIFY2(!file.contains(secret), secret);
        QCOMPARE(inTree(MailboxConfig::passwordIdent(4)), QString());

        ScriptedPrompter prompter;
        GeneralSettings loaded;
        loaded.load(prompter, SecretAccess::NeverPrompt);
        QCOMPARE(prompter.texts(), QStringList());
        QCOMPARE(loaded.mailbox(4).Password, QStringLiteral("pass-word"));
        QCOMPARE(loaded.mailbox(3).OAuth2, box.OAuth2);
        QCOMPARE(ReadOAuth2Tokens(3, SecretAccess::NeverPrompt), tokens);

        // A slot that changes its sign-in keeps the other secret for a change
        // back; a cleared slot has its entries removed, the tokens with them.
        loaded.mailbox(4).SignIn = MailSignIn::OAuth2;
        loaded.saveMailboxes();
        QCOMPARE(SecretStore::read(MailboxConfig::passwordIdent(4), SecretAccess::NeverPrompt),
                 QStringLiteral("pass-word"));
        loaded.mailbox(3) = MailboxConfig();
        loaded.mailbox(4) = MailboxConfig();
        loaded.saveMailboxes();
        for (int n : {3, 4})
            for (const QString& ident :
                 {MailboxConfig::passwordIdent(n), SecretStore::clientSecretIdent(n),
                  SecretStore::tokensIdent(n)})
                QCOMPARE(SecretStore::read(ident, SecretAccess::NeverPrompt), std::nullopt);
    }

    void secretsNeverReadAreNotWrittenOver() {
        TempProfile profile;
        GeneralSettings saved;
        saved.mailbox(1) = MailboxConfig(QStringLiteral("pop.example.org"), QStringLiteral("ann"),
                                         QStringLiteral("kept"));
        saved.saveMailboxes();

        MailboxConfig box;
        box.readFields(1);
        QVERIFY(!box.SecretsRead);
        box.UserName = QStringLiteral("ann2");
        box.store(1);
        QCOMPARE(SecretStore::read(MailboxConfig::passwordIdent(1), SecretAccess::NeverPrompt),
                 QStringLiteral("kept"));
        // New text is written all the same.
        box.Password = QStringLiteral("typed");
        box.store(1);
        QCOMPARE(SecretStore::read(MailboxConfig::passwordIdent(1), SecretAccess::NeverPrompt),
                 QStringLiteral("typed"));
        SecretStore::remove(MailboxConfig::passwordIdent(1));
    }

    void anOldProfilesPasswordMovesIntoTheKeyring() {
        TempProfile profile;
        writeOldProfile(QStringLiteral("old-pass"));
        ScriptedPrompter prompter;
        const std::optional<RemotePOPLoad> load =
            LoadRemotePOPSettings(1, prompter, SecretAccess::NeverPrompt);
        QVERIFY(load);
        QVERIFY(load->passwordRead);
        QCOMPARE(load->mailbox.Password, QStringLiteral("old-pass"));
        QCOMPARE(load->secretNotice, QString());
        QCOMPARE(prompter.texts(), QStringList());
        QCOMPARE(inTree(MailboxConfig::passwordIdent(1)), QString());
        QCOMPARE(SecretStore::read(MailboxConfig::passwordIdent(1), SecretAccess::NeverPrompt),
                 QStringLiteral("old-pass"));

        // A password written into the tree later (a run without a keyring) is
        // the newer one and replaces the keyring's.
        SettingsStore::tree().WriteString(Server, MailboxConfig::passwordIdent(1),
                                          EncipherPassword(QStringLiteral("newer")));
        GeneralSettings g;
        g.load(prompter);
        QCOMPARE(g.mailbox(1).Password, QStringLiteral("newer"));
        QCOMPARE(inTree(MailboxConfig::passwordIdent(1)), QString());
        QCOMPARE(SecretStore::read(MailboxConfig::passwordIdent(1), SecretAccess::NeverPrompt),
                 QStringLiteral("newer"));
        SecretStore::remove(MailboxConfig::passwordIdent(1));
    }

    // From here on the keyring is locked.
    void aLockedKeyringIsNeverAskedInARunThatMayNotPrompt() {
        TempProfile profile;
        SecretStore::write(MailboxConfig::passwordIdent(1), QStringLiteral("kept"));
        writeOldProfile(QString());
        lockKeyring();

        QElapsedTimer clock;
        clock.start();
        try {
            SecretStore::read(MailboxConfig::passwordIdent(1), SecretAccess::NeverPrompt);
            QFAIL("a locked keyring was read");
        } catch (const ESecretStoreError& e) {
            QCOMPARE(e.message(),
                     QStringLiteral("The desktop keyring is locked, so the password of "
                                    "mailbox 1 could not be read; unlock it and check "
                                    "again"));
        }
        ScriptedPrompter prompter;
        const std::optional<RemotePOPLoad> load =
            LoadRemotePOPSettings(1, prompter, SecretAccess::NeverPrompt);
        QVERIFY(load);
        QVERIFY(!load->passwordRead);
        QCOMPARE(load->mailbox.Password, QString());
        QVERIFY(load->secretError.startsWith(QStringLiteral("The desktop keyring is locked")));
        QCOMPARE(prompter.texts(), QStringList());
        QVERIFY2(clock.elapsed() < 5000, "a locked keyring was waited for");

        // The general settings say it once, not once a slot, and keep every
        // slot's secrets as stored.
        SettingsStore::tree().WriteString(Server, MailboxConfig::serverIdent(2),
                                          QStringLiteral("pop.example.net"));
        GeneralSettings g;
        g.load(prompter, SecretAccess::NeverPrompt);
        QCOMPARE(prompter.texts().size(), 1);
        QVERIFY(!g.mailbox(1).SecretsRead);
        QVERIFY(!g.mailbox(2).SecretsRead);
        QCOMPARE(g.mailbox(2).Server, QStringLiteral("pop.example.net"));
    }

    void aPasswordTheKeyringDoesNotTakeStaysInTheTree() {
        TempProfile profile;
        writeOldProfile(QStringLiteral("old-pass"));
        const QString enciphered = inTree(MailboxConfig::passwordIdent(1));

        // A run that may not prompt leaves it for later, silently.
        ScriptedPrompter quiet;
        std::optional<RemotePOPLoad> load =
            LoadRemotePOPSettings(1, quiet, SecretAccess::NeverPrompt);
        QVERIFY(load && load->passwordRead);
        QCOMPARE(load->mailbox.Password, QStringLiteral("old-pass"));
        QCOMPARE(load->secretNotice, QString());
        QCOMPARE(inTree(MailboxConfig::passwordIdent(1)), enciphered);

        // One that may tries, is refused by the locked keyring, and says so.
        ScriptedPrompter prompter;
        load = LoadRemotePOPSettings(1, prompter, SecretAccess::MayPrompt);
        QVERIFY(load && load->passwordRead);
        QCOMPARE(load->mailbox.Password, QStringLiteral("old-pass"));
        QVERIFY2(load->secretNotice.startsWith(
                     QStringLiteral("The password of mailbox 1 stays in the settings file")),
                 qPrintable(load->secretNotice));
        QCOMPARE(prompter.texts(), QStringList{load->secretNotice});
        QCOMPARE(inTree(MailboxConfig::passwordIdent(1)), enciphered);

        // Saving writes the keyring first: refused, the tree is not replaced.
        const QByteArray before = readAll(SettingsStore::tree().path());
        GeneralSettings g;
        g.mailbox(1) = load->mailbox;
        g.mailbox(1).Password = QStringLiteral("changed");
        QVERIFY_THROWS_EXCEPTION(ESecretStoreError, g.saveMailboxes());
        QCOMPARE(readAll(SettingsStore::tree().path()), before);
    }
};

QTEST_GUILESS_MAIN(TestSecretStoreKeyring)
#include "tst_secretstore_keyring.moc"
