// The SDK side of SheetShim.h.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <vector>

#include "platform/win32/ui/SheetShim.h"

namespace win32::ui {
namespace {

// One sheet runs at a time, on the user-interface thread.
PageHandler g_handler = nullptr;
bool g_finished = false;

void* PageOf(HWND window)
{
    return reinterpret_cast<void*>(::GetWindowLongPtrA(window, DWLP_USER));
}

// A notification's answer goes back through DWLP_MSGRESULT.
INT_PTR Answer(HWND window, std::intptr_t result)
{
    ::SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    bool handled = false;
    if (message == WM_INITDIALOG) {
        const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, sheetPage->lParam);
        g_handler(PageOf(window), PageEvent::Created, window, message, wParam, lParam, &handled);
        return TRUE;
    }
    void* page = PageOf(window);
    if (page == nullptr)
        return FALSE;
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        PageEvent event;
        switch (header->code) {
        case PSN_SETACTIVE: event = PageEvent::SetActive; break;
        case PSN_WIZBACK: event = PageEvent::Back; break;
        case PSN_WIZNEXT: event = PageEvent::Next; break;
        case PSN_QUERYCANCEL: event = PageEvent::QueryCancel; break;
        case PSN_WIZFINISH: g_finished = true; return Answer(window, 0);
        default: return FALSE;
        }
        return Answer(window, g_handler(page, event, window, message, wParam, lParam, &handled));
    }
    if (message == WM_DESTROY) {
        g_handler(page, PageEvent::Destroyed, window, message, wParam, lParam, &handled);
        ::SetWindowLongPtrA(window, DWLP_USER, 0);
        return FALSE;
    }
    const std::intptr_t result = g_handler(page, PageEvent::Message, window, message, wParam, lParam, &handled);
    return handled ? Answer(window, result) : FALSE;
}

}  // namespace

namespace {

// The pages' and the header's structures; the system copies them when it makes the sheet.
struct SheetHeader {
    std::vector<PROPSHEETPAGEA> pages;
    PROPSHEETHEADERA header{};
};

void FillHeader(SheetHeader& sheet, Window owner, unsigned flags, const char* caption, int iconId,
                const SheetPage* pages, int count)
{
    sheet.pages.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        PROPSHEETPAGEA& p = sheet.pages[static_cast<std::size_t>(i)];
        p.dwSize = sizeof(p);
        p.dwFlags = PSP_DLGINDIRECT;
        p.hInstance = ::GetModuleHandleA(nullptr);
        p.pResource = static_cast<LPCDLGTEMPLATEA>(pages[i].dialogTemplate);
        p.pfnDlgProc = PageProcedure;
        p.lParam = reinterpret_cast<LPARAM>(pages[i].page);
    }
    PROPSHEETHEADERA& header = sheet.header;
    header.dwSize = sizeof(header);
    header.dwFlags = flags | PSH_WIZARD | PSH_PROPSHEETPAGE | PSH_USEICONID;
    header.hwndParent = static_cast<HWND>(owner);
    header.hInstance = ::GetModuleHandleA(nullptr);
    header.pszIcon = MAKEINTRESOURCEA(iconId);
    header.pszCaption = caption;
    header.nPages = static_cast<UINT>(count);
    header.ppsp = sheet.pages.data();
}

}  // namespace

bool RunWizardSheet(Window owner, unsigned flags, const char* caption, int iconId, const SheetPage* pages,
                    int count, PageHandler handler)
{
    SheetHeader sheet;
    FillHeader(sheet, owner, flags, caption, iconId, pages, count);
    g_handler = handler;
    g_finished = false;
    ::PropertySheetA(&sheet.header);
    g_handler = nullptr;
    return g_finished;
}

Window CreateWizardSheet(Window owner, unsigned flags, const char* caption, int iconId, const SheetPage* pages,
                         int count, PageHandler handler)
{
    SheetHeader sheet;
    FillHeader(sheet, owner, flags | PSH_MODELESS, caption, iconId, pages, count);
    // No program start has registered the pages' common controls for a sheet made this way.
    RegisterCommonControls();
    g_handler = handler;
    g_finished = false;
    // The handler stays: the sheet's pages call it for as long as the window lives.
    return reinterpret_cast<Window>(::PropertySheetA(&sheet.header));
}

bool WizardSheetEnded(Window sheet)
{
    return ::SendMessageA(static_cast<HWND>(sheet), PSM_GETCURRENTPAGEHWND, 0, 0) == 0;
}

bool WizardSheetFinished()
{
    return g_finished;
}

bool SelectSheetPage(Window sheet, int index)
{
    return ::SendMessageA(static_cast<HWND>(sheet), PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != 0;
}

std::u16string WidenAnsi(const char* text)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1)
        return std::u16string();
    std::vector<wchar_t> wide(static_cast<std::size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return std::u16string(wide.begin(), wide.end() - 1);
}

void RegisterCommonControls()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
}

}  // namespace win32::ui
