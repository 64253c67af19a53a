#include "platform/sys/CodePage.h"

#include <cstring>
#include <langinfo.h>
#include <strings.h>

#include "platform/services/RealServices.h"
#include "platform/sys/CodePageService.h"

namespace {

UINT CodePageFromLocale()
{
    const char* codeset = nl_langinfo(CODESET);
    if (codeset == nullptr)
        return 1252;
    if (strcasecmp(codeset, "BIG5") == 0 || strcasecmp(codeset, "BIG5-HKSCS") == 0)
        return 950;
    if (strcasecmp(codeset, "SHIFT_JIS") == 0 || strcasecmp(codeset, "SJIS") == 0)
        return 932;
    if (strcasecmp(codeset, "GBK") == 0 || strcasecmp(codeset, "GB2312") == 0)
        return 936;
    if (strcasecmp(codeset, "EUC-KR") == 0)
        return 949;
    if (strcasecmp(codeset, "UTF-8") == 0)
        return 65001;
    return 1252;
}

class LocaleCodePage : public platform::CodePageService {
public:
    UINT CodePage() override { return CodePageFromLocale(); }
};

int Utf8Length(BYTE b)
{
    if (b >= 0xF0 && b <= 0xF4)
        return 4;
    if (b >= 0xE0)
        return b <= 0xEF ? 3 : 1;
    if (b >= 0xC2)
        return 2;
    return 1;
}

}  // namespace

UINT GetACP()
{
    return platform::Services().codePage->CodePage();
}

BOOL IsDBCSLeadByte(BYTE b)
{
    switch (GetACP()) {
    case 932:
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 936:
    case 949:
    case 950:
        return b >= 0x81 && b <= 0xFE;
    default:
        return FALSE;
    }
}

const char* CharNextA(const char* p)
{
    if (*p == '\0')
        return p;
    const BYTE b = static_cast<BYTE>(*p);
    int length = 1;
    if (GetACP() == 65001)
        length = Utf8Length(b);
    else if (IsDBCSLeadByte(b))
        length = 2;
    // Never step over the terminator: a cut-off character ends where the string ends.
    for (int i = 1; i < length; ++i) {
        if (p[i] == '\0')
            return p + i;
    }
    return p + length;
}

std::shared_ptr<platform::CodePageService> platform::MakeLocaleCodePage()
{
    return std::make_shared<LocaleCodePage>();
}
