#include "transfer/UploadSession.h"

#include "platform/sys/DateTime.h"
#include "platform/sys/File.h"
#include "platform/ui/Wnd.h"
#include "transfer/ZeltoCopyPage.h"

namespace {
constexpr DWORD_PTR kContext = 1;
constexpr ULONGLONG kReportIntervalMs = 100;
}  // namespace

CUploadSession::CUploadSession(CWnd* pPage)
    : CInternetSession(nullptr, kContext), m_pPage(pPage), m_nStartMs(GetTickCount64()), m_nLastReportMs(m_nStartMs)
{
    EnableStatusCallback(TRUE);
}

void CUploadSession::BeginStore(LPCSTR pstrLocalFile)
{
    // A file that cannot be opened is sent as nothing: the store then fails on its own.
    ULONGLONG nTotal = 0;
    CFile file;
    if (file.Open(pstrLocalFile, CFile::modeRead))
        nTotal = file.GetLength();
    m_pPage->PostMessage(WM_UPLOAD_TOTAL, static_cast<WPARAM>(nTotal), 0);
}

void CUploadSession::EndStore()
{
    Report(GetTickCount64());
}

void CUploadSession::OnStatusCallback(DWORD_PTR, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                                      DWORD dwStatusInformationLength)
{
    const ULONGLONG nNowMs = GetTickCount64();
    if (dwInternetStatus == INTERNET_STATUS_RESPONSE_RECEIVED) {
        // The scale has spoken: a wait is counted from here.
        m_pPage->PostMessage(WM_UPLOAD_HEARD, 0, static_cast<LPARAM>(nNowMs - m_nStartMs));
        return;
    }
    if (dwInternetStatus != INTERNET_STATUS_REQUEST_SENT || lpvStatusInformation == nullptr ||
        dwStatusInformationLength < sizeof(DWORD))
        return;
    m_nSent += *static_cast<const DWORD*>(lpvStatusInformation);
    if (nNowMs - m_nLastReportMs >= kReportIntervalMs)
        Report(nNowMs);
}

void CUploadSession::Report(ULONGLONG nNowMs)
{
    m_pPage->PostMessage(WM_UPLOAD_PROGRESS, static_cast<WPARAM>(m_nSent), static_cast<LPARAM>(nNowMs - m_nStartMs));
    m_nLastReportMs = nNowMs;
}
