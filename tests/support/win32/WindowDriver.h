// What the Win32 side of the harness does to windows, through plain types: the harness's own file
// includes the platform headers, which cannot share a unit with <windows.h> (see
// platform/win32/ui/WindowShim.h), so only WindowDriver.cpp includes the SDK.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace win32_test {

using Window = void*;

// Delivers every message waiting for this thread's windows, the sheet's dialog keys included.
void PumpMessages(Window sheet);
// The sheet's own Back, Next, Finish and Cancel buttons, 0 to 3 in that order.
Window SheetButton(Window sheet, int button);
// Presses one of the sheet's buttons as a click would (PSM_PRESSBUTTON); a hidden or disabled
// button is not pressed, as a click on it does nothing.
void PressSheetButton(Window sheet, int button);
// The index of the page the sheet shows; -1 when it shows none.
int ActivePageIndex(Window sheet);
// BM_CLICK: a push button or radio button clicked as the operator clicks it.
void ClickControl(Window control);
// The window's text in the ANSI code page.
std::string TextOf(Window window);
bool EnabledFlag(Window window);
// BM_GETCHECK: a radio button is checked.
bool CheckedFlag(Window button);
// The window's own WS_VISIBLE, whether or not its parent is shown.
bool VisibleFlag(Window window);
void Destroy(Window window);
// The four fields of a SysIPAddress32 control, left to right: set as the operator leaves them ("" for
// a blank field), and read joined by dots.
void SetAddressFields(Window control, const std::vector<std::string>& fields);
std::string AddressFieldsText(Window control);
// Keys reach the focused control of the active window only: the sheet is made active first, as
// the operator's click on it would.
void ActivateSheet(Window sheet);
// A key pressed and released, or a character typed, at the window that has the focus now.
void PressVirtualKey(int virtualKey);
void TypeCharacter(char c);
// Whether the cursor this thread shows is the system's hourglass.
bool ShowsWaitCursor();
// A progress control's PBM_GETPOS, and the top of its PBM_GETRANGE; -1 without the control.
int ProgressPosition(Window bar);
int ProgressMaximum(Window bar);
// A hidden message-only window of this thread: each message goes to the handler first, which returns
// true with the result when it takes it; the window's default procedure has the others.
using MessageHandler = std::function<bool(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                                          std::intptr_t* result)>;
Window CreateMessageWindow(MessageHandler handler);

}  // namespace win32_test
