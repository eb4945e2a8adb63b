#pragma once

#include <QObject>
#include <QTimer>

// The one-second countdown behind every TimeOut: Start sets Remaining to Limit
// and starts ticking; a tick that brings Remaining to 0 or below sets TimedOut,
// which only the owner clears. Every tick emits ticked(), so that a wait in the
// event loop wakes up to look at the flags.
class TTimeCounter : public QObject {
    Q_OBJECT
public:
    TTimeCounter();

    void Start();
    void Stop();

    int Limit = 60;
    int Remaining = 0;
    bool TimedOut = false;

    bool running() const { return m_timer.isActive(); }

Q_SIGNALS:
    void ticked();

private:
    void tick();
    QTimer m_timer;
};
