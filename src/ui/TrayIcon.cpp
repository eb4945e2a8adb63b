#include "ui/TrayIcon.h"

#include "ui/Icons.h"

#include <QActionGroup>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {
QAction* item(QMenu* menu, const char* name, const QString& text) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    return a;
}
} // namespace

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {
    popTray = new QMenu;
    popTray->setObjectName(QStringLiteral("popTray"));
    Show1 = item(popTray, "Show1", tr("Check e-mail for spam"));
    LaunchEmailprogram1 = item(popTray, "LaunchEmailprogram1", tr("Launch e-mail program"));
    popTray->addSeparator();
    ShowMainScreen1 = item(popTray, "ShowMainScreen1", tr("Main screen"));
    Settings1 = popTray->addMenu(tr("Settings"));
    Settings1->setObjectName(QStringLiteral("Settings1"));
    Settings1->menuAction()->setObjectName(QStringLiteral("Settings1"));
    Spam1 = item(Settings1, "Spam1", tr("Spam"));
    General1 = item(Settings1, "General1", tr("General"));
    Viewlogfile1 = item(Settings1, "Viewlogfile1", tr("View log file"));
    Statistics1 = item(popTray, "Statistics1", tr("Statistics"));
    popTray->addSeparator();
    EnableAutomatic1 = item(popTray, "EnableAutomatic1", tr("Enable automatic check"));
    DisableAutomatic1 = item(popTray, "DisableAutomatic1", tr("Disable automatic check"));
    m_automatic = new QActionGroup(this);
    m_automatic->setExclusive(true);
    for (QAction* a : {EnableAutomatic1, DisableAutomatic1}) {
        a->setCheckable(true);
        m_automatic->addAction(a);
    }
    DisableAutomatic1->setChecked(true);
    popTray->addSeparator();
    Help1 = popTray->addMenu(tr("Help/Info"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Help1->menuAction()->setObjectName(QStringLiteral("Help1"));
    Help2 = item(Help1, "Help2", tr("Help"));
    About1 = item(Help1, "About1", tr("About"));
    popTray->addSeparator();
    Exit1 = item(popTray, "Exit1", tr("Exit"));

    trayIcon = new QSystemTrayIcon(this);
    trayIcon->setObjectName(QStringLiteral("trayIcon"));
    trayIcon->setContextMenu(popTray);
    trayIcon->setToolTip(tr("Quillmere (right click)"));

    m_animation = new QTimer(this);
    m_animation->setInterval(AnimationMs);
    connect(m_animation, &QTimer::timeout, this, [this] { setPicture(m_picture == 1 ? 2 : 1); });
    setPicture(0);
}

TrayIcon::~TrayIcon() {
    delete popTray;
}

bool TrayIcon::animating() const {
    return m_animation->isActive();
}

void TrayIcon::setPicture(int picture) {
    if (picture == m_picture) return;
    m_picture = picture;
    switch (picture) {
    case 1:
        trayIcon->setIcon(Icons::named(QStringLiteral("ANIM1")));
        break;
    case 2:
        trayIcon->setIcon(Icons::named(QStringLiteral("ANIM2")));
        break;
    case 3:
        trayIcon->setIcon(Icons::named(QStringLiteral("hammer")));
        break;
    default:
        trayIcon->setIcon(Icons::program());
        break;
    }
}

void TrayIcon::render(const TrayState& state, const QString& exitCaption) {
    const bool same = m_shown && *m_shown == state && m_shownExit == exitCaption;
    m_shown = state;
    m_shownExit = exitCaption;
    if (!same) draw(state, exitCaption);
    // The desktop's tray may come or go while the state stays.
    if (state.Active && QSystemTrayIcon::isSystemTrayAvailable())
        trayIcon->show();
    else
        trayIcon->hide();
}

void TrayIcon::draw(const TrayState& state, const QString& exitCaption) {
    if (trayIcon->toolTip() != state.Hint) trayIcon->setToolTip(state.Hint);
    EnableAutomatic1->setChecked(state.EnableAutomatic1Checked);
    DisableAutomatic1->setChecked(state.DisableAutomatic1Checked || !state.EnableAutomatic1Checked);
    Exit1->setText(exitCaption);

    if (state.HammerPicture) {
        m_animation->stop();
        setPicture(3);
    } else if (state.Animated) {
        if (!m_animation->isActive()) {
            setPicture(1);
            m_animation->start();
        }
    } else {
        m_animation->stop();
        setPicture(0);
    }

    // While an operation runs the menu still opens, with only "Main screen" and
    // the exit item (then "Cancel") enabled.
    if (state.Busy != m_busy) {
        m_busy = state.Busy;
        for (QAction* a : popTray->actions())
            a->setEnabled(!m_busy || a == ShowMainScreen1 || a == Exit1);
    }
}
