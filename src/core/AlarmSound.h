#pragma once

#include <QString>

// The sound the controller plays when mail is waiting. A machine without a
// sound device must not make any of these fail.
class AlarmSound {
public:
    virtual ~AlarmSound() = default;
    // Starts playing the wave file without waiting: once, or over and over
    // until Stop when loop is set.
    virtual void Play(const QString& file, bool loop) = 0;
    // Stops whatever this program is playing; nothing when silent.
    virtual void Stop() = 0;
    // The desktop's warning beep.
    virtual void Beep() = 0;
};

// Plays nothing: runs without a desktop (the command line, benchmarks).
class SilentAlarm : public AlarmSound {
public:
    void Play(const QString&, bool) override {}
    void Stop() override {}
    void Beep() override {}
};
