// Secrets without a desktop keyring: run in a private D-Bus session where
// nothing provides a Secret Service (tests/support/keyring-session.sh
// --no-keyring), so the store is chosen as the program chooses it. Also the
// mailbox's sign-in fields in the settings tree.
#include "settings/GeneralSettings.h"
#include "settings/MailboxConfig.h"
#include "settings/SecretStore.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempProfile.h"
#include "support/TestFiles.h"

#include <QTimeZone>
#include <QtTest>

namespace {
const QString Server = QStringLiteral("Server");

QString inTree(const QString& ident) {
    return SettingsStore::tree().ReadString(Server, ident, QString());
}

MailboxConfig oauth2Mailbox() {
    MailboxConfig box(QStringLiteral("pop.example.org"), QStringLiteral("ann"), QString());
    box.SignIn = MailSignIn::OAuth2;
    box.OAuth2.ClientId = QStringLiteral("client-1");
    box.OAuth2.ClientSecret = QStringLiteral("client-secret");
    return box;
}
} // namespace

class TestSecretStoreFallback : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void withoutASecretServiceTheTreeIsTheStore() {
        QCOMPARE(SecretStore::backend(), SecretStore::Backend::SettingsTree);
        QCOMPARE(SecretStore::backendText(), QStringLiteral("the settings file (enciphered)"));
    }

    void anOldProfileReadsAsBeforeAndIsLeftAlone() {
        TempProfile profile;
        writeFile(SettingsStore::tree().path(),
                  "[Server]\r\nVersion161=161\r\nServer1=pop.example.org\r\nMailbox1=ann\r\n"
                  "Passwd1=" +
                      EncipherPassword(QStringLiteral("old-pass")).toLatin1() + "\r\n");
        const QByteArray before = readAll(SettingsStore::tree().path());

        ScriptedPrompter prompter;
        const std::optional<RemotePOPLoad> load =
            LoadRemotePOPSettings(1, prompter, SecretAccess::NeverPrompt);
        QVERIFY(load && load->passwordRead);
        QCOMPARE(load->mailbox.Password, QStringLiteral("old-pass"));
        QCOMPARE(load->mailbox.SignIn, MailSignIn::Password);
        QCOMPARE(load->mailbox.OAuth2, OAuth2Settings{});
        GeneralSettings g;
        g.load(prompter);
        QCOMPARE(g.mailbox(1).Password, QStringLiteral("old-pass"));
        QCOMPARE(prompter.texts(), QStringList());
        QCOMPARE(readAll(SettingsStore::tree().path()), before);
    }

    void secretsAndTokensAreKeptEnciphered() {
        TempProfile profile;
        GeneralSettings saved;
        saved.mailbox(2) = oauth2Mailbox();
        saved.saveMailboxes();
        const OAuth2Tokens tokens{QStringLiteral("access-tok"), QStringLiteral("refresh-tok"),
                                  QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5), QTimeZone::utc()), {}, {}};
        StoreOAuth2Tokens(2, tokens);

        const QByteArray file = readAll(SettingsStore::tree().path());
        for (const char* secret : {"client-secret", "access-tok", "refresh-tok"})
            QVERIFY2(!file.contains(secret), secret);
        QCOMPARE(DecipherPassword(inTree(SecretStore::clientSecretIdent(2))),
                 QStringLiteral("client-secret"));
        QCOMPARE(ReadOAuth2Tokens(2, SecretAccess::NeverPrompt), tokens);

        ScriptedPrompter prompter;
        GeneralSettings loaded;
        loaded.load(prompter);
        QCOMPARE(loaded.mailbox(2).OAuth2, saved.mailbox(2).OAuth2);

        // A cleared slot forgets its tokens and secret.
        loaded.mailbox(2) = MailboxConfig();
        loaded.saveMailboxes();
        QCOMPARE(ReadOAuth2Tokens(2, SecretAccess::NeverPrompt), std::nullopt);
        QCOMPARE(inTree(SecretStore::clientSecretIdent(2)), QString());
        QCOMPARE(inTree(SecretStore::tokensIdent(2)), QString());
    }

    void aSecretThatIsNotEncipheredTextFailsClearly() {
        TempProfile profile;
        SettingsStore::tree().WriteString(Server, SecretStore::tokensIdent(1),
                                          QStringLiteral("zz"));
        QVERIFY_THROWS_EXCEPTION(ESecretStoreError, ReadOAuth2Tokens(1, SecretAccess::NeverPrompt));
    }

    void signInFieldsAreStoredAndRead_data() {
        QTest::addColumn<QString>("ident");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const QString& ident, const char* text) {
            QTest::newRow(name) << ident << QString::fromUtf8(text);
        };
        row("sign-in", MailboxConfig::signInIdent(5), "oauth2");
        row("provider", MailboxConfig::oauth2ProviderIdent(5), "custom");
        row("client id", MailboxConfig::oauth2ClientIdIdent(5), "client-1");
        row("authorization address", MailboxConfig::oauth2AuthUrlIdent(5),
            "https://id.example.org/auth");
        row("token address", MailboxConfig::oauth2TokenUrlIdent(5), "https://id.example.org/token");
        row("scope", MailboxConfig::oauth2ScopeIdent(5), "pop offline_access");
    }
    void signInFieldsAreStoredAndRead() {
        QFETCH(QString, ident);
        QFETCH(QString, text);
        TempProfile profile;
        GeneralSettings saved;
        MailboxConfig& box = saved.mailbox(5);
        box = oauth2Mailbox();
        box.OAuth2.Provider = QStringLiteral("custom");
        box.OAuth2.AuthorizationUrl = QStringLiteral("https://id.example.org/auth");
        box.OAuth2.TokenUrl = QStringLiteral("https://id.example.org/token");
        box.OAuth2.Scope = QStringLiteral("pop offline_access");
        saved.saveMailboxes();
        QCOMPARE(inTree(ident), text);
        QVERIFY2(FindSettingsKey(Server, ident), "not in the key table");

        ScriptedPrompter prompter;
        GeneralSettings loaded;
        loaded.load(prompter);
        QCOMPARE(loaded.mailbox(5).SignIn, MailSignIn::OAuth2);
        QCOMPARE(loaded.mailbox(5).OAuth2, box.OAuth2);
    }

    void signInWordsRead_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<MailSignIn>("method");
        QTest::newRow("missing: stored before") << QString() << MailSignIn::Password;
        QTest::newRow("password") << QStringLiteral("password") << MailSignIn::Password;
        QTest::newRow("oauth2 in capitals") << QStringLiteral("OAuth2") << MailSignIn::OAuth2;
        QTest::newRow("edited by hand") << QStringLiteral("kerberos") << MailSignIn::Password;
    }
    void signInWordsRead() {
        QFETCH(QString, word);
        QFETCH(MailSignIn, method);
        TempProfile profile;
        SettingsGroup tree(SettingsStore::tree());
        tree.WriteString(Server, MailboxConfig::serverIdent(1), QStringLiteral("pop.example.org"));
        if (!word.isNull()) tree.WriteString(Server, MailboxConfig::signInIdent(1), word);
        tree.commit();
        MailboxConfig box;
        box.read(1);
        QCOMPARE(box.SignIn, method);
        QCOMPARE(box.OAuth2.Provider, QStringLiteral("google"));
    }
};

QTEST_GUILESS_MAIN(TestSecretStoreFallback)
#include "tst_secretstore_fallback.moc"
