// The program's entry point. The program reads no command line.
#include <windows.h>

#include "platform/win32/ui/ProgramRun.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return win32::ui::RunApplication();
}
