// The exception base of the platform. Exceptions are thrown by pointer and deleted by their catcher
// with Delete(), as the framework the wizard was written for does it.
#pragma once

#include "platform/sys/WinTypes.h"

class CException {
public:
    CException() = default;
    virtual ~CException() = default;
    CException(const CException&) = delete;
    CException& operator=(const CException&) = delete;

    // Writes a readable text of at most nMaxError - 1 bytes and a terminator; nothing when nMaxError
    // is 0. The base has no text: it writes an empty one and returns FALSE.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr);
    void Delete() { delete this; }
};

// Copies text into a caller's buffer of nMaxError bytes: at most nMaxError - 1 bytes and a terminator,
// nothing at all when nMaxError is 0. Shared by the exceptions' GetErrorMessage.
void CopyErrorText(LPSTR lpszError, UINT nMaxError, const char* text);
