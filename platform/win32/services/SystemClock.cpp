#include <chrono>

#include "platform/services/RealServices.h"

// The wall clock to the second, read from the C library's system clock (the system time of day as
// UTC seconds, whatever the time zone), which the log's stamp then turns into local time.
std::time_t platform::WallClockNow()
{
    return std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
}

// Milliseconds of the clock that only moves forward: the C library's steady clock, over the system's
// performance counter.
ULONGLONG platform::SteadyClockMs()
{
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<ULONGLONG>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}
