#pragma once

#include "mail/headers/MailAddress.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// Edits one mail address: its display name and the address itself.
class TMailAddressDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMailAddressDlg(QWidget* parent = nullptr);

    // Shows address in the fields.
    void setAddress(const TmsMailAddress& address);
    // The working address: both fields as OK took them (cut to 255 characters).
    const TmsMailAddress& address() const { return m_address; }

    void accept() override;

    // Shows the dialog for address; on OK the address takes the edited fields.
    static bool Edit(TmsMailAddress& address, QWidget* parent = nullptr);

    QLineEdit* NameEdit = nullptr;
    QLineEdit* AddressEdit = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    TmsMailAddress m_address;
};
