#pragma once

#include "rules/RuleEdits.h"

#include <QDialog>

class Prompter;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

// The subject rule editor: the condition, the text with its suggestions, the
// case option and the mark. OK refuses a blank text for a text condition.
class TfrmOptionsSubject : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOptionsSubject(Prompter& prompter, QWidget* parent = nullptr);

    // Fills the controls (a new rule's defaults are what the dialog starts with).
    void setFields(const SubjectRuleFields& f);
    // The fields as the controls hold them.
    SubjectRuleFields fields() const;

    void accept() override;

    QComboBox* cbWhat = nullptr;
    QComboBox* edit1 = nullptr;
    QCheckBox* cbCase = nullptr;
    QRadioButton* rbCheck = nullptr;
    QRadioButton* rbQuestion = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;

private:
    void showTextFields();
    Prompter& m_prompter;
};
