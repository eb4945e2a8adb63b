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
const QString NoTrayText =
    QStringLiteral("This desktop has no system tray, so Quillmere cannot hide there. Its main "
                   "window stays on the screen instead; minimize it or close it to end the "
                   "program.");
} // namespace

MainController::MainController(MainView& view, Prompter& prompter, AlarmSound& sound, Shell& shell,
                               MxLookup* lookup, QObject* parent)
    : QObject(parent), m_view(view), m_flushingPrompter(prompter, *this),
      m_prompter(m_flushingPrompter), m_sound(sound), m_shell(shell), m_list(msRemotePOP1) {
    m_list.OnCleared = [this] {
        m_rowsAnnounced = 0; // rows added meanwhile go with the list they were in
        Q_EMIT rowsReset();
    };
    m_drawTimer.setSingleShot(true);
    m_drawTimer.setInterval(DrawIntervalMs);
    connect(&m_drawTimer, &QTimer::timeout, this, &MainController::flushView);
    if (!lookup) {
        m_ownLookup = std::make_unique<ResolverMxLookup>(MXResolver);
        lookup = m_ownLookup.get();
    }
    m_domains = std::make_unique<UnknownDomainCheck>(*lookup, Spam);
    m_classifier = std::make_unique<Classifier>(
        m_list.markableRows(),
        [this](int i) -> const TmsHeaders& { return msRemotePOP1.RemoteInfo.Items(i).Headers; },
        Spam, lbKnown, m_domains.get());

    msRemotePOP1.setTimeOut(120);
    msRemotePOP1.OnAccessToken = [this](bool renew) { return accessToken(renew); };
    msRemotePOP1.RAS = &agRas1;
    agRas1.MinimizeAtConnect = true;
    agRas1.OnServiceError = [this](QObject*, const QString& m) { m_prompter.error(m); };
    msRemotePOP1.OnOpen = [this](QObject* s) { msRemotePOP1Open(s); };
    msRemotePOP1.OnUpdatingInfo = [this](QObject* s) { msRemotePOP1UpdatingInfo(s); };
    msRemotePOP1.OnNextInfoUpdated = [this](QObject* s, int n) {
        msRemotePOP1NextInfoUpdated(s, n);
    };
    msRemotePOP1.OnInfoUpdated = [this](QObject* s) { msRemotePOP1InfoUpdated(s); };
    msRemotePOP1.OnTransferringData = [this](QObject* s) { msRemotePOP1TransferringData(s); };
    msRemotePOP1.OnDataTransfered = [this](QObject* s) { msRemotePOP1DataTransfered(s); };
    msRemotePOP1.OnClosing = [this](QObject* s) { msRemotePOP1Closing(s); };
    msRemotePOP1.OnClosed = [this](QObject* s) { msRemotePOP1Closed(s); };
    msRemotePOP1.OnCancel = [this](QObject* s) { msRemotePOP1Cancel(s); };
    msRemotePOP1.OnError = [this](QObject* s, QString& m) { msRemotePOP1Error(s, m); };
    msRemotePOP1.OnDeleting = [this](QObject* s, int n) { msRemotePOP1Deleting(s, n); };
    msRemotePOP1.OnDeleted = [this](QObject* s, int n) { msRemotePOP1Deleted(s, n); };
    msRemotePOP1.OnDeleteRefused = [this](QObject* s, int n) { msRemotePOP1DeleteRefused(s, n); };
    msRemotePOP1.OnRetrieving = [this](QObject* s, int n) { msRemotePOP1Retrieving(s, n); };
    msRemotePOP1.OnRetrieved = [this](QObject* s, int n) { msRemotePOP1Retrieved(s, n); };
    msRemotePOP1.OnUserMessageSave = [this](QObject* s, int n, const QByteArray& contents) {
        msRemotePOP1UserMessageSave(s, n, contents);
    };

    Timer1.setInterval(60000);
    connect(&Timer1, &QTimer::timeout, this, &MainController::Timer1Timer);

    ShortDateFormat = fix2000(QLocale().dateFormat(QLocale::ShortFormat));
    HelpFile = AppPaths::appFile(QStringLiteral("quillmere.html"));
}

void MainController::UseDialUpEntry() {
    const QString name = General.dialUpEntry(DialUpEntries);
    if (name != agRas1.Service()) agRas1.setService(name);
}

MainController::~MainController() {
    // Nothing may call back into a controller that is going.
    msRemotePOP1.OnOpen = nullptr;
    msRemotePOP1.OnClosing = nullptr;
    msRemotePOP1.OnClosed = nullptr;
    msRemotePOP1.OnCancel = nullptr;
    msRemotePOP1.OnError = nullptr;
    agRas1.OnServiceError = nullptr;
}

int MainController::MarkedCount() const {
    int n = 0;
    for (const MessageRow& row : m_list.rows())
        if (isMarked(row.Mark)) ++n;
    return n;
}

QString MainController::logPath() const {
    return CurrentLogPath(General.Logfile,
                          LogNamingFrom(General.Asis, General.Month, General.Quarter),
                          Clock::current().now().date(), DefaultLogPath());
}

bool MainController::WhyMode() const {
    return m_classifier->WhyMode;
}

void MainController::FormCreate() {
    // 1. Dates in the list get a four-digit year.
    ShortDateFormat = fix2000(QLocale().dateFormat(QLocale::ShortFormat));

    // 2. The few values start-up reads itself.
    const SettingsGroup tree(SettingsStore::tree()); // the file is read once
    SysTray = tree.ReadBool(GeneralSection, QStringLiteral("SysTray"), false);
    const bool automatic = tree.ReadBool(GeneralSection, QStringLiteral("Automatic"), false);
    MinutesLeft = tree.ReadInteger(GeneralSection, QStringLiteral("Minutes"), 10);
    iWhich = tree.ReadInteger(QStringLiteral("Server"), QStringLiteral("Which"), 1);
    if (iWhich < 1 || iWhich > MailboxConfig::Count) iWhich = 1;

    // 3.-6.
    TimerRun = false;
    m_state.Tray.EnableAutomatic1Checked = automatic;
    m_state.Tray.DisableAutomatic1Checked = !automatic;
    m_state.Tray.Active = SysTray;
    Retrieving = false;
    m_classifier->WhyMode = false;
    m_classifier->WhyException = false;
    Log.CloseLogFile();
    IniFilePath = SettingsStore::iniFile().path();

    // 7.-8. The blacklist, then the current mailbox with the one-time version
    // step, before anything reads the stored passwords.
    try {
        LoadUpKnownList();
        loadMailbox(iWhich);
    } catch (const Exception& e) {
        m_prompter.error(e.message()); // start-up goes on with what it has
    }

    // The settings models the dialogs edit, as the dialogs load them when the
    // program creates them.
    General.load(m_prompter);
    try {
        Spam.readSettings();
    } catch (const Exception& e) {
        m_prompter.error(e.message());
    }

    // The dial-up link, as the general settings choose it.
    DialUpEntries = agRas1.Entries();
    UseDialUpEntry();

    // 9. Messages are written to the application folder; old ones go.
    msRemotePOP1.setMessageDirectory(AppPaths::appFolder());
    CleanUpEMLFiles();

    // 11.-13.
    UpdateAutomaticCaptions(automatic, MinutesLeft);
    setIdleExitFace();
    if (!SysTray)
        shownView().ShowApplication();
    else if (!m_view.SystemTrayAvailable())
        hideToTray(); // shows the window and says why
    changed();

    // 14.
    if (automatic) {
        startTimer1();
        m_state.Tray.Animated = true;
        changed();
    }
}

bool MainController::FormCloseQuery() {
    if (OperationRunning()) {
        // Closing in the middle of an operation ends it without signing off, so
        // that the server commits nothing of it.
        MXResolver.Cancel();
        msRemotePOP1.Cancel();
        return true;
    }
    if (msRemotePOP1.Connected()) {
        try {
            msRemotePOP1.Disconnect();
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
        MXResolver.Cancel();
        return;
    }
    if (m_state.btExitFace == ExitFace::Busy) {
        MXResolver.Cancel(); // a domain look-up under way must not hold the cancel up
        msRemotePOP1.Cancel();
        if (Retrieving) clearRows();
        Retrieving = false;
        enableAllButtons();
        m_state.Progress.Visible = false;
        changed();
        return;
    }
    Log.CloseLogFile();
    if (sender == ExitSender::Exit1)
        shownView().Terminate();
    else if (hidesToTray())
        hideToTray();
    else
        shownView().CloseMainWindow();
}

void MainController::btCancelClick() {
    MXResolver.Cancel();
    msRemotePOP1.Cancel();
    if (Retrieving) clearRows();
    enableAllButtons();
    m_state.Progress.Visible = false;
    changed();
}

void MainController::enableAllButtons() {
    m_state.btListEnabled = true;
    m_state.btOptionsEnabled = true;
    if (!m_list.rows().isEmpty()) {
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
    setStatus(QStringLiteral("Message Total: %1 Number Marked: %2")
                  .arg(m_list.rows().size())
                  .arg(MarkedCount()));
}

int MainController::serverToIndex() const {
    const QString server = msRemotePOP1.Server.toUpper();
    const QString user = msRemotePOP1.UserName.toUpper();
    for (int n = 1; n <= MailboxConfig::Count; ++n) {
        const MailboxConfig& box = General.mailbox(n);
        if (box.Server.toUpper() == server && box.UserName.toUpper() == user) return n;
    }
    return 0;
}

bool MainController::OnlyOneMailbox() const {
    if (General.mailbox(1).Server.isEmpty()) return false;
    for (int n = 2; n <= MailboxConfig::Count; ++n)
        if (!General.mailbox(n).Server.isEmpty()) return false;
    return true;
}

void MainController::synchronizeIwhich() {
    General.Which = iWhich;
}

void MainController::LoadUpKnownList() {
    lbKnown.load(Blacklist::defaultPath());
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
}

SecretAccess MainController::secretAccess() const {
    // Nobody may be at the desktop to answer the keyring's unlock prompt.
    return TimerRun || m_sweeping || Unattended || NeverPromptSecrets ? SecretAccess::NeverPrompt
                                                                      : SecretAccess::MayPrompt;
}

namespace {

// Answers of a token endpoint that a new sign-in mends: the grant expired or
// was revoked, or the application's registration no longer fits.
bool needsNewSignIn(const QString& providerText) {
    static const QStringList codes = {
        QStringLiteral("invalid_grant"),       QStringLiteral("invalid_client"),
        QStringLiteral("unauthorized_client"), QStringLiteral("invalid_scope"),
        QStringLiteral("invalid_request"),     QStringLiteral("unsupported_grant_type")};
    const QString code = providerText.section(QLatin1Char(':'), 0, 0).trimmed();
    return codes.contains(code);
}

} // namespace

QString MainController::accessToken(bool renew) {
    const int n = m_list.slot();
    const QString mailbox = QStringLiteral("Mailbox %1 (%2): ").arg(n).arg(msRemotePOP1.UserName);
    const QString advice = QStringLiteral(" Sign in again in the mailbox's details.");
    // A locked keyring that may not be asked fails with the store's own text.
    std::optional<OAuth2Tokens> tokens = ReadOAuth2Tokens(n, secretAccess());
    if (!tokens || tokens->isEmpty())
        throw EOAuth2Error(mailbox + QStringLiteral("the mailbox has no OAuth2 sign-in yet.") +
                           advice);
    if (!renew && !tokens->needsRefresh(QDateTime::currentDateTimeUtc(), 60))
        return tokens->AccessToken;
    if (tokens->RefreshToken.isEmpty())
        throw EOAuth2Error(mailbox +
                           QStringLiteral("the OAuth2 access token has expired and the provider "
                                          "gave no refresh token.") +
                           advice);
    OAuth2Tokens renewed;
    // Cancel ends the wait for the provider as it ends the wait for the server.
    OAuth2RefreshStop stop;
    m_refreshStop = &stop;
    const auto forget = qScopeGuard([this] { m_refreshStop = nullptr; });
    try {
        renewed = RefreshOAuth2Tokens(m_oauth2, *tokens, 30000, &stop);
    } catch (const EOAuth2Error& e) {
        if (needsNewSignIn(e.message()))
            throw EOAuth2Error(mailbox +
                               QStringLiteral("the OAuth2 sign-in has expired or was withdrawn "
                                              "(%1).")
                                   .arg(e.message()) +
                               advice);
        // The provider could not be asked: the sign-in itself may be fine.
        throw EOAuth2Error(mailbox + QStringLiteral("the OAuth2 token could not be renewed: ") +
                           e.message());
    } catch (const ETimedOutError&) {
        throw ETimedOutError(mailbox +
                             QStringLiteral("the OAuth2 provider did not answer in time."));
    }
    // A provider may hand out a new refresh token and withdraw the old one:
    // the new pair is stored before the token is used.
    StoreOAuth2Tokens(n, renewed);
    if (stop.stopped()) throw ECanceledError(LibraryText(57001));
    return renewed.AccessToken;
}

bool MainController::loadMailbox(int n) {
    const std::optional<RemotePOPLoad> load = LoadRemotePOPSettings(n, m_prompter, secretAccess());
    if (!load) return false;
    m_secretError = load->secretError;
    MailboxConfig box = load->mailbox;
    // A password that could not be read is cleared, never kept from the slot
    // loaded before: that one belongs to another server.
    if (!load->passwordRead) box.Password.clear();
    m_oauth2 = box.OAuth2;
    m_list.load(n, box);
    return true;
}

void MainController::startTimer1() {
    // A sweep is one operation: the timer starts again only when it has ended.
    if (m_sweeping || m_generalOpen || Timer1.isActive()) return;
    Timer1.start();
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
    const int count = int(m_list.rows().size());
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

void MainController::showFailure(const QString& text) {
    m_lastFailure = text;
    m_prompter.error(text);
}

void MainController::writeLogLine(const QString& text) {
    // A log that cannot be written is reported; the command goes on.
    try {
        Log.AppendLogEntry(logPath(), text);
    } catch (const Exception& e) {
        m_prompter.error(e.message());
    }
}

QString MainController::stamp() const {
    return LogStamp(Clock::current().now());
}

void MainController::setIdleExitFace() {
    m_state.btExitFace = ExitFace::Idle;
    // Without a tray to hide in, the button ends the program.
    m_state.btExitCaption = hidesToTray() ? QStringLiteral("Hide") : QStringLiteral("Goodbye");
    m_state.Exit1Caption = QStringLiteral("Exit");
    changed();
}

void MainController::setBusyExitFace() {
    m_state.btExitFace = ExitFace::Busy;
    m_state.btExitCaption = QStringLiteral("Cancel");
    m_state.Exit1Caption = QStringLiteral("Cancel");
    changed();
}

void MainController::setListFace() {
    m_state.btListFace = m_list.rows().isEmpty() ? ListFace::Down : ListFace::Up;
    changed();
}

void MainController::showProgress(const QString& title) {
    ProgressState& p = m_state.Progress;
    if (!p.Visible) {
        p.lblMsg.clear();
        p.Server = msRemotePOP1.Server;
        p.Mailbox = msRemotePOP1.UserName;
        p.BarVisible = false;
        p.Visible = true;
    }
    p.Title = title;
    changed();
}

void MainController::clearRows() {
    m_list.clear();
}

bool MainController::hidesToTray() const {
    return SysTray && m_view.SystemTrayAvailable();
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
        m_prompter.information(NoTrayText);
    }
}

void MainController::restartTimerIfAutomatic() {
    if (General.Automatic) startTimer1();
}
