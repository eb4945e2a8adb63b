#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// What the mark-for-deletion dialog offers and what the user chose there: the
// selected messages (subject and sender) and the two check boxes.
struct SpamRuleOffer {
    // The dialog's grid holds a heading row and this many messages.
    static constexpr int MaxRows = 249;
    QList<std::pair<QString, QString>> Rows; // subject, sender; list order
    bool Subjects = true;                    // "Always delete mail with these ... subject headings"
    bool Senders = true;                     // "Always delete mail from these ... senders"
};

// What the main controller asks of the windows around it. The desktop program
// implements it with widgets, the command line and the tests without any. Every
// call returns once the thing asked for is done (a modal window has closed).
class MainView {
public:
    // The text window's kinds, which decide its title.
    enum class TextKind {
        Headers, // "Contents of selected e-mail headers"
        Reasons, // "Reasons that e-mail is marked or not marked"
        Body,    // "Contents of e-mail"
    };

    virtual ~MainView() = default;

    // Whether the main window is on the screen now.
    virtual bool MainWindowVisible() const = 0;
    // Restores and shows the main window (from the tray or from hidden).
    virtual void ShowApplication() = 0;
    // Hides every window of the program to the tray.
    virtual void HideApplication() = 0;
    // Closes the main window, which ends the program.
    virtual void CloseMainWindow() = 0;
    // Ends the program at once (the tray menu's "Exit").
    virtual void Terminate() = 0;
    // Whether the desktop offers a system tray to hide to.
    virtual bool SystemTrayAvailable() const = 0;

    // The mailbox choice: shows entries with entries[preselected] selected
    // (none when preselected is -1) and returns the index of the entry chosen
    // with OK, or -1 for Cancel or for OK with nothing selected.
    virtual int ChooseMailbox(const QStringList& entries, int preselected) = 0;

    // The modal dialogs. The settings dialogs edit the controller's General and
    // Spam models and store them on OK.
    virtual void ShowGeneralSettings() = 0;
    virtual void ShowSpamSettings() = 0;
    virtual void ShowStatistics() = 0;
    // Whether the statistics window is open or being prepared.
    virtual bool StatisticsOpen() const = 0;
    virtual void ShowAbout() = 0;
    // The text window with its title by kind and these lines, modally.
    virtual void ShowTextWindow(TextKind kind, const QStringList& lines) = 0;
    // The mark-for-deletion dialog over offer's rows, modally; its check boxes
    // end up in offer. True for OK; a view without the dialog answers Cancel.
    virtual bool ShowMarkForDeletion(SpamRuleOffer& offer) {
        (void)offer;
        return false;
    }
};
