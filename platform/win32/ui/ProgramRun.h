// The program's run after the entry point: the real services, then the one application object's
// InitInstance. Plain types, so that WinMain.cpp includes the SDK alone.
#pragma once

namespace win32::ui {

// The process's exit code.
int RunApplication();

}  // namespace win32::ui
