#include "ui/SpamCatchGame.h"

double SpamCatchGame::random() {
    m_seed = m_seed * 1664525u + 1013904223u;
    return (m_seed >> 8) / double(1u << 24);
}

void SpamCatchGame::start(quint32 seed) {
    m_seed = seed ? seed : 1;
    m_envelopes.clear();
    m_running = true;
    m_score = 0;
    m_timeLeft = RoundSeconds;
    m_untilNext = 0;
}

void SpamCatchGame::step(double seconds) {
    if (!m_running) return;
    m_timeLeft -= seconds;
    if (m_timeLeft <= 0) {
        m_timeLeft = 0;
        m_running = false;
        m_envelopes.clear();
        return;
    }
    const double elapsed = RoundSeconds - m_timeLeft;
    for (Envelope& e : m_envelopes)
        e.pos.ry() += e.speed * seconds;
    m_envelopes.removeIf([](const Envelope& e) { return e.pos.y() > Height; });

    // The round gets busier and faster as it goes on.
    m_untilNext -= seconds;
    while (m_untilNext <= 0) {
        Envelope e;
        e.spam = random() < 0.65;
        e.pos = QPointF(random() * (Width - EnvelopeWidth), -EnvelopeHeight);
        e.speed = 40 + elapsed * 2.5 + random() * 30;
        m_envelopes.append(e);
        m_untilNext += 0.9 - elapsed * 0.018 + random() * 0.4;
    }
}

bool SpamCatchGame::click(QPointF p) {
    if (!m_running) return false;
    for (qsizetype i = m_envelopes.size() - 1; i >= 0; --i) {
        if (!rectOf(m_envelopes[i]).contains(p)) continue;
        m_score += m_envelopes[i].spam ? 1 : -GoodMailPenalty;
        m_envelopes.removeAt(i);
        return true;
    }
    return false;
}
