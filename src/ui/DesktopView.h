#pragma once

#include "core/MainView.h"

#include <QObject>

class AlarmSound;
class MainController;
class Prompter;
class TfrmGeneral;
class TfrmOptionsMain;
class TfrmMain;
class TfrmRetrieving;
class TrayIcon;

// The desktop program's windows around the controller: the main window with
// its tray icon, the progress window and the general settings dialog, which
// live as long as the program, and the dialogs made for one use. It renders the
// controller's state into them and forwards their commands.
class DesktopView : public QObject, public MainView {
    Q_OBJECT
public:
    DesktopView(Prompter& prompter, AlarmSound& sound, QObject* parent = nullptr);
    ~DesktopView() override;

    // Creates the main window and the tray icon for controller (before its FormCreate).
    void createMainWindow(MainController& controller);
    // Creates the spam settings dialog, the progress window and the general
    // settings dialog (after FormCreate, which loads the settings they show).
    void createDialogs();

    // Closes and frees every window (before the controller they show goes).
    void destroyWindows();

    TfrmMain* main() const { return m_main; }
    TrayIcon* tray() const { return m_tray; }
    TfrmRetrieving* retrieving() const { return m_retrieving; }
    TfrmGeneral* general() const { return m_general; }
    TfrmOptionsMain* spamSettings() const { return m_options; }

    // MainView.
    bool MainWindowVisible() const override;
    void ShowApplication() override;
    void HideApplication() override;
    void CloseMainWindow() override;
    void Terminate() override;
    bool SystemTrayAvailable() const override;
    int ChooseMailbox(const QStringList& entries, int preselected) override;
    void ShowGeneralSettings() override;
    void ShowSpamSettings() override;
    void ShowStatistics() override;
    bool StatisticsOpen() const override;
    void ShowAbout() override;
    void ShowTextWindow(TextKind kind, const QStringList& lines) override;
    bool ShowMarkForDeletion(SpamRuleOffer& offer) override;

private:
    void render();
    void connectTray();

    Prompter& m_prompter;
    AlarmSound& m_sound;
    MainController* m_controller = nullptr;
    TfrmMain* m_main = nullptr;
    TrayIcon* m_tray = nullptr;
    TfrmRetrieving* m_retrieving = nullptr;
    TfrmGeneral* m_general = nullptr;
    TfrmOptionsMain* m_options = nullptr;
    bool m_statisticsOpen = false;
};
