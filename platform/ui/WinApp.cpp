#include "platform/ui/WinApp.h"

#include <climits>
#include <string>
#include <unistd.h>

namespace {
CWinApp* g_pApp = nullptr;
bool g_appNameGiven = false;

// The application object is a global constructed before main: its strings are made on first use,
// whatever the order in which globals of other files are constructed.
struct ProgramPaths {
    std::string helpFilePath;
    std::string exeName;
};
ProgramPaths& Paths()
{
    static ProgramPaths paths;
    return paths;
}

std::string ReadProgramPath()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

// The help-file path is the program's path with the extension HLP in place of its own.
void SetPaths(const std::string& programPath)
{
    ProgramPaths& paths = Paths();
    const std::size_t slash = programPath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = programPath.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    paths.helpFilePath = (hasExtension ? programPath.substr(0, dot) : programPath) + ".HLP";
    paths.exeName = programPath.substr(nameStart, hasExtension ? dot - nameStart : std::string::npos);
    if (g_pApp != nullptr) {
        g_pApp->m_pszHelpFilePath = paths.helpFilePath.c_str();
        if (!g_appNameGiven)
            g_pApp->m_pszAppName = paths.exeName.c_str();
    }
}
}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName), m_pszHelpFilePath(nullptr)
{
    g_pApp = this;
    g_appNameGiven = lpszAppName != nullptr;
    SetPaths(ReadProgramPath());
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
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

namespace platform::seams {
void SetProgramPath(const char* path) { SetPaths(path != nullptr ? path : ""); }
}  // namespace platform::seams
