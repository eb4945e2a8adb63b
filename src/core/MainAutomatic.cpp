// Automatic mode: the timer and its countdown, the captions, the tray, the
// dialogs opened from the window or the tray, and the alarm.
#include "activity/LogEntries.h"
#include "core/AlarmSound.h"
#include "core/MainController.h"
#include "core/MainView.h"
#include "mail/Exceptions.h"
#include "settings/AppPaths.h"
#include "settings/Prompter.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>

void MainController::Timer1Timer() {
    m_lastFailure.clear();
    --MinutesLeft;
    UpdateAutomaticCaptions(General.Automatic, General.Minutes);
    TimerRun = true;
    try {
        CheckAllMailBoxes();
    } catch (const Exception& e) {
        // The sweep ends here; the countdown stays at zero, so the next tick
        // sweeps again.
        showFailure(e.message());
    }
    TimerRun = false;
    m_state.lblTitle = m_state.Caption;
    m_state.Tray.Hint = m_state.Caption;
    changed();
    if (!Timer1.isActive()) Timer1.start();
}

void MainController::UpdateAutomaticCaptions(bool automatic, int minutes) {
    m_state.Caption = QStringLiteral("Quillmere");
    if (automatic) {
        if (!Timer1.isActive()) Timer1.start();
        m_state.Caption += QStringLiteral(" - next e-mail check in %1 minute%2")
                               .arg(minutes)
                               .arg(minutes == 1 ? QString() : QStringLiteral("s"));
        m_state.lblTitle = m_state.Caption;
        m_state.Tray.Hint = m_state.Caption;
    } else {
        Timer1.stop();
        m_state.lblTitle = QStringLiteral("Quillmere");
        m_state.Tray.Hint = QStringLiteral("Quillmere");
    }
    m_state.Tray.EnableAutomatic1Checked = automatic;
    m_state.Tray.DisableAutomatic1Checked = !automatic;
    UpdateTrayIcons(automatic);
}

void MainController::UpdateTrayIcons(bool automatic) {
    m_state.Tray.Animated = automatic;
    changed();
}

void MainController::EnableAutomatic1Click(bool on) {
    try {
        SettingsStore::tree().WriteBool(QStringLiteral("General"), QStringLiteral("Automatic"), on);
    } catch (const Exception& e) {
        m_prompter.error(e.message());
    }
    // Switching on keeps the countdown where it is; switching off resets it.
    if (!on) MinutesLeft = General.Minutes;
    General.Automatic = on;
    UpdateAutomaticCaptions(General.Automatic, General.Minutes);
    writeLogLine(AutomaticModeEntry(on, stamp()));
}

void MainController::Show1Click() {
    m_view.ShowApplication();
    TimerRun = false;
    btListClick();
    restartTimerIfAutomatic();
}

void MainController::ShowMainScreen1Click() {
    m_view.ShowApplication();
}

void MainController::popTrayPopup() {
    playAlarmSound(false);
}

void MainController::btSpamSetupClick() {
    playAlarmSound(false);
    const bool running = Timer1.isActive();
    Timer1.stop();
    m_view.ShowSpamSettings();
    if (running && !Timer1.isActive()) Timer1.start();
}

void MainController::btGeneralClick() {
    playAlarmSound(false);
    Timer1.stop();
    m_view.ShowGeneralSettings();
    UpdateAutomaticCaptions(General.Automatic, General.Minutes);
    iWhich = General.Which >= 1 && General.Which <= MailboxConfig::Count ? General.Which : 1;
    MinutesLeft = General.Minutes;
    changed();
}

void MainController::Statistics1Click() {
    if (m_view.StatisticsOpen()) return;
    m_view.ShowStatistics();
}

void MainController::btAboutClick() {
    playAlarmSound(false);
    Timer1.stop();
    m_view.ShowAbout();
    restartTimerIfAutomatic();
}

void MainController::playAlarmSound(bool play) {
    if (!play) {
        m_sound.Stop();
        return;
    }
    // An alarm never chosen is the tune in the application folder.
    const QString file = General.AlarmFile.isEmpty()
                             ? AppPaths::appFile(QStringLiteral("harptune.wav"))
                             : General.AlarmFile;
    if (QFileInfo(file).isFile())
        m_sound.Play(file, General.Repeat);
    else
        m_sound.Beep();
}
