#include "dialogs/TfrmMailboxDetails.h"

#include "dialogs/WindowSize.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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
    : QDialog(parent), m_box(box), m_server(server.trimmed()), m_trusted(box.TrustedCert) {
    setObjectName(QStringLiteral("frmMailboxDetails"));
    setWindowTitle(QStringLiteral("Mailbox %1 details").arg(n));
    setModal(true);

    auto* v = new QVBoxLayout(this);
    v->addWidget(wrapped(m_server.isEmpty()
                             ? QStringLiteral("Mailbox %1 has no server yet.").arg(n)
                             : QStringLiteral("Mailbox %1 on %2").arg(n).arg(m_server)));

    auto* form = new QFormLayout;
    cbSecurity = new QComboBox;
    cbSecurity->setObjectName(QStringLiteral("cbSecurity"));
    for (MailSecurity s : Choices)
        cbSecurity->addItem(securityName(s), int(s));
    cbSecurity->setCurrentIndex(cbSecurity->findData(int(box.Security)));
    form->addRow(QStringLiteral("Security:"), cbSecurity);
    v->addLayout(form);

    lblSecurityNote = wrapped({});
    lblSecurityNote->setObjectName(QStringLiteral("lblSecurityNote"));
    v->addWidget(lblSecurityNote);
    connect(cbSecurity, &QComboBox::currentIndexChanged, this,
            &TfrmMailboxDetails::showSecurityNote);

    v->addSpacing(8);
    v->addWidget(new QLabel(QStringLiteral("Trusted certificate (SHA-256 fingerprint):")));
    auto* row = new QHBoxLayout;
    lblTrusted = new QLabel;
    lblTrusted->setObjectName(QStringLiteral("lblTrusted"));
    lblTrusted->setWordWrap(true);
    lblTrusted->setTextInteractionFlags(Qt::TextSelectableByMouse);
    btForget = new QPushButton(QStringLiteral("Forget"));
    btForget->setObjectName(QStringLiteral("btForget"));
    connect(btForget, &QPushButton::clicked, this, [this] {
        m_trusted.clear();
        showTrusted();
    });
    row->addWidget(lblTrusted, 1);
    row->addWidget(btForget, 0, Qt::AlignTop);
    v->addLayout(row);
    v->addWidget(wrapped(QStringLiteral(
        "A certificate is trusted here when a check you started failed on it and you chose "
        "\"Trust this certificate and check again\". Only that very certificate is accepted; "
        "a server that shows another one fails again.")));
    v->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(buttons);

    showSecurityNote();
    showTrusted();
    WindowSize::keep(this, QStringLiteral("MailboxDetails"), sizeHint().expandedTo(QSize(520, 0)));
}

MailSecurity TfrmMailboxDetails::security() const {
    return MailSecurity(cbSecurity->currentData().toInt());
}

void TfrmMailboxDetails::showTrusted() {
    lblTrusted->setText(m_trusted.isEmpty() ? QStringLiteral("None")
                                            : readableFingerprint(m_trusted));
    btForget->setEnabled(!m_trusted.isEmpty());
}

void TfrmMailboxDetails::showSecurityNote() {
    QString text;
    switch (security()) {
    case MailSecurity::Tls:
        text = QStringLiteral("Encrypted from the start, usually on port 995.");
        break;
    case MailSecurity::StartTlsRequired:
        text = QStringLiteral("Encrypted with STARTTLS after connecting. When the server does "
                              "not offer it, the check stops before your password is sent.");
        break;
    case MailSecurity::StartTlsOptional:
        text = QStringLiteral("Encrypted with STARTTLS when the server offers it; otherwise "
                              "your password goes out readable.");
        break;
    case MailSecurity::None:
        text = QStringLiteral("Not encrypted: your password and your mail go out readable.");
        break;
    }
    if (MailboxConfig::serverImpliesTls(m_server) && security() != MailSecurity::Tls)
        text += QStringLiteral(" The server field asks for TLS (pop3s:// or port 995), so TLS is "
                               "used all the same.");
    lblSecurityNote->setText(text);
}

void TfrmMailboxDetails::accept() {
    m_box.Security = security();
    m_box.TrustedCert = m_trusted;
    QDialog::accept();
}
