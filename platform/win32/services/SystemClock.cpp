#include <chrono>

#include "platform/services/RealServices.h"

// The wall clock to the second, read from the C library's system clock (the system time of day as
// UTC seconds, whatever the time zone), which the log's stamp then turns into local time.
std::time_t platform::WallClockNow()
{
    return std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
}
