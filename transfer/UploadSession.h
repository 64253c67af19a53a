// The upload worker's Internet session. It hears the status callbacks of the whole attempt, from the
// connect through the log-in and the store to its size check, and tells the copy page how far the
// file has got and when the scale last answered, by posted messages at most about ten a second
// whatever the link's speed, and about once a second while nothing moves, so that the page stays
// responsive and can tell a slow scale from one that has stopped answering.
#pragma once

#include "platform/net/Internet.h"

class CWnd;

class CUploadSession : public CInternetSession {
public:
    // pPage receives the reports, timed from now: the attempt begins with its session. The session
    // has context 1 and its status callbacks on.
    explicit CUploadSession(CWnd* pPage);

    // Tells the page the size of the local file about to be stored.
    void BeginStore(LPCSTR pstrLocalFile);
    // Tells the page where the store ended, however soon after the last report.
    void EndStore();

    void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                          DWORD dwStatusInformationLength) override;

private:
    void Report(ULONGLONG nNowMs);

    CWnd* m_pPage;
    ULONGLONG m_nSent = 0;
    ULONGLONG m_nStartMs;
    ULONGLONG m_nLastReportMs;
};
