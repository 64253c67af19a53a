// The local date and time of the clock service's moment, in the user's time zone and locale.
#include "platform/sys/DateTime.h"

#include <cmath>

#include "platform/services/AppServices.h"
#include "platform/win32/sys/SysShim.h"

namespace {
constexpr double k1601InDays = -109205.0;  // 1 January 1601 counted from 30 December 1899
}  // namespace

ULONGLONG GetTickCount64()
{
    return platform::Services().tickCount();
}

COleDateTime COleDateTime::GetCurrentTime()
{
    // The service's moment, not GetLocalTime itself, so that whoever wires the clock sets the time;
    // the program's clock service is the system time, so this is what GetLocalTime reads.
    long long local = 0;
    COleDateTime result;
    if (win32::sys::LocalSecondsOf(static_cast<long long>(platform::Services().now()), &local))
        result.m_dt = static_cast<double>(local) / 86400.0 + k1601InDays;
    return result;
}

CString COleDateTime::Format(DWORD, DWORD) const
{
    return win32::sys::FormatLocalSeconds(std::llround((m_dt - k1601InDays) * 86400.0));
}
