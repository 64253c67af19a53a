// What the copy page shows of an upload under way: how much of the file has reached the scale, how
// fast it goes and how long it will still take, or, while nothing moves, how long the scale has kept
// the upload waiting. Made only from the worker's reports: bytes so far and the time since the store
// began, as the worker measured it.
#pragma once

#include <deque>

#include "platform/sys/WinTypes.h"

class CUploadProgress {
public:
    // A new upload of nTotal bytes: nothing sent yet, no report yet.
    void Start(ULONGLONG nTotal);
    // One report of the worker: nSent bytes have reached the scale nElapsedMs after the store began.
    void Report(ULONGLONG nSent, ULONGLONG nElapsedMs);

    ULONGLONG Total() const { return m_nTotal; }
    ULONGLONG Sent() const { return m_nSent; }
    // "3.2 MB of 8.0 MB, 1.1 MB/s, 5 s left"; without rate and time while they are not known yet;
    // "Waiting for the scale... 12 s" once nothing has moved for a second or more.
    CString Text() const;

private:
    struct Sample {
        ULONGLONG nSent;
        ULONGLONG nElapsedMs;
    };

    ULONGLONG m_nTotal = 0;
    ULONGLONG m_nSent = 0;
    ULONGLONG m_nElapsedMs = 0;
    ULONGLONG m_nLastMoveMs = 0;  // when the count last grew (the store's start until it does)
    std::deque<Sample> m_recent;  // the reports of the last two seconds, the rate's base
};
