// desktopcheck ROUNDS: the main window with its tray and progress window, over
// the real controller, in the profile the environment names (mailbox 1 set up by
// the caller). Presses "Check e-mail" ROUNDS times and prints "key=value" lines
// per round: the time from the press to the "MAIL CHECK" log line, the time
// until the window has drawn the result, the processor time, the rows, and the
// heap the rows and their headers hold (mallinfo2, taken while the list is full,
// against the heap before the first check).
#include "core/AlarmSound.h"
#include "core/MainController.h"
#include "core/Shell.h"
#include "settings/Prompter.h"
#include "ui/DesktopView.h"
#include "ui/Icons.h"
#include "ui/TfrmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <sys/resource.h>

namespace {

class PrintingPrompter : public Prompter {
public:
    Answer message(const QString& text, Icon, Buttons) override {
        std::fprintf(stderr, "desktopcheck: box: %s\n", qPrintable(text));
        ++shown;
        return Answer::Ok;
    }
    int shown = 0;
};

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long long heapBytes() {
    const struct mallinfo2 m = mallinfo2();
    return static_cast<long long>(m.uordblks + m.hblkhd);
}

// The number of "MAIL CHECK" lines in the log.
int checkLines(const QString& path) {
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly)) return 0;
    return int(log.readAll().count("MAIL CHECK "));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Icons::useDesktopIconTheme();
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 1;

    PrintingPrompter prompter;
    SilentAlarm sound;
    NoShell shell;
    DesktopView view(prompter, sound);
    MainController controller(view, prompter, sound, shell);
    view.createMainWindow(controller);
    controller.FormCreate();
    view.createDialogs();
    view.main()->show();
    QApplication::processEvents();

    malloc_trim(0);
    const long long heapBefore = heapBytes();
    for (int r = 0; r < rounds; ++r) {
        const int logged = checkLines(controller.logPath());
        const double cpu = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        view.main()->btList->click();
        const double toLog = wall.nsecsElapsed() / 1e9;
        QApplication::processEvents(); // the result as the user sees it
        const double drawn = wall.nsecsElapsed() / 1e9;
        const double cpuUsed = cpuSeconds() - cpu;
        if (checkLines(controller.logPath()) != logged + 1 || prompter.shown > 0) {
            std::fprintf(stderr, "desktopcheck: the check did not end with its log line\n");
            return 1;
        }
        malloc_trim(0);
        const long long held = heapBytes() - heapBefore;
        std::printf("round=%d\nmessages=%lld\nseconds=%.3f\ndrawn_seconds=%.3f\ncpu=%.3f\n"
                    "heap_bytes=%lld\n",
                    r + 1, qint64(controller.rows().size()), toLog, drawn, cpuUsed, held);
        std::fflush(stdout);
        // The next round (and the command line between rounds) starts a new session.
        controller.FormCloseQuery();
    }
    view.destroyWindows();
    return 0;
}
