#include "platform/sys/Exception.h"

#include <algorithm>
#include <cstring>

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT*)
{
    CopyErrorText(lpszError, nMaxError, "");
    return FALSE;
}

void CopyErrorText(LPSTR lpszError, UINT nMaxError, const char* text)
{
    if (lpszError == nullptr || nMaxError == 0)
        return;
    const std::size_t length = std::min<std::size_t>(std::strlen(text), nMaxError - 1);
    std::memcpy(lpszError, text, length);
    lpszError[length] = '\0';
}
