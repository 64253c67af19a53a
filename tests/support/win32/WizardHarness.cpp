// The Win32 side of the harness: the sheet runs modeless (CPropertySheet::Create) while this thread
// pumps its messages, and the sheet's buttons and the pages' controls are real windows reached
// through the platform's window objects.
#include "tests/support/WizardHarness.h"

#include <chrono>
#include <thread>

#include "platform/ui/Cursor.h"
#include "platform/win32/ui/SheetShim.h"
#include "platform/win32/ui/WindowImpl.h"
#include "tests/support/win32/WindowDriver.h"

namespace {

win32_test::Window HandleOf(const CWnd* pWnd)
{
    return pWnd != nullptr ? pWnd->GetImpl()->hwnd : nullptr;
}

}  // namespace

bool WizardHarness::PumpUntil(const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        win32_test::PumpMessages(HandleOf(m_sheet.get()));
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    Pump();
    return true;
}

void WizardHarness::Pump()
{
    win32_test::PumpMessages(HandleOf(m_sheet.get()));
}

void WizardHarness::Press(WizardButton button)
{
    Pump();
    win32_test::PressSheetButton(HandleOf(m_sheet.get()), static_cast<int>(button));
    Pump();
}

bool WizardHarness::Enabled(WizardButton button)
{
    Pump();
    win32_test::Window control = win32_test::SheetButton(HandleOf(m_sheet.get()), static_cast<int>(button));
    return win32_test::EnabledFlag(control) && win32_test::VisibleFlag(control);
}

bool WizardHarness::Shown(WizardButton button)
{
    Pump();
    return win32_test::VisibleFlag(win32_test::SheetButton(HandleOf(m_sheet.get()), static_cast<int>(button)));
}

int WizardHarness::Active() const
{
    return win32_test::ActivePageIndex(HandleOf(m_sheet.get()));
}

int WizardHarness::EndResult() const
{
    win32_test::Window sheet = HandleOf(m_sheet.get());
    if (sheet == nullptr || !win32::ui::WizardSheetEnded(sheet))
        return 0;
    return win32::ui::WizardSheetFinished() ? ID_WIZFINISH : IDCANCEL;
}

void WizardHarness::Click(CWnd* pPage, int id)
{
    Pump();
    win32_test::ClickControl(HandleOf(pPage->GetDlgItem(id)));
    Pump();
}

CString WizardHarness::Text(CWnd* pPage, int id)
{
    CWnd* control = pPage->GetDlgItem(id);
    return control != nullptr ? CString(win32_test::TextOf(HandleOf(control))) : CString("<no control>");
}

bool WizardHarness::Visible(CWnd* pPage, int id)
{
    Pump();
    CWnd* control = pPage->GetDlgItem(id);
    // The control's own visibility flag, whether or not its page is shown.
    return control != nullptr && win32_test::VisibleFlag(HandleOf(control));
}

bool WizardHarness::Checked(CWnd* pPage, int id)
{
    Pump();
    return win32_test::CheckedFlag(HandleOf(pPage->GetDlgItem(id)));
}

// A modeless sheet's window stays after Finish or Cancel until its owner destroys it.
void WizardHarness::CloseSheetWindow()
{
    win32_test::Destroy(HandleOf(m_sheet.get()));
    m_sheet->DestroyWindow();
}

bool WizardHarness::ControlEnabled(CWnd* pPage, int id)
{
    Pump();
    return win32_test::EnabledFlag(HandleOf(pPage->GetDlgItem(id)));
}

void WizardHarness::SetAddressFields(CWnd* pPage, int id, const std::vector<std::string>& fields)
{
    win32_test::SetAddressFields(HandleOf(pPage->GetDlgItem(id)), fields);
    Pump();
}

std::string WizardHarness::AddressText(CWnd* pPage, int id)
{
    Pump();
    return win32_test::AddressFieldsText(HandleOf(pPage->GetDlgItem(id)));
}

UINT WizardHarness::CursorId() const
{
    return win32_test::ShowsWaitCursor() ? IDC_WAIT : IDC_ARROW;
}

void WizardHarness::PressKey(Key key)
{
    static constexpr int kVirtualKeys[] = {0x26 /* VK_UP */,     0x28 /* VK_DOWN */,   0x25 /* VK_LEFT */,
                                           0x27 /* VK_RIGHT */, 0x0D /* VK_RETURN */, 0x08 /* VK_BACK */};
    win32_test::ActivateSheet(HandleOf(m_sheet.get()));
    Pump();
    win32_test::PressVirtualKey(kVirtualKeys[static_cast<int>(key)]);
    Pump();
}

// One character at a time: a field of the address control that is full hands the focus on, and the
// next character must go where the focus is then.
void WizardHarness::TypeText(const std::string& text)
{
    win32_test::ActivateSheet(HandleOf(m_sheet.get()));
    for (char c : text) {
        Pump();
        win32_test::TypeCharacter(c);
        Pump();
    }
}

int WizardHarness::ProgressPosition(CWnd* pPage, int id)
{
    return win32_test::ProgressPosition(HandleOf(pPage->GetDlgItem(id)));
}

int WizardHarness::ProgressMaximum(CWnd* pPage, int id)
{
    return win32_test::ProgressMaximum(HandleOf(pPage->GetDlgItem(id)));
}

void test_services::CreateMessageWindow(CWnd* pWnd)
{
    CWnd::Impl* impl = pWnd->GetImpl();
    impl->hwnd = win32_test::CreateMessageWindow(
        [impl](unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t* result) {
            LRESULT handled = 0;
            const bool taken = impl->Dispatch(message, wParam, lParam, &handled) != FALSE;
            *result = handled;
            return taken;
        });
}

void test_services::DestroyMessageWindow(CWnd* pWnd)
{
    win32_test::Destroy(HandleOf(pWnd));
    DetachWindow(pWnd);
}
