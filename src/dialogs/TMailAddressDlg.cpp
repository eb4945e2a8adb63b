#include "dialogs/TMailAddressDlg.h"

#include "dialogs/EditorParts.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace EditorParts;

namespace {
constexpr int MaxField = 255;
}

TMailAddressDlg::TMailAddressDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MailAddressDlg"));
    setWindowTitle(tr("Address"));
    NameEdit = named(new QLineEdit, "NameEdit");
    AddressEdit = named(new QLineEdit, "AddressEdit");
    NameEdit->setMaxLength(MaxField);
    AddressEdit->setMaxLength(MaxField);
    auto* form = new QFormLayout;
    form->addRow(tr("Name"), NameEdit);
    form->addRow(tr("Address"), AddressEdit);
    auto* v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addWidget(okCancel(this, &OKButton, &CancelButton));
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    setTabOrder(NameEdit, AddressEdit);
    NameEdit->setFocus();
    resize(360, sizeHint().height());
}

void TMailAddressDlg::setAddress(const TmsMailAddress& address) {
    m_address = address;
    NameEdit->setText(address.Name);
    AddressEdit->setText(address.Address);
}

void TMailAddressDlg::accept() {
    m_address.Name = NameEdit->text().left(MaxField);
    m_address.Address = AddressEdit->text().left(MaxField);
    QDialog::accept();
}

bool TMailAddressDlg::Edit(TmsMailAddress& address, QWidget* parent) {
    TMailAddressDlg dialog(parent);
    dialog.setAddress(address);
    if (dialog.exec() != QDialog::Accepted) return false;
    address.Assign(dialog.address());
    return true;
}
