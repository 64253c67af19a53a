#include "platform/sys/CodePage.h"

#include <langinfo.h>
#include <strings.h>

#include "platform/services/RealServices.h"

// The lead bytes of the double-byte code pages; how a string is walked is the same on both backends
// (platform/sys/CharacterSteps.cpp).
BOOL IsDBCSLeadByte(BYTE b)
{
    switch (GetACP()) {
    case 932: return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 936: case 949: case 950: return b >= 0x81 && b <= 0xFE;
    default: return FALSE;
    }
}

// The code page of the locale's character set; anything not named here is single-byte (1252).
UINT platform::LocaleCodePage()
{
    static const struct {
        const char* codeset;
        UINT codePage;
    } kCodePages[] = {{"BIG5", 950}, {"BIG5-HKSCS", 950}, {"SHIFT_JIS", 932}, {"SJIS", 932},
                      {"GBK", 936},  {"GB2312", 936},     {"EUC-KR", 949},    {"UTF-8", 65001}};
    const char* codeset = nl_langinfo(CODESET);
    for (const auto& known : kCodePages)
        if (codeset != nullptr && strcasecmp(codeset, known.codeset) == 0)
            return known.codePage;
    return 1252;
}
