#include "dialogs/TfrmOptionsFROM.h"

#include "dialogs/EditorParts.h"
#include "settings/Prompter.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace EditorParts;

TfrmOptionsFROM::TfrmOptionsFROM(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmOptionsFROM"));
    setWindowTitle(tr("Sender characteristics"));

    cbDomain = named(new QComboBox, "cbDomain");
    cbDomain->addItems({tr("E-mail address"), tr("Domain name")});
    cbWhat = conditionChoice(SenderConditionCount);
    edit1 = suggestionField(QStringLiteral("sender"), "edit1");
    btAddress = named(new QPushButton(tr("&Address...")), "btAddress");
    btAddress->setToolTip(tr("Take the address out of a name and address"));
    rbCheck = named(new QRadioButton(tr("&check mark")), "rbCheck");
    rbQuestion = named(new QRadioButton(tr("&question mark")), "rbQuestion");

    auto* v = new QVBoxLayout(this);
    v->addWidget(heading(tr("The Sender characteristics")));
    v->addWidget(note(tr("If the sender matches the distinguishing characteristics "
                         "below it will be marked for deletion.")));
    v->addWidget(note(tr("The sender's e-mail/domain address (as viewed on the main screen):")));
    auto* form = new QFormLayout;
    form->addRow(QString(), cbDomain);
    form->addRow(QString(), cbWhat);
    auto* text = new QHBoxLayout;
    text->addWidget(edit1, 1);
    text->addWidget(btAddress);
    form->addRow(QString(), text);
    v->addLayout(form);
    auto* hints = note(tr("An e-mail address includes the domain.\n"
                          "The domain is after the @ symbol.\n"
                          "Half numeric:  ab12c3@example.com\n"
                          "All numeric:  123456@example.com"));
    hints->setObjectName(QStringLiteral("lblHints"));
    v->addWidget(hints);
    v->addLayout(countryRow(
        this, &btCountry, &lblCountry, ChooseCountry,
        [this](const QString& ending, const QString& name) { applyCountry(ending, name); }));
    v->addWidget(markChoice(rbCheck, rbQuestion));
    v->addStretch(1);
    v->addWidget(okCancel(this, &btOK, &btCancel));

    connect(btAddress, &QPushButton::clicked, this, [this] {
        const QString address = editAddress(edit1->currentText(), this);
        if (!address.isNull()) edit1->setEditText(address);
    });
    connect(cbWhat, &QComboBox::currentIndexChanged, this, &TfrmOptionsFROM::showTextField);

    // A new rule: "Domain name", "Equals (exact match)", the check mark.
    const SenderRuleFields fresh;
    cbDomain->setCurrentIndex(fresh.emailAddress ? 0 : 1);
    cbWhat->setCurrentIndex(fresh.condition);
    rbCheck->setChecked(true);
    showTextField();
    resize(sizeHint().expandedTo(QSize(440, 0)));
}

void TfrmOptionsFROM::setFields(const SenderRuleFields& f) {
    btCountry->hide();
    cbDomain->setCurrentIndex(f.emailAddress ? 0 : 1);
    cbWhat->setCurrentIndex(f.condition);
    (f.check ? rbCheck : rbQuestion)->setChecked(true);
    edit1->setEditText(isTextCondition(f.condition) ? f.text : QString());
    showTextField();
}

SenderRuleFields TfrmOptionsFROM::fields() const {
    SenderRuleFields f;
    f.emailAddress = cbDomain->currentIndex() == 0;
    f.condition = cbWhat->currentIndex();
    f.text = edit1->currentText();
    f.check = rbCheck->isChecked();
    return f;
}

void TfrmOptionsFROM::applyCountry(const QString& ending, const QString& name) {
    cbDomain->setCurrentIndex(1);
    cbWhat->setCurrentIndex(ConditionEndsWith);
    edit1->setEditText(ending);
    lblCountry->setText(name);
    showTextField();
}

void TfrmOptionsFROM::showTextField() {
    const bool text = isTextCondition(cbWhat->currentIndex());
    edit1->setVisible(text);
    btAddress->setVisible(text);
}

void TfrmOptionsFROM::accept() {
    SenderRuleFields f = fields();
    const QString error = senderInputError(f);
    if (!error.isEmpty()) {
        m_prompter.error(error);
        edit1->setFocus();
        return;
    }
    edit1->setEditText(f.text);
    QDialog::accept();
}
