// The wizard-mode property sheet of the Win32 UI backend, through plain types (see WindowShim.h for
// why); only SheetShim.cpp includes the SDK. The sheet is the system's own PropertySheetA, its
// pages made from in-memory dialog templates; what the sheet tells a page reaches the page's
// handler as one of these events.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32/ui/WindowShim.h"

namespace win32::ui {

enum class PageEvent {
    Created,      // WM_INITDIALOG: the page's window is made (hwnd), its sheet is its parent
    SetActive,    // PSN_SETACTIVE: 0 to show the page, -1 to refuse
    Back,         // PSN_WIZBACK: 0 for the page before, -1 to stay
    Next,         // PSN_WIZNEXT: 0 for the page after, -1 to stay
    QueryCancel,  // PSN_QUERYCANCEL: nonzero keeps the wizard open
    Message,      // any other message: *handled when the page's message map took it
    Destroyed,    // WM_DESTROY: the page's window goes
};

using PageHandler = std::intptr_t (*)(void* page, PageEvent event, Window window, unsigned message,
                                      std::uintptr_t wParam, std::intptr_t lParam, bool* handled);

struct SheetPage {
    const void* dialogTemplate;  // a DLGTEMPLATEEX, DWORD-aligned
    void* page;                  // handed to the handler
};

// Runs the sheet modally with PSH_WIZARD among flags, the caption and the program's icon resource.
// True when it ended with Finish, false with Cancel (or when it could not be made).
bool RunWizardSheet(Window owner, unsigned flags, const char* caption, int iconId, const SheetPage* pages,
                    int count, PageHandler handler);
// The same sheet without a modal loop (PSH_MODELESS): its window, or nullptr when it could not be
// made. The caller's message loop runs it; the templates must live as long as the window.
Window CreateWizardSheet(Window owner, unsigned flags, const char* caption, int iconId, const SheetPage* pages,
                         int count, PageHandler handler);
// A modeless sheet has ended (Finish or Cancel) once it has no current page.
bool WizardSheetEnded(Window sheet);
// Whether the last sheet ended with Finish.
bool WizardSheetFinished();
// PSM_SETCURSEL: shows the page with this index.
bool SelectSheetPage(Window sheet, int index);

// The text of the ANSI code page as UTF-16, as dialog templates hold their texts.
std::u16string WidenAnsi(const char* text);

// The common controls the pages use (the IP address control, the progress bar), registered once.
void RegisterCommonControls();

}  // namespace win32::ui
