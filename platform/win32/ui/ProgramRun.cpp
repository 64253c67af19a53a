#include "platform/win32/ui/ProgramRun.h"

#include "platform/services/RealServices.h"
#include "platform/ui/WinApp.h"
#include "platform/win32/ui/SheetShim.h"

int win32::ui::RunApplication()
{
    RegisterCommonControls();
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1;
    app->UseServices(platform::MakeRealServices());
    // FALSE: the program ends when InitInstance returns, its sheet's modal loop done.
    if (app->InitInstance())
        RunMessageLoop();
    return 0;
}
