#include "common/FindLastChar.h"

#include "platform/sys/CodePage.h"

int FindLastChar(const char* psz, char ch)
{
    int last = 0;
    for (const char* p = psz; *p != '\0';) {
        const char* next = CharNextA(p);
        if (next - p == 1 && *p == ch)
            last = static_cast<int>(p - psz);
        p = next;
    }
    return last;
}
