#include "app/TarvelWizApp.h"

#include "common/PathSeparator.h"
#include "platform/net/SocketInit.h"
#include "platform/ui/MessageBox.h"
#include "platform/sys/ResourceFormat.h"
#include "platform/ui/VersionResource.h"
#include "resources/ResourceIds.h"
#include "wizard/ZeltoSheet.h"

CTarvelWizApp theApp;

CTarvelWizApp::CTarvelWizApp() = default;

BOOL CTarvelWizApp::InitInstance()
{
    // The name and version that the running program reports are those of its version resource.
    ApplyVersionResource(g_versionInfo);

    if (!AfxSocketInit()) {
        AfxMessageBox(IDS_SOCKETS_INIT_FAILED);
        return FALSE;
    }
    AfxEnableControlContainer();

    CZeltoSheet sheet(IDS_CAPTION, nullptr, 0);

    // The log lies beside the program. A separator at position 0 is the root folder's, which is a
    // folder like any other ("/TarvelLog.txt"); only a program path without any separator leaves
    // the log path empty, and with it the whole log.
    const CString helpPath = m_pszHelpFilePath != nullptr ? m_pszHelpFilePath : "";
    const std::size_t separator = helpPath.rfind(kPathSeparator);
    if (separator != CString::npos)
        sheet.m_strLogPath = helpPath.substr(0, separator) + kPathSeparatorString + "TarvelLog.txt";
    sheet.ResetLog();

    m_pMainWnd = &sheet;
    sheet.m_psh.dwFlags |= PSH_WIZARD;
    sheet.DoModal();
    return FALSE;
}
