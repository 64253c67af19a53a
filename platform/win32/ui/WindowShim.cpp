// The SDK side of WindowShim.h.
#include <windows.h>

#include "platform/win32/ui/WindowShim.h"

namespace win32::ui {

Window ControlOf(Window dialog, int id)
{
    return dialog != nullptr ? ::GetDlgItem(static_cast<HWND>(dialog), id) : nullptr;
}

Window ParentOf(Window window)
{
    return ::GetParent(static_cast<HWND>(window));
}

bool Show(Window window, bool show)
{
    return ::ShowWindow(static_cast<HWND>(window), show ? SW_SHOW : SW_HIDE) != FALSE;
}

bool Enable(Window window, bool enable)
{
    return ::EnableWindow(static_cast<HWND>(window), enable ? TRUE : FALSE) != FALSE;
}

void SetText(Window window, const char* text)
{
    ::SetWindowTextA(static_cast<HWND>(window), text);
}

// Through the dialog manager when the window stands on a dialog, so that the default push button
// follows the focus as it does for Tab.
void Focus(Window window)
{
    const HWND control = static_cast<HWND>(window);
    const HWND dialog = ::GetParent(control);
    if (dialog != nullptr)
        ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    else
        ::SetFocus(control);
}

std::intptr_t Send(Window window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    return ::SendMessageA(static_cast<HWND>(window), message, wParam, lParam);
}

bool Post(Window window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    return ::PostMessageA(static_cast<HWND>(window), message, wParam, lParam) != FALSE;
}

void RunMessageLoop()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

}  // namespace win32::ui
