// The window calls of the Win32 UI backend, through plain types. The platform headers and
// <windows.h> cannot share a unit (WM_SETFONT, SendMessage and LOGFONT are the SDK's macros and
// types there and the platform's own here), so the units that speak the platform's names call
// these, and only WindowShim.cpp includes the SDK. A window is its HWND, held as a void*.
#pragma once

#include <cstdint>

namespace win32::ui {

using Window = void*;

// The control with this ID on the dialog; nullptr when there is none.
Window ControlOf(Window dialog, int id);
Window ParentOf(Window window);
// True when the window was visible before.
bool Show(Window window, bool show);
// True when the window was disabled before.
bool Enable(Window window, bool enable);
void SetText(Window window, const char* text);
void Focus(Window window);
std::intptr_t Send(Window window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
// Safe from any thread while the window exists.
bool Post(Window window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
// Delivers the thread's messages until the last window asks the program to quit.
void RunMessageLoop();

}  // namespace win32::ui
