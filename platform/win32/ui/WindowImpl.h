// The Win32 backend's side of a window object: its HWND and, for a page, the window objects of its
// template's controls. Only platform/win32/ui and the Win32 test harness (tests/support/win32)
// include this header.
#pragma once

#include <map>
#include <memory>

#include "platform/ui/Wnd.h"
#include "platform/win32/ui/WindowShim.h"

struct CWnd::Impl {
    explicit Impl(CWnd* pWnd) : wnd(pWnd) {}

    // The window object's message map, for the messages the window itself receives.
    BOOL Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
    {
        return wnd->OnWndMsg(message, wParam, lParam, pResult);
    }

    CWnd* wnd;
    win32::ui::Window hwnd = nullptr;
    std::map<int, std::unique_ptr<CWnd>> controls;  // by control ID
};

// Gives a page's window object its window and a window object for every control of its template
// that has an ID.
void AttachDialogWindow(CWnd* pDialog, win32::ui::Window hwnd, UINT nIDTemplate);
// The window is gone: the object and its controls' objects lose it.
void DetachWindow(CWnd* pWnd);
// The main window's HWND, the owner of message boxes and file dialogs; nullptr when there is none.
win32::ui::Window MainWindowHandle();
