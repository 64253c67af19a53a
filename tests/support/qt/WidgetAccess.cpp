#include "tests/support/qt/WidgetAccess.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QStackedWidget>

#include "platform/ui/Cursor.h"
#include "platform/qt/WindowImpl.h"

namespace test_services {
namespace {
QStackedWidget* PagePlaces(const CPropertySheet& sheet)
{
    QWidget* window = SheetWindow(sheet);
    return window != nullptr ? window->findChild<QStackedWidget*>() : nullptr;
}
}  // namespace

QWidget* WidgetOf(const CWnd* pWnd)
{
    return pWnd != nullptr ? pWnd->GetImpl()->widget.data() : nullptr;
}

QWidget* SheetWindow(const CPropertySheet& sheet)
{
    return WidgetOf(&sheet);
}

// The wizard buttons are the sheet window's own push buttons, made in the order Back, Next, Finish,
// Cancel; the pages' buttons belong to the pages.
QPushButton* WizardButtonOf(const CPropertySheet& sheet, WizardButton button)
{
    QWidget* window = SheetWindow(sheet);
    if (window == nullptr)
        return nullptr;
    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
    const auto index = static_cast<qsizetype>(button);
    return index < buttons.size() ? buttons[index] : nullptr;
}

int SheetEndResult(const CPropertySheet& sheet)
{
    auto* dialog = qobject_cast<QDialog*>(SheetWindow(sheet));
    return dialog != nullptr ? dialog->result() : 0;
}

int PagePlaceCount(const CPropertySheet& sheet)
{
    QStackedWidget* places = PagePlaces(sheet);
    return places != nullptr ? places->count() : 0;
}

int ShownPageIndex(const CPropertySheet& sheet)
{
    QStackedWidget* places = PagePlaces(sheet);
    return places != nullptr ? places->currentIndex() : -1;
}

bool ShowsPage(const CPropertySheet& sheet, const CWnd* page)
{
    QStackedWidget* places = PagePlaces(sheet);
    QWidget* widget = WidgetOf(page);
    return places != nullptr && widget != nullptr && widget->parentWidget() == places->currentWidget();
}

CString ControlText(const CWnd* pControl)
{
    QWidget* widget = WidgetOf(pControl);
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget))
        text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        text = button->text();
    return text.toLocal8Bit().toStdString();
}

QLineEdit* IpAddressField(const CWnd* pControl, int index)
{
    QWidget* widget = WidgetOf(pControl);
    const QList<QLineEdit*> fields =
        widget != nullptr ? widget->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly) : QList<QLineEdit*>();
    return index >= 0 && index < fields.size() ? fields[index] : nullptr;
}

UINT CurrentCursorId()
{
    const QCursor* current = QGuiApplication::overrideCursor();
    return current != nullptr && current->shape() == Qt::WaitCursor ? IDC_WAIT : IDC_ARROW;
}

}  // namespace test_services
