// Window objects: a page, the sheet, or one control of a dialog template, reached by control ID.
// Messages keep their Windows numbers and meanings; a posted message arrives on the user-interface
// thread in order, after the handlers that run now have returned.
#pragma once

#include <memory>

#include "platform/sys/WinTypes.h"

struct HWND__;
using HWND = HWND__*;

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    static CWnd* FromHandle(HWND hWnd);

    // The control with this ID on this window's template; nullptr when there is none (or no window yet).
    CWnd* GetDlgItem(int nID) const;

    BOOL ShowWindow(int nCmdShow);
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowVisible() const;  // the window's own visibility flag, whether or not its parent is shown
    BOOL IsWindowEnabled() const;
    void SetWindowText(LPCSTR lpszString);
    CString GetWindowText() const;
    CWnd* SetFocus();

    // Runs the message now, on the calling (user-interface) thread.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues the message for the window's thread; safe from any thread while the window exists.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    HWND m_hWnd = nullptr;

    struct Impl;  // the platform's side of the window (widget, children, message target)
    Impl* GetImpl() const { return m_impl.get(); }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The message map's entry point: TRUE when a handler took the message.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // What a window does with a message nobody handled (controls: fonts, check marks, addresses, bars).
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend struct WindowAccess;
    std::unique_ptr<Impl> m_impl;
};

// Posts to a window by handle, as a worker thread does with the page it was given.
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
