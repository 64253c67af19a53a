// Fonts are the system's GDI fonts; a platform HFONT is the SDK's handle itself, so that WM_SETFONT
// and WM_GETFONT pass it to the controls and back unchanged.
#include "platform/ui/Font.h"

#include "platform/win32/ui/GdiShim.h"

HFONT CreateFontIndirect(const LOGFONT* lplf)
{
    return lplf != nullptr ? static_cast<HFONT>(win32::ui::CreateFontFrom(lplf)) : nullptr;
}

int GetObject(HFONT hFont, int cbBuffer, void* lpvObject)
{
    return lpvObject != nullptr && cbBuffer > 0 ? win32::ui::ReadFont(hFont, cbBuffer, lpvObject) : 0;
}

BOOL DeleteObject(HFONT hFont)
{
    return win32::ui::DeleteFontObject(hFont) ? TRUE : FALSE;
}
