#pragma once

#include "core/AlarmSound.h"

#include <QObject>
#include <memory>

class QSoundEffect;

// The alarm through Qt Multimedia. A machine without a sound device plays
// nothing and fails nothing.
class AlarmPlayer : public AlarmSound {
public:
    AlarmPlayer();
    ~AlarmPlayer() override;

    // Starts the wave file once, or over and over until Stop when loop is set.
    void Play(const QString& file, bool loop) override;
    // Stops the sound; nothing when silent.
    void Stop() override;
    // The desktop's warning beep.
    void Beep() override;

    // Whether a sound was started and not stopped since (it may have ended by
    // itself when played once).
    bool Started() const { return m_started; }
    // The file last started, and whether it loops.
    QString CurrentFile() const { return m_file; }
    bool Looping() const { return m_loop; }

private:
    std::unique_ptr<QSoundEffect> m_effect;
    QString m_file;
    bool m_loop = false;
    bool m_started = false;
};
