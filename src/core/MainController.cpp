// The main controller: construction, start-up, the exit command, the toolbar
// state and the small helpers the other parts share.
#include "core/MainController.h"

#include "activity/LogNaming.h"
#include "activity/LogStamp.h"
#include "core/AlarmSound.h"
#include "core/MainView.h"
#include "core/Shell.h"
#include "mail/Exceptions.h"
#include "mail/oauth/OAuth2Flow.h"
#include "settings/AppPaths.h"
#include "settings/Clock.h"
#include "settings/Prompter.h"
#include "settings/SecretStore.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QLocale>
#include <QScopeGuard>
#include <exception>
#include <optional>

namespace {
const QString GeneralSection = QStringLiteral("General");
const char* const NoTrayText = QT_TRANSLATE_NOOP(
    "MainController", "This desktop has no system tray, so Quillmere cannot hide there. Its main "
                      "window stays on the screen instead; minimize it or close it to end the "
                      "program.");
} // namespace

namespace {
MxLookup& lookupOr(MxLookup* lookup, std::unique_ptr<MxLookup>& own, TmsMXResolver& resolver) {
    if (!lookup) {
        own = std::make_unique<ResolverMxLookup>(resolver);
        lookup = own.get();
    }
    return *lookup;
}
} // namespace

MainController::MainController(MainView& view, Prompter& prompter, AlarmSound& sound, Shell& shell,
                               MxLookup* lookup, bool attended, QObject* parent)
    : QObject(parent), m_view(view), m_flushingPrompter(prompter, *this),
      m_prompter(m_flushingPrompter), m_sound(sound), m_shell(shell), m_attended(attended),
      m_lookup(&lookupOr(lookup, m_ownLookup, m_resolver)),
      m_domains(std::make_unique<UnknownDomainCheck>(*m_lookup, m_spam)),
      m_session(m_spam, m_known, m_domains.get(), &m_learned, m_prompter) {
    m_session.setMode(userMode());
    m_session.setDialLink(&m_ras);
    m_ras.MinimizeAtConnect = true;
    m_ras.OnServiceError = [this](QObject*, const QString& m) { m_prompter.error(m); };
    followSession();

    m_drawTimer.setSingleShot(true);
    m_drawTimer.setInterval(DrawIntervalMs);
    connect(&m_drawTimer, &QTimer::timeout, this, &MainController::flushView);
    m_timer.setInterval(60000);
    connect(&m_timer, &QTimer::timeout, this, &MainController::Timer1Timer);
    connect(&m_idle, &IdleWatch::wokeUp, this, &MainController::sweepWokenLater);
    m_helpFile = AppPaths::appFile(QStringLiteral("quillmere.html"));
}

void MainController::UseDialUpEntry() {
    const QString name = m_general.dialUpEntry(m_dialUpEntries);
    if (name != m_ras.Service()) m_ras.setService(name);
}

MainController::~MainController() {
    // Nothing may call back into a controller that is going.
    m_session.disconnect(this);
    m_ras.OnServiceError = nullptr;
}

QString MainController::logPath() const {
    return CurrentLogPath(m_general.Logfile,
                          LogNamingFrom(m_general.Asis, m_general.Month, m_general.Quarter),
                          Clock::current().now().date(), DefaultLogPath());
}

void MainController::FormCreate() {
    // The settings in force, as the dialogs that edit them load them; the
    // secrets of every mailbox are read as the run allows.
    m_general.load(m_prompter, m_session.secretAccess());
    m_current = MailboxConfig::clampSlot(m_general.Which);
    m_minutesLeft = m_general.Minutes;
    m_state.Tray.EnableAutomatic1Checked = m_general.Automatic;
    m_state.Tray.DisableAutomatic1Checked = !m_general.Automatic;
    m_state.Tray.Active = m_general.SysTray;
    m_log.CloseLogFile();

    // The blacklist, then the current mailbox with the store's one-time
    // version step; when that step runs, it has cleared the passwords of an
    // older store, which the settings in force then forget too.
    try {
        LoadUpKnownList();
        if (!m_session.load(m_current))
            m_general.loadMailboxes(m_prompter, m_session.secretAccess());
    } catch (const Exception& e) {
        m_prompter.error(e.shown()); // start-up goes on with what it has
    }
    try {
        m_spam.readSettings();
    } catch (const Exception& e) {
        m_prompter.error(e.shown());
    }
    // A learned judgement that cannot be read is reported and left as it is;
    // the rules work without it.
    if (m_spam.Learning.On && !m_learned.open()) m_prompter.error(m_learned.error());

    // The dial-up link, as the general settings choose it.
    m_dialUpEntries = m_ras.Entries();
    UseDialUpEntry();

    // Messages viewed in an earlier run go.
    CleanUpEMLFiles();

    UpdateAutomaticCaptions(m_general.Automatic, m_minutesLeft);
    setIdleExitFace();
    if (!m_general.SysTray)
        shownView().ShowApplication();
    else if (!m_view.SystemTrayAvailable())
        hideToTray(); // shows the window and says why
    changed();
}

bool MainController::FormCloseQuery() {
    if (OperationRunning()) {
        // Closing in the middle of an operation ends it without signing off, so
        // that the server commits nothing of it.
        m_lookup->cancel();
        m_session.cancel();
        return true;
    }
    if (m_session.connected()) {
        try {
            m_session.signOff();
        } catch (const Exception&) {
            // The connection is closed either way; the program ends.
        }
    }
    return true;
}

void MainController::btExitClick(ExitSender sender) {
    playAlarmSound(false);
    if (m_state.btExitFace != ExitFace::Busy && OperationRunning()) {
        // An operation that shows no cancel face (an explanation waiting for the
        // DNS, a check ending after its cancel) is not a reason to end: its
        // look-up ends instead.
        m_lookup->cancel();
        return;
    }
    if (m_state.btExitFace == ExitFace::Busy) {
        btCancelClick();
        return;
    }
    m_log.CloseLogFile();
    if (sender == ExitSender::Exit1)
        shownView().Terminate();
    else if (hidesToTray())
        hideToTray();
    else
        shownView().CloseMainWindow();
}

void MainController::btCancelClick() {
    m_lookup->cancel(); // a domain look-up under way must not hold the cancel up
    m_session.cancel(); // a listing under way leaves no rows
    enableAllButtons();
    m_state.Progress.Visible = false;
    changed();
}

void MainController::enableAllButtons() {
    m_state.btListEnabled = true;
    m_state.btOptionsEnabled = true;
    if (!rows().isEmpty()) {
        m_state.RowButtonsVisible = true;
        m_state.lblAdVisible = false;
    }
    changed();
}

void MainController::disableAllButtons() {
    m_state.btListEnabled = false;
    m_state.btOptionsEnabled = false;
    m_state.RowButtonsVisible = false;
    m_state.lblAdVisible = true;
    changed();
}

void MainController::ShowTotalCount() {
    setStatus(tr("Message Total: %1 Number Marked: %2").arg(rows().size()).arg(MarkedCount()));
}

int MainController::serverToIndex() const {
    const QString server = m_session.server().toUpper();
    const QString user = m_session.userName().toUpper();
    for (int n = 1; n <= MailboxConfig::Count; ++n) {
        const MailboxConfig& box = m_general.mailbox(n);
        if (box.Server.toUpper() == server && box.UserName.toUpper() == user) return n;
    }
    return 0;
}

bool MainController::OnlyOneMailbox() const {
    if (m_general.mailbox(1).Server.isEmpty()) return false;
    for (int n = 2; n <= MailboxConfig::Count; ++n)
        if (!m_general.mailbox(n).Server.isEmpty()) return false;
    return true;
}

void MainController::LoadUpKnownList() {
    m_known.load(Blacklist::defaultPath());
}

// --- Shared helpers ------------------------------------------------------------

bool MainController::command(Kind kind, const std::function<bool()>& body) {
    if (OperationRunning()) return false;
    std::optional<OperationScope> operation;
    if (kind == Kind::Operation) operation.emplace(*this);
    try {
        return body();
    } catch (const std::exception& e) {
        // Ours, or a fault of the program: shown like any failure rather than
        // ending the program from the event loop.
        showFailure(FailureText(e));
    }
    return false;
}

void MainController::setBusy(bool busy) {
    m_state.Busy = busy;
    m_state.Tray.Busy = busy;
    changed();
    if (!busy) sweepWokenLater(); // a mailbox that woke meanwhile
}

RunMode MainController::userMode() const {
    return m_attended ? RunMode::Interactive : RunMode::Unattended;
}

RunMode MainController::sweepMode() const {
    return m_attended ? RunMode::Timer : RunMode::Sweep;
}

void MainController::updateTimer() {
    const bool run = m_attended && m_general.Automatic && m_timerHolds == 0;
    if (!run)
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start();
    if (m_timerHolds == 0) sweepWokenLater(); // a mailbox that woke while held
}

void MainController::changed() {
    m_pending = true;
    if (!OperationRunning() || !onlyRunningTextsChanged()) {
        flushView();
        return;
    }
    if (!m_drawTimer.isActive()) m_drawTimer.start();
}

bool MainController::onlyRunningTextsChanged() const {
    MainViewState steady = m_state;
    steady.StatusText = m_announced.StatusText;
    steady.Progress.lblMsg = m_announced.Progress.lblMsg;
    steady.Progress.BarPosition = m_announced.Progress.BarPosition;
    return steady == m_announced;
}

void MainController::flushView() {
    m_drawTimer.stop();
    const int count = int(rows().size());
    if (m_rowsAnnounced < count) {
        const int first = m_rowsAnnounced;
        m_rowsAnnounced = count;
        Q_EMIT rowsAppended(first, count - 1);
    }
    if (!m_pending) return;
    m_pending = false;
    m_announced = m_state;
    Q_EMIT stateChanged();
}

MainView& MainController::shownView() {
    flushView();
    return m_view;
}

void MainController::setStatus(const QString& text) {
    m_state.StatusText = text;
    changed();
}

void MainController::showFailure(const TrText& text) {
    m_lastFailure = text.shown();
    m_prompter.error(text.shown());
}

void MainController::writeLogLine(const QString& text) {
    // A log that cannot be written is reported; the command goes on.
    try {
        m_log.AppendLogEntry(logPath(), text);
    } catch (const Exception& e) {
        m_prompter.error(e.shown());
    }
}

QString MainController::stamp() const {
    return LogStamp(Clock::current().now());
}

void MainController::setIdleExitFace() {
    m_state.btExitFace = ExitFace::Idle;
    // Without a tray to hide in, the button ends the program.
    m_state.btExitCaption = hidesToTray() ? tr("Hide") : tr("Goodbye");
    m_state.Exit1Caption = tr("Exit");
    changed();
}

void MainController::setBusyExitFace() {
    m_state.btExitFace = ExitFace::Busy;
    m_state.btExitCaption = tr("Cancel");
    m_state.Exit1Caption = tr("Cancel");
    changed();
}

void MainController::setListFace() {
    m_state.btListFace = rows().isEmpty() ? ListFace::Down : ListFace::Up;
    changed();
}

bool MainController::progressShown() const {
    return m_view.MainWindowVisible() || !startedByTimer(m_session.mode());
}

void MainController::showProgress(const QString& title) {
    ProgressState& p = m_state.Progress;
    if (!p.Visible) {
        p.lblMsg.clear();
        p.Server = m_session.server();
        p.Mailbox = m_session.userName();
        p.BarVisible = false;
        p.Visible = true;
    }
    p.Title = title;
    changed();
}

bool MainController::hidesToTray() const {
    return m_general.SysTray && m_view.SystemTrayAvailable();
}

void MainController::hideToTray() {
    if (m_view.SystemTrayAvailable()) {
        shownView().HideApplication();
        return;
    }
    // Without a tray a hidden window could not be reached again.
    shownView().ShowApplication();
    if (!m_toldNoTray) {
        m_toldNoTray = true;
        m_prompter.information(tr(NoTrayText));
    }
}
