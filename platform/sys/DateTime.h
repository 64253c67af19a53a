// The local date and time, read from the wall clock in whole seconds, as a count of days, so that
// differences read in days as on the platform the wizard was written for.
#pragma once

#include "platform/sys/WinTypes.h"

constexpr DWORD LANG_USER_DEFAULT = 0x0400;

// Milliseconds since some fixed moment, from a clock that only moves forward: a wait measured on it
// holds when the wall clock is set back or forward.
ULONGLONG GetTickCount64();

class COleDateTimeSpan {
public:
    explicit COleDateTimeSpan(double days) : m_span(days) {}
    double GetTotalDays() const { return m_span; }
    double m_span;
};

class COleDateTime {
public:
    static COleDateTime GetCurrentTime();
    // The date and time as text in the user's locale: short date, a blank, the time.
    CString Format(DWORD dwFlags = 0, DWORD lcid = LANG_USER_DEFAULT) const;
    COleDateTimeSpan operator-(const COleDateTime& other) const { return COleDateTimeSpan(m_dt - other.m_dt); }

    double m_dt = 0.0;  // days since 30 December 1899, local time
};
