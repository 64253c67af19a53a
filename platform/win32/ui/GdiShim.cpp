// The SDK side of GdiShim.h.
#include <windows.h>

#include <cstring>

#include "platform/win32/ui/GdiShim.h"

namespace win32::ui {

static_assert(sizeof(LOGFONTA) == 60, "the platform's LOGFONT is the SDK's ANSI one, byte for byte");

void* CreateFontFrom(const void* logFont)
{
    LOGFONTA lf;
    std::memcpy(&lf, logFont, sizeof(lf));
    return ::CreateFontIndirectA(&lf);
}

int ReadFont(void* font, int size, void* buffer)
{
    return font != nullptr ? ::GetObjectA(static_cast<HGDIOBJ>(font), size, buffer) : 0;
}

bool DeleteFontObject(void* font)
{
    return font != nullptr && ::DeleteObject(static_cast<HGDIOBJ>(font)) != FALSE;
}

void* SystemCursor(unsigned id)
{
    return ::LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
}

void* PutCursor(void* cursor)
{
    return ::SetCursor(static_cast<HCURSOR>(cursor));
}

void* CreatePicture(int width, int height, const std::uint32_t* pixels)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr)
        for (std::size_t i = 0; i < static_cast<std::size_t>(width) * static_cast<std::size_t>(height); ++i)
            static_cast<std::uint32_t*>(bits)[i] = pixels[i] | 0xFF000000u;  // opaque, whatever the controls do with alpha
    return bitmap;
}

void ShowPicture(Window control, void* bitmap)
{
    ::SendMessageA(static_cast<HWND>(control), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

}  // namespace win32::ui
