#include "bench/TickMonitor.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>

TickMonitor::TickMonitor(int intervalMs) : m_intervalMs(intervalMs)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(intervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { OnTick(); });
    m_last = BenchClock::now();
    m_timer.start();
}

void TickMonitor::OnTick()
{
    const BenchClock::time_point now = BenchClock::now();
    if (m_open || m_closing) {
        m_longestMs = std::max(m_longestMs, MsBetween(m_last, now));
        m_closing = false;
    }
    m_last = now;
}

void TickMonitor::Begin()
{
    m_longestMs = 0;
    m_open = true;
    m_closing = false;
}

void TickMonitor::End()
{
    m_open = false;
    m_closing = true;
}

double TickMonitor::LongestGapMs()
{
    QEventLoop loop;
    while (m_closing)
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    return m_longestMs;
}
