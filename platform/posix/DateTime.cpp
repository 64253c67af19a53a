#include "platform/sys/DateTime.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <locale.h>

#include "platform/services/RealServices.h"

namespace {
constexpr double kUnixEpochInDays = 25569.0;  // 1 January 1970 counted from 30 December 1899
}  // namespace

// The wall clock to the second, read from the precise clock: time() reads a coarse one, which on a
// busy machine can lag the turn of a second long enough that a wait counted in whole seconds (the
// connection check's five) ran a second longer.
std::time_t platform::WallClockNow()
{
    return std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
}

ULONGLONG platform::SteadyClockMs()
{
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<ULONGLONG>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

ULONGLONG GetTickCount64()
{
    return platform::Services().tickCount();
}

COleDateTime COleDateTime::GetCurrentTime()
{
    const std::time_t now = platform::Services().now();
    std::tm local {};
    localtime_r(&now, &local);
    COleDateTime result;
    result.m_dt = static_cast<double>(now + local.tm_gmtoff) / 86400.0 + kUnixEpochInDays;
    return result;
}

CString COleDateTime::Format(DWORD, DWORD) const
{
    // The user's time locale, made once: date and time text follow LC_TIME / LC_ALL / LANG.
    static const locale_t userLocale = [] {
        const locale_t none{};
        const locale_t made = newlocale(LC_TIME_MASK, "", none);
        return made != none ? made : newlocale(LC_TIME_MASK, "C", none);
    }();
    // Back to a wall-clock reading: the value holds local time, so it is broken down as UTC.
    const auto seconds = static_cast<std::time_t>(std::llround((m_dt - kUnixEpochInDays) * 86400.0));
    std::tm parts {};
    gmtime_r(&seconds, &parts);
    char text[128];
    return CString(text, strftime_l(text, sizeof(text), "%x %X", &parts, userLocale));
}
