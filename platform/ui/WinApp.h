// The application object: one global instance whose InitInstance the entry point calls. It owns the
// services through which the platform reaches the world (platform/services/AppServices.h).
#pragma once

#include "platform/services/AppServices.h"
#include "platform/ui/Wnd.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    // FALSE: the program ends without an event loop of its own.
    virtual BOOL InitInstance() { return TRUE; }

    // Takes the services to use from now on; the program's path among them gives the help-file
    // path and the application's name.
    void UseServices(platform::AppServices services);

    LPCSTR m_pszAppName = nullptr;       // the program file's base name
    LPCSTR m_pszHelpFilePath = nullptr;  // the program file's full path with the extension HLP
    CWnd* m_pMainWnd = nullptr;

private:
    platform::AppServices m_services;
    CString m_strHelpFilePath;
    CString m_strAppName;
};

CWinApp* AfxGetApp();
// Framework set-up with nothing to do on this platform.
inline void AfxEnableControlContainer() {}
