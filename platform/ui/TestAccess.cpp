#include "platform/ui/TestAccess.h"

#include "platform/ui/IpAddressWidget.h"
#include "platform/ui/SheetDialog.h"
#include "platform/ui/WindowImpl.h"

struct SheetAccess {
    static int Result(const CPropertySheet& sheet) { return sheet.m_bEnded ? sheet.m_nResult : 0; }
};

namespace platform::seams {

QWidget* WidgetOf(const CWnd* pWnd)
{
    return pWnd != nullptr ? pWnd->GetImpl()->widget.data() : nullptr;
}

QWidget* SheetWindow(const CPropertySheet& sheet)
{
    return WidgetOf(&sheet);
}

QPushButton* WizardButtonOf(const CPropertySheet& sheet, WizardButton button)
{
    auto* dialog = static_cast<SheetDialog*>(SheetWindow(sheet));
    if (dialog == nullptr)
        return nullptr;
    switch (button) {
    case WizardButton::Back:
        return dialog->m_back;
    case WizardButton::Next:
        return dialog->m_next;
    case WizardButton::Finish:
        return dialog->m_finish;
    case WizardButton::Cancel:
        return dialog->m_cancel;
    }
    return nullptr;
}

int SheetEndResult(const CPropertySheet& sheet)
{
    return SheetAccess::Result(sheet);
}

QLineEdit* IpAddressField(const CWnd* pControl, int index)
{
    auto* widget = qobject_cast<IpAddressWidget*>(WidgetOf(pControl));
    return widget != nullptr ? widget->Field(index) : nullptr;
}

}  // namespace platform::seams
