// An OAuth2 mailbox whose tokens are in a locked desktop keyring (a private
// D-Bus session with a keyring of its own, see tests/support/keyring-session.sh):
// a sweep fails it with the keyring's text at once and asks nothing.
#include "ControllerFixture.h"
#include "settings/SecretStore.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QtTest>

class TestMainOAuth2Keyring : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aLockedKeyringFailsTheMailboxInASweep() {
        QCOMPARE(SecretStore::backend(), SecretStore::Backend::Keyring);
        Harness h;
        MailboxConfig box{
            QStringLiteral("pop.example.org"), QStringLiteral("ann"), {}, MailSecurity::Tls};
        box.SignIn = MailSignIn::OAuth2;
        box.OAuth2.Provider = QStringLiteral("microsoft");
        box.OAuth2.ClientId = QStringLiteral("client");
        box.store(1);
        StoreOAuth2Tokens(1, {QStringLiteral("access"), QStringLiteral("refresh"),
                              QDateTime::currentDateTimeUtc().addSecs(3600), {}, {}});

        QDBusMessage lock = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
            QStringLiteral("org.freedesktop.Secret.Service"), QStringLiteral("Lock"));
        lock << QVariant::fromValue(QList<QDBusObjectPath>{
            QDBusObjectPath(QStringLiteral("/org/freedesktop/secrets/aliases/default"))});
        const QDBusMessage reply = QDBusConnection::sessionBus().call(lock);
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));

        MainController& c = h.start();
        h.view.visible = false;
        QList<SweptMailbox> swept;
        connect(&c, &MainController::mailboxSwept, this,
                [&](const SweptMailbox& m) { swept << m; });
        QElapsedTimer clock;
        clock.start();
        c.SweepNow();
        QCOMPARE(swept.size(), 1);
        QVERIFY2(swept[0].Failure.startsWith(QStringLiteral("The desktop keyring is locked")),
                 qPrintable(swept[0].Failure));
        QVERIFY(h.prompter.shown().isEmpty());
        QVERIFY2(clock.elapsed() < 10000, "a locked keyring was waited for");
    }
};

QTEST_GUILESS_MAIN(TestMainOAuth2Keyring)
#include "tst_mainoauth2_keyring.moc"
