#include "platform/ui/Font.h"

#include <QFont>
#include <cstring>
#include <mutex>
#include <unordered_set>

#include "platform/ui/WindowImpl.h"

// A font handle points at one of these; the LOGFONT is the font's whole description.
struct HFONT__ {
    LOGFONT logFont;
};

namespace {
// The fonts made and not yet deleted: a deleted or unknown handle is refused, not read.
std::mutex g_fontsMutex;
std::unordered_set<HFONT> g_liveFonts;

bool IsLive(HFONT hFont)
{
    std::lock_guard<std::mutex> lock(g_fontsMutex);
    return g_liveFonts.count(hFont) != 0;
}
}  // namespace

HFONT CreateFontIndirect(const LOGFONT* lplf)
{
    if (lplf == nullptr)
        return nullptr;
    auto* font = new HFONT__{*lplf};
    font->logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    std::lock_guard<std::mutex> lock(g_fontsMutex);
    g_liveFonts.insert(font);
    return font;
}

int GetObject(HFONT hFont, int cbBuffer, void* lpvObject)
{
    if (lpvObject == nullptr || cbBuffer <= 0 || !IsLive(hFont))
        return 0;
    const int size = std::min<int>(cbBuffer, sizeof(LOGFONT));
    std::memcpy(lpvObject, &hFont->logFont, size);
    return size;
}

BOOL DeleteObject(HFONT hFont)
{
    {
        std::lock_guard<std::mutex> lock(g_fontsMutex);
        if (g_liveFonts.erase(hFont) == 0)
            return FALSE;
    }
    delete hFont;
    return TRUE;
}

QFont QFontFromHandle(HFONT hFont)
{
    QFont font;
    if (hFont == nullptr)
        return font;
    const LOGFONT& lf = hFont->logFont;
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

CFont::~CFont()
{
    DeleteObject();
}

BOOL CFont::Attach(HFONT hFont)
{
    if (hFont == nullptr)
        return FALSE;
    DeleteObject();
    m_hObject = hFont;
    return TRUE;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return Attach(::CreateFontIndirect(lpLogFont));
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    return GetObject(m_hObject, sizeof(LOGFONT), pLogFont);
}

BOOL CFont::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return TRUE;
}
