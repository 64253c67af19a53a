#include "transfer/UploadSession.h"

#include "platform/sys/File.h"
#include "platform/ui/Wnd.h"
#include "transfer/ZeltoCopyPage.h"

namespace {
constexpr DWORD_PTR kContext = 1;
constexpr std::chrono::milliseconds kReportInterval(100);
}  // namespace

CUploadSession::CUploadSession(CWnd* pPage) : CInternetSession(nullptr, kContext), m_pPage(pPage)
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
    m_nSent = 0;
    m_start = m_lastReport = Clock::now();
    m_pPage->PostMessage(WM_UPLOAD_TOTAL, static_cast<WPARAM>(nTotal), 0);
}

void CUploadSession::EndStore()
{
    Report(Clock::now());
}

void CUploadSession::OnStatusCallback(DWORD_PTR, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                                      DWORD dwStatusInformationLength)
{
    if (dwInternetStatus != INTERNET_STATUS_REQUEST_SENT || lpvStatusInformation == nullptr ||
        dwStatusInformationLength < sizeof(DWORD))
        return;
    m_nSent += *static_cast<const DWORD*>(lpvStatusInformation);
    const Clock::time_point now = Clock::now();
    if (now - m_lastReport >= kReportInterval)
        Report(now);
}

void CUploadSession::Report(Clock::time_point now)
{
    const auto elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(now - m_start).count();
    m_pPage->PostMessage(WM_UPLOAD_PROGRESS, static_cast<WPARAM>(m_nSent), static_cast<LPARAM>(elapsedMs));
    m_lastReport = now;
}
