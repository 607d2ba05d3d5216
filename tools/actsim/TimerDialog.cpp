#include "tools/actsim/TimerDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTime>

namespace actsim {

TimerDialog::TimerDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Timer"));
    m_display = new QLabel(this);
    m_display->setAlignment(Qt::AlignCenter);
    m_startStop = new QPushButton(QStringLiteral("&Start"), this);
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_display, 0, 0, 1, 2);
    layout->addWidget(m_startStop, 1, 0);
    layout->addWidget(close, 1, 1);
    connect(m_startStop, &QPushButton::clicked, this, &TimerDialog::toggle);
    connect(close, &QPushButton::clicked, this, &TimerDialog::hide);
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &TimerDialog::showElapsed);
    showElapsed();
}

void TimerDialog::toggle()
{
    if (m_running) {
        m_elapsedMs += m_clock.elapsed();
        m_tick.stop();
        m_startStop->setText(QStringLiteral("&Start"));
    } else {
        m_clock.start();
        m_tick.start();
        m_startStop->setText(QStringLiteral("&Stop"));
    }
    m_running = !m_running;
    showElapsed();
}

void TimerDialog::showElapsed()
{
    const qint64 ms = m_elapsedMs + (m_running ? m_clock.elapsed() : 0);
    m_display->setText(
        QTime(0, 0).addMSecs(int(ms % (24 * 3600 * 1000))).toString(QStringLiteral("HH:mm:ss")));
}

} // namespace actsim
