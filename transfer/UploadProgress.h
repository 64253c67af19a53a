// What the copy page shows of an upload under way: how much of the file has reached the scale, how
// fast it goes and how long it will still take, or, while the scale neither takes bytes nor answers,
// how long it has kept the upload waiting, at whatever step. Made only from the worker's reports:
// bytes so far, and when the scale answered, in the time since the attempt began as the worker
// measured it.
#pragma once

#include <deque>

#include "platform/sys/WinTypes.h"

class CUploadProgress {
public:
    // A new attempt: nothing sent yet, no report yet, the size not known yet.
    void Start();
    // The size of the file, told as its store begins.
    void SetTotal(ULONGLONG nTotal);
    // One report of the worker: nSent bytes have reached the scale nElapsedMs after the attempt began.
    void Report(ULONGLONG nSent, ULONGLONG nElapsedMs);
    // The scale answered nElapsedMs after the attempt began.
    void Heard(ULONGLONG nElapsedMs);

    ULONGLONG Total() const { return m_nTotal; }
    ULONGLONG Sent() const { return m_nSent; }
    // "3.2 MB of 8.0 MB, 1.1 MB/s, 5 s left"; without rate and time while they are not known yet;
    // "Waiting for the scale... 12 s" once the scale has been silent for a second or more; nothing
    // before the size is known unless the scale keeps the upload waiting.
    CString Text() const;

private:
    struct Sample {
        ULONGLONG nSent;
        ULONGLONG nElapsedMs;
    };

    ULONGLONG m_nTotal = 0;
    ULONGLONG m_nSent = 0;
    ULONGLONG m_nElapsedMs = 0;
    ULONGLONG m_nLastMoveMs = 0;  // when the count last grew or the scale answered (from the start)
    std::deque<Sample> m_recent;  // the reports of the last two seconds, the rate's base
};
