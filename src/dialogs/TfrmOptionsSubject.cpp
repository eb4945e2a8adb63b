#include "dialogs/TfrmOptionsSubject.h"

#include "dialogs/EditorParts.h"
#include "settings/Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace EditorParts;

TfrmOptionsSubject::TfrmOptionsSubject(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmOptionsSubject"));
    setWindowTitle(tr("Subject line options"));

    cbWhat = conditionChoice(SubjectConditionCount);
    edit1 = suggestionField(QStringLiteral("subject"), "edit1");
    cbCase = named(new QCheckBox(tr("&Check if case matters (upper/lower)")), "cbCase");
    rbCheck = named(new QRadioButton(tr("check &mark")), "rbCheck");
    rbQuestion = named(new QRadioButton(tr("&question mark")), "rbQuestion");

    auto* v = new QVBoxLayout(this);
    v->addWidget(heading(tr("The Subject line characteristics")));
    v->addWidget(note(tr("If text in the subject line follows any of these patterns "
                         "it will be marked for deletion since it looks like a "
                         "potential spam.")));
    auto* form = new QFormLayout;
    form->addRow(tr("The subject line:"), cbWhat);
    form->addRow(QString(), edit1);
    form->addRow(QString(), cbCase);
    v->addLayout(form);
    v->addWidget(markChoice(rbCheck, rbQuestion));
    v->addStretch(1);
    v->addWidget(okCancel(this, &btOK, &btCancel));

    connect(cbWhat, &QComboBox::currentIndexChanged, this, &TfrmOptionsSubject::showTextFields);
    setFields(SubjectRuleFields());
    resize(sizeHint().expandedTo(QSize(420, 0)));
}

void TfrmOptionsSubject::setFields(const SubjectRuleFields& f) {
    cbWhat->setCurrentIndex(f.condition);
    edit1->setEditText(f.text);
    cbCase->setChecked(f.caseMatters);
    (f.check ? rbCheck : rbQuestion)->setChecked(true);
    showTextFields();
}

SubjectRuleFields TfrmOptionsSubject::fields() const {
    SubjectRuleFields f;
    f.condition = cbWhat->currentIndex();
    f.text = edit1->currentText();
    f.caseMatters = cbCase->isChecked();
    f.check = rbCheck->isChecked();
    return f;
}

void TfrmOptionsSubject::showTextFields() {
    const bool text = isTextCondition(cbWhat->currentIndex());
    edit1->setVisible(text);
    cbCase->setVisible(text);
}

void TfrmOptionsSubject::accept() {
    const QString error = subjectInputError(fields());
    if (!error.isEmpty()) {
        m_prompter.error(error);
        edit1->setFocus();
        return;
    }
    edit1->setEditText(TrimRuleText(edit1->currentText()));
    QDialog::accept();
}
