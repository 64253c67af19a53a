// The one clock every figure is read from.
#pragma once

#include <chrono>

using BenchClock = std::chrono::steady_clock;

inline double MsBetween(BenchClock::time_point from, BenchClock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}
