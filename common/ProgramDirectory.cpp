#include "common/ProgramDirectory.h"

#include "common/FindLastChar.h"
#include "common/PathSeparator.h"
#include "platform/ui/WinApp.h"

CString ProgramDirectory()
{
    CWinApp* app = AfxGetApp();
    const CString helpPath = app != nullptr && app->m_pszHelpFilePath != nullptr ? app->m_pszHelpFilePath : "";
    return helpPath.substr(0, static_cast<std::size_t>(FindLastChar(helpPath.c_str(), kPathSeparator)));
}
