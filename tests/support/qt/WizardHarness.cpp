// The Qt side of the harness: the event loop, the sheet's buttons and the pages' controls as
// Qt widgets.
#include "tests/support/WizardHarness.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include "platform/qt/WindowImpl.h"
#include "platform/ui/Cursor.h"
#include "tests/support/qt/WidgetAccess.h"

namespace {

// Keys reach the focused control of the active window only: the sheet is made active first.
void ActivateSheet(const CPropertySheet& sheet)
{
    QWidget* window = test_services::SheetWindow(sheet);
    if (window != nullptr && !window->isActiveWindow()) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            ADD_FAILURE() << "the wizard's window did not become active: keys would go nowhere";
    }
}

Qt::Key QtKey(WizardHarness::Key key)
{
    switch (key) {
    case WizardHarness::Key::Up: return Qt::Key_Up;
    case WizardHarness::Key::Down: return Qt::Key_Down;
    case WizardHarness::Key::Left: return Qt::Key_Left;
    case WizardHarness::Key::Right: return Qt::Key_Right;
    case WizardHarness::Key::Return: return Qt::Key_Return;
    case WizardHarness::Key::Backspace: return Qt::Key_Backspace;
    }
    return Qt::Key_unknown;
}

}  // namespace

bool WizardHarness::PumpUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    Pump();
    return true;
}

void WizardHarness::Pump()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void WizardHarness::Press(WizardButton button)
{
    Pump();
    test_services::WizardButtonOf(*m_sheet, button)->click();
    Pump();
}

bool WizardHarness::Enabled(WizardButton button)
{
    Pump();
    QPushButton* widget = test_services::WizardButtonOf(*m_sheet, button);
    return widget->isEnabled() && !widget->isHidden();
}

bool WizardHarness::Shown(WizardButton button)
{
    Pump();
    return !test_services::WizardButtonOf(*m_sheet, button)->isHidden();
}

int WizardHarness::EndResult() const
{
    return test_services::SheetEndResult(*m_sheet);
}

void WizardHarness::Click(CWnd* pPage, int id)
{
    Pump();
    auto* button = qobject_cast<QAbstractButton*>(test_services::WidgetOf(pPage->GetDlgItem(id)));
    if (button != nullptr)
        button->click();
    Pump();
}

CString WizardHarness::Text(CWnd* pPage, int id)
{
    CWnd* control = pPage->GetDlgItem(id);
    return control != nullptr ? test_services::ControlText(control) : CString("<no control>");
}

bool WizardHarness::Visible(CWnd* pPage, int id)
{
    Pump();
    CWnd* control = pPage->GetDlgItem(id);
    // The control's own visibility flag, whether or not its page is shown.
    return control != nullptr && !test_services::WidgetOf(control)->isHidden();
}

bool WizardHarness::Checked(CWnd* pPage, int id)
{
    Pump();
    auto* button = qobject_cast<QAbstractButton*>(test_services::WidgetOf(pPage->GetDlgItem(id)));
    return button != nullptr && button->isChecked();
}

int WizardHarness::Active() const
{
    return test_services::ShownPageIndex(*m_sheet);
}

// The sheet's widgets go with the sheet object.
void WizardHarness::CloseSheetWindow() {}

bool WizardHarness::ControlEnabled(CWnd* pPage, int id)
{
    Pump();
    QWidget* widget = test_services::WidgetOf(pPage->GetDlgItem(id));
    return widget != nullptr && widget->isEnabled();
}

void WizardHarness::SetAddressFields(CWnd* pPage, int id, const std::vector<std::string>& fields)
{
    CWnd* control = pPage->GetDlgItem(id);
    for (int i = 0; i < 4 && i < static_cast<int>(fields.size()); ++i)
        test_services::IpAddressField(control, i)->setText(QString::fromStdString(fields[static_cast<std::size_t>(i)]));
    Pump();
}

std::string WizardHarness::AddressText(CWnd* pPage, int id)
{
    CWnd* control = pPage->GetDlgItem(id);
    std::string text;
    for (int i = 0; i < 4; ++i)
        text += (i ? "." : "") + test_services::IpAddressField(control, i)->text().toStdString();
    return text;
}

UINT WizardHarness::CursorId() const
{
    return test_services::CurrentCursorId();
}

// No receiver: each key goes to the window with the focus and on to its focused control, as typing does.
void WizardHarness::PressKey(Key key)
{
    Pump();
    ActivateSheet(*m_sheet);
    QTest::keyClick(static_cast<QWidget*>(nullptr), QtKey(key));
    Pump();
}

void WizardHarness::TypeText(const std::string& text)
{
    Pump();
    ActivateSheet(*m_sheet);
    QTest::keyClicks(static_cast<QWidget*>(nullptr), QString::fromLatin1(text.c_str()));
    Pump();
}

int WizardHarness::ProgressPosition(CWnd* pPage, int id)
{
    auto* bar = qobject_cast<QProgressBar*>(test_services::WidgetOf(pPage->GetDlgItem(id)));
    return bar != nullptr ? bar->value() : -1;
}

int WizardHarness::ProgressMaximum(CWnd* pPage, int id)
{
    auto* bar = qobject_cast<QProgressBar*>(test_services::WidgetOf(pPage->GetDlgItem(id)));
    return bar != nullptr ? bar->maximum() : -1;
}

// A dialog of no template: a widget of its own, with no controls.
void test_services::CreateMessageWindow(CWnd* pWnd)
{
    CreateDialogFromTemplate(pWnd, 0, nullptr);
}

void test_services::DestroyMessageWindow(CWnd* pWnd)
{
    DestroyWindowObjects(pWnd);
}
