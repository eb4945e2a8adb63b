#include "ui/DesktopView.h"

#include "core/AlarmSound.h"
#include "core/MainController.h"
#include "dialogs/MarkImages.h"
#include "dialogs/TfrmChartMain.h"
#include "dialogs/TfrmGeneral.h"
#include "dialogs/TfrmMarkForDeletion.h"
#include "dialogs/TfrmOptionsMain.h"
#include "ui/Icons.h"
#include "ui/TfrmAbout.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmRetrieving.h"
#include "ui/TfrmViewHeader.h"
#include "ui/TfrmWhichMailbox.h"
#include "ui/TrayIcon.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QSystemTrayIcon>
#include <memory>

DesktopView::DesktopView(Prompter& prompter, AlarmSound& sound, QObject* parent)
    : QObject(parent), m_prompter(prompter), m_sound(sound) {}

DesktopView::~DesktopView() {
    destroyWindows();
}

void DesktopView::destroyWindows() {
    if (m_main) m_main->saveWindowState();
    // The progress window and the general settings belong to the main window.
    delete m_main;
    m_main = nullptr;
    m_retrieving = nullptr;
    m_general = nullptr;
    m_options = nullptr;
    delete m_tray;
    m_tray = nullptr;
}

void DesktopView::createMainWindow(MainController& controller) {
    m_controller = &controller;
    m_main = new TfrmMain(controller);
    m_main->restoreWindowState();
    m_tray = new TrayIcon(this);
    connectTray();
    connect(&controller, &MainController::stateChanged, this, &DesktopView::render);
    render();
}

void DesktopView::createDialogs() {
    MarkImages::setProvider([](int index) { return Icons::mark(index); });
    // The dialogs edit the controller's settings models in place.
    const DialogModels models = m_controller->dialogModels();
    m_options =
        new TfrmOptionsMain(models.Spam, models.Known, models.General, m_prompter, m_main);
    m_options->setLearnedFilter(&models.Learned);
    m_options->OnHelp = [this] { m_controller->btHelpClick(); };

    m_retrieving = new TfrmRetrieving(m_main);
    m_retrieving->OnCancel = [this] { m_controller->btCancelClick(); };

    m_general = new TfrmGeneral(models.General, m_prompter, m_main);
    m_general->setSpamSettings(&models.Spam);
    m_general->OnTestSound = [this](bool play) {
        if (play)
            m_sound.Play(m_general->edAlarm->text(), m_general->cbRepeat->isChecked());
        else
            m_sound.Stop();
    };
    m_general->OnLaunchMailer = [this] { m_controller->btLaunchClick(); };
    m_general->OnViewStatistics = [this] { m_controller->Statistics1Click(); };
    m_general->OnHelp = [this] { m_controller->btHelpClick(); };
    m_general->setDialUpEntries(models.DialUpEntries);
    connect(m_general, &QDialog::accepted, m_controller,
            [c = m_controller] { c->UseDialUpEntry(); });
    render();
}

void DesktopView::connectTray() {
    MainController* c = m_controller;
    TrayIcon* t = m_tray;
    connect(t->Show1, &QAction::triggered, c, [c] { c->Show1Click(); });
    connect(t->LaunchEmailprogram1, &QAction::triggered, c, [c] { c->btLaunchClick(); });
    connect(t->ShowMainScreen1, &QAction::triggered, c, [c] { c->ShowMainScreen1Click(); });
    connect(t->Spam1, &QAction::triggered, c, [c] { c->btSpamSetupClick(); });
    connect(t->General1, &QAction::triggered, c, [c] { c->btGeneralClick(); });
    connect(t->Viewlogfile1, &QAction::triggered, c, [c] { c->Viewlogfile1Click(); });
    connect(t->Statistics1, &QAction::triggered, c, [c] { c->Statistics1Click(); });
    connect(t->EnableAutomatic1, &QAction::triggered, c, [c] { c->EnableAutomatic1Click(true); });
    connect(t->DisableAutomatic1, &QAction::triggered, c, [c] { c->EnableAutomatic1Click(false); });
    connect(t->Help2, &QAction::triggered, c, [c] { c->btHelpClick(); });
    connect(t->About1, &QAction::triggered, c, [c] { c->btAboutClick(); });
    connect(t->Exit1, &QAction::triggered, c,
            [c] { c->btExitClick(MainController::ExitSender::Exit1); });
    connect(t->popTray, &QMenu::aboutToShow, c, [c] { c->popTrayPopup(); });
    connect(t->trayIcon, &QSystemTrayIcon::activated, c,
            [c](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    c->ShowMainScreen1Click();
            });
}

void DesktopView::render() {
    if (!m_controller) return;
    const MainViewState& state = m_controller->state();
    if (m_tray) m_tray->render(state.Tray, state.Exit1Caption);
    if (m_retrieving) m_retrieving->render(state.Progress);
}

bool DesktopView::MainWindowVisible() const {
    // A minimised window is still on the screen: only a hidden one is hidden.
    return m_main && m_main->isVisible();
}

void DesktopView::ShowApplication() {
    if (!m_main) return;
    m_main->showNormal();
    m_main->raise();
    m_main->activateWindow();
}

void DesktopView::HideApplication() {
    if (m_retrieving) m_retrieving->hide();
    if (m_main) m_main->hide();
}

void DesktopView::CloseMainWindow() {
    if (m_main) m_main->close();
}

void DesktopView::Terminate() {
    // Leaves the event loops at once; quit() would first ask every window to
    // close, which a window in the middle of a command may refuse.
    QCoreApplication::exit(0);
}

bool DesktopView::SystemTrayAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

int DesktopView::ChooseMailbox(const QStringList& entries, int preselected) {
    return TfrmWhichMailbox::choose(entries, preselected, m_main);
}

void DesktopView::ShowGeneralSettings() {
    if (m_general) m_general->exec();
}

void DesktopView::ShowSpamSettings() {
    if (m_options) m_options->exec();
}

void DesktopView::ShowStatistics() {
    if (StatisticsOpen()) return;
    m_statisticsOpen = true; // no second start dialog over this one
    TfrmChartMain dialog(m_prompter, m_main);
    dialog.exec();
    m_statisticsOpen = false;
}

bool DesktopView::StatisticsOpen() const {
    return m_statisticsOpen || TfrmChartMain::StatisticsOpen();
}

void DesktopView::ShowAbout() {
    TfrmAbout about(m_controller->dialogModels().General, m_main);
    about.exec();
}

void DesktopView::ShowTextWindow(TextKind kind, const QStringList& lines) {
    TfrmViewHeader window(m_main);
    window.setContents(kind, lines);
    // The body is that of the message the controller has just loaded.
    if (kind == TextKind::Body && m_controller) window.setMessage(m_controller->viewedMessage());
    window.exec();
}

bool DesktopView::ShowMarkForDeletion(SpamRuleOffer& offer) {
    TfrmMarkForDeletion dialog(m_main);
    dialog.setRows(offer.Rows);
    dialog.cbSubject->setChecked(offer.Subjects);
    dialog.cbFrom->setChecked(offer.Senders);
    const bool ok = dialog.exec() == QDialog::Accepted;
    offer.Subjects = dialog.cbSubject->isChecked();
    offer.Senders = dialog.cbFrom->isChecked();
    return ok;
}
