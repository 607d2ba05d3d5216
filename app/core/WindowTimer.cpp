#include "WindowTimer.h"

namespace fonkel {

WindowTimer::WindowTimer(QObject* parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &WindowTimer::timeout);
}

void WindowTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    apply();
}

void WindowTimer::setInterval(int milliseconds)
{
    m_interval = std::max(0, milliseconds);
    apply();
}

void WindowTimer::apply()
{
    if (m_enabled && m_interval > 0) {
        if (!m_timer.isActive() || m_timer.interval() != m_interval)
            m_timer.start(m_interval);
    } else {
        m_timer.stop();
    }
}

} // namespace fonkel
