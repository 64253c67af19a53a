#include "platform/ui/Cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

HCURSOR HandleOf(UINT nID)
{
    return reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(nID));
}

UINT IdOf(HCURSOR hCursor)
{
    return static_cast<UINT>(reinterpret_cast<std::uintptr_t>(hCursor));
}

// The arrow is Qt's ordinary cursor; every other shape stands over the whole application, so that
// one override cursor at most is set at a time.
void ShowShape(bool overriding, Qt::CursorShape shape)
{
    if (QGuiApplication::instance() == nullptr)
        return;
    if (!overriding) {
        while (QGuiApplication::overrideCursor() != nullptr)
            QGuiApplication::restoreOverrideCursor();
    } else if (QGuiApplication::overrideCursor() != nullptr) {
        QGuiApplication::changeOverrideCursor(QCursor(shape));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(shape));
    }
}

HCURSOR CurrentHandle()
{
    const QCursor* current = QGuiApplication::instance() != nullptr ? QGuiApplication::overrideCursor() : nullptr;
    if (current == nullptr)
        return HandleOf(IDC_ARROW);
    switch (current->shape()) {
    case Qt::WaitCursor:
        return HandleOf(IDC_WAIT);
    case Qt::BlankCursor:
        return nullptr;
    default:
        return HandleOf(IDC_ARROW);
    }
}

}  // namespace

HCURSOR LoadCursor(void* hInstance, UINT nIDCursor)
{
    if (hInstance != nullptr || (nIDCursor != IDC_ARROW && nIDCursor != IDC_WAIT))
        return nullptr;
    return HandleOf(nIDCursor);
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    const HCURSOR previous = CurrentHandle();
    if (hCursor == nullptr)
        ShowShape(true, Qt::BlankCursor);
    else if (IdOf(hCursor) == IDC_WAIT)
        ShowShape(true, Qt::WaitCursor);
    else
        ShowShape(false, Qt::ArrowCursor);
    return previous;
}
