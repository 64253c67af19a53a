#include "platform/ui/WinApp.h"

#include <climits>
#include <unistd.h>

#include "platform/services/RealServices.h"

namespace {
CWinApp* g_pApp = nullptr;
}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_pszHelpFilePath(nullptr), m_bAppNameGiven(lpszAppName != nullptr)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this) {
        platform::InstallServices(nullptr);
        g_pApp = nullptr;
    }
}

// The help-file path is the program's path with the extension HLP in place of its own.
void CWinApp::UseServices(platform::AppServices services)
{
    m_services = std::move(services);
    platform::InstallServices(&m_services);
    const CString& programPath = m_services.programPath;
    const std::size_t slash = programPath.rfind('/');
    const std::size_t nameStart = slash == CString::npos ? 0 : slash + 1;
    const std::size_t dot = programPath.rfind('.');
    const bool hasExtension = dot != CString::npos && dot > nameStart;
    m_strHelpFilePath = (hasExtension ? programPath.substr(0, dot) : programPath) + ".HLP";
    m_strExeName = programPath.substr(nameStart, hasExtension ? dot - nameStart : CString::npos);
    m_pszHelpFilePath = m_strHelpFilePath.c_str();
    if (!m_bAppNameGiven)
        m_pszAppName = m_strExeName.c_str();
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

void AfxEnableControlContainer() {}

std::string platform::RunningProgramPath()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}
