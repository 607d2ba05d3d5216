#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QPushButton;

namespace actsim {

// ACT!'s call timer: a standard dialog titled "Timer" with a "&Start" button
// that starts the clock (and becomes "&Stop" while it runs).
class TimerDialog : public QDialog {
    Q_OBJECT

public:
    explicit TimerDialog(QWidget* parent = nullptr);
    bool isRunning() const { return m_running; }

private:
    void toggle();
    void showElapsed();

    QLabel* m_display;
    QPushButton* m_startStop;
    QElapsedTimer m_clock;
    QTimer m_tick;
    qint64 m_elapsedMs = 0;
    bool m_running = false;
};

} // namespace actsim
