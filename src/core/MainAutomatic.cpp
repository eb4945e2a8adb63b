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
#include <QScopeGuard>
#include <QTimer>

void MainController::Timer1Timer() {
    // A tick that comes while an operation runs is skipped; the countdown goes
    // on from the next one.
    if (OperationRunning()) return;
    --m_minutesLeft;
    UpdateAutomaticCaptions(m_general.Automatic, m_general.Minutes);
    timerSweep();
}

void MainController::SweepNow() {
    if (OperationRunning()) return;
    m_minutesLeft = 0;
    timerSweep();
}

void MainController::sweepWokenLater() {
    if (m_idle.hasWakeUps()) QTimer::singleShot(0, this, &MainController::SweepWoken);
}

void MainController::SweepWoken() {
    // Held: the woken mailboxes wait for the end of what holds them.
    if (OperationRunning() || m_timerHolds > 0 || !m_idle.hasWakeUps()) return;
    m_lastFailure.clear();
    m_session.setMode(sweepMode());
    QList<int> woken = m_idle.takeWakeUps();
    command(Kind::Operation, [this, &woken] {
        const TimerHold hold(*this);
        // Mail left in one ends the sweep as the countdown's does, so that the
        // window shows that mailbox.
        while (!woken.isEmpty())
            if (sweepSlot(woken.takeFirst())) break;
        m_current = !rows().isEmpty() ? rowsSlot() : MailboxConfig::clampSlot(m_general.Which);
        changed();
        return true;
    });
    m_session.setMode(userMode());
    // The others stay woken: they run at the end of the next operation.
    for (int n : woken)
        m_idle.wokeAgain(n);
}

void MainController::timerSweep() {
    m_lastFailure.clear();
    m_session.setMode(sweepMode());
    command(Kind::Command, [this] {
        // A failure ends the sweep here; the countdown stays at zero, so the
        // next tick sweeps again.
        CheckAllMailBoxes();
        return true;
    });
    m_session.setMode(userMode());
    m_state.lblTitle = m_state.Caption;
    m_state.Tray.Hint = m_state.Caption;
    changed();
}

void MainController::UpdateAutomaticCaptions(bool automatic, int minutes) {
    m_state.Caption = QStringLiteral("Quillmere");
    if (automatic) {
        m_state.Caption = countdownCaption(minutes);
        m_state.lblTitle = m_state.Caption;
        m_state.Tray.Hint = m_state.Caption;
    } else {
        m_state.lblTitle = QStringLiteral("Quillmere");
        m_state.Tray.Hint = QStringLiteral("Quillmere");
    }
    updateTimer();
    m_idle.setActive(automatic && m_attended);
    m_state.Tray.EnableAutomatic1Checked = automatic;
    m_state.Tray.DisableAutomatic1Checked = !automatic;
    // The mode decides the picture: a hammer from a cancel or a launch lasts
    // only until then.
    m_state.Tray.HammerPicture = false;
    m_state.Tray.Animated = automatic;
    changed();
}

void MainController::EnableAutomatic1Click(bool on) {
    command(Kind::Command, [this, on] {
        try {
            SettingsStore::tree().WriteBool(QStringLiteral("General"), QStringLiteral("Automatic"),
                                            on);
        } catch (const Exception& e) {
            m_prompter.error(e.shown());
        }
        // Switching on keeps the countdown where it is; switching off resets it.
        if (!on) m_minutesLeft = m_general.Minutes;
        m_general.Automatic = on;
        UpdateAutomaticCaptions(m_general.Automatic, m_general.Minutes);
        writeLogLine(AutomaticModeEntry(on, stamp()));
        return true;
    });
}

void MainController::Show1Click() {
    if (OperationRunning()) return;
    shownView().ShowApplication();
    btListClick();
}

void MainController::ShowMainScreen1Click() {
    shownView().ShowApplication();
}

void MainController::popTrayPopup() {
    playAlarmSound(false);
}

void MainController::btSpamSetupClick() {
    // The dialog edits the rule lists the classifier uses in place: no check
    // may run (and save them) while it is open.
    command(Kind::Operation, [this] {
        playAlarmSound(false);
        const TimerHold hold(*this);
        // Its Help button is the one command let through while it is open.
        m_spamSettingsOpen = true;
        const auto closed = qScopeGuard([this] { m_spamSettingsOpen = false; });
        shownView().ShowSpamSettings();
        return true;
    });
}

void MainController::btGeneralClick() {
    command(Kind::Command, [this] {
        openGeneralSettings();
        return true;
    });
}

void MainController::openGeneralSettings() {
    playAlarmSound(false);
    {
        // Nothing started from the dialog (help, statistics) starts the timer
        // before it closes.
        const TimerHold hold(*this);
        shownView().ShowGeneralSettings();
    }
    UpdateAutomaticCaptions(m_general.Automatic, m_general.Minutes);
    m_idle.reload(); // the mailboxes may have changed
    m_current = MailboxConfig::clampSlot(m_general.Which);
    m_minutesLeft = m_general.Minutes;
    changed();
}

void MainController::Statistics1Click() {
    command(Kind::Command, [this] {
        if (!m_view.StatisticsOpen()) shownView().ShowStatistics();
        return true;
    });
}

void MainController::btAboutClick() {
    command(Kind::Command, [this] {
        playAlarmSound(false);
        const TimerHold hold(*this);
        shownView().ShowAbout();
        return true;
    });
}

void MainController::playAlarmSound(bool play) {
    if (!play) {
        m_sound.Stop();
        return;
    }
    // An alarm never chosen is the tune in the application folder.
    const QString file = m_general.AlarmFile.isEmpty()
                             ? AppPaths::appFile(QStringLiteral("harptune.wav"))
                             : m_general.AlarmFile;
    if (QFileInfo(file).isFile())
        m_sound.Play(file, m_general.Repeat);
    else
        m_sound.Beep();
}
