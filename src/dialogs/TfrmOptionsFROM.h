#pragma once

#include "rules/RuleEdits.h"

#include <QDialog>
#include <functional>

class Prompter;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The sender rule editor: the sender's address or domain, the condition, the
// text with its suggestions, and the mark.
class TfrmOptionsFROM : public QDialog {
    Q_OBJECT
public:
    explicit TfrmOptionsFROM(Prompter& prompter, QWidget* parent = nullptr);

    // Fills the controls from a row's fields; hides "Block out a country".
    void setFields(const SenderRuleFields& f);
    SenderRuleFields fields() const;

    // A country picked: "Domain name", "Ends with", the domain ending.
    void applyCountry(const QString& ending, const QString& name);
    // Shows the country table; true with its choice when confirmed. Replaceable.
    std::function<bool(QString& ending, QString& name)> ChooseCountry;

    void accept() override;

    QComboBox* cbDomain = nullptr;
    QComboBox* cbWhat = nullptr;
    QComboBox* edit1 = nullptr;
    QPushButton* btAddress = nullptr;
    QPushButton* btCountry = nullptr;
    QLabel* lblCountry = nullptr;
    QRadioButton* rbCheck = nullptr;
    QRadioButton* rbQuestion = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;

private:
    void showTextField();
    Prompter& m_prompter;
};
