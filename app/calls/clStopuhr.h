#pragma once

#include <QElapsedTimer>

namespace fonkel {

// A stopwatch on the monotonic millisecond clock: Starten remembers the
// moment, Stoppen stores the milliseconds since then as the duration.
class clStopuhr {
public:
    void Starten();
    void Stoppen();
    // Milliseconds between the last Starten and Stoppen; 0 before that.
    qint32 Dauer() const { return m_dauer; }
    static int jetztJahr();

private:
    QElapsedTimer m_timer;
    qint32 m_dauer = 0;
};

} // namespace fonkel
