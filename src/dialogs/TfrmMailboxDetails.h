#pragma once

#include "settings/MailboxConfig.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// The details of one mailbox slot that its row in the general settings has no
// room for: how the connection is protected, and the certificate the user
// trusts for its server. OK takes them into the slot it was given; the general
// settings' OK stores them with the rest.
class TfrmMailboxDetails : public QDialog {
    Q_OBJECT
public:
    // n is the slot's number; server is the server field as the row shows it now.
    TfrmMailboxDetails(MailboxConfig& box, int n, const QString& server, QWidget* parent = nullptr);

    // The choice the combo box shows.
    MailSecurity security() const;
    // The fingerprint that OK keeps (empty after "Forget").
    const QString& trustedCert() const { return m_trusted; }

    void accept() override;

    QComboBox* cbSecurity = nullptr;
    QLabel* lblSecurityNote = nullptr;
    QLabel* lblTrusted = nullptr;
    QPushButton* btForget = nullptr;

private:
    void showTrusted();
    void showSecurityNote();

    MailboxConfig& m_box;
    QString m_server;
    QString m_trusted;
};
