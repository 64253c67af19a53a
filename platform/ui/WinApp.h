// The application object: one global instance whose InitInstance the entry point calls. It owns the
// services through which the platform reaches the world (platform/services/AppServices.h).
#pragma once

#include "platform/services/AppServices.h"
#include "platform/ui/Wnd.h"

class CWinApp {
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Takes the services to use from now on; the program's path among them gives the help-file path
    // and, unless the application named itself, the application's name.
    void UseServices(platform::AppServices services);

    LPCSTR m_pszAppName;        // the program file's base name unless given
    LPCSTR m_pszHelpFilePath;   // the program file's full path with the extension HLP
    CWnd* m_pMainWnd = nullptr;

private:
    platform::AppServices m_services;
    bool m_bAppNameGiven;
    CString m_strHelpFilePath;
    CString m_strExeName;
};

CWinApp* AfxGetApp();
// Framework set-up calls with nothing to do on this platform.
void AfxEnableControlContainer();
