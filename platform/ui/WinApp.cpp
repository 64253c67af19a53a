// The application object and the framework calls that go through its services: message boxes and
// worker threads. The same on every backend; the services behind them are the backend's.
#include "platform/ui/WinApp.h"

#include "platform/sys/PathSeparator.h"
#include "platform/sys/StringRes.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Thread.h"

namespace {

CWinApp* g_pApp = nullptr;

int ShowMessageBox(const CString& text, UINT nType, UINT nIDHelp)
{
    const char* caption = g_pApp != nullptr && g_pApp->m_pszAppName != nullptr ? g_pApp->m_pszAppName : "";
    return platform::Services().showMessageBox({text, caption, nType, nIDHelp});
}

}  // namespace

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    platform::InstallServices(nullptr);
    g_pApp = nullptr;
}

// The help-file path is the program's path with the extension HLP in place of its own.
void CWinApp::UseServices(platform::AppServices services)
{
    m_services = std::move(services);
    platform::InstallServices(&m_services);
    const CString& path = m_services.programPath;
    const std::size_t nameStart = path.rfind(platform::kDirectorySeparator) + 1;  // 0 without a folder
    const std::size_t dot = path.rfind('.');
    const std::size_t end = dot != CString::npos && dot > nameStart ? dot : path.size();
    m_strHelpFilePath = path.substr(0, end) + ".HLP";
    m_strAppName = path.substr(nameStart, end - nameStart);
    m_pszHelpFilePath = m_strHelpFilePath.c_str();
    m_pszAppName = m_strAppName.c_str();
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    return ShowMessageBox(LoadString(nIDPrompt), nType, nIDHelp);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    return ShowMessageBox(lpszText != nullptr ? lpszText : "", nType, nIDHelp);
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
{
    auto* thread = new CWinThread();
    if (platform::Services().startWorker([pfnThreadProc, pParam, thread] {
            pfnThreadProc(pParam);
            delete thread;
        }))
        return thread;
    delete thread;
    return nullptr;
}
