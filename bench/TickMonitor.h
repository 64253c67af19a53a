// How long the user-interface thread leaves its events waiting: a precise 5 ms timer on that thread,
// and the longest gap between two of its ticks while a measurement is open. A gap spans the moment
// the measurement opens and the moment it closes as well, so a block at either end is counted.
#pragma once

#include <QObject>
#include <QTimer>

#include "bench/Clock.h"

class TickMonitor : public QObject {
public:
    explicit TickMonitor(int intervalMs = 5);

    void Begin();
    void End();
    // The longest gap of the last measurement, once the tick that closes it has come.
    double LongestGapMs();
    int IntervalMs() const { return m_intervalMs; }

private:
    void OnTick();

    int m_intervalMs;
    QTimer m_timer;
    BenchClock::time_point m_last;
    bool m_open = false;
    bool m_closing = false;
    double m_longestMs = 0;
};
