// The exception base of the platform. Exceptions are thrown by pointer and deleted by their catcher
// with Delete(), as the framework the wizard was written for does it.
#pragma once

#include <algorithm>
#include <cstring>

#include "platform/sys/WinTypes.h"

// Copies text into a caller's buffer of nMaxError bytes: at most nMaxError - 1 bytes and a terminator,
// nothing at all when nMaxError is 0. Shared by the exceptions' GetErrorMessage.
inline void CopyErrorText(LPSTR lpszError, UINT nMaxError, const char* text)
{
    if (lpszError == nullptr || nMaxError == 0)
        return;
    const std::size_t length = std::min<std::size_t>(std::strlen(text), nMaxError - 1);
    std::memcpy(lpszError, text, length);
    lpszError[length] = '\0';
}

class CException {
public:
    CException() = default;
    virtual ~CException() = default;
    CException(const CException&) = delete;
    CException& operator=(const CException&) = delete;

    // Writes a readable text of at most nMaxError - 1 bytes and a terminator; nothing when nMaxError
    // is 0. The base has no text of its own: it writes an empty one and returns FALSE.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* /*pnHelpContext*/ = nullptr)
    {
        CopyErrorText(lpszError, nMaxError, "");
        return FALSE;
    }
    void Delete() { delete this; }
};
