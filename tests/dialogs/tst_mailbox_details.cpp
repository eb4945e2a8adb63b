// The mailbox details' sign-in: "Sign in..." with the browser played by a URL
// handler that follows the address to the tests' own provider, the tokens
// stored for the slot at once, a sign-in stopped while it waits, OK
// refusing OAuth2 over a connection that is not always encrypted, and the
// mailbox's header cache.
#include "dialogs/TfrmMailboxDetails.h"
#include "mail/cache/HeaderCache.h"
#include "settings/SecretStore.h"
#include "support/OAuthBrowser.h"
#include "support/TempProfile.h"
#include "support/servers/OAuthProvider.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Stands in for the desktop's browser: records the address and, when asked
// to, follows it.
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    bool follows = true;
    QList<QUrl> opened;
    OAuthBrowser browser;

public Q_SLOTS:
    void open(const QUrl& url) {
        opened << url;
        if (follows) browser.follow(url);
    }
};

namespace {
void chooseOAuth2(TfrmMailboxDetails& d, const QString& provider) {
    d.cbSignIn->setCurrentIndex(d.cbSignIn->findData(int(MailSignIn::OAuth2)));
    d.cbProvider->setCurrentIndex(d.cbProvider->findData(provider));
    d.edClientId->setText(QStringLiteral("quillmere-test"));
}
} // namespace

class TestMailboxDetails : public QObject {
    Q_OBJECT

    OAuthProvider m_provider;
    BrowserStandIn m_browser;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(m_provider.start(), qPrintable(m_provider.errorString()));
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    void signInButton_data() {
        QTest::addColumn<bool>("follows");
        QTest::newRow("browser-follows-tokens-stored") << true;
        QTest::newRow("stopped-while-waiting") << false;
    }

    // The sign-in runs with the dialog's current values while the dialog stays
    // usable; OK then keeps the method and the settings, the password too.
    void signInButton() {
        QFETCH(bool, follows);
        TempProfile profile;
        m_browser.follows = follows;
        m_browser.opened.clear();
        MailboxConfig box{QStringLiteral("pop.example.org"), QStringLiteral("ann"),
                          QStringLiteral("pw"), MailSecurity::StartTlsRequired};
        TfrmMailboxDetails d(box, 4, box.Server);
        d.show();
        QVERIFY(!d.btSignIn->isVisible());
        chooseOAuth2(d, QStringLiteral("custom"));
        QVERIFY(d.btSignIn->isVisible() && d.edTokenUrl->isVisible());
        QCOMPARE(d.lblSignInStatus->text(), QStringLiteral("Not signed in"));
        d.edAuthUrl->setText(m_provider.url(QStringLiteral("/authorize")).toString());
        d.edTokenUrl->setText(m_provider.url(QStringLiteral("/token")).toString());

        QTest::mouseClick(d.btSignIn, Qt::LeftButton);
        QCOMPARE(m_browser.opened.size(), 1);
        QCOMPARE(d.edSignInUrl->text(), m_browser.opened[0].toString(QUrl::FullyEncoded));
        QVERIFY(d.edSignInUrl->isVisible());
        if (follows) {
            QTRY_COMPARE_WITH_TIMEOUT(d.lblSignInStatus->text(), QStringLiteral("Signed in"),
                                      15000);
            QVERIFY(ReadOAuth2Tokens(4, SecretAccess::NeverPrompt));
        } else {
            QVERIFY(d.signingIn() && !d.btSignIn->isEnabled());
            QTest::mouseClick(d.btCancelSignIn, Qt::LeftButton);
            QTRY_VERIFY(d.lblSignInStatus->text().startsWith("The sign-in failed"));
            QVERIFY(!ReadOAuth2Tokens(4, SecretAccess::NeverPrompt));
        }
        QVERIFY(d.btSignIn->isEnabled());

        d.accept();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(box.SignIn, MailSignIn::OAuth2);
        QCOMPARE(box.OAuth2.Provider, QStringLiteral("custom"));
        QCOMPARE(box.OAuth2.ClientId, QStringLiteral("quillmere-test"));
        QCOMPARE(box.OAuth2.TokenUrl, m_provider.url(QStringLiteral("/token")).toString());
        QCOMPARE(box.Password, QStringLiteral("pw"));
    }

    void okNeedsEncryptionForOAuth2_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<int>("security");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("none-refused") << "pop.example.org" << int(MailSecurity::None) << false;
        QTest::newRow("starttls-if-offered-refused")
            << "pop.example.org" << int(MailSecurity::StartTlsOptional) << false;
        QTest::newRow("starttls-required")
            << "pop.example.org" << int(MailSecurity::StartTlsRequired) << true;
        QTest::newRow("port-995-means-tls")
            << "pop.example.org:995" << int(MailSecurity::None) << true;
        QTest::newRow("imap-port-993-means-tls")
            << "imap.example.org:993" << int(MailSecurity::None) << true;
        QTest::newRow("imap-port-995-is-no-tls-port")
            << "imap.example.org:995" << int(MailSecurity::None) << false;
    }

    void okNeedsEncryptionForOAuth2() {
        QFETCH(QString, server);
        QFETCH(int, security);
        QFETCH(bool, accepted);
        TempProfile profile;
        MailboxConfig box{server, QStringLiteral("ann"), QStringLiteral("pw"),
                          MailSecurity::StartTlsRequired};
        TfrmMailboxDetails d(box, 2, server);
        d.show();
        if (server.startsWith(QLatin1String("imap")))
            d.cbProtocol->setCurrentIndex(d.cbProtocol->findData(int(MailProtocol::Imap)));
        chooseOAuth2(d, QStringLiteral("microsoft"));
        QVERIFY(!d.edTokenUrl->isVisible());
        d.cbSecurity->setCurrentIndex(d.cbSecurity->findData(security));
        d.accept();
        QCOMPARE(d.isVisible(), !accepted);
        QCOMPARE(d.lblProblem->isVisible(), !accepted);
        QCOMPARE(box.SignIn, accepted ? MailSignIn::OAuth2 : MailSignIn::Password);
    }

    // The folder, the spam action and the Junk folder show for IMAP only (the
    // Junk folder only with "Move"), and OK takes them into the slot.
    void imapFieldsFollowTheProtocol() {
        TempProfile profile;
        MailboxConfig box{QStringLiteral("mail.example.org"), QStringLiteral("ann"),
                          QStringLiteral("pw")};
        TfrmMailboxDetails d(box, 4, box.Server);
        d.show();
        QVERIFY(d.cbProtocol->isVisible() && !d.edFolder->isVisible());
        QVERIFY(d.lblProtocolNote->text().contains("POP3 reaches only the inbox"));
        d.cbProtocol->setCurrentIndex(d.cbProtocol->findData(int(MailProtocol::Imap)));
        QVERIFY(d.edFolder->isVisible() && d.cbSpamAction->isVisible() &&
                d.edJunkFolder->isVisible());
        QCOMPARE(d.cbSpamAction->currentText(), QStringLiteral("Move to the Junk folder"));
        d.cbSecurity->setCurrentIndex(d.cbSecurity->findData(int(MailSecurity::Tls)));
        QVERIFY(d.lblSecurityNote->text().contains("port 993"));
        d.cbSpamAction->setCurrentIndex(d.cbSpamAction->findData(int(SpamAction::Delete)));
        QVERIFY(!d.edJunkFolder->isVisible());
        d.cbSpamAction->setCurrentIndex(d.cbSpamAction->findData(int(SpamAction::Move)));
        d.edFolder->setText(QStringLiteral("  "));
        d.edJunkFolder->setText(QStringLiteral(" Spam "));
        d.accept();
        QCOMPARE(box.Protocol, MailProtocol::Imap);
        QCOMPARE(box.Folder, QStringLiteral("INBOX"));
        QCOMPARE(box.Action, SpamAction::Move);
        QCOMPARE(box.JunkFolder, QStringLiteral("Spam"));
        QCOMPARE(box.OAuth2.Protocol, MailProtocol::Imap);
    }

    // An authorization or token address in plain http to another computer is
    // refused by "Sign in..." before any browser opens, and by OK; http to this
    // computer is taken.
    void plainHttpAddresses_data() {
        QTest::addColumn<QString>("authUrl");
        QTest::addColumn<QString>("tokenUrl");
        QTest::addColumn<QString>("refused"); // the address refused; empty: none
        QTest::newRow("https") << "https://id.example.org/authorize"
                               << "https://id.example.org/token"
                               << "";
        QTest::newRow("http-to-this-computer") << "http://127.0.0.1:9/authorize"
                                               << "http://localhost:9/token"
                                               << "";
        QTest::newRow("http-authorization-elsewhere") << "http://id.example.org/authorize"
                                                      << "https://id.example.org/token"
                                                      << "http://id.example.org/authorize";
        QTest::newRow("http-token-elsewhere") << "https://id.example.org/authorize"
                                              << "http://10.0.0.1/token"
                                              << "http://10.0.0.1/token";
    }

    void plainHttpAddresses() {
        QFETCH(QString, authUrl);
        QFETCH(QString, tokenUrl);
        QFETCH(QString, refused);
        TempProfile profile;
        m_browser.follows = false;
        m_browser.opened.clear();
        MailboxConfig box{QStringLiteral("pop.example.org"), QStringLiteral("ann"),
                          QStringLiteral("pw"), MailSecurity::StartTlsRequired};
        TfrmMailboxDetails d(box, 3, box.Server);
        d.show();
        chooseOAuth2(d, QStringLiteral("custom"));
        d.edAuthUrl->setText(authUrl);
        d.edTokenUrl->setText(tokenUrl);
        if (!refused.isEmpty()) {
            const QString text = QStringLiteral("address %1 is not an https address").arg(refused);
            QTest::mouseClick(d.btSignIn, Qt::LeftButton);
            QVERIFY2(d.lblSignInStatus->text().contains(text),
                     qPrintable(d.lblSignInStatus->text()));
            QVERIFY(m_browser.opened.isEmpty());
            d.accept();
            QVERIFY(d.isVisible());
            QVERIFY2(d.lblProblem->text().contains(text), qPrintable(d.lblProblem->text()));
            QCOMPARE(box.SignIn, MailSignIn::Password);
            return;
        }
        d.accept();
        QVERIFY(!d.isVisible());
        QCOMPARE(box.OAuth2.TokenUrl, tokenUrl);
    }

    void headerCache_data() {
        QTest::addColumn<int>("protocol");
        QTest::newRow("pop3") << int(MailProtocol::Pop3);
        QTest::newRow("imap-folder") << int(MailProtocol::Imap);
    }

    // "Forget cached headers" removes the kept headers at once, whatever the
    // dialog's answer; the switch is taken with OK.
    void headerCache() {
        QFETCH(int, protocol);
        TempProfile profile;
        MailboxConfig box{QStringLiteral("pop.example.org"), QStringLiteral("ann"),
                          QStringLiteral("pw"), MailSecurity::StartTlsRequired};
        box.Protocol = MailProtocol(protocol);
        if (box.Protocol == MailProtocol::Imap) box.Folder = QStringLiteral("Lists/Work");
        HeaderCache cache(box.cacheMailbox());
        cache.replace({{QStringLiteral("u1"), 100, TmsHeaders{QStringLiteral("Subject: kept")}}});
        QVERIFY(cache.save(box.headerCacheFile()));
        TfrmMailboxDetails d(box, 4, box.Server);
        d.show();
        QVERIFY(d.cbCacheHeaders->isChecked());
        QVERIFY(d.lblCache->text().startsWith(QStringLiteral("Kept now: ")));
        QVERIFY(d.btForgetCache->isEnabled());

        QTest::mouseClick(d.btForgetCache, Qt::LeftButton);

        QVERIFY(!QFile::exists(box.headerCacheFile()));
        QCOMPARE(d.lblCache->text(), QStringLiteral("None kept now."));
        QVERIFY(!d.btForgetCache->isEnabled());
        d.cbCacheHeaders->setChecked(false);
        d.accept();
        QVERIFY(!box.CacheHeaders);
    }
};

QTEST_MAIN(TestMailboxDetails)
#include "tst_mailbox_details.moc"
