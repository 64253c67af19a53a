// What a window does with the messages that no handler took: the controls' own behaviour.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QProgressBar>

#include "platform/ui/WindowImpl.h"

namespace {

void SetIpAddress(QWidget* control, LPARAM packed)
{
    const QList<QLineEdit*> fields = control->findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    const auto value = static_cast<DWORD>(packed);
    for (int i = 0; i < fields.size() && i < 4; ++i)
        fields[i]->setText(QString::number((value >> (8 * (3 - i))) & 0xFF));
}

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
            SetCheck(button, wParam == 1);
        return 0;
    case PBM_SETRANGE32:
        if (auto* bar = qobject_cast<QProgressBar*>(widget))
            bar->setRange(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case PBM_SETPOS:
        if (auto* bar = qobject_cast<QProgressBar*>(widget))
            bar->setValue(static_cast<int>(wParam));
        return 0;
    case IPM_SETADDRESS:
        if (widget != nullptr && m_impl->controlKind == ControlKind::IpAddress)
            SetIpAddress(widget, lParam);
        return 0;
    default:
        return 0;
    }
}
