#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <utility>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "Mark e-mail for deletion": the selected messages' subjects and senders in a
// grid below the heading "Subject" / "From", and the two check boxes that say
// which lists get new rules. It only shows them; OK or Cancel closes it.
class TfrmMarkForDeletion : public QDialog {
    Q_OBJECT
public:
    // The grid's rows below its heading.
    static constexpr int MessageRows = 249;

    explicit TfrmMarkForDeletion(QWidget* parent = nullptr);

    // Fills the grid's rows from the top with (subject, sender); rows beyond
    // the grid are left out.
    void setRows(const QList<std::pair<QString, QString>>& rows);

    QLabel* lblTitle = nullptr;
    QTableWidget* grid = nullptr;
    QCheckBox* cbSubject = nullptr;
    QCheckBox* cbFrom = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
