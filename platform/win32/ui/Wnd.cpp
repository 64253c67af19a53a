// Window objects over Win32 windows: what the system calls goes to the window itself, except what
// the object's message map takes first.
#include "platform/ui/Wnd.h"

#include "platform/ui/Cursor.h"
#include "platform/win32/ui/GdiShim.h"
#include "platform/win32/ui/WindowImpl.h"

CWnd::CWnd() : m_impl(std::make_unique<Impl>(this)) {}

CWnd::~CWnd() = default;

void DetachWindow(CWnd* pWnd)
{
    pWnd->GetImpl()->controls.clear();
    pWnd->GetImpl()->hwnd = nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    const auto found = m_impl->controls.find(nID);
    return found == m_impl->controls.end() ? nullptr : found->second.get();
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return win32::ui::Show(m_impl->hwnd, nCmdShow != SW_HIDE) ? TRUE : FALSE;
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return win32::ui::Enable(m_impl->hwnd, bEnable != FALSE) ? TRUE : FALSE;
}

void CWnd::SetWindowText(LPCSTR lpszString)
{
    win32::ui::SetText(m_impl->hwnd, lpszString != nullptr ? lpszString : "");
}

void CWnd::SetFocus()
{
    if (m_impl->hwnd != nullptr)
        win32::ui::Focus(m_impl->hwnd);
}

// The numbers are the SDK's own (WM_SETFONT, BM_SETCHECK, IPM_SETADDRESS, ...), and so are the font
// handles: the window answers them itself.
LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    return m_impl->hwnd != nullptr ? win32::ui::Send(m_impl->hwnd, message, wParam, lParam) : 0;
}

// The window's own queue: the message arrives on the user-interface thread, in order, and the
// window's procedure hands it to the message map.
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_impl->hwnd != nullptr && win32::ui::Post(m_impl->hwnd, message, wParam, lParam) ? TRUE : FALSE;
}

HCURSOR LoadCursor(void* hInstance, UINT nIDCursor)
{
    return hInstance == nullptr ? static_cast<HCURSOR>(win32::ui::SystemCursor(nIDCursor)) : nullptr;
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    return static_cast<HCURSOR>(win32::ui::PutCursor(hCursor));
}
