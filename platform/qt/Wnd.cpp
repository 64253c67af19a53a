// Window objects over Qt widgets: controls' own answers to messages, posted messages, the cursor.
#include "platform/ui/Wnd.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "platform/ui/Cursor.h"
#include "platform/qt/WindowImpl.h"

namespace {

const QEvent::Type kMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// A posted message: a user event, delivered on the user-interface thread in posting order.
struct MessageEvent : QEvent {
    MessageEvent(UINT m, WPARAM w, LPARAM l) : QEvent(kMessageEvent), message(m), wParam(w), lParam(l) {}
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Checking a radio button clears the others of its group. Unchecking works on the checked one too
// and leaves the group without a check, which the group's own exclusiveness would refuse.
void SetCheck(QAbstractButton* button, bool checked)
{
    QButtonGroup* group = button->group();
    if (checked || group == nullptr || !group->exclusive()) {
        button->setChecked(checked);
        return;
    }
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
}

}  // namespace

CWnd::CWnd() : m_impl(std::make_unique<Impl>(this)) {}

CWnd::~CWnd()
{
    DestroyWindowObjects(this);
}

bool CWnd::Impl::event(QEvent* e)
{
    if (e->type() != kMessageEvent)
        return QObject::event(e);
    const auto* posted = static_cast<MessageEvent*>(e);
    wnd->SendMessage(posted->message, posted->wParam, posted->lParam);
    return true;
}

// Messages posted to a window and not yet delivered go with it.
void DestroyWindowObjects(CWnd* pWnd)
{
    CWnd::Impl& impl = *pWnd->GetImpl();
    QCoreApplication::removePostedEvents(&impl, kMessageEvent);
    impl.controls.clear();
    delete impl.widget.data();
    DeleteObject(impl.ownedFont);
    impl.ownedFont = impl.font = nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    const auto found = m_impl->controls.find(nID);
    return found == m_impl->controls.end() ? nullptr : found->second.get();
}

// Every control is shown or hidden explicitly when it is made, so the widget's hidden flag is the
// window's own visibility, whether or not its page is shown.
BOOL CWnd::ShowWindow(int nCmdShow)
{
    const BOOL wasVisible = !m_impl->widget->isHidden();
    m_impl->widget->setVisible(nCmdShow != SW_HIDE);
    return wasVisible;
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    const BOOL wasDisabled = !m_impl->widget->isEnabled();
    SetEnabledLeavingFocus(m_impl->widget, bEnable != FALSE);
    return wasDisabled;
}

// A control disabled while it has the focus leaves the window without a focused control, as on
// Windows, instead of handing the focus on to the next control: the next in line is often Cancel,
// where a Space meant for this page would end the wizard.
void SetEnabledLeavingFocus(QWidget* widget, bool enable)
{
    QWidget* focus = widget->window()->focusWidget();
    if (!enable && focus != nullptr && (focus == widget || widget->isAncestorOf(focus)))
        widget->window()->setFocus(Qt::OtherFocusReason);
    widget->setEnabled(enable);
}

void CWnd::SetWindowText(LPCSTR lpszString)
{
    // Texts are 8-bit in the system code page, which is what the local 8-bit codec reads.
    const QString text = QString::fromLocal8Bit(lpszString != nullptr ? lpszString : "");
    if (auto* label = qobject_cast<QLabel*>(m_impl->widget.data()))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(m_impl->widget.data()))
        button->setText(text);
}

void CWnd::SetFocus()
{
    if (QWidget* widget = m_impl->widget) {
        // The IP address control takes the focus in its first field, whose number is selected to be
        // typed over, also when the field held the focus already (the sheet moves the focus onto a
        // new page's first control before the page fills in the address).
        const QList<QLineEdit*> fields = IpAddressFields(widget);
        QLineEdit* field = fields.isEmpty() ? nullptr : fields.first();
        (field != nullptr ? static_cast<QWidget*>(field) : widget)->setFocus(Qt::OtherFocusReason);
        if (field != nullptr)
            field->selectAll();
    }
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    QWidget* widget = m_impl->widget;
    switch (message) {
    case WM_SETFONT:
        m_impl->font = reinterpret_cast<HFONT>(wParam);
        if (widget != nullptr && m_impl->font != nullptr)
            widget->setFont(QFontFromHandle(m_impl->font));
        break;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_impl->font);
    case BM_SETCHECK:
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            SetCheck(button, wParam == 1);
        break;
    case PBM_SETRANGE32:
        if (auto* bar = qobject_cast<QProgressBar*>(widget))
            bar->setRange(static_cast<int>(wParam), static_cast<int>(lParam));
        break;
    case PBM_SETPOS:
        if (auto* bar = qobject_cast<QProgressBar*>(widget))
            bar->setValue(static_cast<int>(wParam));
        break;
    case IPM_SETADDRESS: {
        // The address control's four fields, first number in the highest byte.
        const QList<QLineEdit*> fields = IpAddressFields(widget);
        for (qsizetype i = 0; i < fields.size() && i < 4; ++i)
            fields[i]->setText(QString::number((static_cast<DWORD>(lParam) >> (8 * (3 - i))) & 0xFF));
        break;
    }
    default:
        break;
    }
    return 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_impl->widget == nullptr)
        return FALSE;
    QCoreApplication::postEvent(m_impl.get(), new MessageEvent(message, wParam, lParam));
    return TRUE;
}

HCURSOR LoadCursor(void* hInstance, UINT nIDCursor)
{
    const bool known = hInstance == nullptr && (nIDCursor == IDC_ARROW || nIDCursor == IDC_WAIT);
    return known ? reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(nIDCursor)) : nullptr;
}

// The wait cursor stands over the whole application, one at most; the arrow takes it away.
HCURSOR SetCursor(HCURSOR hCursor)
{
    const HCURSOR previous = LoadCursor(nullptr, QGuiApplication::overrideCursor() != nullptr ? IDC_WAIT : IDC_ARROW);
    if (hCursor == LoadCursor(nullptr, IDC_WAIT)) {
        if (QGuiApplication::overrideCursor() == nullptr)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        while (QGuiApplication::overrideCursor() != nullptr)
            QGuiApplication::restoreOverrideCursor();
    }
    return previous;
}
