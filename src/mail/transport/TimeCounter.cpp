#include "mail/transport/TimeCounter.h"

TTimeCounter::TTimeCounter()
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &TTimeCounter::tick);
}

void TTimeCounter::Start()
{
    Remaining = Limit;
    m_timer.start();
}

void TTimeCounter::Stop() { m_timer.stop(); }

void TTimeCounter::tick()
{
    --Remaining;
    if (Remaining <= 0)
        TimedOut = true;
    Q_EMIT ticked();
}
