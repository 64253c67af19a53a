// The user-interface services of the Win32 program: the system's message box over the main window,
// and the version data, which Windows reads from the program file's own version resource.
#include "platform/services/RealServices.h"
#include "platform/ui/VersionResource.h"
#include "platform/ui/WinApp.h"
#include "platform/win32/ui/DialogShim.h"
#include "platform/win32/ui/WindowImpl.h"

win32::ui::Window MainWindowHandle()
{
    const CWinApp* app = AfxGetApp();
    return app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->GetImpl()->hwnd : nullptr;
}

int platform::ShowSystemMessageBox(const MessageBoxRequest& request)
{
    return win32::ui::ShowBox(MainWindowHandle(), request.text.c_str(), request.caption.c_str(), request.type);
}

// The build writes the same version data into the program's resource script (cmake/Win32Platform.cmake),
// where Explorer and the system read it: nothing is left to tell at run time.
void ApplyVersionResource(const VersionResource&) {}
