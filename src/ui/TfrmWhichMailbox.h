#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;

// The mailbox choice "Which Mail Box?": a choose-only list of the configured
// mailboxes, OK and Cancel. Stays on top, centred.
class TfrmWhichMailbox : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWhichMailbox(QWidget* parent = nullptr);

    // Fills the list with entries and selects entries[preselected] (nothing
    // selected when preselected is outside the list).
    void setEntries(const QStringList& entries, int preselected);
    // The index of the entry selected now, or -1.
    int selectedIndex() const;

    // Shows the choice modally: the index chosen with OK, or -1 for Cancel or
    // for OK with nothing selected.
    static int choose(const QStringList& entries, int preselected, QWidget* parent = nullptr);

    QComboBox* cbWhich = nullptr;
    QPushButton* btOK = nullptr;
    QPushButton* btCancel = nullptr;
};
