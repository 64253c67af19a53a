// What a window does with the messages that no handler took: the controls' own behaviour.
#include <QAbstractButton>
#include <QLineEdit>

#include "platform/ui/WindowImpl.h"

namespace {

void SetIpAddress(QWidget* control, LPARAM packed)
{
    const QList<QLineEdit*> fields = control->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    const auto value = static_cast<DWORD>(packed);
    for (int i = 0; i < fields.size() && i < 4; ++i)
        fields[i]->setText(QString::number((value >> (8 * (3 - i))) & 0xFF));
}

}  // namespace

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    QWidget* widget = m_impl->widget;
    switch (message) {
    case WM_SETFONT:
        m_impl->font = reinterpret_cast<HFONT>(wParam);
        if (widget != nullptr && m_impl->font != nullptr) {
            widget->setFont(QFontFromHandle(m_impl->font));
            if (lParam != 0)
                widget->update();
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_impl->font);
    case BM_SETCHECK:
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setChecked(wParam == 1);
        return 0;
    case IPM_SETADDRESS:
        if (widget != nullptr && m_impl->controlKind == ControlKind::IpAddress)
            SetIpAddress(widget, lParam);
        return 0;
    default:
        return 0;
    }
}
