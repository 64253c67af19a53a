// Fonts and the 60-byte ANSI LOGFONT view of them.
#pragma once

#include "platform/sys/WinTypes.h"

constexpr int LF_FACESIZE = 32;

struct LOGFONT {
    LONG lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight;
    BYTE lfItalic, lfUnderline, lfStrikeOut, lfCharSet, lfOutPrecision, lfClipPrecision, lfQuality, lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};
static_assert(sizeof(LOGFONT) == 60, "LOGFONT is the 60-byte ANSI form");

struct HFONT__;
using HFONT = HFONT__*;

HFONT CreateFontIndirect(const LOGFONT* lplf);
// Copies the font's LOGFONT into lpvObject; returns the bytes copied, 0 for a deleted or unknown handle.
int GetObject(HFONT hFont, int cbBuffer, void* lpvObject);
BOOL DeleteObject(HFONT hFont);

// Owns the font attached to it.
class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(m_hObject); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    BOOL Attach(HFONT hFont)
    {
        m_hObject = hFont;
        return hFont != nullptr;
    }
    operator HFONT() const { return m_hObject; }

    HFONT m_hObject = nullptr;
};
