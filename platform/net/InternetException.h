// The failure of an Internet operation: the Internet library's error number and a readable text.
// Thrown by pointer; the catcher deletes it.
#pragma once

#include "platform/net/InternetDefs.h"
#include "platform/sys/Exception.h"
#include "platform/sys/WinTypes.h"

class CInternetException : public CException {
public:
    CInternetException(DWORD dwError, const CString& strText, DWORD_PTR dwContext = 1);
    ~CInternetException() override;

    // The text, cut to nMaxError - 1 bytes and terminated; nothing for a buffer of 0 bytes.
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

    DWORD m_dwError;
    DWORD_PTR m_dwContext;

private:
    CString m_strText;
};
