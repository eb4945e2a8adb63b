#include "dialogs/TfrmHeaders.h"

#include "dialogs/EditorParts.h"
#include "settings/Prompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace EditorParts;

TfrmHeaders::TfrmHeaders(const GeneralSettings& general, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmHeaders"));
    setWindowTitle(tr("Header characteristics"));

    rbHeader = named(new QRadioButton(tr("Message Header")), "rbHeader");
    rbReplyTomatch =
        named(new QRadioButton(tr("The Sender address does not match the 'Reply-to' address")),
              "rbReplyTomatch");
    rbTo = named(new QRadioButton(tr("The 'To' address does not contain:")), "rbTo");
    rbFromEqualsTo = named(new QRadioButton(tr("The Sender address equals the 'To' address field")),
                           "rbFromEqualsTo");
    auto* options = new QButtonGroup(this);
    for (QRadioButton* rb : {rbHeader, rbReplyTomatch, rbTo, rbFromEqualsTo})
        options->addButton(rb);

    cbWhat = conditionChoice(TextConditionCount);
    cbHeader = suggestionField(QStringLiteral("header"), "cbHeader");
    cbCase = named(new QCheckBox(tr("&Check if case matters (upper/lower)")), "cbCase");
    edTo = named(new QLineEdit, "edTo");
    lblMailBox = named(new QLabel(tr("For Mailbox:")), "lblMailBox");
    cbMailBox = named(new QComboBox, "cbMailBox");
    cbMailBox->addItems(mailboxItems(general));
    cbMailBox->setCurrentIndex(cbMailBox->count() > 0 ? 0 : -1);
    rbCheck = named(new QRadioButton(tr("check &mark")), "rbCheck");
    rbQuestion = named(new QRadioButton(tr("&question mark")), "rbQuestion");

    auto* v = new QVBoxLayout(this);
    v->addWidget(heading(tr("The E-mail header characteristics")));
    v->addWidget(note(tr("If text in the e-mail header line follows any of these "
                         "patterns it will be marked for deletion since it looks like "
                         "a potential spam.")));
    auto* g = new QGridLayout;
    g->setColumnMinimumWidth(0, 20);
    g->addWidget(rbHeader, 0, 0, 1, 3);
    g->addWidget(cbWhat, 1, 1);
    g->addWidget(cbHeader, 1, 2);
    g->addWidget(cbCase, 2, 1, 1, 2);
    g->addLayout(countryRow(this, &btCountry, &lblCountry, ChooseCountry,
                            [this](const QString& ending, const QString& name) {
                                applyCountry(ending, name);
                            }),
                 3, 1, 1, 2);
    g->addWidget(rbReplyTomatch, 4, 0, 1, 3);
    g->addWidget(rbTo, 5, 0, 1, 3);
    g->addWidget(edTo, 6, 1, 1, 2);
    g->addWidget(lblMailBox, 7, 1);
    g->addWidget(cbMailBox, 7, 2);
    g->addWidget(rbFromEqualsTo, 8, 0, 1, 3);
    g->setColumnStretch(2, 1);
    v->addLayout(g);
    v->addWidget(markChoice(rbCheck, rbQuestion));
    v->addStretch(1);
    v->addWidget(okCancel(this, &btOK, &btCancel));

    connect(options, &QButtonGroup::buttonToggled, this, &TfrmHeaders::showOptionFields);

    // A new rule: the check mark, "Message Header", "Contains", the first suggestion.
    const HeaderRuleFields fresh;
    rbHeader->setChecked(true);
    cbWhat->setCurrentIndex(fresh.condition);
    cbHeader->setEditText(fresh.headerText);
    rbCheck->setChecked(true);
    showOptionFields();
    resize(sizeHint().expandedTo(QSize(480, 0)));
}

void TfrmHeaders::setFields(const HeaderRuleFields& f) {
    btCountry->hide();
    cbWhat->setCurrentIndex(f.condition);
    cbHeader->setEditText(f.headerText);
    cbCase->setChecked(f.caseMatters);
    (f.check ? rbCheck : rbQuestion)->setChecked(true);
    edTo->setText(f.toText);
    switch (f.kind) {
    case HeaderRuleFields::MessageHeader:
        rbHeader->setChecked(true);
        break;
    case HeaderRuleFields::ReplyToMismatch:
        rbReplyTomatch->setChecked(true);
        break;
    case HeaderRuleFields::ToMissing:
        rbTo->setChecked(true);
        for (int i = 0; i < cbMailBox->count(); ++i)
            if (mailboxNumberOf(cbMailBox->itemText(i)) == f.mailbox) cbMailBox->setCurrentIndex(i);
        break;
    case HeaderRuleFields::SenderEqualsTo:
        rbFromEqualsTo->setChecked(true);
        break;
    }
    showOptionFields();
}

HeaderRuleFields TfrmHeaders::fields() const {
    HeaderRuleFields f;
    f.kind = rbReplyTomatch->isChecked()   ? HeaderRuleFields::ReplyToMismatch
             : rbTo->isChecked()           ? HeaderRuleFields::ToMissing
             : rbFromEqualsTo->isChecked() ? HeaderRuleFields::SenderEqualsTo
                                           : HeaderRuleFields::MessageHeader;
    f.condition = cbWhat->currentIndex();
    f.headerText = cbHeader->currentText();
    f.caseMatters = cbCase->isChecked();
    f.toText = edTo->text();
    f.mailbox =
        cbMailBox->currentIndex() >= 0 ? mailboxNumberOf(cbMailBox->currentText()) : QString();
    f.check = rbCheck->isChecked();
    return f;
}

void TfrmHeaders::applyCountry(const QString& ending, const QString& name) {
    rbHeader->setChecked(true);
    cbWhat->setCurrentIndex(ConditionEndsWith);
    cbHeader->setEditText(ending);
    cbCase->setChecked(false);
    lblCountry->setText(name);
    showOptionFields();
}

void TfrmHeaders::showOptionFields() {
    const bool header = rbHeader->isChecked();
    const bool to = rbTo->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{cbWhat, cbHeader, cbCase, lblCountry})
        w->setVisible(header);
    for (QWidget* w : std::initializer_list<QWidget*>{edTo, lblMailBox, cbMailBox})
        w->setVisible(to);
}

void TfrmHeaders::accept() {
    HeaderRuleFields f = fields();
    const QString error = headerInputError(f);
    edTo->setText(f.toText);
    cbHeader->setEditText(f.headerText);
    if (!error.isEmpty()) {
        m_prompter.error(error);
        (f.kind == HeaderRuleFields::ToMissing ? static_cast<QWidget*>(edTo) : cbHeader)
            ->setFocus();
        return;
    }
    QDialog::accept();
}
