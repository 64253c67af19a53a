#include "platform/ui/Font.h"

#include <QFont>
#include <algorithm>
#include <cstring>
#include <set>

#include "platform/qt/WindowImpl.h"

// A font handle points at its LOGFONT, the font's whole description.
struct HFONT__ {
    LOGFONT logFont;
};

namespace {
// The fonts made and not yet deleted, all on the user-interface thread: a deleted or unknown handle
// is refused, not read.
std::set<HFONT> g_liveFonts;
}  // namespace

HFONT CreateFontIndirect(const LOGFONT* lplf)
{
    if (lplf == nullptr)
        return nullptr;
    auto* font = new HFONT__{*lplf};
    font->logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    g_liveFonts.insert(font);
    return font;
}

int GetObject(HFONT hFont, int cbBuffer, void* lpvObject)
{
    if (lpvObject == nullptr || cbBuffer <= 0 || g_liveFonts.count(hFont) == 0)
        return 0;
    const int size = std::min<int>(cbBuffer, sizeof(LOGFONT));
    std::memcpy(lpvObject, &hFont->logFont, size);
    return size;
}

BOOL DeleteObject(HFONT hFont)
{
    if (g_liveFonts.erase(hFont) == 0)
        return FALSE;
    delete hFont;
    return TRUE;
}

QFont QFontFromHandle(HFONT hFont)
{
    return g_liveFonts.count(hFont) != 0 ? QFontFromLogFont(hFont->logFont) : QFont();
}

QFont QFontFromLogFont(const LOGFONT& lf)
{
    QFont font;
    font.setFamily(QString::fromLatin1(lf.lfFaceName));
    // A negative height is the character height in pixels, a positive one the cell height.
    const int pixels = lf.lfHeight < 0 ? -lf.lfHeight : (lf.lfHeight * 4 + 2) / 5;
    if (pixels > 0)
        font.setPixelSize(pixels);
    font.setWeight(static_cast<QFont::Weight>(std::clamp<int>(lf.lfWeight == 0 ? 400 : lf.lfWeight, 1, 1000)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}
