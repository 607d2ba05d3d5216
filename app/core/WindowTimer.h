#pragma once

#include <QObject>
#include <QTimer>

namespace fonkel {

// A form timer: it ticks while it is enabled and its interval is above 0.
// Switching it off and on again (as the layout does around its work) keeps the
// interval, and an interval of 0 stops it instead of ticking without pause.
class WindowTimer : public QObject {
    Q_OBJECT
public:
    explicit WindowTimer(QObject* parent = nullptr);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isRunning() const { return m_timer.isActive(); }

signals:
    void timeout();

private:
    void apply();

    QTimer m_timer;
    bool m_enabled = true;
    int m_interval = 0;
};

} // namespace fonkel
