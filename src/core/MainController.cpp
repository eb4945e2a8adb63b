#include "core/MainController.h"

#include "core/AlarmSound.h"
#include "core/MainView.h"
#include "core/Shell.h"
#include "settings/Prompter.h"

MainController::MainController(MainView& view, Prompter& prompter, AlarmSound& sound, Shell& shell,
                               MxLookup* lookup, QObject* parent)
    : QObject(parent), m_view(view), m_prompter(prompter), m_sound(sound), m_shell(shell) {
    if (!lookup) {
        m_ownLookup = std::make_unique<ResolverMxLookup>(MXResolver);
        lookup = m_ownLookup.get();
    }
    m_domains = std::make_unique<UnknownDomainCheck>(*lookup, Spam);
    m_classifier = std::make_unique<Classifier>(
        m_rows, [this](int i) -> const TmsHeaders& { return msRemotePOP1.RemoteInfo.Items(i).Headers; },
        Spam, lbKnown, m_domains.get());
    Timer1.setInterval(60000);
}

MainController::~MainController() = default;

int MainController::MarkedCount() const { return 0; }
QString MainController::logPath() const { return {}; }
bool MainController::WhyMode() const { return m_classifier->WhyMode; }
void MainController::FormCreate() {}
bool MainController::FormCloseQuery() { return true; }
void MainController::btExitClick(ExitSender) {}
void MainController::btCancelClick() {}
void MainController::enableAllButtons() {}
void MainController::disableAllButtons() {}
void MainController::ShowTotalCount() {}
int MainController::serverToIndex() const { return 0; }
bool MainController::OnlyOneMailbox() const { return false; }
void MainController::synchronizeIwhich() {}
void MainController::LoadUpKnownList() {}
bool MainController::GetRemotePOPSettings(int) { return false; }
bool MainController::btListClick() { return false; }
void MainController::CheckAllMailBoxes() {}
void MainController::MarkForDeletion(int) {}
void MainController::msRemotePOP1Open(QObject*) {}
void MainController::msRemotePOP1UpdatingInfo(QObject*) {}
void MainController::msRemotePOP1NextInfoUpdated(QObject*, int) {}
void MainController::msRemotePOP1InfoUpdated(QObject*) {}
void MainController::msRemotePOP1TransferringData(QObject*) {}
void MainController::msRemotePOP1DataTransfered(QObject*) {}
void MainController::msRemotePOP1Closing(QObject*) {}
void MainController::msRemotePOP1Closed(QObject*) {}
void MainController::msRemotePOP1Cancel(QObject*) {}
void MainController::msRemotePOP1Error(QObject*, QString&) {}
void MainController::msRemotePOP1Deleting(QObject*, int) {}
void MainController::btMarkClick(const QList<int>&) {}
void MainController::ListView1DblClick(const QList<int>&) {}
void MainController::ResetButtonClick() {}
void MainController::btRemarkClick() {}
bool MainController::btDeleteClick() { return false; }
void MainController::DeleteMessages() {}
void MainController::Timer1Timer() {}
void MainController::UpdateAutomaticCaptions(bool, int) {}
void MainController::UpdateTrayIcons(bool) {}
void MainController::EnableAutomatic1Click(bool) {}
void MainController::Show1Click() {}
void MainController::ShowMainScreen1Click() {}
void MainController::popTrayPopup() {}
void MainController::btSpamSetupClick() {}
void MainController::btGeneralClick() {}
void MainController::Statistics1Click() {}
void MainController::btAboutClick() {}
void MainController::btHelpClick() {}
void MainController::Viewlogfile1Click() {}
void MainController::playAlarmSound(bool) {}
void MainController::ListView1Click() {}
void MainController::ListView1KeyUp() {}
void MainController::NadaSelected() {}
void MainController::btLaunchClick() {}
QStringList MainController::Why1Click(const QList<int>&) { return {}; }
void MainController::CleanUpEMLFiles() {}
