// Milliseconds since the test started watching, on the clock that only moves forward, so that a
// test may set the wall clock back without upsetting its own timing.
#pragma once

#include <chrono>

class Stopwatch {
public:
    long long ElapsedMs() const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};
