// quillmere: the desktop program.
#include "core/MainController.h"
#include "mail/Exceptions.h"
#include "settings/AppPaths.h"
#include "settings/ProfileLock.h"
#include "settings/Translations.h"
#include "ui/AlarmPlayer.h"
#include "ui/DesktopShell.h"
#include "ui/DesktopView.h"
#include "ui/HarpTune.h"
#include "ui/HelpPage.h"
#include "ui/Icons.h"
#include "ui/MessageBoxPrompter.h"
#include "ui/QuillApplication.h"
#include "ui/SingleInstance.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmSplash.h"

#include <QApplication>
#include <QPointer>

int main(int argc, char** argv) {
    QuillApplication app(argc, argv);
    Translations::install();
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationVersion(QStringLiteral(QUILL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.tarrowby.Quillmere"));
    QApplication::setWindowIcon(Icons::program());
    Icons::useDesktopIconTheme();
    // The program ends when its main window closes or "Exit" is chosen, not
    // when its last window hides to the tray.
    QApplication::setQuitOnLastWindowClosed(false);

    // The splash first, painted at once.
    QPointer<TfrmSplash> splash = new TfrmSplash;
    splash->showNow();

    MessageBoxPrompter prompter;
    prompter.BeforeShow = [&splash] {
        if (splash) splash->hide();
    };
    // A failure that escapes a command is shown; the program goes on.
    app.OnFailure = [&prompter](const QString& text) { prompter.error(text); };

    // One program per profile: a second one brings the first forward and ends.
    SingleInstance guard;
    if (guard.askFirstToComeForward()) {
        delete splash;
        return 0;
    }
    ProfileLock lock;
    if (!lock.tryLock()) {
        prompter.error(ProfileLock::busyText());
        delete splash;
        return 1;
    }
    guard.listen();

    // The default alarm, made when missing; the help page of this version.
    HarpTune::ensureIn(AppPaths::appFolder());
    HelpPage::ensureIn(AppPaths::appFolder());

    AlarmPlayer sound;
    DesktopShell shell;
    DesktopView view(prompter, sound);
    MainController controller(view, prompter, sound, shell);
    view.createMainWindow(controller);
    QObject::connect(&guard, &SingleInstance::comeForward, &view,
                     [&view] { view.ShowApplication(); });
    QObject::connect(
        view.main(), &TfrmMain::closed, &app, [] { QApplication::exit(0); }, Qt::QueuedConnection);

    controller.FormCreate();
    view.createDialogs();
    if (splash) splash->showSecondPictureAndGo();

    const int rc = QApplication::exec();

    // Closing signs off a connection still open; the general settings in force
    // are stored, as the settings dialog would on its way out.
    controller.FormCloseQuery();
    view.destroyWindows();
    try {
        controller.general().save();
    } catch (const Exception& e) {
        prompter.error(e.shown());
    }
    return rc;
}
