// The application object: one global instance whose InitInstance the entry point calls.
#pragma once

#include "platform/ui/Wnd.h"

class CWinApp {
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    LPCSTR m_pszAppName;        // the program file's base name unless given
    LPCSTR m_pszHelpFilePath;   // the program file's full path with the extension HLP
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// Framework set-up calls with nothing to do on this platform.
void AfxEnableControlContainer();

namespace platform::seams {
// Tests only: the program file's full path, from which the help-file path and the base name follow.
void SetProgramPath(const char* path);
}  // namespace platform::seams
