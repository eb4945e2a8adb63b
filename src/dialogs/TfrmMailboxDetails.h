#pragma once

#include "settings/MailboxConfig.h"

#include <QDialog>
#include <memory>

class OAuth2SignIn;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The details of one mailbox slot that its row in the general settings has no
// room for: the protocol (with IMAP's folder, spam action and Junk folder), how
// the connection is protected, how the mailbox signs in (password or OAuth2,
// with the OAuth2 sign-in itself), and the certificate the user trusts for its
// server. OK takes them into the slot it was given; the
// general settings' OK stores them with the rest. The tokens of a sign-in are
// stored for the slot as soon as it succeeds, and "Forget cached headers"
// removes the mailbox's header cache at once.
class TfrmMailboxDetails : public QDialog {
    Q_OBJECT
public:
    // n is the slot's number; server is the server field as the row shows it now.
    TfrmMailboxDetails(MailboxConfig& box, int n, const QString& server, QWidget* parent = nullptr);
    ~TfrmMailboxDetails() override;

    // The choices the combo boxes show.
    MailProtocol protocol() const;
    SpamAction spamAction() const;
    MailSecurity security() const;
    // The fingerprint that OK keeps (empty after "Forget").
    const QString& trustedCert() const { return m_trusted; }
    // The sign-in method and OAuth2 settings the controls show.
    MailSignIn signIn() const;
    OAuth2Settings oauth2() const;
    // Whether a sign-in started with "Sign in..." is waiting for the browser.
    bool signingIn() const;
    // The header cache files of the mailbox: as stored, and as the row names
    // it now when that differs.
    QStringList headerCacheFiles() const;

    void accept() override;
    void reject() override;
    // The height the dialog's content takes at width (without scrolling).
    int contentHeight(int width) const;

    QComboBox* cbProtocol = nullptr;
    QLineEdit* edFolder = nullptr;
    QComboBox* cbSpamAction = nullptr;
    QLineEdit* edJunkFolder = nullptr;
    QLabel* lblProtocolNote = nullptr;
    QComboBox* cbSecurity = nullptr;
    QLabel* lblSecurityNote = nullptr;
    QLabel* lblTrusted = nullptr;
    QPushButton* btForget = nullptr;
    QComboBox* cbSignIn = nullptr;
    QComboBox* cbProvider = nullptr;
    QLineEdit* edClientId = nullptr;
    QLineEdit* edClientSecret = nullptr;
    QLineEdit* edAuthUrl = nullptr;
    QLineEdit* edTokenUrl = nullptr;
    QLineEdit* edScope = nullptr;
    QPushButton* btSignIn = nullptr;
    QPushButton* btCancelSignIn = nullptr;
    QLabel* lblSignInUrl = nullptr;
    QLineEdit* edSignInUrl = nullptr; // the address to open, for copying
    QLabel* lblSignInStatus = nullptr;
    QLabel* lblProblem = nullptr;
    QCheckBox* cbCacheHeaders = nullptr;
    QLabel* lblCache = nullptr;
    QPushButton* btForgetCache = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* buildProtocol();
    void showProtocolFields();
    QGroupBox* buildSignIn();
    QGroupBox* buildHeaderCache();
    void showHeaderCache();
    void fitHeight();
    void showTrusted();
    void showSecurityNote();
    void showSignInFields();
    void showStoredSignIn();
    void startSignIn();
    void signInFinished();

    MailboxConfig& m_box;
    int m_n;
    QString m_server;
    QString m_trusted;
    std::unique_ptr<OAuth2SignIn> m_signIn;
    QFormLayout* m_signInForm = nullptr;
    QFormLayout* m_protocolForm = nullptr;
    QWidget* m_body = nullptr; // everything that scrolls
    QDialogButtonBox* m_buttons = nullptr;
};
