#include "platform/sys/StringRes.h"

#include <cstdarg>
#include <cstdio>

#include "platform/sys/CodePage.h"
#include "platform/sys/ResourceFormat.h"

CString LoadString(UINT nID)
{
    for (std::size_t i = 0; i < g_stringCount; ++i) {
        if (g_stringTable[i].id == nID)
            return g_stringTable[i].text;
    }
    return CString();
}

// Measured first, then written: the standard library's formatting alone, on every system.
CString FormatString(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    CString result;
    if (length > 0) {
        result.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(result.data(), result.size(), format, again);
        result.resize(static_cast<std::size_t>(length));
    }
    va_end(again);
    return result;
}

CString MakeUpper(CString text)
{
    // Whole characters only: a trail byte that looks like a small letter belongs to its lead byte.
    char* p = text.data();
    while (*p != '\0') {
        char* next = const_cast<char*>(CharNextA(p));
        if (next - p == 1 && *p >= 'a' && *p <= 'z')
            *p = static_cast<char>(*p - 'a' + 'A');
        p = next;
    }
    return text;
}
