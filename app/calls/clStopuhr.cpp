#include "clStopuhr.h"

#include <QDate>

#include <limits>

namespace fonkel {

void clStopuhr::Starten()
{
    m_timer.start();
}

void clStopuhr::Stoppen()
{
    if (!m_timer.isValid()) {
        m_dauer = 0;
        return;
    }
    const qint64 elapsed = m_timer.elapsed();
    m_dauer = static_cast<qint32>(std::min<qint64>(elapsed, std::numeric_limits<qint32>::max()));
}

int clStopuhr::jetztJahr()
{
    return QDate::currentDate().year();
}

} // namespace fonkel
