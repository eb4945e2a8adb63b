#include "ui/TfrmWhichMailbox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmWhichMailbox::TfrmWhichMailbox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmWhichMailbox"));
    setWindowTitle(tr("Which Mail Box?"));
    setModal(true);

    cbWhich = new QComboBox;
    cbWhich->setObjectName(QStringLiteral("cbWhich"));
    cbWhich->setEditable(false);
    cbWhich->setMinimumWidth(340);

    auto* buttons = new QDialogButtonBox;
    btOK = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    btCancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(tr("Which mailbox do you wish to check?")));
    v->addWidget(cbWhich);
    v->addWidget(buttons);
}

void TfrmWhichMailbox::setEntries(const QStringList& entries, int preselected) {
    cbWhich->clear();
    cbWhich->addItems(entries);
    cbWhich->setCurrentIndex(preselected >= 0 && preselected < entries.size() ? preselected : -1);
}

int TfrmWhichMailbox::selectedIndex() const {
    return cbWhich->currentIndex();
}

int TfrmWhichMailbox::choose(const QStringList& entries, int preselected, QWidget* parent) {
    TfrmWhichMailbox dialog(parent);
    dialog.setEntries(entries, preselected);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedIndex() : -1;
}
