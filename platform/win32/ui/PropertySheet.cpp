// The property sheet in wizard mode is the system's own (PropertySheetA with PSH_WIZARD): Back,
// Next, Finish, Cancel, PSM_SETWIZBUTTONS, Escape and the close button are its. The pages' windows
// come from their in-memory templates, and the sheet's notifications reach the pages' virtuals.
#include "platform/ui/PropertySheet.h"

#include <algorithm>

#include "platform/sys/ResourceLookup.h"
#include "platform/sys/StringRes.h"
#include "platform/ui/IPAddressCtrl.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/XpmImage.h"
#include "platform/win32/ui/DialogTemplateBytes.h"
#include "platform/win32/ui/GdiShim.h"
#include "platform/win32/ui/SheetShim.h"
#include "platform/win32/ui/WindowImpl.h"

namespace {

constexpr int kProgramIconId = 128;

// The sheet that runs now: one sheet at a time.
CPropertySheet* g_pRunningSheet = nullptr;

// A bitmap resource from its XPM table, made once and shown by every page that has it.
void* Bitmap(UINT nID)
{
    static std::vector<std::pair<UINT, void*>> made;
    for (const auto& [id, bitmap] : made) {
        if (id == nID)
            return bitmap;
    }
    void* bitmap = nullptr;
    if (const ImageResource* resource = FindImage(g_bitmaps, g_bitmapCount, nID)) {
        const XpmPixels image = DecodeXpm(resource->xpm);
        if (!image.pixels.empty())
            bitmap = win32::ui::CreatePicture(image.width, image.height, image.pixels.data());
    }
    made.emplace_back(nID, bitmap);
    return bitmap;
}

std::intptr_t HandlePage(void* pPageObject, win32::ui::PageEvent event, win32::ui::Window window, unsigned message,
                         std::uintptr_t wParam, std::intptr_t lParam, bool* handled)
{
    auto* page = static_cast<CPropertyPage*>(pPageObject);
    using win32::ui::PageEvent;
    switch (event) {
    case PageEvent::Created:
        AttachDialogWindow(page, window, page->m_nIDTemplate);
        if (g_pRunningSheet != nullptr)
            g_pRunningSheet->GetImpl()->hwnd = win32::ui::ParentOf(window);
        return 0;
    case PageEvent::SetActive: return page->OnSetActive() ? 0 : -1;
    case PageEvent::Back: return page->OnWizardBack();
    case PageEvent::Next: return page->OnWizardNext();
    case PageEvent::QueryCancel: return page->OnQueryCancel() ? FALSE : TRUE;
    case PageEvent::Destroyed: DetachWindow(page); return 0;
    case PageEvent::Message: {
        LRESULT result = 0;
        *handled = page->GetImpl()->Dispatch(message, wParam, lParam, &result) != FALSE;
        return result;
    }
    }
    return 0;
}

}  // namespace

void AttachDialogWindow(CWnd* pDialog, win32::ui::Window hwnd, UINT nIDTemplate)
{
    CWnd::Impl& dialog = *pDialog->GetImpl();
    dialog.hwnd = hwnd;
    dialog.controls.clear();
    const DialogTemplate* dlg = FindDialogTemplate(nIDTemplate);
    for (std::size_t i = 0; dlg != nullptr && i < dlg->controlCount; ++i) {
        const DialogControl& control = dlg->controls[i];
        if (control.kind == ControlKind::Bitmap) {
            const int id = control.id == IDC_STATIC ? kPictureControlId : control.id;
            if (void* bitmap = Bitmap(control.imageId))
                win32::ui::ShowPicture(win32::ui::ControlOf(hwnd, id), bitmap);
        }
        if (control.id == IDC_STATIC)
            continue;  // nothing looks it up
        std::unique_ptr<CWnd> wnd = control.kind == ControlKind::IpAddress ? std::make_unique<CIPAddressCtrl>()
                                                                            : std::make_unique<CWnd>();
        wnd->GetImpl()->hwnd = win32::ui::ControlOf(hwnd, control.id);
        dialog.controls[control.id] = std::move(wnd);
    }
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd*, UINT) : m_nIDCaption(nIDCaption) {}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.push_back(pPage);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    const auto found = std::find(m_pages.begin(), m_pages.end(), pPage);
    if (found == m_pages.end() || GetImpl()->hwnd == nullptr)
        return FALSE;
    return win32::ui::SelectSheetPage(GetImpl()->hwnd, static_cast<int>(found - m_pages.begin())) ? TRUE : FALSE;
}

namespace {

// The pages' templates, for as long as a sheet may make its pages' windows from them.
std::vector<std::vector<std::uint32_t>> g_templates;

std::vector<win32::ui::SheetPage> SheetPages(const std::vector<CPropertyPage*>& pages)
{
    g_templates.clear();
    g_templates.reserve(pages.size());
    std::vector<win32::ui::SheetPage> sheetPages;
    for (CPropertyPage* page : pages) {
        g_templates.push_back(BuildDialogTemplate(page->m_nIDTemplate));
        sheetPages.push_back({g_templates.back().data(), page});
    }
    return sheetPages;
}

}  // namespace

std::intptr_t CPropertySheet::DoModal()
{
    std::vector<win32::ui::SheetPage> pages = SheetPages(m_pages);
    CWinApp* app = AfxGetApp();
    g_pRunningSheet = this;
    const bool finished = win32::ui::RunWizardSheet(nullptr, m_psh.dwFlags, LoadString(m_nIDCaption).c_str(),
                                                    kProgramIconId, pages.data(), static_cast<int>(pages.size()),
                                                    HandlePage);
    g_pRunningSheet = nullptr;
    DestroyWindow();
    if (app != nullptr && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    return finished ? ID_WIZFINISH : IDCANCEL;
}

// The same sheet, shown without a modal loop: the caller's message loop runs it, and Finish or
// Cancel leave it without a current page, as a modeless system sheet does.
BOOL CPropertySheet::Create()
{
    std::vector<win32::ui::SheetPage> pages = SheetPages(m_pages);
    g_pRunningSheet = this;
    win32::ui::Window window = win32::ui::CreateWizardSheet(nullptr, m_psh.dwFlags, LoadString(m_nIDCaption).c_str(),
                                                            kProgramIconId, pages.data(),
                                                            static_cast<int>(pages.size()), HandlePage);
    GetImpl()->hwnd = window;
    return window != nullptr ? TRUE : FALSE;
}

// The system destroys the windows when the sheet ends; the objects forget them.
void CPropertySheet::DestroyWindow()
{
    for (CPropertyPage* page : m_pages)
        DetachWindow(page);
    DetachWindow(this);
}

// PSM_SETWIZBUTTONS and the sheet's other messages are the system sheet's own.
BOOL CPropertySheet::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}
