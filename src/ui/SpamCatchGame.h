#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

// The About box's game, without drawing: envelopes fall down the field; a
// click on a spam envelope scores a point, a click on good mail costs two. A
// round lasts RoundSeconds. The same seed gives the same round.
class SpamCatchGame {
public:
    struct Envelope {
        QPointF pos; // top left
        bool spam = false;
        double speed = 0; // field units per second
    };

    static constexpr double Width = 320;
    static constexpr double Height = 170;
    static constexpr double EnvelopeWidth = 34;
    static constexpr double EnvelopeHeight = 24;
    static constexpr double RoundSeconds = 30;
    static constexpr int GoodMailPenalty = 2;

    // Begins a round with score 0.
    void start(quint32 seed);
    // Moves time on: envelopes fall, new ones appear, those past the bottom go;
    // the round ends when its time is up.
    void step(double seconds);
    // A click at p (field coordinates): scores the topmost envelope under it and
    // removes it. Returns whether an envelope was hit.
    bool click(QPointF p);

    bool running() const { return m_running; }
    int score() const { return m_score; }
    double timeLeft() const { return m_timeLeft; }
    const QList<Envelope>& envelopes() const { return m_envelopes; }
    static QRectF rectOf(const Envelope& e) {
        return {e.pos, QSizeF(EnvelopeWidth, EnvelopeHeight)};
    }

private:
    double random(); // 0 <= r < 1

    QList<Envelope> m_envelopes;
    quint32 m_seed = 1;
    bool m_running = false;
    int m_score = 0;
    double m_timeLeft = 0;
    double m_untilNext = 0;
};
