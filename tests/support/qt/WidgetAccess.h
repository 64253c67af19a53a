// The Qt widgets behind the platform's window objects, so that a test can press the real buttons,
// type into the real fields and look at what the operator would see.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "platform/ui/PropertySheet.h"
#include "tests/support/WizardButton.h"

namespace test_services {
QWidget* WidgetOf(const CWnd* pWnd);
QWidget* SheetWindow(const CPropertySheet& sheet);
QPushButton* WizardButtonOf(const CPropertySheet& sheet, WizardButton button);
// The result that ended the sheet (ID_WIZFINISH or IDCANCEL), or 0 while it runs.
int SheetEndResult(const CPropertySheet& sheet);
// How many places for pages the sheet's window has: one per page, in the sheet's order.
int PagePlaceCount(const CPropertySheet& sheet);
// The place (the page's index in the sheet) that the sheet's window shows; -1 without a window.
int ShownPageIndex(const CPropertySheet& sheet);
// Whether the sheet's window shows this page now.
bool ShowsPage(const CPropertySheet& sheet, const CWnd* page);
// A control's text as the operator reads it: a label's or a button's.
CString ControlText(const CWnd* pControl);
// One field (0 to 3) of an IP address control.
QLineEdit* IpAddressField(const CWnd* pControl, int index);
// The system cursor the application shows now: IDC_ARROW when nothing is set.
UINT CurrentCursorId();
}  // namespace test_services
