// Fonts, cursors and pictures of the Win32 UI backend, through plain types (see WindowShim.h for
// why); only GdiShim.cpp includes the SDK. Handles are the SDK's, held as void*.
#pragma once

#include <cstdint>

#include "platform/win32/ui/WindowShim.h"

namespace win32::ui {

// A font made from a 60-byte ANSI LOGFONT; nullptr when the system cannot make it.
void* CreateFontFrom(const void* logFont);
// Copies the font's ANSI LOGFONT into buffer: the bytes copied, 0 for no font.
int ReadFont(void* font, int size, void* buffer);
bool DeleteFontObject(void* font);

// A system cursor by its number (32512 the arrow, 32514 the hourglass).
void* SystemCursor(unsigned id);
// Shows the cursor and returns the one shown before.
void* PutCursor(void* cursor);

// A bitmap of width x height pixels 0x00RRGGBB, the top row first; nullptr when it cannot be made.
void* CreatePicture(int width, int height, const std::uint32_t* pixels);
// Puts the bitmap into a picture control, which takes the bitmap's size.
void ShowPicture(Window control, void* bitmap);

}  // namespace win32::ui
