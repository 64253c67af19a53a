// The upload worker's Internet session. It hears the store's status callbacks and tells the copy
// page how far the file has got, by posted messages at most about ten a second whatever the link's
// speed, and about once a second while nothing moves, so that the page stays responsive and can tell
// a slow scale from one that has stopped answering.
#pragma once

#include <chrono>

#include "platform/net/Internet.h"

class CWnd;

class CUploadSession : public CInternetSession {
public:
    // pPage receives the reports; the session has context 1 and its status callbacks on.
    explicit CUploadSession(CWnd* pPage);

    // Tells the page the size of the local file about to be stored, and starts the store's clock.
    void BeginStore(LPCSTR pstrLocalFile);
    // Tells the page where the store ended, however soon after the last report.
    void EndStore();

    void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                          DWORD dwStatusInformationLength) override;

private:
    using Clock = std::chrono::steady_clock;
    void Report(Clock::time_point now);

    CWnd* m_pPage;
    ULONGLONG m_nSent = 0;
    Clock::time_point m_start;
    Clock::time_point m_lastReport;
};
