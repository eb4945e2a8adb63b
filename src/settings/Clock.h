#pragma once

#include <QDateTime>

// The source of "now" for log time stamps, "today" in the statistics and the
// automatic-mode countdown. Tests install their own.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    // The clock in use; the system clock unless a test installed another.
    static const Clock& current();
    // Installs clock (not owned) as the current one; nullptr restores the system clock.
    static void install(const Clock* clock);
};

// A clock that stands still at a set moment until moved.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime at) : m_at(std::move(at)) {}
    QDateTime now() const override { return m_at; }
    void set(const QDateTime& at) { m_at = at; }
    void advanceSecs(qint64 s) { m_at = m_at.addSecs(s); }

private:
    QDateTime m_at;
};
