#pragma once

#include "core/MainViewState.h"

#include <QObject>
#include <optional>

class QAction;
class QActionGroup;
class QMenu;
class QSystemTrayIcon;
class QTimer;

// The tray icon trayIcon with its menu popTray, showing the controller's
// TrayState: the hint, static or animated (two pictures alternating), the
// hammer after a cancel, the menu reduced to "Main screen" and the exit item
// (then "Cancel") while an operation runs. Its items are
// public for the owner to connect to the controller.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int AnimationMs = 500;

    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Shows state; exitCaption is the Exit1 caption ("Exit" or "Cancel"). Only a
    // state that differs from the one shown is drawn.
    void render(const TrayState& state, const QString& exitCaption);

    // Which picture shows now: 0 static, 1 and 2 the animation, 3 the hammer.
    int picture() const { return m_picture; }
    bool animating() const;
    // Whether the menu offers only "Main screen" and the exit item (an operation runs).
    bool busy() const { return m_busy; }

    QSystemTrayIcon* trayIcon = nullptr;
    QMenu* popTray = nullptr;
    QAction* Show1 = nullptr;
    QAction* LaunchEmailprogram1 = nullptr;
    QAction* ShowMainScreen1 = nullptr;
    QMenu* Settings1 = nullptr;
    QAction* Spam1 = nullptr;
    QAction* General1 = nullptr;
    QAction* Viewlogfile1 = nullptr;
    QAction* Statistics1 = nullptr;
    QAction* EnableAutomatic1 = nullptr;
    QAction* DisableAutomatic1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Help2 = nullptr;
    QAction* About1 = nullptr;
    QAction* Exit1 = nullptr;

private:
    void draw(const TrayState& state, const QString& exitCaption);
    void setPicture(int picture);

    QActionGroup* m_automatic = nullptr;
    QTimer* m_animation = nullptr;
    int m_picture = -1;
    bool m_busy = false;
    std::optional<TrayState> m_shown;
    QString m_shownExit;
};
