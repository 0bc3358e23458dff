#include "Timer.h"

#include "Exception.h"

#include <QTimerEvent>

namespace {

int noTimersLeft = 0;

} // namespace

TTimer::NoTimersLeft::NoTimersLeft()
{
    ++noTimersLeft;
}

TTimer::NoTimersLeft::~NoTimersLeft()
{
    --noTimersLeft;
}

TTimer::TTimer(QObject *owner) : QObject(owner) {}

TTimer::~TTimer()
{
    if (m_timerId)
        killTimer(m_timerId);
}

void TTimer::setInterval(int milliseconds)
{
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    updateTimer();
}

void TTimer::setEnabled(bool on)
{
    if (on == m_enabled)
        return;
    m_enabled = on;
    updateTimer();
}

void TTimer::setOnTimer(Handler handler)
{
    m_onTimer = std::move(handler);
    updateTimer();
}

void TTimer::updateTimer()
{
    if (m_timerId) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
    if (!m_enabled || m_interval <= 0 || !m_onTimer)
        return;
    // A Qt timer is delivered by the event loop as one timer event when it
    // is due and the loop gets to it; missed periods are not made up for.
    // Precise, so that the period is not bent to the turn of the second.
    m_timerId = noTimersLeft ? 0 : startTimer(m_interval, Qt::PreciseTimer);
    if (!m_timerId)
        throw EOutOfResources(QStringLiteral("Not enough timers available"));
}

void TTimer::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_timerId) {
        QObject::timerEvent(event);
        return;
    }
    if (m_onTimer)
        m_onTimer(this);
}
