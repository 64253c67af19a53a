#include "tests/support/WidgetAccess.h"

#include <QDialog>
#include <QGuiApplication>

#include "platform/ui/Cursor.h"
#include "platform/ui/IpAddressWidget.h"
#include "platform/ui/SheetDialog.h"
#include "platform/ui/WindowImpl.h"

namespace test_services {

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
    auto* dialog = qobject_cast<QDialog*>(SheetWindow(sheet));
    return dialog != nullptr ? dialog->result() : 0;
}

QLineEdit* IpAddressField(const CWnd* pControl, int index)
{
    auto* widget = qobject_cast<IpAddressWidget*>(WidgetOf(pControl));
    return widget != nullptr ? widget->Field(index) : nullptr;
}

UINT CurrentCursorId()
{
    const QCursor* current = QGuiApplication::overrideCursor();
    if (current == nullptr)
        return IDC_ARROW;
    switch (current->shape()) {
    case Qt::WaitCursor:
        return IDC_WAIT;
    case Qt::BlankCursor:
        return 0;
    default:
        return IDC_ARROW;
    }
}

}  // namespace test_services
