#pragma once

#include "ConsolePrompter.h"
#include "core/AlarmSound.h"
#include "core/MainController.h"
#include "core/MainView.h"
#include "core/Shell.h"
#include "settings/ProfileLock.h"

#include <QCoreApplication>
#include <QStringList>
#include <memory>

// The main window of the command line: no window at all, never on the screen.
// The commands name their mailbox, so the mailbox choice is never asked; it
// would keep the current one.
class HeadlessView : public MainView {
public:
    QStringList lastText;

    bool MainWindowVisible() const override { return false; }
    void ShowApplication() override {}
    void HideApplication() override {}
    void CloseMainWindow() override {}
    void Terminate() override {}
    bool SystemTrayAvailable() const override { return true; }
    int ChooseMailbox(const QStringList&, int preselected) override { return preselected; }
    void ShowGeneralSettings() override {}
    void ShowSpamSettings() override {}
    void ShowStatistics() override {}
    bool StatisticsOpen() const override { return false; }
    void ShowAbout() override {}
    void ShowTextWindow(TextKind, const QStringList& lines) override { lastText = lines; }
};

// A command that runs the main controller as the desktop program starts it,
// unattended (nothing prompts, no timer runs), holding the profile lock while
// it runs.
class HeadlessSession {
    Q_DECLARE_TR_FUNCTIONS(HeadlessSession)
public:
    HeadlessView view;
    ConsolePrompter prompter;
    SilentAlarm sound;
    NoShell shell;

    // Signs off a connection the command left open, as closing the window does.
    ~HeadlessSession();

    // Takes the profile lock and runs the controller's start-up. ExitOk, or
    // ExitProfileBusy after saying so on standard error.
    int start();
    MainController& controller() { return *m_controller; }

    // Checks the mailbox slot (0: the current one) as "Check e-mail" does, and
    // makes it the current one. ExitOk, or ExitFailure once the failure's text
    // is on standard error.
    int check(int slot);

private:
    ProfileLock m_lock;
    std::unique_ptr<MainController> m_controller;
};

// Takes "--mailbox N" out of args into slot (1 to 12; 0 when absent). False
// after a usage message when N is not a slot number.
bool takeMailboxOption(QStringList& args, int& slot, const char* command);

// The name of a mark for people: "-", "delete", "question", "blacklist",
// "exception N".
QString markName(int mark);

// The rows of the list, one line each: index, mark, subject, sender, size, date.
void printRows(const MainController& controller, bool markedOnly = false);
