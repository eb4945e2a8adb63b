#pragma once

#include <QCoreApplication>
#include <QString>

// The progress window "Retrieving ..." as the controller wants it shown.
struct ProgressState {
    bool Visible = false;
    QString Title;   // its lblTitle
    QString lblMsg;  // what happens now
    QString Server;  // lblServer
    QString Mailbox; // lblMailbox
    bool BarVisible = false;
    int BarMax = 0;
    int BarPosition = 0;

    bool operator==(const ProgressState&) const = default;
};

// The tray icon and its menu as the controller wants them shown.
struct TrayState {
    bool Active = true;         // the icon is there (removed at start without "SysTray")
    bool Animated = false;      // the two animation pictures alternate (automatic mode)
    bool HammerPicture = false; // the picture is the hammer (after a cancel)
    // An operation runs: the menu opens with only "Main screen" and the exit item
    // (then "Cancel") enabled.
    bool Busy = false;
    bool EnableAutomatic1Checked = false;
    bool DisableAutomatic1Checked = true;
    QString Hint = QCoreApplication::translate("MainViewState", "Quillmere (right click)");

    bool operator==(const TrayState&) const = default;
};

// The faces of the exit button: idle ("Goodbye" or "Hide", imBye/imDoor) or busy
// ("Cancel", imStop).
enum class ExitFace { Idle, Busy };

// The face of btList after a check or a deletion: imUP with rows, imDown without.
enum class ListFace { Up, Down };

// Everything the main window shows that the controller decides. The window
// renders it whenever the controller announces stateChanged(), redrawing only
// the parts that differ from what it drew last.
struct MainViewState {
    // Status bar panel 0 never changes.
    static QString StatusPanel0() {
        return QCoreApplication::translate("MainViewState",
                                           "Right click for more options, double click to mark");
    }

    QString Caption = QStringLiteral("Quillmere"); // the window caption
    QString lblTitle = QStringLiteral("Quillmere");
    bool Label1Visible = true;
    QString StatusText = QCoreApplication::translate(
        "MainViewState", "Click \"Check e-mail\" to look at your mailbox"); // panel 1

    ExitFace btExitFace = ExitFace::Idle;
    QString btExitCaption = QCoreApplication::translate("MainViewState", "Goodbye");
    QString Exit1Caption = QCoreApplication::translate("MainViewState", "Exit");

    bool btListEnabled = true;
    bool btOptionsEnabled = true;
    ListFace btListFace = ListFace::Up;
    // btMark, btResetAll, btLaunch, btDelete and btRemark.
    bool RowButtonsVisible = false;
    bool lblAdVisible = true;

    // An operation runs: the list's commands (its pop-up menu, double click) are off.
    bool Busy = false;

    ProgressState Progress;
    TrayState Tray;

    bool operator==(const MainViewState&) const = default;
};
