// Walking a string one whole character at a time, the same on every backend: the code page comes
// from the code page service, and only which bytes lead a two-byte character (IsDBCSLeadByte) is the
// backend's. A lead byte whose character is cut short or broken is a character of its own.
#include "platform/services/AppServices.h"
#include "platform/sys/CodePage.h"

namespace {

// The length of the well-formed UTF-8 character at p, or 1 when the bytes there do not make one
// (a stray continuation byte, a lead byte that no character starts with, a sequence cut short, an
// over-long or surrogate form): such a byte is a character of its own, so that a separator right
// after it is still found.
int Utf8Length(const char* p)
{
    const auto lead = static_cast<BYTE>(p[0]);
    const int length =
        lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 1;
    // The range of the second byte, narrowed for the leads that need it.
    const BYTE low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const BYTE high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    for (int i = 1; i < length; ++i) {
        const auto b = static_cast<BYTE>(p[i]);
        if (b < (i == 1 ? low : 0x80) || b > (i == 1 ? high : 0xBF))
            return 1;
    }
    return length;
}

// Whether the byte can follow a lead byte in the double-byte code page.
bool IsTrailByte(UINT codePage, BYTE b)
{
    switch (codePage) {
    case 932: return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
    case 936: return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
    case 949: return (b >= 0x41 && b <= 0x5A) || (b >= 0x61 && b <= 0x7A) || (b >= 0x81 && b <= 0xFE);
    case 950: return (b >= 0x40 && b <= 0x7E) || (b >= 0xA1 && b <= 0xFE);
    default: return false;
    }
}

}  // namespace

UINT GetACP()
{
    return platform::Services().codePage();
}

const char* CharNextA(const char* p)
{
    if (*p == '\0')
        return p;
    // A lead byte whose character is cut short or broken counts as one byte; the byte after it
    // starts the next character (the terminator included, so the walk never passes the end).
    const UINT codePage = GetACP();
    if (codePage == 65001)
        return p + Utf8Length(p);
    if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && IsTrailByte(codePage, static_cast<BYTE>(p[1])))
        return p + 2;
    return p + 1;
}
