// The SDK side of WindowDriver.h.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "tests/support/win32/WindowDriver.h"

namespace win32_test {
namespace {

constexpr int kButtonIds[] = {0x3023 /* Back */, 0x3024 /* Next */, 0x3025 /* Finish */, IDCANCEL};
constexpr int kPressCodes[] = {PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH, PSBTN_CANCEL};

HWND Handle(Window window)
{
    return static_cast<HWND>(window);
}

// The address control's edit fields ordered by where they stand, not by the order the control made them.
std::vector<HWND> AddressFields(Window control)
{
    std::vector<HWND> fields;
    for (HWND child = control != nullptr ? ::GetWindow(Handle(control), GW_CHILD) : nullptr; child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT))
        fields.push_back(child);
    std::sort(fields.begin(), fields.end(), [](HWND a, HWND b) {
        RECT ra, rb;
        ::GetWindowRect(a, &ra);
        ::GetWindowRect(b, &rb);
        return ra.left < rb.left;
    });
    return fields;
}

}  // namespace

void PumpMessages(Window sheet)
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        // A modeless sheet takes its dialog keys (Tab, Enter, Escape) through PSM_ISDIALOGMESSAGE.
        if (sheet != nullptr && ::IsWindow(Handle(sheet)) &&
            ::SendMessageA(Handle(sheet), PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&message)))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

Window SheetButton(Window sheet, int button)
{
    if (sheet == nullptr || button < 0 || button > 3)
        return nullptr;
    return ::GetDlgItem(Handle(sheet), kButtonIds[button]);
}

void PressSheetButton(Window sheet, int button)
{
    HWND control = Handle(SheetButton(sheet, button));
    if (control == nullptr || !::IsWindowVisible(control) || !::IsWindowEnabled(control))
        return;
    ::SendMessageA(Handle(sheet), PSM_PRESSBUTTON, static_cast<WPARAM>(kPressCodes[button]), 0);
}

int ActivePageIndex(Window sheet)
{
    if (sheet == nullptr || !::IsWindow(Handle(sheet)))
        return -1;
    const LRESULT page = ::SendMessageA(Handle(sheet), PSM_GETCURRENTPAGEHWND, 0, 0);
    if (page == 0)
        return -1;
    return static_cast<int>(::SendMessageA(Handle(sheet), PSM_HWNDTOINDEX, static_cast<WPARAM>(page), 0));
}

void ClickControl(Window control)
{
    if (control != nullptr)
        ::SendMessageA(Handle(control), BM_CLICK, 0, 0);
}

std::string TextOf(Window window)
{
    if (window == nullptr)
        return std::string();
    const int length = ::GetWindowTextLengthA(Handle(window));
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    const int copied = ::GetWindowTextA(Handle(window), text.data(), length + 1);
    return std::string(text.data(), static_cast<std::size_t>(copied));
}

bool EnabledFlag(Window window)
{
    return window != nullptr && ::IsWindowEnabled(Handle(window));
}

bool CheckedFlag(Window button)
{
    return button != nullptr && ::SendMessageA(Handle(button), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool VisibleFlag(Window window)
{
    return window != nullptr && (::GetWindowLongA(Handle(window), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Destroy(Window window)
{
    if (window != nullptr && ::IsWindow(Handle(window)))
        ::DestroyWindow(Handle(window));
}

void SetAddressFields(Window control, const std::vector<std::string>& fields)
{
    const std::vector<HWND> edits = AddressFields(control);
    for (std::size_t i = 0; i < edits.size() && i < fields.size(); ++i)
        ::SetWindowTextA(edits[i], fields[i].c_str());
}

std::string AddressFieldsText(Window control)
{
    std::string text;
    const std::vector<HWND> edits = AddressFields(control);
    for (std::size_t i = 0; i < edits.size(); ++i)
        text += (i != 0 ? "." : "") + TextOf(edits[i]);
    return text;
}

void ActivateSheet(Window sheet)
{
    HWND window = Handle(sheet);
    if (window != nullptr && ::GetActiveWindow() != window) {
        ::SetForegroundWindow(window);
        ::SetActiveWindow(window);
    }
}

void PressVirtualKey(int virtualKey)
{
    HWND focus = ::GetFocus();
    ::PostMessageA(focus, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
    ::PostMessageA(focus, WM_KEYUP, static_cast<WPARAM>(virtualKey), static_cast<LPARAM>(0xC0000001u));
}

void TypeCharacter(char c)
{
    ::PostMessageA(::GetFocus(), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
}

bool ShowsWaitCursor()
{
    return ::GetCursor() == ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514));  // IDC_WAIT
}

int ProgressPosition(Window bar)
{
    return bar != nullptr ? static_cast<int>(::SendMessageA(Handle(bar), PBM_GETPOS, 0, 0)) : -1;
}

int ProgressMaximum(Window bar)
{
    return bar != nullptr ? static_cast<int>(::SendMessageA(Handle(bar), PBM_GETRANGE, FALSE, 0)) : -1;
}

namespace {

// The handler lives in the window's user data from its first message to its last.
LRESULT CALLBACK MessageWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* handler = reinterpret_cast<MessageHandler*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete handler;
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    std::intptr_t result = 0;
    if (handler != nullptr && (*handler)(message, wParam, lParam, &result))
        return result;
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

Window CreateMessageWindow(MessageHandler handler)
{
    static const ATOM windowClass = [] {
        WNDCLASSA description{};
        description.lpfnWndProc = MessageWindowProcedure;
        description.hInstance = ::GetModuleHandleA(nullptr);
        description.lpszClassName = "TarvelTestMessageWindow";
        return ::RegisterClassA(&description);
    }();
    if (windowClass == 0)
        return nullptr;
    auto* held = new MessageHandler(std::move(handler));
    HWND window = ::CreateWindowExA(0, "TarvelTestMessageWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    ::GetModuleHandleA(nullptr), held);
    if (window == nullptr)
        delete held;  // no WM_NCDESTROY will come for it
    return window;
}

}  // namespace win32_test
