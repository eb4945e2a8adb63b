#pragma once

#include "rules/RuleEdits.h"

#include <QDialog>
#include <functional>

class GeneralSettings;
class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The header rule editor: a message header text, the sender against the reply
// address, a missing 'To' text for one mailbox, or the sender equal to 'To'.
class TfrmHeaders : public QDialog {
    Q_OBJECT
public:
    // The mailbox choice lists the mailboxes of general that have a server.
    TfrmHeaders(const GeneralSettings& general, Prompter& prompter, QWidget* parent = nullptr);

    // Fills the controls from a row's fields; hides "Block out a country".
    void setFields(const HeaderRuleFields& f);
    HeaderRuleFields fields() const;

    // A country picked: "Message Header", "Ends with", the domain ending, no case.
    void applyCountry(const QString& ending, const QString& name);
    // Shows the country table; true with its choice when confirmed. Replaceable.
    std::function<bool(QString& ending, QString& name)> ChooseCountry;

    void accept() override;

    QRadioButton* rbHeader = nullptr;
    QRadioButton* rbReplyTomatch = nullptr;
    QRadioButton* rbTo = nullptr;
    QRadioButton* rbFromEqualsTo = nullptr;
    QComboBox* cbWhat = nullptr;
    QComboBox* cbHeader = nullptr;
    QCheckBox* cbCase = nullptr;
    QPushButton* btCountry = nullptr;
    QLabel* lblCountry = nullptr;
    QLineEdit* edTo = nullptr;
    QLabel* lblMailBox = nullptr;
    QComboBox* cbMailBox = nullptr;
    QRadioButton* rbCheck = nullptr;
    QRadioButton* rbQuestion = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;

private:
    void showOptionFields();
    Prompter& m_prompter;
};
