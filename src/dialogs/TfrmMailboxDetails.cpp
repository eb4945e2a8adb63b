#include "dialogs/TfrmMailboxDetails.h"

#include "dialogs/PasswordStyle.h"
#include "dialogs/WindowSize.h"
#include "mail/Exceptions.h"
#include "mail/oauth/OAuth2Flow.h"
#include "settings/SecretStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr MailSecurity Choices[] = {MailSecurity::Tls, MailSecurity::StartTlsRequired,
                                    MailSecurity::StartTlsOptional, MailSecurity::None};

QLabel* wrapped(const QString& text) {
    auto* l = new QLabel(text);
    l->setWordWrap(true);
    return l;
}
} // namespace

TfrmMailboxDetails::TfrmMailboxDetails(MailboxConfig& box, int n, const QString& server,
                                       QWidget* parent)
    : QDialog(parent), m_box(box), m_n(n), m_server(server.trimmed()), m_trusted(box.TrustedCert) {
    setObjectName(QStringLiteral("frmMailboxDetails"));
    setWindowTitle(tr("Mailbox %1 details").arg(n));
    setModal(true);

    // Everything but OK and Cancel scrolls, so that the dialog fits a small or
    // strongly scaled screen.
    auto* body = new QWidget;
    m_body = body;
    auto* v = new QVBoxLayout(body);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(wrapped(m_server.isEmpty() ? tr("Mailbox %1 has no server yet.").arg(n)
                                            : tr("Mailbox %1 on %2").arg(n).arg(m_server)));

    v->addWidget(buildProtocol());

    auto* form = new QFormLayout;
    cbSecurity = new QComboBox;
    cbSecurity->setObjectName(QStringLiteral("cbSecurity"));
    for (MailSecurity s : Choices)
        cbSecurity->addItem(securityName(s), int(s));
    cbSecurity->setCurrentIndex(cbSecurity->findData(int(box.Security)));
    form->addRow(tr("Security:"), cbSecurity);
    v->addLayout(form);

    lblSecurityNote = wrapped({});
    lblSecurityNote->setObjectName(QStringLiteral("lblSecurityNote"));
    v->addWidget(lblSecurityNote);
    connect(cbSecurity, &QComboBox::currentIndexChanged, this,
            &TfrmMailboxDetails::showSecurityNote);

    v->addSpacing(8);
    v->addWidget(buildSignIn());

    v->addSpacing(8);
    v->addWidget(new QLabel(tr("Trusted certificate (SHA-256 fingerprint):")));
    auto* row = new QHBoxLayout;
    lblTrusted = new QLabel;
    lblTrusted->setObjectName(QStringLiteral("lblTrusted"));
    lblTrusted->setWordWrap(true);
    lblTrusted->setTextInteractionFlags(Qt::TextSelectableByMouse);
    btForget = new QPushButton(tr("Forget"));
    btForget->setObjectName(QStringLiteral("btForget"));
    connect(btForget, &QPushButton::clicked, this, [this] {
        m_trusted.clear();
        showTrusted();
    });
    row->addWidget(lblTrusted, 1);
    row->addWidget(btForget, 0, Qt::AlignTop);
    v->addLayout(row);
    v->addWidget(wrapped(
        tr("A certificate is trusted here when a check you started failed on it and you chose "
           "\"Trust this certificate and check again\". Only that very certificate is accepted; "
           "a server that shows another one fails again.")));

    v->addSpacing(8);
    v->addWidget(buildHeaderCache());
    v->addStretch(1);

    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrollDetails"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(body);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(scroll, 1);

    lblProblem = wrapped({});
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setStyleSheet(QStringLiteral("color: #b00020"));
    lblProblem->hide();
    outer->addWidget(lblProblem);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(m_buttons);

    showProtocolFields();
    showSecurityNote();
    showTrusted();
    showSignInFields();
    showStoredSignIn();
    showHeaderCache();
    // The width is the user's; the height always that of the content.
    const QMargins m = outer->contentsMargins();
    setMinimumWidth(body->minimumSizeHint().width() + m.left() + m.right() +
                    scroll->verticalScrollBar()->sizeHint().width());
    WindowSize::keep(this, QStringLiteral("MailboxDetails"), QSize(560, 400));
    fitHeight();
}

int TfrmMailboxDetails::contentHeight(int width) const {
    const QLayout* outer = layout();
    const QMargins m = outer->contentsMargins();
    // Measured as wrapped beside a scroll bar: the height found then leaves
    // no need for one.
    const int inner = width - m.left() - m.right() - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QLayout* body = m_body->layout();
    int height = body->hasHeightForWidth() ? body->totalHeightForWidth(inner)
                                           : body->totalSizeHint().height();
    height += m.top() + m.bottom() + outer->spacing() + m_buttons->sizeHint().height();
    if (lblProblem->isVisibleTo(this))
        height += outer->spacing() + lblProblem->heightForWidth(inner);
    return height;
}

void TfrmMailboxDetails::fitHeight() {
    int room = QWIDGETSIZE_MAX;
    if (const QScreen* where = screen()) room = where->availableGeometry().height() - 48;
    resize(width(), qMin(contentHeight(width()), room));
}

void TfrmMailboxDetails::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fitHeight();
}

TfrmMailboxDetails::~TfrmMailboxDetails() = default;

QGroupBox* TfrmMailboxDetails::buildProtocol() {
    auto* group = new QGroupBox(tr("Protocol and folders"));
    group->setObjectName(QStringLiteral("grpProtocol"));
    auto* v = new QVBoxLayout(group);
    m_protocolForm = new QFormLayout;
    m_protocolForm->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    cbProtocol = new QComboBox;
    cbProtocol->setObjectName(QStringLiteral("cbProtocol"));
    cbProtocol->addItem(QStringLiteral("POP3"), int(MailProtocol::Pop3));
    cbProtocol->addItem(QStringLiteral("IMAP"), int(MailProtocol::Imap));
    cbProtocol->setCurrentIndex(cbProtocol->findData(int(m_box.Protocol)));
    m_protocolForm->addRow(tr("Protocol:"), cbProtocol);
    edFolder = new QLineEdit(m_box.Folder);
    edFolder->setObjectName(QStringLiteral("edFolder"));
    edFolder->setPlaceholderText(QStringLiteral("INBOX"));
    m_protocolForm->addRow(tr("Folder to check:"), edFolder);
    cbSpamAction = new QComboBox;
    cbSpamAction->setObjectName(QStringLiteral("cbSpamAction"));
    cbSpamAction->addItem(tr("Move to the Junk folder"), int(SpamAction::Move));
    cbSpamAction->addItem(tr("Delete"), int(SpamAction::Delete));
    cbSpamAction->setCurrentIndex(cbSpamAction->findData(int(m_box.Action)));
    m_protocolForm->addRow(tr("Spam:"), cbSpamAction);
    edJunkFolder = new QLineEdit(m_box.JunkFolder);
    edJunkFolder->setObjectName(QStringLiteral("edJunkFolder"));
    edJunkFolder->setPlaceholderText(tr("Found on the server"));
    m_protocolForm->addRow(tr("Junk folder:"), edJunkFolder);
    v->addLayout(m_protocolForm);
    lblProtocolNote = wrapped({});
    lblProtocolNote->setObjectName(QStringLiteral("lblProtocolNote"));
    v->addWidget(lblProtocolNote);
    for (QComboBox* box : {cbProtocol, cbSpamAction})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            lblProblem->hide();
            showProtocolFields();
            showSecurityNote();
            showStoredSignIn();
        });
    return group;
}

void TfrmMailboxDetails::showProtocolFields() {
    const bool imap = protocol() == MailProtocol::Imap;
    for (QWidget* w : {static_cast<QWidget*>(edFolder), static_cast<QWidget*>(cbSpamAction)})
        m_protocolForm->setRowVisible(w, imap);
    m_protocolForm->setRowVisible(edJunkFolder, imap && spamAction() == SpamAction::Move);
    QString text;
    if (!imap)
        text = tr("POP3 reaches only the inbox; marked messages are deleted for good.");
    else if (spamAction() == SpamAction::Move)
        text = tr("Only sizes and headers are downloaded. Marked messages are moved "
                  "into the Junk folder, where you can still get them back. Left "
                  "empty, the Junk folder is the one the server marks as such, else "
                  "\"Junk\" or \"Spam\", else a folder \"Junk\" made at the first "
                  "move.");
    else
        text = tr("Only sizes and headers are downloaded. Marked messages are deleted "
                  "for good.");
    lblProtocolNote->setText(text);
    if (isVisible()) fitHeight();
}

MailProtocol TfrmMailboxDetails::protocol() const {
    return MailProtocol(cbProtocol->currentData().toInt());
}

SpamAction TfrmMailboxDetails::spamAction() const {
    return SpamAction(cbSpamAction->currentData().toInt());
}

QGroupBox* TfrmMailboxDetails::buildSignIn() {
    auto* group = new QGroupBox(tr("Sign-in"));
    group->setObjectName(QStringLiteral("grpSignIn"));
    auto* v = new QVBoxLayout(group);
    m_signInForm = new QFormLayout;
    m_signInForm->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    auto line = [this](const char* name, const QString& text) {
        auto* e = new QLineEdit(text);
        e->setObjectName(QLatin1String(name));
        connect(e, &QLineEdit::textEdited, this, [this] { lblProblem->hide(); });
        return e;
    };

    cbSignIn = new QComboBox;
    cbSignIn->setObjectName(QStringLiteral("cbSignIn"));
    cbSignIn->addItem(tr("Password"), int(MailSignIn::Password));
    cbSignIn->addItem(QStringLiteral("OAuth2"), int(MailSignIn::OAuth2));
    cbSignIn->setCurrentIndex(cbSignIn->findData(int(m_box.SignIn)));
    m_signInForm->addRow(tr("Method:"), cbSignIn);

    cbProvider = new QComboBox;
    cbProvider->setObjectName(QStringLiteral("cbProvider"));
    for (const OAuth2Provider& p : OAuth2Providers())
        cbProvider->addItem(p.Name, p.Word);
    const int provider = cbProvider->findData(m_box.OAuth2.Provider.toLower());
    cbProvider->setCurrentIndex(provider >= 0 ? provider : cbProvider->count() - 1);
    m_signInForm->addRow(tr("Provider:"), cbProvider);

    const OAuth2Settings& o = m_box.OAuth2;
    edClientId = line("edClientId", o.ClientId);
    m_signInForm->addRow(tr("Client ID:"), edClientId);
    edClientSecret = line("edClientSecret", o.ClientSecret);
    edClientSecret->setEchoMode(QLineEdit::Password);
    UseStarPasswordCharacter(edClientSecret);
    if (!m_box.SecretsRead && o.ClientSecret.isEmpty())
        edClientSecret->setPlaceholderText(tr("(kept as stored)"));
    m_signInForm->addRow(tr("Client secret:"), edClientSecret);
    edAuthUrl = line("edAuthUrl", o.AuthorizationUrl);
    m_signInForm->addRow(tr("Authorization address:"), edAuthUrl);
    edTokenUrl = line("edTokenUrl", o.TokenUrl);
    m_signInForm->addRow(tr("Token address:"), edTokenUrl);
    edScope = line("edScope", o.Scope);
    m_signInForm->addRow(tr("Scope:"), edScope);
    v->addLayout(m_signInForm);

    auto* row = new QHBoxLayout;
    btSignIn = new QPushButton(tr("Sign in..."));
    btSignIn->setObjectName(QStringLiteral("btSignIn"));
    btSignIn->setToolTip(
        tr("Opens the provider's sign-in page in your browser and stores the tokens "
           "it grants for this mailbox"));
    btCancelSignIn = new QPushButton(tr("Stop signing in"));
    btCancelSignIn->setObjectName(QStringLiteral("btCancelSignIn"));
    lblSignInStatus = new QLabel;
    lblSignInStatus->setObjectName(QStringLiteral("lblSignInStatus"));
    lblSignInStatus->setWordWrap(true);
    lblSignInStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(btSignIn, 0, Qt::AlignTop);
    row->addWidget(btCancelSignIn, 0, Qt::AlignTop);
    row->addWidget(lblSignInStatus, 1);
    v->addLayout(row);

    lblSignInUrl = wrapped(
        tr("Sign in in the browser window that opened. If none did, open this address yourself:"));
    lblSignInUrl->setObjectName(QStringLiteral("lblSignInUrl"));
    v->addWidget(lblSignInUrl);
    // An address is one long word: a read-only field shows it whole for
    // copying without widening the dialog.
    edSignInUrl = new QLineEdit;
    edSignInUrl->setObjectName(QStringLiteral("edSignInUrl"));
    edSignInUrl->setReadOnly(true);
    v->addWidget(edSignInUrl);

    auto* store = wrapped(
        tr("Passwords, client secrets and tokens are kept in %1.").arg(SecretStore::backendText()));
    store->setObjectName(QStringLiteral("lblSecretStore"));
    v->addWidget(store);

    connect(cbSignIn, &QComboBox::currentIndexChanged, this, [this] {
        lblProblem->hide();
        showSignInFields();
    });
    connect(cbProvider, &QComboBox::currentIndexChanged, this, [this] {
        lblProblem->hide();
        showSignInFields();
    });
    connect(btSignIn, &QPushButton::clicked, this, &TfrmMailboxDetails::startSignIn);
    connect(btCancelSignIn, &QPushButton::clicked, this, [this] {
        if (m_signIn) m_signIn->cancel();
    });
    return group;
}

QGroupBox* TfrmMailboxDetails::buildHeaderCache() {
    auto* group = new QGroupBox(tr("Headers of earlier checks"));
    group->setObjectName(QStringLiteral("grpHeaderCache"));
    auto* v = new QVBoxLayout(group);
    cbCacheHeaders =
        new QCheckBox(tr("Keep the headers of listed messages, so that a check downloads only "
                         "the new ones"));
    cbCacheHeaders->setObjectName(QStringLiteral("cbCacheHeaders"));
    cbCacheHeaders->setChecked(m_box.CacheHeaders);
    v->addWidget(cbCacheHeaders);
    auto* row = new QHBoxLayout;
    lblCache = new QLabel;
    lblCache->setObjectName(QStringLiteral("lblCache"));
    lblCache->setWordWrap(true);
    btForgetCache = new QPushButton(tr("Forget cached headers"));
    btForgetCache->setObjectName(QStringLiteral("btForgetCache"));
    btForgetCache->setToolTip(tr("Removes the kept headers now; the next check "
                                 "downloads every header again"));
    connect(btForgetCache, &QPushButton::clicked, this, [this] {
        for (const QString& file : headerCacheFiles())
            QFile::remove(file);
        showHeaderCache();
    });
    row->addWidget(lblCache, 1);
    row->addWidget(btForgetCache, 0, Qt::AlignTop);
    v->addLayout(row);
    v->addWidget(wrapped(
        tr("They are kept in your cache folder, readable by you alone. A message is taken from "
           "there only while the server lists it under the same unique id and size; a deletion "
           "always reads it from the server first.")));
    return group;
}

QStringList TfrmMailboxDetails::headerCacheFiles() const {
    MailboxConfig shown = m_box;
    shown.Server = m_server;
    QStringList files{m_box.headerCacheFile()};
    if (!files.contains(shown.headerCacheFile())) files << shown.headerCacheFile();
    return files;
}

void TfrmMailboxDetails::showHeaderCache() {
    qint64 bytes = 0;
    bool any = false;
    for (const QString& file : headerCacheFiles()) {
        const QFileInfo info(file);
        if (!info.isFile()) continue;
        any = true;
        bytes += info.size();
    }
    lblCache->setText(any ? tr("Kept now: %1").arg(locale().formattedDataSize(bytes))
                          : tr("None kept now."));
    btForgetCache->setEnabled(any);
}

void TfrmMailboxDetails::showSignInFields() {
    const bool oauth2 = signIn() == MailSignIn::OAuth2;
    const bool custom = cbProvider->currentData().toString() == QLatin1String("custom");
    for (QWidget* w : {static_cast<QWidget*>(cbProvider), static_cast<QWidget*>(edClientId),
                       static_cast<QWidget*>(edClientSecret)})
        m_signInForm->setRowVisible(w, oauth2);
    for (QWidget* w : {edAuthUrl, edTokenUrl, edScope})
        m_signInForm->setRowVisible(w, oauth2 && custom);
    btSignIn->setVisible(oauth2);
    btCancelSignIn->setVisible(oauth2);
    lblSignInStatus->setVisible(oauth2);
    lblSignInUrl->setVisible(oauth2 && signingIn());
    edSignInUrl->setVisible(oauth2 && signingIn());
    btSignIn->setEnabled(!signingIn());
    btCancelSignIn->setEnabled(signingIn());
    if (isVisible()) fitHeight();
}

void TfrmMailboxDetails::showStoredSignIn() {
    try {
        // The dialog never brings up the keyring's prompt a second time: the
        // general settings asked it when they read the mailboxes.
        const std::optional<OAuth2Tokens> tokens = ReadOAuth2Tokens(m_n, SecretAccess::NeverPrompt);
        if (!tokens || tokens->isEmpty()) {
            lblSignInStatus->setText(tr("Not signed in"));
            return;
        }
        // Tokens granted for the other protocol's scope (kept from before there
        // was a choice: POP3's) open nothing now.
        OAuth2Settings now = oauth2();
        OAuth2Settings pop3 = now;
        pop3.Protocol = MailProtocol::Pop3;
        const QString granted = tokens->Scope.isEmpty() ? pop3.effective().Scope : tokens->Scope;
        lblSignInStatus->setText(granted == now.effective().Scope
                                     ? tr("Signed in")
                                     : tr("Signed in for another protocol: sign in "
                                          "again for %1")
                                           .arg(protocolName(protocol())));
    } catch (const Exception& e) {
        lblSignInStatus->setText(e.shown());
    }
}

MailSignIn TfrmMailboxDetails::signIn() const {
    return MailSignIn(cbSignIn->currentData().toInt());
}

OAuth2Settings TfrmMailboxDetails::oauth2() const {
    OAuth2Settings o;
    o.Provider = cbProvider->currentData().toString();
    o.ClientId = edClientId->text().trimmed();
    o.ClientSecret = edClientSecret->text();
    o.AuthorizationUrl = edAuthUrl->text().trimmed();
    o.TokenUrl = edTokenUrl->text().trimmed();
    o.Scope = edScope->text().trimmed();
    o.Protocol = protocol();
    return o;
}

bool TfrmMailboxDetails::signingIn() const {
    return m_signIn && !m_signIn->isFinished();
}

void TfrmMailboxDetails::startSignIn() {
    lblProblem->hide();
    OAuth2Settings settings = oauth2();
    // A secret the keyring kept and the field does not show is still the one.
    if (settings.ClientSecret.isEmpty() && !m_box.SecretsRead)
        settings.ClientSecret = m_box.OAuth2.ClientSecret;
    m_signIn = std::make_unique<OAuth2SignIn>(settings);
    try {
        m_signIn->start();
    } catch (const Exception& e) {
        m_signIn.reset();
        lblSignInStatus->setText(e.shown());
        showSignInFields();
        return;
    }
    connect(m_signIn.get(), &OAuth2SignIn::finished, this, &TfrmMailboxDetails::signInFinished,
            Qt::QueuedConnection);
    const QUrl url = m_signIn->authorizationUrl();
    lblSignInStatus->setText(tr("Waiting for the browser..."));
    edSignInUrl->setText(url.toString(QUrl::FullyEncoded));
    edSignInUrl->setCursorPosition(0);
    showSignInFields();
    QDesktopServices::openUrl(url);
}

void TfrmMailboxDetails::signInFinished() {
    if (!m_signIn || !m_signIn->isFinished()) return;
    const std::optional<OAuth2Tokens> tokens = m_signIn->tokens();
    const QString error = m_signIn->errorText();
    // The sign-in object stays until the next one: it still answers the browser.
    if (!tokens) {
        lblSignInStatus->setText(tr("The sign-in failed: ") + error);
    } else {
        try {
            StoreOAuth2Tokens(m_n, *tokens);
            lblSignInStatus->setText(tr("Signed in"));
        } catch (const Exception& e) {
            lblSignInStatus->setText(tr("Signed in, but the tokens could not be "
                                        "stored: ") +
                                     e.shown());
        }
    }
    showSignInFields();
}

MailSecurity TfrmMailboxDetails::security() const {
    return MailSecurity(cbSecurity->currentData().toInt());
}

void TfrmMailboxDetails::showTrusted() {
    lblTrusted->setText(m_trusted.isEmpty() ? tr("None") : readableFingerprint(m_trusted));
    btForget->setEnabled(!m_trusted.isEmpty());
}

void TfrmMailboxDetails::showSecurityNote() {
    QString text;
    const bool imap = protocol() == MailProtocol::Imap;
    switch (security()) {
    case MailSecurity::Tls:
        text = tr("Encrypted from the start, usually on port %1.").arg(imap ? 993 : 995);
        break;
    case MailSecurity::StartTlsRequired:
        text = tr("Encrypted with STARTTLS after connecting. When the server does "
                  "not offer it, the check stops before your password is sent.");
        break;
    case MailSecurity::StartTlsOptional:
        text = tr("Encrypted with STARTTLS when the server offers it; otherwise "
                  "your password goes out readable.");
        break;
    case MailSecurity::None:
        text = tr("Not encrypted: your password and your mail go out readable.");
        break;
    }
    if (MailboxConfig::serverImpliesTls(m_server, protocol()) && security() != MailSecurity::Tls)
        text += tr(" The server field asks for TLS (%1 or port %2), so TLS is used all "
                   "the same.")
                    .arg(MailboxConfig::secureScheme(protocol()))
                    .arg(imap ? 993 : 995);
    lblSecurityNote->setText(text);
}

void TfrmMailboxDetails::accept() {
    if (signIn() == MailSignIn::OAuth2) {
        if (const QString unsafe = oauth2().unsafeAddress(); !unsafe.isEmpty()) {
            lblProblem->setText(unsafe);
            lblProblem->show();
            const bool authorization = !IsSafeOAuth2Address(oauth2().effective().AuthorizationUrl);
            (authorization ? edAuthUrl : edTokenUrl)->setFocus();
            return;
        }
    }
    if (signIn() == MailSignIn::OAuth2 &&
        !MailboxConfig::alwaysEncrypted(m_server, security(), protocol())) {
        lblProblem->setText(tr("OAuth2 is sent only over an encrypted connection: "
                               "choose \"TLS\" or \"STARTTLS required\" as the "
                               "security."));
        lblProblem->show();
        fitHeight();
        cbSecurity->setFocus();
        return;
    }
    if (m_signIn) m_signIn->cancel();
    m_box.Protocol = protocol();
    m_box.Folder =
        edFolder->text().trimmed().isEmpty() ? QStringLiteral("INBOX") : edFolder->text().trimmed();
    m_box.Action = spamAction();
    m_box.JunkFolder = edJunkFolder->text().trimmed();
    m_box.Security = security();
    m_box.TrustedCert = m_trusted;
    m_box.CacheHeaders = cbCacheHeaders->isChecked();
    m_box.SignIn = signIn();
    const QString keptSecret = m_box.OAuth2.ClientSecret;
    m_box.OAuth2 = oauth2();
    // An empty field over a secret the keyring did not give keeps the stored one.
    if (m_box.OAuth2.ClientSecret.isEmpty() && !m_box.SecretsRead)
        m_box.OAuth2.ClientSecret = keptSecret;
    QDialog::accept();
}

void TfrmMailboxDetails::reject() {
    if (m_signIn) m_signIn->cancel();
    QDialog::reject();
}
