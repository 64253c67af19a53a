#include "platform/ui/Wnd.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include "platform/ui/WindowImpl.h"

QEvent::Type MessageEvent::Kind()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool MessageTarget::event(QEvent* e)
{
    if (e->type() != MessageEvent::Kind())
        return QObject::event(e);
    auto* message = static_cast<MessageEvent*>(e);
    WindowAccess::Call(m_pWnd, message->m_message, message->m_wParam, message->m_lParam);
    return true;
}

CWnd::CWnd() : m_impl(std::make_unique<Impl>()) {}

CWnd::~CWnd()
{
    DestroyWindowObjects(this);
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return reinterpret_cast<CWnd*>(hWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    const auto found = m_impl->controls.find(nID);
    return found == m_impl->controls.end() ? nullptr : found->second.get();
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    const BOOL wasVisible = !m_impl->hidden;
    m_impl->hidden = (nCmdShow == SW_HIDE);
    if (m_impl->widget)
        m_impl->widget->setVisible(!m_impl->hidden);
    return wasVisible;
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    if (!m_impl->widget)
        return FALSE;
    const BOOL wasDisabled = !m_impl->widget->isEnabled();
    m_impl->widget->setEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_impl->widget && !m_impl->hidden;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_impl->widget && m_impl->widget->isEnabled();
}

void CWnd::SetWindowText(LPCSTR lpszString)
{
    QWidget* widget = m_impl->widget;
    if (widget == nullptr)
        return;
    // Texts are 8-bit in the system code page; the local 8-bit codec turns them into Qt's text.
    const QString text = QString::fromLocal8Bit(lpszString != nullptr ? lpszString : "");
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else
        widget->setWindowTitle(text);
}

CString CWnd::GetWindowText() const
{
    QWidget* widget = m_impl->widget;
    if (widget == nullptr)
        return CString();
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget))
        text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        text = button->text();
    else
        text = widget->windowTitle();
    return text.toLocal8Bit().toStdString();
}

CWnd* CWnd::SetFocus()
{
    if (m_impl->widget) {
        // The IP address control takes the focus in its first field.
        if (auto* field = m_impl->widget->findChild<QLineEdit*>())
            field->setFocus(Qt::OtherFocusReason);
        else
            m_impl->widget->setFocus(Qt::OtherFocusReason);
    }
    return nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowProc(message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageTarget* target = m_impl->target;
    if (m_hWnd == nullptr || target == nullptr)
        return FALSE;
    QCoreApplication::postEvent(target, new MessageEvent(message, wParam, lParam));
    return TRUE;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hWnd == nullptr)
        return FALSE;
    return CWnd::FromHandle(hWnd)->PostMessage(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}
