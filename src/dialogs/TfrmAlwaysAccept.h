#pragma once

#include "rules/RuleEdits.h"

#include <QDialog>

class Prompter;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The exception rule editor: an address, a domain, or a text in a header line,
// and the picture the accepted messages show.
class TfrmAlwaysAccept : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAlwaysAccept(Prompter& prompter, QWidget* parent = nullptr);

    void setFields(const ExceptionRuleFields& f);
    // The fields; the picture is the one held since the last OK or setFields.
    ExceptionRuleFields fields() const;
    // The picture index held: 3 to 14.
    int pictureIndex() const { return m_picture; }

    void accept() override;

    QRadioButton* rbEmail = nullptr;
    QLineEdit* edEmail = nullptr;
    QPushButton* btAddress = nullptr;
    QRadioButton* rbDomain = nullptr;
    QLineEdit* edDomain = nullptr;
    QRadioButton* rbSubject = nullptr;
    QComboBox* cbLine = nullptr;
    QComboBox* cbWhat = nullptr;
    QLineEdit* edSubject = nullptr;
    QCheckBox* cbCase = nullptr;
    QListWidget* lvPictures = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;

private:
    void showOptionFields();
    Prompter& m_prompter;
    int m_picture = ImageFirstPicture;
};
