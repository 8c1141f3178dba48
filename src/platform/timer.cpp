#include "timer.h"

namespace platform {

Timer::Timer(const ControlProperties &properties, QObject *parent)
    : Control(properties, parent)
{
    // A coarse timer may stretch each interval by up to 5 %, which would add
    // minutes to a crossing of several hundred ticks.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(properties.interval);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
    if (properties.enabled)
        m_timer.start();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_timer.isActive())
        return;
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
    emit enabledChanged(enabled);
}

} // namespace platform
