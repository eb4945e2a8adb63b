#include "ui/AlarmPlayer.h"

#include <QApplication>
#include <QSoundEffect>
#include <QUrl>

AlarmPlayer::AlarmPlayer() = default;
AlarmPlayer::~AlarmPlayer() = default;

void AlarmPlayer::Play(const QString& file, bool loop) {
    // A fresh effect for every start: changing the source of a playing effect
    // would leave the old loop running on some backends.
    Stop();
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(file));
    m_effect->setLoopCount(loop ? int(QSoundEffect::Infinite) : 1);
    m_effect->play();
    m_file = file;
    m_loop = loop;
    m_started = true;
}

void AlarmPlayer::Stop() {
    if (m_effect) m_effect->stop();
    m_started = false;
}

void AlarmPlayer::Beep() {
    QApplication::beep();
}
