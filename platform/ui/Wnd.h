// Window objects: a page, the sheet, or one control of a page's template, reached by control ID.
// Messages keep their Windows numbers and meanings; a posted message arrives on the user-interface
// thread in order, after the handlers that run now have returned.
#pragma once

#include <memory>

#include "platform/sys/WinTypes.h"

class CWnd {
public:
    CWnd();
    virtual ~CWnd();

    // The control with this ID on this window's template; nullptr when there is none (or no window yet).
    CWnd* GetDlgItem(int nID) const;
    BOOL ShowWindow(int nCmdShow);
    BOOL EnableWindow(BOOL bEnable = TRUE);
    void SetWindowText(LPCSTR lpszString);
    void SetFocus();

    // Runs the message now: the message map's handler, else the control's own behaviour
    // (WM_SETFONT, WM_GETFONT, BM_SETCHECK, IPM_SETADDRESS).
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues the message for the user-interface thread; safe from any thread while the window exists.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    struct Impl;  // the platform's side: the Qt widget, the font, the template's controls
    Impl* GetImpl() const { return m_impl.get(); }

protected:
    // The message map's entry point: TRUE when a handler took the message.
    virtual BOOL OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

private:
    std::unique_ptr<Impl> m_impl;
};
